#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What makes a usable name and password: the same rules for the teacher's dialogs, the sign-in
// dialog and the data-folder tool, so that nothing one of them accepts locks a person out in
// another. A person's name becomes the stem of the record files and, in list form, an entry of
// the sign-in list.
namespace data {

// The longest name and password the dialogs take, in characters.
inline constexpr std::size_t kNameLimit = 30;
inline constexpr std::size_t kPasswordLimit = 15;

// Punctuation a name may not hold: among it the comma, which would break the list form, and the
// slashes and the full stop, which would change the record's file name.
inline constexpr std::string_view kForbiddenNameCharacters = "\"'!@#$%^&*()[{}],.?/\\;:=+<>";

// The name as it is kept: no blanks before or after it and one blank between words, so that
// "Sam  Lee" is "Sam Lee". A name of blanks only leaves nothing.
std::string NormaliseName(std::string_view name);

enum class NameProblem {
    None,
    Empty,
    TooLong, // more than kNameLimit characters
    // One of kForbiddenNameCharacters, or a control character (a tab, a line break), which would
    // split or shift a row of the class report in a spreadsheet.
    InvalidCharacter,
    NotStorable, // a character a record file cannot hold
};

// What is wrong with `name` (UTF-8, already normalised) as a person's name.
NameProblem CheckName(std::string_view name);

// The first character of `name` (UTF-8) that makes it InvalidCharacter or NotStorable; empty when
// there is none.
std::string RefusedNameCharacter(std::string_view name);

// A character RefusedNameCharacter found, in words a teacher knows, to follow "cannot hold":
// "the apostrophe (')", "a tab or another control character", "the letter Ł, which records
// cannot store"; in the program's language.
std::string DescribeRefusedCharacter(std::string_view character);

// Text a record stores unchanged and a person can type: no character a record file cannot hold,
// no control character (a password holding a tab could not be typed at the sign-in box).
bool IsAccountText(std::string_view text);

enum class PasswordProblem {
    None,
    Empty,
    TooLong,     // more than kPasswordLimit characters: the sign-in box could never take it
    NotStorable, // not IsAccountText
};

PasswordProblem CheckPassword(std::string_view password);

// Whether two names name the same record files on a share that ignores case (the Windows and
// Samba servers of many schools), where one student's records would overwrite the other's: equal
// when the capitals of every letter a record stores are ignored ("Zoë Ek" and "ZOË EK").
bool IsSameNameIgnoringCase(std::string_view a, std::string_view b);

// The key IsSameNameIgnoringCase compares: equal keys name the same files on such a share.
std::string NameKey(std::string_view name);

// True when a student of this name would have a record file with the same name as another file
// of the data folder: the sign-in list ("Admin"), the teacher's own record or one of the
// teacher's class files (the teacher's name followed by the class's name). Other students are
// the caller's to check. Names are compared ignoring case (IsSameNameIgnoringCase).
bool NamesAnotherDataFile(const std::string& name, const std::string& teacherName,
                          const std::vector<std::string>& classNames);

} // namespace data
