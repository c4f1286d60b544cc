#include "StudentInfoCheck.h"

#include "AccountRules.h"
#include "CTeacher.h"

namespace data {

StudentInfoRefusal CheckStudentInfo(const StudentInfoEntry& entry, const CTeacher& teacher) {
    if (!entry.editing && teacher.GetStudentCount() >= kMostStudents) {
        return StudentInfoRefusal::TooManyStudents;
    }
    if (entry.password.empty() && entry.verification.empty()) {
        return StudentInfoRefusal::NoPassword;
    }
    if (entry.password != entry.verification) {
        return StudentInfoRefusal::PasswordsDiffer;
    }
    switch (CheckPassword(entry.password)) {
    case PasswordProblem::TooLong:
        return StudentInfoRefusal::PasswordTooLong;
    case PasswordProblem::NotStorable:
        return StudentInfoRefusal::PasswordNotStorable;
    case PasswordProblem::Empty:
    case PasswordProblem::None:
        break;
    }
    if (entry.editing) {
        return StudentInfoRefusal::None;
    }
    const std::string name = NormaliseName(entry.name);
    switch (CheckName(name)) {
    case NameProblem::Empty:
        return StudentInfoRefusal::NoName;
    case NameProblem::TooLong:
        return StudentInfoRefusal::NameTooLong;
    case NameProblem::InvalidCharacter:
        return StudentInfoRefusal::InvalidCharacter;
    case NameProblem::NotStorable:
        return StudentInfoRefusal::NameNotStorable;
    case NameProblem::None:
        break;
    }
    return teacher.IsNameTaken(name) ? StudentInfoRefusal::NameTaken : StudentInfoRefusal::None;
}

} // namespace data
