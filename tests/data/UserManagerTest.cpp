#include "DataTestSupport.h"

#include "ChildProcess.h"
#include "FolderContent.h"
#include "data/SignInLocks.h"
#include "platform/BaseFolder.h"

#include <functional>
#include <grp.h>
#include <unistd.h>

using namespace CUserManager;
using enum CUserManager::SignInStatus;
using platform::MbButtons;
using platform::MbIcon;
using platform::MbResult;
using testing::MatchesRegex;

namespace {

using Signed = std::pair<std::uint32_t, SignInStatus>; // the ID type and the status

class UserManagerTest : public DataTest {
protected:
    UserManagerTest() { WriteFile(DataPath("Admin.nfo"), AdminFile("Sesame", {})); }

    std::vector<std::string> Users() {
        std::vector<std::string> names;
        FillUserList([&](const std::string& name) { names.push_back(name); });
        return names;
    }

    Signed SignIn(const std::string& name, const std::string& password) {
        SignInStatus status{};
        const std::uint32_t idType =
            CUserManager::SignIn(name, password, status, {Load("student "), Load("teacher ")});
        return {idType, status};
    }
    // A record load that notes "student Bo" or "teacher Pat".
    std::function<bool(const std::string&)> Load(const std::string& kind) {
        return [this, kind](const std::string& name) {
            loaded.push_back(kind + name);
            return loadsSucceed;
        };
    }

    void WriteUser(const std::string& fileName, std::uint32_t idType) {
        WriteFile(DataPath(fileName), Join({U32(idType), Counted("Tulip7"), U32(0)}));
    }

    std::vector<std::string> loaded;
    bool loadsSucceed = true;
};

std::string ListFormOf(std::string name) {
    ConvertName(name, true);
    return name;
}

} // namespace

TEST_F(UserManagerTest, NamesTurnBetweenFileAndListForm) {
    const auto converted = [](std::string name, bool toListForm) {
        ConvertName(name, toListForm);
        return name;
    };
    EXPECT_EQ(converted("Mary Ann Smith", true), "Smith, Mary Ann");
    EXPECT_EQ(converted("Smith, Mary Ann", false), "Mary Ann Smith");
    EXPECT_EQ(converted("Admin", true), "Admin");
    EXPECT_EQ(converted("Admin", false), "Admin");
}

TEST_F(UserManagerTest, EmptyListGrowsByTheListFormOnceAndRemovalDropsEveryEqualEntry) {
    EXPECT_THAT(Users(), IsEmpty());
    AddUserToList("Mary Ann Smith");
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")),
              Join({U32(0), Counted("Sesame"), U32(1), Counted("Smith, Mary Ann")}));
    EXPECT_FALSE(platform::FileExists(platform::TemporaryPathFor(DataPath("Admin.nfo"))));
    EXPECT_THAT(Users(), ElementsAre("Smith, Mary Ann"));

    AddUserToList("Bo Lee");
    AddUserToList("Bo Lee"); // a retry lists nobody twice
    AddUserToList("bo Lee"); // case counts: a different name
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")),
              AdminFile("Sesame", {"Smith, Mary Ann", "Lee, Bo", "Lee, bo"}));
    WriteFile(DataPath("Admin.nfo"),
              AdminFile("Sesame", {"Lee, Bo", "Smith, Mary Ann", "Lee, Bo", "Lee, bo"}));
    RemoveUserFromList("Bo Lee");
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), AdminFile("Sesame", {"Smith, Mary Ann", "Lee, bo"}));
    EXPECT_EQ(fakes.process.quitRequests, 0);
}

TEST_F(UserManagerTest, MissingCorruptOrUnreplaceableAdminFileIsLoggedAndEndsTheProgram) {
    const Bytes whole = AdminFile("Sesame", {"Doe, Jane", "Kim, Ann"});
    const Bytes corrupt[] = {Bytes(whole.begin(), whole.end() - 1), Join({U32(0), Counted("x")}),
                             Join({U32(0), Counted("x"), U32(0xFFFFFFFF), Counted("a")})};
    for (const Bytes& bytes : corrupt) {
        WriteFile(DataPath("Admin.nfo"), bytes);
        EXPECT_THAT(Users(), IsEmpty());
        AddUserToList("New Name");
        RemoveUserFromList("Ann Kim");
        EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), bytes) << "never rewritten";
    }
    std::filesystem::remove(DataPath("Admin.nfo"));
    Users();
    EXPECT_EQ(fakes.process.quitRequests, 10);

    WriteFile(DataPath("Admin.nfo"), whole);
    std::filesystem::create_directory(
        platform::TemporaryPathFor(DataPath("Admin.nfo"))); // no temporary
    AddUserToList("New Name");
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), whole);
    EXPECT_EQ(fakes.process.quitRequests, 11);
    const auto records = ErrorRecords();
    ASSERT_EQ(records.size(), 12u);
    EXPECT_THAT(records[10], MatchesRegex("Usermanager Line [0-9]+ :   Could not replace .*/Data/"
                                          "Admin\\.nfo: Is a directory"));
    EXPECT_THAT(records[11],
                MatchesRegex("Usermanager Line [0-9]+ :   Problem opening admin's file\\."));
    EXPECT_THAT(fakes.messageBoxes.shown, IsEmpty()) << "nothing the user could act on";
}

// Someone outside the group that shares the class is told whom to ask, the program ends, and
// what cannot reach the closed error log goes to standard error.
TEST_F(UserManagerTest, SomeoneTheClassFolderIsClosedToIsToldWhomToAskAndTheProgramEnds) {
    const std::string folder = platform::GetBaseFolder() + "/Data";
    const std::string group = platform::GroupOwning(folder).value_or("?");
    std::filesystem::permissions(platform::GetBaseFolder(), std::filesystem::perms(0755));
    std::filesystem::permissions(folder, std::filesystem::perms::none);
    const std::string answer = RunInChild([this] {
        int errors[2];
        if (::pipe(errors) != 0 || ::dup2(errors[1], STDERR_FILENO) < 0) {
            return std::string("no pipe");
        }
        ::close(errors[1]);
        // Root may read anything: it stands in as the user "nobody".
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            return std::string("still root");
        }
        const bool listed = FillUserList([](const std::string&) {});
        std::string said = listed && fakes.process.quitRequests == 1 ? "ended" : "went on";
        for (const auto& shown : fakes.messageBoxes.shown) {
            said += "|" + shown.text + (shown.icon == MbIcon::Stop ? " (stop)" : "");
        }
        ::close(STDERR_FILENO);
        char buffer[4096];
        const ssize_t got = ::read(errors[0], buffer, sizeof buffer);
        const std::string logged =
            got > 0 ? std::string(buffer, static_cast<std::size_t>(got)) : "";
        return said + "|" + logged +
               TextOf(platform::ReadFileBytes(platform::GetBaseFolder() + "/Error Log.txt")
                          .value_or(Bytes{}));
    });
    std::filesystem::permissions(folder, std::filesystem::perms(0755));
    EXPECT_THAT(answer, testing::StartsWith("ended|The class records cannot be opened. Ask the "
                                            "administrator to add you to the group '" +
                                            group + "'. (stop)|"));
    EXPECT_THAT(answer, testing::HasSubstr("Access to " + DataPath("Admin.nfo") + " was denied."));
    EXPECT_THAT(answer, testing::HasSubstr("Problem opening admin's file."));
}

TEST_F(UserManagerTest, MatchingCaseSensitivePasswordLoadsTheStudentOrTeacher) {
    WriteUser("Mary Ann Smith.nfo", kStudentId);
    WriteUser("Pat Jones.nfo", kTeacherId);
    EXPECT_EQ(SignIn("Mary Ann Smith", "tulip7"), Signed(kStudentId, WrongPassword));
    EXPECT_EQ(SignIn("Mary Ann Smith", "Tulip7"), Signed(kStudentId, PasswordMatched));
    EXPECT_EQ(SignIn("Pat Jones", "Tulip7"), Signed(kTeacherId, PasswordMatched));
    EXPECT_THAT(loaded, ElementsAre("student Mary Ann Smith", "teacher Pat Jones"));
    EXPECT_THAT(ErrorRecords(), IsEmpty());
    loadsSucceed = false; // a record that fails to load
    EXPECT_EQ(SignIn("Mary Ann Smith", "Tulip7"), Signed(kStudentId, NotOpened));
    EXPECT_EQ(SignIn("Pat Jones", "Tulip7"), Signed(kTeacherId, NotOpened));
}

TEST_F(UserManagerTest, SignInTakesBackATmpCopyElseSignsNoOneIn) {
    WriteUser("Bo.nfotmp", kStudentId);
    EXPECT_EQ(SignIn("Bo", "Tulip7"), Signed(kStudentId, PasswordMatched));
    EXPECT_TRUE(platform::FileExists(DataPath("Bo.nfo")));
    EXPECT_THAT(ErrorRecords(), ElementsAre(MatchesRegex(
                                    "Usermanager Line [0-9]+ : Failed to open .*/Data/Bo\\.nfo")));

    EXPECT_EQ(SignIn("Nobody", "x"), Signed(0, NotOpened));
    EXPECT_THAT(fakes.messageBoxes.Texts(), IsEmpty()) << "no file the user never heard of";
    WriteFile(DataPath("Short.nfo"), U32(kStudentId));
    EXPECT_EQ(SignIn("Short", ""), Signed(0, NotOpened));
    EXPECT_THAT(loaded, ElementsAre("student Bo"));
}

TEST_F(UserManagerTest, AdministratorAndUnknownIdTypesAreRefusedAndCancelEndsTheProgram) {
    WriteUser("Admin.nfo", kAdministratorId);
    WriteUser("Odd.nfo", 2);
    fakes.messageBoxes.answers = {MbResult::Ok, MbResult::Retry, MbResult::Cancel};
    EXPECT_EQ(SignIn("Admin", "Tulip7"), Signed(kAdministratorId, PasswordMatched));
    EXPECT_EQ(SignIn("Odd", "Tulip7"), Signed(2, PasswordMatched));
    EXPECT_EQ(fakes.process.quitRequests, 0) << "the dialog stays open; Retry keeps the program";
    SignIn("Odd", "Tulip7");
    EXPECT_EQ(fakes.process.quitRequests, 1);
    const auto& shown = fakes.messageBoxes.shown;
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(std::tuple(shown[0].text, shown[0].icon, shown[0].buttons),
              std::tuple("You cannot sign in as \"Admin\" at this time.", MbIcon::Exclamation,
                         MbButtons::Ok));
    EXPECT_EQ(std::tuple(shown[2].text, shown[2].icon, shown[2].buttons),
              std::tuple("Please contact the system administrator.", MbIcon::Exclamation,
                         MbButtons::RetryCancel));
    EXPECT_THAT(ErrorRecords(), ElementsAre(EndsWith(" :   ID type not recognized."),
                                            EndsWith(" :   ID type not recognized.")));
    EXPECT_THAT(loaded, IsEmpty());
}

// A person signed in at one desk is refused at another, with nothing loaded or written, until
// the first desk signs out, signs someone else in or fails to load the record.
TEST_F(UserManagerTest, ASecondSignInOfTheSameStudentOrTeacherIsRefusedUntilTheFirstEnds) {
    WriteUser("Sam Lee.nfo", kStudentId);
    WriteUser("Pat Jones.nfo", kTeacherId);
    data::SignInLocks otherDesk(platform::GetBaseFolder() + "/Data");
    const std::pair<std::string, std::uint32_t> people[] = {{"Sam Lee", kStudentId},
                                                            {"Pat Jones", kTeacherId}};
    for (const auto& [name, idType] : people) {
        SCOPED_TRACE(name);
        data::PersonClaim elsewhere = otherDesk.ClaimSignIn(name);
        const auto before = FolderContent(DataPath(""));
        fakes.messageBoxes.shown.clear();
        EXPECT_EQ(SignIn(name, "Tulip7"), Signed(idType, SignedInElsewhere));
        ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
        const auto& shown = fakes.messageBoxes.shown[0];
        EXPECT_EQ(std::tuple(shown.text, shown.title, shown.icon),
                  std::tuple(ListFormOf(name) + " is already signed in at another computer.",
                             std::optional<std::string>(""), MbIcon::Exclamation));
        EXPECT_THAT(loaded, IsEmpty());
        EXPECT_EQ(FolderContent(DataPath("")), before) << "nothing written";
        elsewhere.Release();
        EXPECT_EQ(SignIn(name, "Tulip7"), Signed(idType, PasswordMatched));
        loaded.clear();
    }

    EXPECT_FALSE(otherDesk.ClaimSignIn("Pat Jones").Allows()) << "signed in here";
    SignIn("Pat Jones", "Tulip7");
    EXPECT_FALSE(otherDesk.ClaimSignIn("Pat Jones").Allows()) << "signed in here again";
    SignIn("Sam Lee", "Tulip7");
    EXPECT_TRUE(otherDesk.ClaimSignIn("Pat Jones").Allows()) << "another signed in here";
    EXPECT_FALSE(otherDesk.ClaimSignIn("Sam Lee").Allows());
    SignOut();
    EXPECT_TRUE(otherDesk.ClaimSignIn("Sam Lee").Allows()) << "signed out";
    loadsSucceed = false;
    SignIn("Sam Lee", "Tulip7");
    EXPECT_TRUE(otherDesk.ClaimSignIn("Sam Lee").Allows()) << "a record that did not load";
}

TEST_F(UserManagerTest, AStudentWhoseRecordIsBeingChangedIsAskedToTryAgain) {
    WriteUser("Sam Lee.nfo", kStudentId);
    const data::PersonClaim teacher =
        data::SignInLocks(platform::GetBaseFolder() + "/Data").ClaimChange("Sam Lee");
    EXPECT_EQ(SignIn("Sam Lee", "Tulip7"), Signed(kStudentId, SignedInElsewhere));
    EXPECT_THAT(fakes.messageBoxes.Texts(),
                ElementsAre("The record of Lee, Sam is being changed at another computer. Please "
                            "try again in a moment."));
    EXPECT_THAT(loaded, IsEmpty());
}

// The system ends a sign-in with the program that holds it, however it ends.
TEST_F(UserManagerTest, ASignInEndsWithItsProgramEvenWhenItIsKilled) {
    WriteUser("Sam Lee.nfo", kStudentId);
    for (const bool killed : {false, true}) {
        SCOPED_TRACE(killed ? "killed" : "ended");
        ChildProcess firstDesk([this] {
            return SignIn("Sam Lee", "Tulip7").second == PasswordMatched ? "in" : "refused";
        });
        ASSERT_EQ(firstDesk.Answer(), "in");
        EXPECT_EQ(SignIn("Sam Lee", "Tulip7"), Signed(kStudentId, SignedInElsewhere));
        killed ? firstDesk.Kill() : firstDesk.Exit();
        EXPECT_EQ(SignIn("Sam Lee", "Tulip7"), Signed(kStudentId, PasswordMatched));
        SignOut();
    }
}
