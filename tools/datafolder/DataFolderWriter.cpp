#include "DataFolderWriter.h"

#include "data/CTeacher.h"
#include "data/CUserManager.h"
#include "data/NameListFiles.h"
#include "data/SignInLocks.h"

#include "platform/BaseFolder.h"
#include "platform/Files.h"
#include "platform/Services.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

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
    std::optional<std::string> Environment(const std::string&) override { return std::nullopt; }

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
            message = "cannot add the student " + student.name + " (" + std::strerror(errno) + ")";
            return false;
        }
    }
    return true;
}

// Where the new folder is built: inside an existing data folder, so that its files take on the
// folder's group and default permissions (an installed class's folder is shared by a group) and
// the folder itself stays; beside a missing one. Either way on the same file system as the target.
const char* const kStagingName = ".Data.new";

// Writes the whole data folder into `staging`/Data, with the data layer seeing `staging` as
// the program folder.
bool WriteStaged(const DataFolderOptions& options, const fs::path& staging, std::string& message) {
    StagingProcess process(staging);
    const platform::ServicesScope services({.clock = &platform::GetClock(),
                                            .messageBoxes = &platform::GetMessageBoxes(),
                                            .process = &process});
    if (!WriteRecords(options)) {
        message = std::string("cannot write the records (") + std::strerror(errno) + ")";
        return false;
    }
    return AddStudents(options, message);
}

// Every entry of `folder` but a leftover staging folder and the sign-in lock file. The lock file
// is no record and is never moved or deleted: a program waiting at its sign-in dialog keeps it
// open, and would lock a file of its own, apart from everyone else's, if the name led elsewhere.
std::vector<fs::path> EntriesOf(const fs::path& folder, std::error_code& error) {
    std::vector<fs::path> entries;
    for (auto entry = fs::directory_iterator(folder, error);
         !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const fs::path name = entry->path().filename();
        if (name != kStagingName && name != data::kSignInLockName) {
            entries.push_back(entry->path());
        }
    }
    return entries;
}

// Moves every entry of `from` into `to`; false at the first that cannot be moved, with `error`
// saying why.
bool MoveEntries(const fs::path& from, const fs::path& to, std::error_code& error) {
    for (const fs::path& entry : EntriesOf(from, error)) {
        fs::rename(entry, to / entry.filename(), error);
        if (error) {
            return false;
        }
    }
    return !error;
}

// Puts the finished records in the place of the data folder's. An existing folder keeps its
// owner, group and permissions: its old content is moved aside into `staging` (deleted with it)
// and the new moved in; should that fail, the old content is moved back.
bool MoveIntoPlace(const fs::path& staging, const fs::path& dataFolder, std::string& message) {
    std::error_code error;
    std::error_code ignored;
    if (!fs::is_directory(dataFolder, ignored)) {
        fs::rename(staging / "Data", dataFolder, error);
    } else {
        const fs::path replaced = staging / "Replaced Data";
        fs::create_directory(replaced, error);
        if (error || !MoveEntries(dataFolder, replaced, error) ||
            !MoveEntries(staging / "Data", dataFolder, error)) {
            MoveEntries(replaced, dataFolder, ignored);
        }
    }
    if (error) {
        message = "cannot move the new records into place (" + error.message() + ")";
        return false;
    }
    platform::FlushFolderOf((dataFolder / "Admin.nfo").string());
    fs::remove_all(staging, ignored);
    return true;
}

// A folder with any file in it holds a class's records, even when its Admin.nfo is lost; what
// cannot be looked into counts as holding them too, so it is never replaced unasked.
bool HoldsRecords(const fs::path& dataFolder) {
    std::error_code error;
    const bool empty = EntriesOf(dataFolder, error).empty();
    return error ? error != std::errc::no_such_file_or_directory : !empty;
}

} // namespace

DataFolderResult WriteDataFolder(const DataFolderOptions& options, std::string& message) {
    message.clear();
    // The folder the program reads, followed through a link (an installed program's Data is
    // one), so the new records land where the program finds them.
    std::error_code error;
    const fs::path dataFolder =
        fs::weakly_canonical(fs::path(platform::GetBaseFolder()) / "Data", error);
    if (error) {
        message = "cannot find the data folder: " + error.message();
        return DataFolderResult::Failed;
    }
    // A mistyped --folder must not make a whole new tree of folders.
    fs::path programFolder = fs::absolute(options.programFolder, error).lexically_normal();
    if (!programFolder.has_filename()) { // written with a slash at the end
        programFolder = programFolder.parent_path();
    }
    const fs::path programParent = programFolder.parent_path();
    if (!fs::is_directory(programParent, error)) {
        message = "the folder " + programParent.string() + " does not exist" +
                  (error ? " (" + error.message() + ")" : std::string());
        return DataFolderResult::Failed;
    }
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
    const bool folderExists = fs::is_directory(dataFolder, error);
    data::SignInLocks locks(dataFolder.string());
    const data::PersonClaim everyone = folderExists ? locks.ClaimEveryone() : data::PersonClaim();
    if (!everyone.Allows()) {
        message = dataFolder.string() +
                  " is in use: somebody is signed in to Tallyhop; try again once everybody has "
                  "signed out";
        return DataFolderResult::RefusedInUse;
    }
    // Built apart and moved into place only when whole, so that a run that fails or is killed
    // never leaves a half-written folder that a later --if-missing would keep.
    const fs::path staging =
        folderExists ? dataFolder / kStagingName : dataFolder.parent_path() / kStagingName;
    fs::remove_all(staging, error);
    fs::create_directories(staging / "Data", error);
    if (error) {
        message = "cannot create " + (staging / "Data").string() + " (" + error.message() + ")";
    }
    if (error || !WriteStaged(options, staging, message) ||
        !MoveIntoPlace(staging, dataFolder, message)) {
        fs::remove_all(staging, error);
        message = "cannot write the data folder " + dataFolder.string() + ": " + message;
        return DataFolderResult::Failed;
    }
    message = "wrote the data folder " + dataFolder.string();
    return DataFolderResult::Written;
}
