#pragma once

#include <string>

class CTeacher;

namespace data {

// The most students a teacher keeps.
inline constexpr int kMostStudents = 8;

// What the teacher typed into the student dialog.
struct StudentInfoEntry {
    bool editing = false; // an existing student: only the password is checked
    std::string name;     // as typed; blanks around it and doubled inside do not count
    std::string password;
    std::string verification;
};

// Why the dialog refuses an entry, in the order the checks are made.
enum class StudentInfoRefusal {
    None,
    TooManyStudents, // creating only
    NoPassword,      // neither box filled
    PasswordsDiffer, // also when one box is empty
    // The boxes take neither; what other programs wrote is checked all the same.
    PasswordTooLong,
    PasswordNotStorable,
    NoName,           // creating only, also a name of blanks
    NameTooLong,      // creating only
    InvalidCharacter, // creating only
    NameNotStorable,  // creating only
    NameTaken,        // creating only
};

StudentInfoRefusal CheckStudentInfo(const StudentInfoEntry& entry, const CTeacher& teacher);

} // namespace data
