#include "DataFolderWriter.h"

#include "data/CTeacher.h"
#include "data/CUserManager.h"
#include "data/NameListFiles.h"
#include "data/RecordFile.h"

#include "platform/Files.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace {

constexpr const char* kClass = "Users";

std::string ListForm(std::string name) {
    CUserManager::ConvertName(name, true);
    return name;
}

bool WriteRecords(const DataFolderOptions& options) {
    const data::UserWithNames admin{.idType = CUserManager::kAdministratorId,
                                    .password = options.adminPassword,
                                    .names = {ListForm(options.teacherName)}};
    const data::UserWithNames teacher{
        .idType = CUserManager::kTeacherId, .password = options.teacherPassword, .names = {kClass}};
    return data::WriteWholeFile(CUserManager::GetInfoFilePath(options.teacherName + kClass),
                                data::SerializeClassFile({})) &&
           data::WriteWholeFile(CUserManager::GetInfoFilePath(options.teacherName),
                                data::SerializeUserWithNames(teacher)) &&
           data::WriteWholeFile(CUserManager::GetInfoFilePath("Admin"),
                                data::SerializeUserWithNames(admin));
}

bool AddStudents(const DataFolderOptions& options, std::string& message) {
    CTeacher& teacher = GetCurrentTeacher();
    if (!teacher.Load(options.teacherName) || !teacher.SelectClass(kClass)) {
        message = "the teacher record just written cannot be read";
        return false;
    }
    for (const StudentToAdd& student : options.students) {
        if (!teacher.AddStudent(student.name, student.password, student.level, student.testsPassed,
                                0, 0)) {
            message = "cannot add the student " + student.name;
            return false;
        }
    }
    return true;
}

// A folder with any file in it holds a class's records, even when its Admin.nfo is lost.
bool HoldsRecords(const std::filesystem::path& dataFolder) {
    if (platform::FileExists(CUserManager::GetInfoFilePath("Admin"))) {
        return true;
    }
    std::error_code error;
    const bool empty = std::filesystem::is_empty(dataFolder, error);
    // What cannot be looked into is not wiped either.
    return error ? error != std::errc::no_such_file_or_directory : !empty;
}

// Empties the folder rather than deleting it, so it keeps its owner, group, permissions and
// default ACL: an installed class's folder is shared by a group.
bool EmptyFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::vector<std::filesystem::path> entries;
    for (auto entry = std::filesystem::directory_iterator(folder, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        entries.push_back(entry->path());
    }
    for (const std::filesystem::path& entry : entries) {
        if (!error) {
            std::filesystem::remove_all(entry, error);
        }
    }
    return !error;
}

} // namespace

DataFolderResult WriteDataFolder(const DataFolderOptions& options, std::string& message) {
    const std::filesystem::path dataFolder = options.programFolder + "/Data";
    if (HoldsRecords(dataFolder)) {
        if (options.keepExisting) {
            message = "kept the existing data folder " + dataFolder.string();
            return DataFolderResult::KeptExisting;
        }
        if (!options.replaceExisting) {
            message = dataFolder.string() + " already holds a data folder; --force replaces it";
            return DataFolderResult::RefusedExisting;
        }
    }
    if (!EmptyFolder(dataFolder) || !WriteRecords(options)) {
        message = "cannot write the data folder " + dataFolder.string();
        return DataFolderResult::Failed;
    }
    if (!AddStudents(options, message)) {
        return DataFolderResult::Failed;
    }
    message = "wrote the data folder " + dataFolder.string();
    return DataFolderResult::Written;
}
