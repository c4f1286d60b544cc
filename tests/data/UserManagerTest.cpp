#include "DataTestSupport.h"

#include "ChildProcess.h"
#include "FolderContent.h"
#include "data/SignInLocks.h"
#include "platform/BaseFolder.h"

#include <functional>

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
    UserManagerTest() {
        WriteFile(DataPath("Admin.nfo"), AdminFile("Sesame", {}));
        WriteUser("Sam Lee.nfo", kStudentId);
        WriteUser("Pat Jones.nfo", kTeacherId);
    }

    Strings Users() {
        Strings names;
        FillUserList([&](const std::string& name) { names.push_back(name); });
        return names;
    }

    Signed SignIn(const std::string& name, const std::string& password = "Tulip7") {
        SignInStatus status{};
        const auto load = [this](const std::string& kind) {
            return [this, kind](const std::string& name) {
                loaded.push_back(kind + name);
                return loadsSucceed;
            };
        };
        const std::uint32_t idType =
            CUserManager::SignIn(name, password, status, {load("student "), load("teacher ")});
        return {idType, status};
    }

    static void WriteUser(const std::string& fileName, std::uint32_t idType) {
        WriteFile(DataPath(fileName), Join({U32(idType), Counted("Tulip7"), U32(0)}));
    }

    Strings loaded; // "student Sam Lee", "teacher Pat Jones"
    bool loadsSucceed = true;
};

} // namespace

TEST_F(UserManagerTest, TheListGrowsByTheListFormOnceAndRemovalDropsEveryEqualEntry) {
    EXPECT_THAT(Users(), IsEmpty());
    // A retry lists nobody twice; capitals count: "bo Lee" is another name.
    for (const char* name : {"Mary Ann Smith", "Bo Lee", "Bo Lee", "bo Lee"}) {
        AddUserToList(name);
    }
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")),
              AdminFile("Sesame", {"Smith, Mary Ann", "Lee, Bo", "Lee, bo"}));
    EXPECT_THAT(Users(), ElementsAre("Smith, Mary Ann", "Lee, Bo", "Lee, bo"));
    WriteFile(DataPath("Admin.nfo"),
              AdminFile("Sesame", {"Lee, Bo", "Smith, Mary Ann", "Lee, Bo", "Lee, bo"}));
    RemoveUserFromList("Bo Lee");
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), AdminFile("Sesame", {"Smith, Mary Ann", "Lee, bo"}));
    EXPECT_FALSE(platform::FileExists(platform::TemporaryPathFor(DataPath("Admin.nfo"))));
    EXPECT_EQ(fakes.process.quitRequests, 0);
}

TEST_F(UserManagerTest, MissingCorruptOrUnreplaceableAdminFileIsLoggedAndEndsTheProgram) {
    const Bytes whole = AdminFile("Sesame", {"Doe, Jane", "Kim, Ann"});
    for (const Bytes& corrupt :
         {Bytes(whole.begin(), whole.end() - 1), Join({U32(0), Counted("x")}),
          Join({U32(0), Counted("x"), U32(0xFFFFFFFF), Counted("a")})}) {
        WriteFile(DataPath("Admin.nfo"), corrupt);
        EXPECT_THAT(Users(), IsEmpty());
        AddUserToList("New Name");
        RemoveUserFromList("Ann Kim");
        EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), corrupt) << "never rewritten";
    }
    std::filesystem::remove(DataPath("Admin.nfo"));
    Users();
    EXPECT_EQ(fakes.process.quitRequests, 10);

    WriteFile(DataPath("Admin.nfo"), whole);
    std::filesystem::create_directory(platform::TemporaryPathFor(DataPath("Admin.nfo")));
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
    const std::string folder = DataPath("");
    const std::string group = platform::GroupOwning(folder).value_or("?");
    const std::string base = platform::GetBaseFolder();
    std::filesystem::permissions(folder, std::filesystem::perms::none);
    const std::string answer = RunAsPlainUser([this, &base] {
        std::filesystem::permissions(base, std::filesystem::perms(0555)); // no error log
        int errors[2];
        if (::pipe(errors) != 0 || ::dup2(errors[1], STDERR_FILENO) < 0) {
            return std::string("no pipe");
        }
        ::close(errors[1]);
        const bool listed = FillUserList([](const std::string&) {});
        std::string said = listed && fakes.process.quitRequests == 1 ? "ended" : "went on";
        for (const auto& shown : fakes.messageBoxes.shown) {
            said += "|" + shown.text + (shown.icon == MbIcon::Stop ? " (stop)" : "");
        }
        ::close(STDERR_FILENO);
        char buffer[4096];
        const ssize_t got = ::read(errors[0], buffer, sizeof buffer);
        return said + "|" +
               std::string(buffer, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    });
    std::filesystem::permissions(base, std::filesystem::perms(0755));
    std::filesystem::permissions(folder, std::filesystem::perms(0755));
    EXPECT_THAT(answer, testing::StartsWith("ended|The class records cannot be opened. Ask the "
                                            "administrator to add you to the group '" +
                                            group + "'. (stop)|"));
    EXPECT_THAT(answer, testing::HasSubstr("Access to " + DataPath("Admin.nfo") + " was denied."));
    EXPECT_THAT(answer, testing::HasSubstr("Problem opening admin's file."));
}

TEST_F(UserManagerTest, AMatchingCaseSensitivePasswordLoadsTheRecordATmpCopyIsTakenBack) {
    EXPECT_EQ(SignIn("Sam Lee", "tulip7"), Signed(kStudentId, WrongPassword));
    EXPECT_EQ(SignIn("Sam Lee"), Signed(kStudentId, PasswordMatched));
    EXPECT_EQ(SignIn("Pat Jones"), Signed(kTeacherId, PasswordMatched));
    EXPECT_THAT(ErrorRecords(), IsEmpty());
    WriteUser("Bo.nfotmp", kStudentId);
    EXPECT_EQ(SignIn("Bo"), Signed(kStudentId, PasswordMatched));
    EXPECT_TRUE(platform::FileExists(DataPath("Bo.nfo")));
    EXPECT_THAT(ErrorRecords(), ElementsAre(MatchesRegex(
                                    "Usermanager Line [0-9]+ : Failed to open .*/Data/Bo\\.nfo")));
    EXPECT_THAT(loaded, ElementsAre("student Sam Lee", "teacher Pat Jones", "student Bo"));

    EXPECT_EQ(SignIn("Nobody", "x"), Signed(0, NotOpened));
    WriteFile(DataPath("Short.nfo"), U32(kStudentId));
    EXPECT_EQ(SignIn("Short", ""), Signed(0, NotOpened));
    loadsSucceed = false; // a record that fails to load
    EXPECT_EQ(SignIn("Sam Lee"), Signed(kStudentId, NotOpened));
    EXPECT_EQ(SignIn("Pat Jones"), Signed(kTeacherId, NotOpened));
    EXPECT_THAT(fakes.messageBoxes.Texts(), IsEmpty()) << "no file the user never heard of";
}

TEST_F(UserManagerTest, AdministratorAndUnknownIdTypesAreRefusedAndCancelEndsTheProgram) {
    WriteUser("Admin.nfo", kAdministratorId);
    WriteUser("Odd.nfo", 2);
    fakes.messageBoxes.answers = {MbResult::Ok, MbResult::Retry, MbResult::Cancel};
    EXPECT_EQ(SignIn("Admin"), Signed(kAdministratorId, PasswordMatched));
    EXPECT_EQ(SignIn("Odd"), Signed(2, PasswordMatched));
    EXPECT_EQ(fakes.process.quitRequests, 0) << "the dialog stays open; Retry keeps the program";
    SignIn("Odd");
    EXPECT_EQ(fakes.process.quitRequests, 1);
    const auto& shown = fakes.messageBoxes.shown;
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(std::tuple(shown[0].text, shown[0].title, shown[0].icon, shown[0].buttons),
              std::tuple("You cannot sign in as \"Admin\" at this time.",
                         std::optional<std::string>(""), MbIcon::Exclamation, MbButtons::Ok));
    EXPECT_EQ(std::tuple(shown[2].text, shown[2].icon, shown[2].buttons),
              std::tuple("Please contact the system administrator.", MbIcon::Exclamation,
                         MbButtons::RetryCancel));
    EXPECT_THAT(ErrorRecords(), ElementsAre(EndsWith(" :   ID type not recognized."),
                                            EndsWith(" :   ID type not recognized.")));
    EXPECT_THAT(loaded, IsEmpty());
}

// A person signed in, or whose record is being changed, at another desk is refused here with
// nothing loaded or written, until the other desk lets go.
TEST_F(UserManagerTest, APersonHeldAtAnotherDeskIsRefusedUntilItLetsGo) {
    data::SignInLocks otherDesk(DataPath(""));
    struct Case {
        std::string name;
        std::uint32_t idType;
        bool changing;
        std::string said;
    };
    const Case cases[] = {
        {"Sam Lee", kStudentId, false, "Lee, Sam is already signed in at another computer."},
        {"Pat Jones", kTeacherId, false, "Jones, Pat is already signed in at another computer."},
        {"Sam Lee", kStudentId, true,
         "The record of Lee, Sam is being changed at another computer. Please try again in a "
         "moment."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said);
        data::PersonClaim elsewhere =
            c.changing ? otherDesk.ClaimChange(c.name) : otherDesk.ClaimSignIn(c.name);
        const auto before = FolderContent(DataPath(""));
        fakes.messageBoxes.shown.clear();
        loaded.clear();
        EXPECT_EQ(SignIn(c.name), Signed(c.idType, SignedInElsewhere));
        ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
        const auto& shown = fakes.messageBoxes.shown[0];
        EXPECT_EQ(std::tuple(shown.text, shown.title, shown.icon),
                  std::tuple(c.said, std::optional<std::string>(""), MbIcon::Exclamation));
        EXPECT_THAT(loaded, IsEmpty());
        EXPECT_EQ(FolderContent(DataPath("")), before) << "nothing written";
        elsewhere.Release();
        EXPECT_EQ(SignIn(c.name), Signed(c.idType, PasswordMatched));
        SignOut();
    }
}

// What one desk holds it holds until it signs out, signs someone else in or fails to load the
// record, and however its program ends, killed too.
TEST_F(UserManagerTest, ASignInIsHeldUntilSignOutAnotherSignInAFailedLoadOrTheProgramsEnd) {
    data::SignInLocks otherDesk(DataPath(""));
    SignIn("Pat Jones");
    EXPECT_FALSE(otherDesk.ClaimSignIn("Pat Jones").Allows()) << "signed in here";
    SignIn("Pat Jones");
    EXPECT_FALSE(otherDesk.ClaimSignIn("Pat Jones").Allows()) << "signed in here again";
    SignIn("Sam Lee");
    EXPECT_TRUE(otherDesk.ClaimSignIn("Pat Jones").Allows()) << "another signed in here";
    EXPECT_FALSE(otherDesk.ClaimSignIn("Sam Lee").Allows());
    SignOut();
    EXPECT_TRUE(otherDesk.ClaimSignIn("Sam Lee").Allows()) << "signed out";
    loadsSucceed = false;
    SignIn("Sam Lee");
    EXPECT_TRUE(otherDesk.ClaimSignIn("Sam Lee").Allows()) << "a record that did not load";
    loadsSucceed = true;

    for (const bool killed : {false, true}) {
        SCOPED_TRACE(killed ? "killed" : "ended");
        ChildProcess firstDesk(
            [this] { return SignIn("Sam Lee").second == PasswordMatched ? "in" : "refused"; });
        ASSERT_EQ(firstDesk.Answer(), "in");
        EXPECT_EQ(SignIn("Sam Lee"), Signed(kStudentId, SignedInElsewhere));
        killed ? firstDesk.Kill() : firstDesk.Exit();
        EXPECT_EQ(SignIn("Sam Lee"), Signed(kStudentId, PasswordMatched));
        SignOut();
    }
}
