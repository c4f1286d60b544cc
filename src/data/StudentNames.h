#pragma once

#include <string>
#include <string_view>
#include <vector>

// What makes a usable name for a new student. A student's name becomes the stem of its record
// files and, in list form, an entry of the sign-in list.
namespace data {

// Punctuation a student's name may not hold: among it the comma, which would break the list form,
// and the slashes and the full stop, which would change the record's file name.
inline constexpr std::string_view kForbiddenNameCharacters = "\"'!@#$%^&*()[{}],.?/\\;:=+<>";

bool HasForbiddenNameCharacter(std::string_view name);

// The name without blanks before or after it: a name made only of blanks leaves nothing.
std::string TrimBlanks(std::string_view name);

// True when a student of this name would have a record file with the same name as another file
// of the data folder: the sign-in list ("Admin"), the teacher's own record or one of the
// teacher's class files (the teacher's name followed by the class's name). Other students are
// the caller's to check. Names are compared exactly, as file names are.
bool NamesAnotherDataFile(const std::string& name, const std::string& teacherName,
                          const std::vector<std::string>& classNames);

} // namespace data
