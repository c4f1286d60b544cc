#include "CUserManager.h"

#include "ArchiveReader.h"
#include "CStudent.h"
#include "CTeacher.h"
#include "NameListFiles.h"
#include "RecordFile.h"
#include "SignInLocks.h"

#include "platform/BaseFolder.h"
#include "platform/Files.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/ShownText.h"

#include <algorithm>
#include <cerrno>
#include <optional>

namespace CUserManager {
namespace {

constexpr const char* kSource = "Data classes\\Usermanager";

std::string DataFilePath(const std::string& name, const char* extension) {
    return platform::GetBaseFolder() + "/Data/" + name + extension;
}

std::string AdminFilePath() {
    return GetInfoFilePath("Admin");
}

// Someone outside the group that shares the class (an installed program's) is told whom to ask.
void ExplainClosedClassFolder(const std::string& adminPath) {
    platform::WriteErrorLog(kSource, __LINE__, platform::FileErrorMessage(adminPath, EACCES));
    const std::string folder = platform::GetBaseFolder() + "/Data";
    const auto group = platform::GroupOwning(folder);
    platform::GetMessageBoxes().Show(
        {.text = group ? platform::Say(platform::ShownText("CUserManager",
                                                           "The class records cannot be opened. "
                                                           "Ask the administrator to add you to "
                                                           "the group '%1'."),
                                       {*group})
                       : platform::Say(platform::ShownText("CUserManager",
                                                           "The class records cannot be opened. "
                                                           "Ask the administrator to give you "
                                                           "access to %1."),
                                       {folder}),
         .icon = platform::MbIcon::Stop});
}

void GiveUpOnAdminFile() {
    if (platform::IsAccessDenied(AdminFilePath())) {
        ExplainClosedClassFolder(AdminFilePath());
    }
    platform::WriteErrorLog(kSource, __LINE__, "  Problem opening admin's file.");
    platform::GetProcess().PostQuit();
}

std::optional<data::UserWithNames> ReadAdminFile() {
    const auto bytes = platform::ReadFileBytes(AdminFilePath());
    auto admin = bytes ? data::ParseUserWithNames(*bytes) : std::nullopt;
    if (!admin) {
        GiveUpOnAdminFile();
    }
    return admin;
}

bool ChangeAdminList(const std::function<void(std::vector<std::string>&)>& change) {
    auto admin = ReadAdminFile();
    if (!admin) {
        return false;
    }
    change(admin->names);
    const std::string path = AdminFilePath();
    switch (data::ReplaceRecordFile(path, data::SerializeUserWithNames(*admin))) {
    case data::ReplaceOutcome::Replaced:
        return true;
    case data::ReplaceOutcome::TemporaryNotWritten:
        platform::WriteErrorLog(kSource, __LINE__,
                                data::FileFailureText("Could not replace", path));
        GiveUpOnAdminFile();
        return false;
    case data::ReplaceOutcome::NotRenamed:
        break;
    }
    return false;
}

std::string ListForm(std::string name) {
    ConvertName(name, true);
    return name;
}

// The ID type and password at the start of a user's record file.
struct Credentials {
    std::uint32_t idType;
    std::string password;
};

std::optional<Credentials> ReadCredentials(const std::vector<std::uint8_t>& bytes) {
    return data::ReadRecord<Credentials>(bytes, [](data::ArchiveReader& reader, Credentials& read) {
        read.idType = reader.ReadUInt32();
        read.password = reader.ReadString();
    });
}

// The sign-in of this computer, held from a successful SignIn to the next SignIn or SignOut.
data::PersonClaim signedIn;

// Signs `name` in at this computer unless it is signed in (or being changed) at another.
bool ClaimSignIn(const std::string& name) {
    signedIn.Release();
    data::PersonClaim claim = data::GetSignInLocks().ClaimSignIn(name);
    if (claim.Allows()) {
        signedIn = std::move(claim);
        return true;
    }
    const std::string listed = ListForm(name);
    platform::GetMessageBoxes().Show(
        {.text = platform::Say(
             claim.Outcome() == data::ClaimOutcome::BeingChanged
                 ? platform::ShownText("CUserManager", "The record of %1 is being changed at "
                                                       "another computer. Please try again in "
                                                       "a moment.")
                 : platform::ShownText("CUserManager", "%1 is already signed in at another "
                                                       "computer."),
             {listed}),
         .title = "",
         .icon = platform::MbIcon::Exclamation});
    return false;
}

void RefuseUnknownIdType() {
    const platform::MbResult answer = platform::GetMessageBoxes().Show(
        {.text = platform::Say(
             platform::ShownText("CUserManager", "Please contact the system administrator.")),
         .title = "",
         .icon = platform::MbIcon::Exclamation,
         .buttons = platform::MbButtons::RetryCancel});
    platform::WriteErrorLog(kSource, __LINE__, "  ID type not recognized.");
    if (answer != platform::MbResult::Retry) {
        platform::GetProcess().PostQuit();
    }
}

} // namespace

std::string GetInfoFilePath(const std::string& name) {
    return DataFilePath(name, ".nfo");
}

std::string GetMistakeFilePath(const std::string& name) {
    return DataFilePath(name, ".mtk");
}

std::string GetOptionFilePath(const std::string& name) {
    return DataFilePath(name, ".opt");
}

std::string GetFluencyFilePath(const std::string& name) {
    return DataFilePath(name, ".flu");
}

void ConvertName(std::string& name, bool toListForm) {
    if (toListForm) {
        const auto blank = name.rfind(' ');
        if (blank != std::string::npos) {
            name = name.substr(blank + 1) + ", " + name.substr(0, blank);
        }
        return;
    }
    const auto comma = name.find(',');
    if (comma != std::string::npos) {
        const std::string right = comma + 2 <= name.size() ? name.substr(comma + 2) : "";
        name = right + " " + name.substr(0, comma);
    }
}

bool FillUserList(const std::function<void(const std::string&)>& addToList) {
    platform::WriteTraceLog(kSource, __LINE__);
    if (const auto admin = ReadAdminFile()) {
        std::for_each(admin->names.begin(), admin->names.end(), addToList);
    }
    return true;
}

bool AddUserToList(const std::string& name) {
    platform::WriteTraceLog(kSource, __LINE__);
    return ChangeAdminList([&](std::vector<std::string>& names) {
        // A retry after a failure further on must not list the name twice.
        if (std::find(names.begin(), names.end(), ListForm(name)) == names.end()) {
            names.push_back(ListForm(name));
        }
    });
}

bool RemoveUserFromList(const std::string& name) {
    platform::WriteTraceLog(kSource, __LINE__);
    return ChangeAdminList(
        [&](std::vector<std::string>& names) { std::erase(names, ListForm(name)); });
}

std::uint32_t SignIn(const std::string& name, const std::string& password, SignInStatus& status,
                     const RecordLoads& loads) {
    platform::WriteTraceLog(kSource, __LINE__);
    const std::string path = GetInfoFilePath(name);
    auto bytes = platform::ReadFileBytes(path);
    if (!bytes) {
        bytes = data::ReadRecordOrItsCopy(path);
        platform::WriteErrorLog(kSource, __LINE__, "Failed to open " + path);
    }
    const auto credentials = bytes ? ReadCredentials(*bytes) : std::nullopt;
    if (!credentials) {
        if (bytes) {
            platform::WriteErrorLog(kSource, __LINE__, "Failed to read " + path);
        }
        status = SignInStatus::NotOpened;
        return 0;
    }
    if (credentials->password != password) {
        status = SignInStatus::WrongPassword;
        return credentials->idType;
    }
    status = SignInStatus::PasswordMatched;
    switch (credentials->idType) {
    case kStudentId:
    case kTeacherId: {
        if (!ClaimSignIn(name)) {
            status = SignInStatus::SignedInElsewhere;
            break;
        }
        const auto& load = credentials->idType == kStudentId ? loads.student : loads.teacher;
        if (!load(name)) {
            status = SignInStatus::NotOpened;
            signedIn.Release();
        }
        break;
    }
    case kAdministratorId:
        platform::GetMessageBoxes().Show(
            {.text = platform::Say(platform::ShownText(
                 "CUserManager", "You cannot sign in as \"Admin\" at this time.")),
             .title = "",
             .icon = platform::MbIcon::Exclamation});
        break;
    default:
        RefuseUnknownIdType();
        break;
    }
    return credentials->idType;
}

void SignOut() {
    signedIn.Release();
}

std::uint32_t SignIn(const std::string& name, const std::string& password, SignInStatus& status) {
    return SignIn(name, password, status,
                  {[](const std::string& student) { return GetCurrentStudent().Load(student); },
                   [](const std::string& teacher) {
                       return GetCurrentTeacher().Load(teacher);
                   }});
}

} // namespace CUserManager
