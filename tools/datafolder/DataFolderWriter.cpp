#include "DataFolderWriter.h"

#include "data/CTeacher.h"
#include "data/CUserManager.h"
#include "data/NameListFiles.h"

#include "platform/BaseFolder.h"
#include "platform/Files.h"
#include "platform/Services.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Stands in for the program in the staging folder, so that the data layer writes its records
// into the folder being built rather than into the one the program reads.
class StagingProcess final : public platform::IProcess {
public:
    explicit StagingProcess(const fs::path& folder) : executable_(folder / "Tallyhop") {}
    std::string ExecutablePath() override { return executable_; }
    std::string CommandLine() override { return executable_; }
    void PostQuit() override {}

private:
    std::string executable_;
};

std::string ListForm(std::string name) {
    CUserManager::ConvertName(name, true);
    return name;
}

bool WriteRecords(const DataFolderOptions& options) {
    const data::UserWithNames admin{.idType = CUserManager::kAdministratorId,
                                    .password = options.adminPassword,
                                    .names = {ListForm(options.teacherName)}};
    const data::UserWithNames teacher{.idType = CUserManager::kTeacherId,
                                      .password = options.teacherPassword,
                                      .names = {kClassName}};
    return platform::WriteFileDurably(
               CUserManager::GetInfoFilePath(options.teacherName + kClassName),
               data::SerializeClassFile({})) &&
           platform::WriteFileDurably(CUserManager::GetInfoFilePath(options.teacherName),
                                      data::SerializeUserWithNames(teacher)) &&
           platform::WriteFileDurably(CUserManager::GetInfoFilePath(kSignInListName),
                                      data::SerializeUserWithNames(admin));
}

bool AddStudents(const DataFolderOptions& options, std::string& message) {
    CTeacher& teacher = GetCurrentTeacher();
    if (!teacher.Load(options.teacherName) || !teacher.SelectClass(kClassName)) {
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

// Writes the whole data folder into `staging`/Data, with the data layer seeing `staging` as
// the program folder.
bool WriteStaged(const DataFolderOptions& options, const fs::path& staging, std::string& message) {
    StagingProcess process(staging);
    const platform::ServicesScope services({.clock = &platform::GetClock(),
                                            .messageBoxes = &platform::GetMessageBoxes(),
                                            .process = &process});
    if (!WriteRecords(options)) {
        message = "cannot write the records";
        return false;
    }
    return AddStudents(options, message);
}

// Puts the finished folder in the place of `dataFolder`; a folder it replaces is moved into
// `staging` first and deleted with it.
bool MoveIntoPlace(const fs::path& staging, const fs::path& dataFolder) {
    std::error_code error;
    const fs::path replaced = staging / "Replaced Data";
    if (fs::exists(dataFolder)) {
        fs::rename(dataFolder, replaced, error);
        if (error) {
            return false;
        }
    }
    fs::rename(staging / "Data", dataFolder, error);
    if (error) {
        fs::rename(replaced, dataFolder, error);
        return false;
    }
    platform::FlushFolderOf(dataFolder.string());
    fs::remove_all(staging, error);
    return true;
}

bool HoldsFiles(const fs::path& folder) {
    std::error_code error;
    return fs::exists(folder, error) && !fs::is_empty(folder, error);
}

} // namespace

DataFolderResult WriteDataFolder(const DataFolderOptions& options, std::string& message) {
    message.clear();
    const fs::path base = platform::GetBaseFolder();
    const fs::path dataFolder = base / "Data";
    const bool existing = platform::FileExists(CUserManager::GetInfoFilePath(kSignInListName));
    if (existing && options.keepExisting) {
        message = "kept the existing data folder " + dataFolder.string();
        return DataFolderResult::KeptExisting;
    }
    if (HoldsFiles(dataFolder) && !options.replaceExisting) {
        message = dataFolder.string() +
                  (existing ? " already holds a data folder" : " holds files but no Admin.nfo") +
                  "; --force replaces it";
        return DataFolderResult::RefusedExisting;
    }
    // Built beside its place and moved there only when whole, so that a run that fails or is
    // killed never leaves a half-written folder that a later --if-missing would keep.
    const fs::path staging = base / "Data.new";
    std::error_code error;
    fs::remove_all(staging, error);
    fs::create_directories(staging / "Data", error);
    if (error || !WriteStaged(options, staging, message) || !MoveIntoPlace(staging, dataFolder)) {
        fs::remove_all(staging, error);
        message = "cannot write the data folder " + dataFolder.string() +
                  (message.empty() ? "" : ": " + message);
        return DataFolderResult::Failed;
    }
    message = "wrote the data folder " + dataFolder.string();
    return DataFolderResult::Written;
}
