#include "DataFolderWriter.h"

#include "data/CUserManager.h"
#include "data/NameListFiles.h"
#include "data/SchoolSettings.h"
#include "data/SignInLocks.h"
#include "data/StudentRecordFile.h"

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

// Flushed to the disk all at once when the whole folder is written (a school's hundreds of files
// one by one would take seconds).
bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    return platform::WriteFileBytes(path, bytes);
}

bool WriteRecord(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    return WriteBytes(CUserManager::GetInfoFilePath(name), bytes);
}

// False, with `message` saying what could not be written and why.
bool CannotWrite(const std::string& what, std::string& message) {
    message = "cannot write " + what + " (" + std::strerror(errno) + ")";
    return false;
}

// Every record of the school, as the program would write them adding the students one by one:
// each student's record and empty mistake list, the teachers' records and class files, and the
// sign-in list (the teachers, then the students). The class size, when asked for, in the
// settings file.
bool WriteRecords(const DataFolderOptions& options, const data::School& school,
                  std::string& message) {
    data::UserWithNames admin{.idType = CUserManager::kAdministratorId,
                              .password = options.adminPassword};
    for (const data::NewTeacher& teacher : school.teachers) {
        admin.names.push_back(ListForm(teacher.name));
    }
    for (const data::NewTeacher& teacher : school.teachers) {
        data::UserWithNames record{.idType = CUserManager::kTeacherId,
                                   .password = teacher.password};
        for (const data::NewClass& schoolClass : teacher.classes) {
            record.names.push_back(schoolClass.name);
            data::ClassFile classFile;
            for (const data::NewStudent& student : schoolClass.students) {
                const data::StudentRecord studentRecord{.idType = CUserManager::kStudentId,
                                                        .password = student.password,
                                                        .classKey = teacher.name + schoolClass.name,
                                                        .level = student.level,
                                                        .testsPassed = student.testsPassed};
                if (!WriteRecord(student.name, data::SerializeStudentRecord(studentRecord)) ||
                    !WriteBytes(CUserManager::GetMistakeFilePath(student.name), {})) {
                    return CannotWrite("the records of " + student.name, message);
                }
                classFile.students.push_back(student.name);
                admin.names.push_back(ListForm(student.name));
            }
            if (!WriteRecord(teacher.name + schoolClass.name,
                             data::SerializeClassFile(classFile))) {
                return CannotWrite("the class file of " + teacher.name, message);
            }
        }
        if (!WriteRecord(teacher.name, data::SerializeUserWithNames(record))) {
            return CannotWrite("the record of " + teacher.name, message);
        }
    }
    if (!WriteRecord(kSignInListName, data::SerializeUserWithNames(admin))) {
        return CannotWrite("the sign-in list", message);
    }
    const std::string settings =
        data::SerializeSchoolSettings({.classSize = options.classSize.value_or(0)});
    if (options.classSize &&
        !WriteBytes(data::SchoolSettingsPath(), {settings.begin(), settings.end()})) {
        return CannotWrite("the settings", message);
    }
    return true;
}

// Where the new folder is built: inside an existing data folder, so that its files take on the
// folder's group and default permissions (an installed class's folder is shared by a group) and
// the folder itself stays; beside a missing one. Either way on the same file system as the target.
const char* const kStagingName = ".Data.new";

// Writes the whole data folder into `staging`/Data, with the data layer seeing `staging` as
// the program folder.
bool WriteStaged(const DataFolderOptions& options, const data::School& school,
                 const fs::path& staging, std::string& message) {
    StagingProcess process(staging);
    const platform::ServicesScope services({.clock = &platform::GetClock(),
                                            .messageBoxes = &platform::GetMessageBoxes(),
                                            .process = &process});
    if (!WriteRecords(options, school, message)) {
        return false;
    }
    if (!platform::FlushFileSystemOf((staging / "Data").string())) {
        return CannotWrite("the records to the disk", message);
    }
    return true;
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

DataFolderResult WriteDataFolder(const DataFolderOptions& options, const data::School& school,
                                 std::string& message) {
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
        if (options.classSizeOnly) {
            if (!data::WriteSchoolSettings({.classSize = *options.classSize})) {
                message = "cannot write " + data::SchoolSettingsPath() + " (" +
                          std::strerror(errno) + ")";
                return DataFolderResult::Failed;
            }
            message = "set the class size of " + dataFolder.string() + " to " +
                      std::to_string(*options.classSize);
            return DataFolderResult::Written;
        }
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
    if (error || !WriteStaged(options, school, staging, message) ||
        !MoveIntoPlace(staging, dataFolder, message)) {
        fs::remove_all(staging, error);
        message = "cannot write the data folder " + dataFolder.string() + ": " + message;
        return DataFolderResult::Failed;
    }
    message = "wrote the data folder " + dataFolder.string();
    return DataFolderResult::Written;
}

DataFolderResult WriteDataFolder(const DataFolderOptions& options, std::string& message) {
    const auto school = PlanSchool(options, message);
    return school ? WriteDataFolder(options, *school, message) : DataFolderResult::RefusedRecords;
}
