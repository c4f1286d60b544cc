#pragma once

#include <string>
#include <string_view>

class CTeacher;

namespace data {

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
    TooManyStudents, // creating only: the class has as many as the class size
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

// Why the name typed for a new class is refused: checked as a student's name is, and taken when
// the teacher has a class of that name whatever its capitals, or its class file would be another
// record. None of the password's refusals comes back.
StudentInfoRefusal CheckNewClassName(std::string_view typed, const CTeacher& teacher);

} // namespace data
