#include "StudentInfoCheck.h"

#include "CTeacher.h"
#include "StudentNames.h"

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
    if (entry.editing) {
        return StudentInfoRefusal::None;
    }
    const std::string name = TrimBlanks(entry.name);
    if (name.empty()) {
        return StudentInfoRefusal::NoName;
    }
    if (HasForbiddenNameCharacter(name)) {
        return StudentInfoRefusal::InvalidCharacter;
    }
    if (teacher.IsNameTaken(name)) {
        return StudentInfoRefusal::NameTaken;
    }
    return StudentInfoRefusal::None;
}

} // namespace data
