#pragma once

#include <optional>
#include <string>
#include <string_view>

// Settings of one data folder that no record holds, kept in a small text file of the program's
// own in the data folder, "School settings.txt":
//
//     # Tallyhop: settings of this data folder
//     class size = 25
//
// One setting a line, its name, "=" and its value; blanks around them and lines beginning with
// "#" do not count, nor do settings this program does not know. A missing file is the defaults.
namespace data {

// The most students a class has unless the folder's settings say otherwise, and the most they
// may say.
inline constexpr int kDefaultClassSize = 8;
inline constexpr int kLargestClassSize = 40;

inline constexpr const char* kSchoolSettingsName = "School settings.txt";

struct SchoolSettings {
    int classSize = kDefaultClassSize;
};

std::string SchoolSettingsPath();

// The settings of `text`, or nothing when a setting this program knows has a value it cannot use.
std::optional<SchoolSettings> ParseSchoolSettings(std::string_view text);
std::string SerializeSchoolSettings(const SchoolSettings& settings);

// The settings of the base folder's data folder, read afresh each time: another desk or the
// data-folder tool may change them. A file that cannot be read or used is noted in the error log
// and the defaults hold.
SchoolSettings ReadSchoolSettings();

// Replaces the settings file whole; false (and an error record) when it cannot.
bool WriteSchoolSettings(const SchoolSettings& settings);

} // namespace data
