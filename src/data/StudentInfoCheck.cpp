#include "StudentInfoCheck.h"

#include "AccountRules.h"
#include "CTeacher.h"
#include "CUserManager.h"
#include "SchoolSettings.h"

#include "platform/Files.h"

namespace data {
namespace {

StudentInfoRefusal NameRefusal(const std::string& name) {
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
    return StudentInfoRefusal::None;
}

} // namespace

StudentInfoRefusal CheckStudentInfo(const StudentInfoEntry& entry, const CTeacher& teacher) {
    if (!entry.editing && teacher.GetStudentCount() >= ReadSchoolSettings().classSize) {
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
    if (const StudentInfoRefusal refusal = NameRefusal(name); refusal != StudentInfoRefusal::None) {
        return refusal;
    }
    return teacher.IsNameTaken(name) ? StudentInfoRefusal::NameTaken : StudentInfoRefusal::None;
}

StudentInfoRefusal CheckNewClassName(std::string_view typed, const CTeacher& teacher) {
    const std::string name = NormaliseName(typed);
    if (const StudentInfoRefusal refusal = NameRefusal(name); refusal != StudentInfoRefusal::None) {
        return refusal;
    }
    return teacher.HasClass(name) ||
                   platform::FileExists(CUserManager::GetInfoFilePath(teacher.GetName() + name))
               ? StudentInfoRefusal::NameTaken
               : StudentInfoRefusal::None;
}

} // namespace data
