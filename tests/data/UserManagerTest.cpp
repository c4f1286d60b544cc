#include "data/CUserManager.h"

#include "DataTestSupport.h"

#include "platform/Files.h"

#include <cstdio>
#include <filesystem>
#include <gmock/gmock.h>

using testing::ElementsAre;
using testing::EndsWith;
using testing::IsEmpty;

namespace CUM = CUserManager;

namespace {

Bytes AdminFile(const std::vector<std::string>& listNames) {
    return Join({U32(0), Counted("Sesame"), CountedNames(listNames)});
}

class UserManagerTest : public DataTest {
protected:
    UserManagerTest() { WriteFile(DataPath("Admin.nfo"), AdminFile({"Doe, Jane"})); }

    std::vector<std::string> Users() {
        std::vector<std::string> names;
        CUM::FillUserList([&](const std::string& name) { names.push_back(name); });
        return names;
    }

    std::uint32_t SignIn(const std::string& name, const std::string& password) {
        return CUM::SignIn(name, password, status, loads);
    }

    void WriteUser(const std::string& fileName, std::uint32_t idType) {
        WriteFile(DataPath(fileName), Join({U32(idType), Counted("Tulip7"), U32(0)}));
    }

    CUM::SignInStatus status = CUM::SignInStatus::PasswordMatched;
    std::vector<std::string> studentsLoaded, teachersLoaded;
    bool loadsSucceed = true;
    CUM::RecordLoads loads{[this](const std::string& name) {
                               studentsLoaded.push_back(name);
                               return loadsSucceed;
                           },
                           [this](const std::string& name) {
                               teachersLoaded.push_back(name);
                               return loadsSucceed;
                           }};
};

} // namespace

TEST_F(UserManagerTest, NamesTurnBetweenFileAndListForm) {
    std::string name = "Mary Ann Smith";
    CUM::ConvertName(name, true);
    EXPECT_EQ(name, "Smith, Mary Ann");
    CUM::ConvertName(name, false);
    EXPECT_EQ(name, "Mary Ann Smith");

    std::string oneWord = "Admin";
    CUM::ConvertName(oneWord, true);
    CUM::ConvertName(oneWord, false);
    EXPECT_EQ(oneWord, "Admin");
    std::string trailingComma = "Smith,";
    CUM::ConvertName(trailingComma, false);
    EXPECT_EQ(trailingComma, " Smith");
}

TEST_F(UserManagerTest, AddingAppendsTheListFormAndKeepsEverythingElse) {
    CUM::AddUserToList("Mary Ann Smith");
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")),
              Join({U32(0), Counted("Sesame"), U32(2), Counted("Doe, Jane"),
                    Counted("Smith, Mary Ann")}));
    EXPECT_FALSE(platform::FileExists(DataPath("Admin.nfo2")));
    EXPECT_THAT(Users(), ElementsAre("Doe, Jane", "Smith, Mary Ann"));
}

TEST_F(UserManagerTest, RemovingDropsEveryEqualEntryAndCountsWhatIsLeft) {
    CUM::AddUserToList("Bo Lee");
    CUM::AddUserToList("Ann Kim");
    CUM::AddUserToList("Bo Lee");
    CUM::AddUserToList("bo Lee"); // case counts: a different name
    CUM::RemoveUserFromList("Bo Lee");
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), AdminFile({"Doe, Jane", "Kim, Ann", "Lee, bo"}));
}

TEST_F(UserManagerTest, EmptyListGivesNoNames) {
    WriteFile(DataPath("Admin.nfo"), AdminFile({}));
    EXPECT_THAT(Users(), IsEmpty());
    EXPECT_EQ(fakes.process.quitRequests, 0);
}

TEST_F(UserManagerTest, MissingOrCorruptAdminFileIsLoggedEndsTheProgramAndIsNotRewritten) {
    const Bytes whole = AdminFile({"Doe, Jane", "Kim, Ann"});
    const Bytes corrupt[] = {Bytes(whole.begin(), whole.end() - 1), Join({U32(0), Counted("x")}),
                             Join({U32(0), Counted("x"), U32(0xFFFFFFFF), Counted("a")})};
    for (const Bytes& bytes : corrupt) {
        WriteFile(DataPath("Admin.nfo"), bytes);
        EXPECT_THAT(Users(), IsEmpty());
        CUM::AddUserToList("New Name");
        CUM::RemoveUserFromList("Ann Kim");
        EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), bytes);
    }
    std::remove(DataPath("Admin.nfo").c_str());
    Users();
    EXPECT_EQ(fakes.process.quitRequests, 10);
    const auto records = ErrorRecords();
    ASSERT_EQ(records.size(), 10u);
    EXPECT_THAT(records[9], EndsWith(" :   Problem opening admin's file."));
    EXPECT_EQ(records[9].rfind("Usermanager Line ", 0), 0u);
}

TEST_F(UserManagerTest, AdminFileThatCannotBeReplacedIsLoggedAndKept) {
    std::filesystem::create_directory(DataPath("Admin.nfo2")); // the temporary cannot be created
    CUM::AddUserToList("New Name");
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), AdminFile({"Doe, Jane"}));
    EXPECT_EQ(fakes.process.quitRequests, 1);
}

TEST_F(UserManagerTest, MatchingPasswordLoadsTheStudentOrTeacher) {
    WriteUser("Mary Ann Smith.nfo", CUM::kStudentId);
    WriteUser("Pat Jones.nfo", CUM::kTeacherId);
    EXPECT_EQ(SignIn("Mary Ann Smith", "Tulip7"), CUM::kStudentId);
    EXPECT_EQ(status, CUM::SignInStatus::PasswordMatched);
    EXPECT_EQ(SignIn("Pat Jones", "Tulip7"), CUM::kTeacherId);
    EXPECT_EQ(status, CUM::SignInStatus::PasswordMatched);
    EXPECT_THAT(studentsLoaded, ElementsAre("Mary Ann Smith"));
    EXPECT_THAT(teachersLoaded, ElementsAre("Pat Jones"));
    EXPECT_THAT(ErrorRecords(), IsEmpty());
}

TEST_F(UserManagerTest, PasswordCaseCounts) {
    WriteUser("Bo.nfo", CUM::kStudentId);
    EXPECT_EQ(SignIn("Bo", "tulip7"), CUM::kStudentId);
    EXPECT_EQ(status, CUM::SignInStatus::WrongPassword);
    EXPECT_THAT(studentsLoaded, IsEmpty());
}

TEST_F(UserManagerTest, RecordThatFailsToLoadSignsNoOneIn) {
    WriteUser("Bo.nfo", CUM::kStudentId);
    WriteUser("Pat.nfo", CUM::kTeacherId);
    loadsSucceed = false;
    SignIn("Bo", "Tulip7");
    EXPECT_EQ(status, CUM::SignInStatus::NotOpened);
    SignIn("Pat", "Tulip7");
    EXPECT_EQ(status, CUM::SignInStatus::NotOpened);
}

TEST_F(UserManagerTest, InterruptedRewriteIsTakenBackFromTheTmpCopy) {
    WriteUser("Bo.nfotmp", CUM::kStudentId);
    EXPECT_EQ(SignIn("Bo", "Tulip7"), CUM::kStudentId);
    EXPECT_EQ(status, CUM::SignInStatus::PasswordMatched);
    EXPECT_TRUE(platform::FileExists(DataPath("Bo.nfo")));
    EXPECT_FALSE(platform::FileExists(DataPath("Bo.nfotmp")));
    EXPECT_THAT(ErrorRecords(), ElementsAre(testing::MatchesRegex(
                                    "Usermanager Line [0-9]+ : Failed to open .*/Data/Bo\\.nfo")));
}

TEST_F(UserManagerTest, MissingRecordShowsTheFileErrorAndSignsNoOneIn) {
    EXPECT_EQ(SignIn("Nobody", "x"), 0u);
    EXPECT_EQ(status, CUM::SignInStatus::NotOpened);
    EXPECT_THAT(fakes.messageBoxes.Texts(),
                ElementsAre(DataPath("Nobody.nfotmp") + " was not found."));
    EXPECT_EQ(ErrorRecords().size(), 1u);

    WriteFile(DataPath("Short.nfo"), U32(CUM::kStudentId));
    EXPECT_EQ(SignIn("Short", ""), 0u);
    EXPECT_EQ(status, CUM::SignInStatus::NotOpened);
    EXPECT_THAT(studentsLoaded, IsEmpty());
}

TEST_F(UserManagerTest, AdministratorIsRefusedAndTheDialogStaysOpen) {
    WriteUser("Admin.nfo", CUM::kAdministratorId);
    EXPECT_EQ(SignIn("Admin", "Tulip7"), CUM::kAdministratorId);
    EXPECT_EQ(status, CUM::SignInStatus::PasswordMatched);
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    const auto& box = fakes.messageBoxes.shown[0];
    EXPECT_EQ(box.text, "You cannot sign in as \"Admin\" at this time.");
    EXPECT_EQ(box.icon, platform::MbIcon::Exclamation);
    EXPECT_EQ(box.buttons, platform::MbButtons::Ok);
    EXPECT_EQ(fakes.process.quitRequests, 0);
}

TEST_F(UserManagerTest, UnknownIdTypeAsksAndCancelEndsTheProgram) {
    WriteUser("Odd.nfo", 2);
    fakes.messageBoxes.answers = {platform::MbResult::Retry, platform::MbResult::Cancel};
    EXPECT_EQ(SignIn("Odd", "Tulip7"), 2u);
    EXPECT_EQ(fakes.process.quitRequests, 0) << "Retry keeps the program running";
    EXPECT_EQ(SignIn("Odd", "Tulip7"), 2u);
    EXPECT_EQ(fakes.process.quitRequests, 1);

    const auto& box = fakes.messageBoxes.shown.at(1);
    EXPECT_EQ(box.text, "Please contact the system administrator.");
    EXPECT_EQ(box.icon, platform::MbIcon::Exclamation);
    EXPECT_EQ(box.buttons, platform::MbButtons::RetryCancel);
    EXPECT_THAT(ErrorRecords(), ElementsAre(EndsWith(" :   ID type not recognized."),
                                            EndsWith(" :   ID type not recognized.")));
    EXPECT_THAT(studentsLoaded, IsEmpty());
}
