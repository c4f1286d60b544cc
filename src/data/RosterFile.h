#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A roster: a spreadsheet's list of students saved as a CSV file (CsvReader), one student a
// row, under a header row naming the columns in any order. A school's roster names for each
// student the teacher and the class; a class's roster (imported into a class the teacher chose)
// needs only the student's columns. Other columns are left alone.
namespace data {

enum class RosterColumn { Teacher, TeacherPassword, Class, Student, Password, Level, TestsPassed };

// The headings, compared ignoring capitals and blanks around them.
inline constexpr std::array<const char*, 7> kRosterHeadings{
    "Teacher", "Teacher password", "Class", "Student", "Password", "Level", "Tests passed"};

inline constexpr std::array kSchoolRosterColumns{RosterColumn::Teacher,
                                                 RosterColumn::TeacherPassword, RosterColumn::Class,
                                                 RosterColumn::Student, RosterColumn::Password};
inline constexpr std::array kClassRosterColumns{RosterColumn::Student, RosterColumn::Password};

// One student's row as written; a column the file lacks leaves its text empty.
struct RosterLine {
    int line = 0; // in the file, counting from 1; 0 for what the data-folder tool's options say
    std::array<std::string, kRosterHeadings.size()> cells;
    bool teacherOnly = false; // names a teacher and password, and no student (an option's)

    const std::string& operator[](RosterColumn column) const {
        return cells[static_cast<std::size_t>(column)];
    }
};

enum class RosterFault {
    MissingColumn,    // `value`: the heading
    NoStudents,       // the file holds no row under its header
    QuoteNotClosed,   // the file ends inside a quoted field
    NoName,           // `value`: whose (see RosterProblem::whose)
    NameTooLong,      // `value`: the name
    InvalidCharacter, // `value`: the name
    NameNotStorable,  // `value`: the name
    NoPassword,       //
    PasswordTooLong,  //
    PasswordNotStorable,
    TeacherPasswordsDiffer, // `value`: the teacher
    TeacherWithoutPassword, // `value`: the teacher
    UnknownLevel,           // `value`: as written
    UnknownTestsPassed,     // `value`: as written
    RepeatedStudent,        // `value`: the name; `other`: the line that named the student first
    NameTaken,              // `value`: the name, taken by another record of the data folder
    ClassTooLarge,          // `value`: the class; `other`: the class size
};

// Whose name or password a fault is about.
enum class RosterWho { Student, Teacher, Class };

struct RosterProblem {
    int line = 0;
    RosterFault fault = RosterFault::NoStudents;
    RosterWho whose = RosterWho::Student;
    std::string value;
    int other = 0;
};

// The rows of a roster file's text, or, with none, the problems that keep it from being read (a
// column of `required` missing, no rows, a quoted field not closed).
struct RosterTable {
    std::vector<RosterLine> lines;
    std::vector<RosterProblem> problems;
};
RosterTable ReadRosterTable(std::string_view text, std::span<const RosterColumn> required);

// The problem in a sentence: "Line 7: the password of Sam Lee has more than 15 characters."
std::string RosterProblemText(const RosterProblem& problem);

} // namespace data
