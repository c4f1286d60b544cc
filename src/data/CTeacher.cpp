#include "CTeacher.h"

#include "AccountRules.h"
#include "CUserManager.h"
#include "NameListFiles.h"
#include "RecordFile.h"
#include "StudentRecordFile.h"

#include "platform/Files.h"
#include "platform/Logs.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <system_error>

namespace {

constexpr const char* kSource = "Data classes\\Cteacher";

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Deletes `path` unless it is already gone; false (with a message, and an error record) when it
// cannot be deleted.
bool DeleteIfPresent(const std::string& path) {
    if (!platform::FileExists(path) || platform::DeleteFileReporting(path)) {
        return true;
    }
    platform::WriteErrorLog(kSource, __LINE__, data::FileFailureText("Could not delete", path));
    return false;
}

// Whether the sign-in list names `name` (file form), capitals aside. A list that cannot be read
// names nobody here: the creation that follows reports it.
bool IsListedForSignIn(const std::string& name) {
    const auto bytes = platform::ReadFileBytes(CUserManager::GetInfoFilePath("Admin"));
    const auto admin = bytes ? data::ParseUserWithNames(*bytes) : std::nullopt;
    return admin && std::ranges::any_of(admin->names, [&](std::string listed) {
               CUserManager::ConvertName(listed, false);
               return data::IsSameNameIgnoringCase(listed, name);
           });
}

// Takes back what a creation that could not be completed had written.
void RemoveWritten(std::initializer_list<std::string> paths) {
    for (const std::string& path : paths) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
}

} // namespace

void CTeacher::Reset() {
    name_.clear();
    password_.clear();
    class_.clear();
    classes_.clear();
    students_.clear();
}

bool CTeacher::Load(const std::string& name) {
    const std::string path = CUserManager::GetInfoFilePath(name);
    const auto bytes = platform::ReadFileBytes(path);
    if (!bytes) {
        return false;
    }
    data::ArchiveFault fault = data::ArchiveFault::None;
    auto record = data::ParseUserWithNames(*bytes, &fault);
    if (!record) {
        platform::WriteErrorLog(kSource, __LINE__,
                                "Name of file: " + path +
                                    " | Cause: " + std::to_string(static_cast<int>(fault)));
        return false;
    }
    Reset();
    name_ = name;
    password_ = std::move(record->password);
    classes_ = std::move(record->names);
    return true;
}

std::string CTeacher::ClassFilePath() const {
    return CUserManager::GetInfoFilePath(name_ + class_);
}

bool CTeacher::RewriteSelectedClassFile(
    const std::function<void(std::vector<std::string>&)>& change) const {
    if (class_.empty()) {
        return false; // the path would name the teacher record itself
    }
    const std::string path = ClassFilePath();
    const auto bytes = platform::ReadFileBytes(path);
    if (!bytes) {
        platform::WriteErrorLog(kSource, __LINE__, data::FileFailureText("Could not read", path));
        return false;
    }
    auto classFile = data::ParseClassFile(*bytes);
    if (!classFile) {
        platform::WriteErrorLog(kSource, __LINE__, "  Could not read " + path + ": it is damaged");
        return false;
    }
    change(classFile->students);
    if (data::ReplaceRecordFile(path, data::SerializeClassFile(*classFile)) !=
        data::ReplaceOutcome::Replaced) {
        platform::WriteErrorLog(kSource, __LINE__,
                                data::FileFailureText("Could not replace", path));
        return false;
    }
    return true;
}

bool CTeacher::SelectClass(const std::string& className) {
    const bool listed = Contains(classes_, className);
    class_ = className;
    if (listed) {
        const auto bytes = platform::ReadFileBytes(ClassFilePath());
        if (auto classFile = bytes ? data::ParseClassFile(*bytes) : std::nullopt) {
            students_ = std::move(classFile->students);
        }
    }
    return listed;
}

bool CTeacher::IsStudent(const std::string& name) const {
    return Contains(students_, name);
}

std::vector<std::string> CTeacher::StudentsNamedLike(const std::string& name) const {
    std::vector<std::string> like;
    std::ranges::copy_if(students_, std::back_inserter(like), [&name](const std::string& student) {
        return data::IsSameNameIgnoringCase(student, name);
    });
    return like;
}

bool CTeacher::IsNameTaken(const std::string& name) const {
    return !StudentsNamedLike(name).empty() || data::NamesAnotherDataFile(name, name_, classes_) ||
           IsListedForSignIn(name) || platform::FileExists(CUserManager::GetInfoFilePath(name));
}

bool CTeacher::HasClass(const std::string& className) const {
    return std::any_of(classes_.begin(), classes_.end(), [&](const std::string& listed) {
        return data::IsSameNameIgnoringCase(listed, className);
    });
}

bool CTeacher::WriteTeacherRecord(const std::vector<std::string>& classes) {
    const std::string path = CUserManager::GetInfoFilePath(name_);
    const data::UserWithNames record{
        .idType = CUserManager::kTeacherId, .password = password_, .names = classes};
    if (data::ReplaceRecordFile(path, data::SerializeUserWithNames(record)) !=
        data::ReplaceOutcome::Replaced) {
        platform::WriteErrorLog(kSource, __LINE__,
                                data::FileFailureText("Could not replace", path));
        return false;
    }
    classes_ = classes;
    return true;
}

// The class file comes first: a teacher record never lists a class without one.
bool CTeacher::AddClass(const std::string& className) {
    const std::string path = CUserManager::GetInfoFilePath(name_ + className);
    if (data::ReplaceRecordFile(path, data::SerializeClassFile({})) !=
        data::ReplaceOutcome::Replaced) {
        platform::WriteErrorLog(kSource, __LINE__, data::FileFailureText("Could not create", path));
        return false;
    }
    std::vector<std::string> classes = classes_;
    classes.push_back(className);
    if (!WriteTeacherRecord(classes)) {
        RemoveWritten({path});
        return false;
    }
    return true;
}

// Out of the teacher record first: a class file left behind is only an empty file. A class file
// that lists students, or cannot be read, keeps its class, and so does the first class.
bool CTeacher::DeleteClass(const std::string& className) {
    const std::string path = CUserManager::GetInfoFilePath(name_ + className);
    if (platform::FileExists(path)) {
        const auto bytes = platform::ReadFileBytes(path);
        const auto classFile = bytes ? data::ParseClassFile(*bytes) : std::nullopt;
        if (!classFile || !classFile->students.empty()) {
            return false;
        }
    }
    std::vector<std::string> classes = classes_;
    if (className == kFirstClassName || std::erase(classes, className) == 0 ||
        !WriteTeacherRecord(classes)) {
        return false;
    }
    DeleteIfPresent(path);
    return true;
}

bool CTeacher::AddStudentToClassList(const std::string& name) {
    if (IsStudent(name)) {
        return false;
    }
    students_.push_back(name);
    return true;
}

bool CTeacher::AddStudent(const std::string& name, const std::string& password, std::int32_t level,
                          std::int32_t testsPassed, std::int32_t reserved1,
                          std::int32_t reserved2) {
    const std::string recordPath = CUserManager::GetInfoFilePath(name);
    const data::StudentRecord record{.idType = CUserManager::kStudentId,
                                     .password = password,
                                     .classKey = name_ + class_,
                                     .level = level,
                                     .testsPassed = testsPassed,
                                     .reserved1 = reserved1,
                                     .reserved2 = reserved2};
    if (data::ReplaceRecordFile(recordPath, data::SerializeStudentRecord(record)) !=
        data::ReplaceOutcome::Replaced) {
        platform::WriteErrorLog(kSource, __LINE__,
                                data::FileFailureText("Could not create", recordPath));
        return false;
    }
    // A list that cannot be made empty (a read-only one left by an earlier student of this
    // name) must not be inherited: the student is not created at all.
    const std::string mistakePath = CUserManager::GetMistakeFilePath(name);
    if (!platform::WriteFileBytes(mistakePath, {})) {
        platform::WriteErrorLog(kSource, __LINE__,
                                data::FileFailureText("Could not create", mistakePath));
        RemoveWritten({recordPath});
        return false;
    }
    // Listed in the class, then for sign-in: a step that fails takes back the ones before it, so
    // that no half-made student is left that the teacher could neither see nor delete.
    const auto listIn = [&](std::vector<std::string>& students) {
        if (std::find(students.begin(), students.end(), name) == students.end()) {
            students.push_back(name);
        }
    };
    if (!RewriteSelectedClassFile(listIn)) {
        RemoveWritten({recordPath, mistakePath});
        return false;
    }
    if (!CUserManager::AddUserToList(name)) {
        RewriteSelectedClassFile(
            [&](std::vector<std::string>& students) { std::erase(students, name); });
        RemoveWritten({recordPath, mistakePath});
        return false;
    }
    AddStudentToClassList(name);
    return true;
}

bool CTeacher::DeleteStudent(const std::string& name) {
    if (!IsStudent(name) || !RewriteSelectedClassFile([&](std::vector<std::string>& students) {
            std::erase(students, name);
        })) {
        return false;
    }
    std::erase(students_, name);
    for (const std::string& path :
         {CUserManager::GetInfoFilePath(name), CUserManager::GetMistakeFilePath(name),
          CUserManager::GetOptionFilePath(name), CUserManager::GetFluencyFilePath(name)}) {
        if (!DeleteIfPresent(path)) {
            return false;
        }
    }
    CUserManager::RemoveUserFromList(name);
    return true;
}

CTeacher& GetCurrentTeacher() {
    static CTeacher teacher;
    return teacher;
}
