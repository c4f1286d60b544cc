#include "SchoolSettings.h"

#include "NumberText.h"
#include "RecordFile.h"
#include "TrimmedText.h"

#include "platform/BaseFolder.h"
#include "platform/Files.h"
#include "platform/Logs.h"

#include <cerrno>

namespace data {
namespace {

constexpr const char* kSource = "Data classes\\Schoolsettings";
constexpr std::string_view kClassSizeName = "class size";

} // namespace

std::string SchoolSettingsPath() {
    return platform::GetBaseFolder() + "/Data/" + kSchoolSettingsName;
}

std::optional<SchoolSettings> ParseSchoolSettings(std::string_view text) {
    SchoolSettings settings;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end), " \t\r");
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const auto equals = line.find('=');
        if (line.starts_with('#') || equals == std::string_view::npos ||
            Trimmed(line.substr(0, equals), " \t\r") != kClassSizeName) {
            continue;
        }
        const auto size = NumberIn(line.substr(equals + 1), 1, kLargestClassSize);
        if (!size) {
            return std::nullopt;
        }
        settings.classSize = *size;
    }
    return settings;
}

std::string SerializeSchoolSettings(const SchoolSettings& settings) {
    return "# Tallyhop: settings of this data folder\n" + std::string(kClassSizeName) + " = " +
           std::to_string(settings.classSize) + "\n";
}

SchoolSettings ReadSchoolSettings() {
    const std::string path = SchoolSettingsPath();
    if (!platform::FileExists(path)) {
        return {};
    }
    const auto bytes = platform::ReadFileBytes(path);
    if (!bytes) {
        platform::WriteErrorLog(kSource, __LINE__, FileFailureText("Could not read", path));
        return {};
    }
    if (auto settings =
            ParseSchoolSettings({reinterpret_cast<const char*>(bytes->data()), bytes->size()})) {
        return *settings;
    }
    platform::WriteErrorLog(kSource, __LINE__,
                            "  " + path + ": the class size is not a number from 1 to " +
                                std::to_string(kLargestClassSize) + "; it is taken as " +
                                std::to_string(kDefaultClassSize));
    return {};
}

bool WriteSchoolSettings(const SchoolSettings& settings) {
    const std::string path = SchoolSettingsPath();
    const std::string text = SerializeSchoolSettings(settings);
    if (ReplaceRecordFile(path, {reinterpret_cast<const std::uint8_t*>(text.data()),
                                 text.size()}) != ReplaceOutcome::Replaced) {
        platform::WriteErrorLog(kSource, __LINE__, FileFailureText("Could not replace", path));
        return false;
    }
    return true;
}

} // namespace data
