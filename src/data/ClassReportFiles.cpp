// Reading a class's records for the class report, leaving every file as it was.
#include "ClassReport.h"

#include "CUserManager.h"
#include "ClassRoster.h"
#include "MistakeFile.h"
#include "OperationFacts.h"
#include "RecordFile.h"

#include "platform/Files.h"
#include "platform/Logs.h"

#include <cerrno>
#include <cstring>

namespace data {
namespace {

constexpr const char* kSource = "Data classes\\Classreport";

struct FileContent {
    bool exists = false;
    std::optional<std::vector<std::uint8_t>> bytes; // none when it exists but cannot be read
    std::string path;                               // the file read (or looked for)
};

// The bytes of `path`, or of the "tmp" copy an interrupted replacement left when `path` itself is
// missing. The copy is read where it stands: reading renames nothing.
FileContent ReadFileOrItsCopy(const std::string& path) {
    for (const std::string& candidate : {path, path + "tmp"}) {
        if (platform::FileExists(candidate)) {
            FileContent content{
                .exists = true, .bytes = platform::ReadFileBytes(candidate), .path = candidate};
            if (!content.bytes) {
                platform::WriteErrorLog(kSource, __LINE__,
                                        FileFailureText("Could not read", candidate));
            }
            return content;
        }
    }
    return {.path = path};
}

void LogDamaged(const std::string& path) {
    platform::WriteErrorLog(kSource, __LINE__, "  Could not read " + path + ": it is damaged");
}

std::optional<StudentRecord> ReadRecord(const std::string& name) {
    const FileContent content = ReadFileOrItsCopy(CUserManager::GetInfoFilePath(name));
    if (!content.exists) {
        platform::WriteErrorLog(kSource, __LINE__,
                                "  Could not read " + content.path + ": " + std::strerror(ENOENT));
    }
    if (!content.bytes) {
        return std::nullopt;
    }
    auto record = ParseStudentRecord(*content.bytes);
    if (!record) {
        LogDamaged(content.path);
    }
    return record;
}

std::optional<std::vector<Problem>> ReadMistakes(const std::string& name) {
    const FileContent content = ReadFileOrItsCopy(CUserManager::GetMistakeFilePath(name));
    if (!content.exists) {
        return std::vector<Problem>{};
    }
    if (!content.bytes) {
        return std::nullopt;
    }
    return ParseMistakeList(*content.bytes);
}

std::optional<FactFluency> ReadFluency(const std::string& name) {
    const FileContent content = ReadFileOrItsCopy(CUserManager::GetFluencyFilePath(name));
    if (!content.exists) {
        return FactFluency{};
    }
    if (!content.bytes) {
        return std::nullopt;
    }
    auto fluency = DecodeFluency(*content.bytes);
    if (!fluency) {
        LogDamaged(content.path);
    }
    return fluency;
}

} // namespace

StudentFiles ReadStudentFiles(const std::string& name) {
    return {.name = name,
            .record = ReadRecord(name),
            .mistakes = ReadMistakes(name),
            .fluency = ReadFluency(name)};
}

LevelFacts ReadLevelFacts() {
    LevelFacts facts;
    std::vector<Problem>& mixed = facts[kMixed - kAddition];
    for (std::int32_t kind = kAddition; kind <= kDivision; ++kind) {
        std::vector<Problem>& own = facts[static_cast<std::size_t>(kind - kAddition)];
        own = ReadOperationFacts(kind).facts;
        mixed.insert(mixed.end(), own.begin(), own.end());
    }
    return facts;
}

std::optional<std::vector<ClassReportRow>> ReadClassReport(const CTeacher& teacher,
                                                           std::int64_t now) {
    const auto names = ReadClassNames(teacher);
    if (!names) {
        return std::nullopt;
    }
    const LevelFacts facts = ReadLevelFacts();
    std::vector<ClassReportRow> rows;
    for (const std::string& name : *names) {
        rows.push_back(MakeClassReportRow(ReadStudentFiles(name), facts, now));
    }
    return rows;
}

} // namespace data
