#include "DataFolderWriter.h"

#include "data/CStudent.h"
#include "data/CTeacher.h"
#include "data/CUserManager.h"

#include "DataTestSupport.h"

#include "platform/Files.h"

#include <gmock/gmock.h>

namespace {

class DataFolderToolTest : public DataTest {
protected:
    DataFolderResult Write(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--folder", fakes.BaseFolder()});
        std::string error;
        const auto options = ParseDataFolderOptions(arguments, error);
        EXPECT_TRUE(options.has_value()) << error;
        std::string message;
        return options ? WriteDataFolder(*options, message) : DataFolderResult::Failed;
    }
};

std::string ParseError(const std::vector<std::string>& arguments) {
    std::string error;
    EXPECT_FALSE(ParseDataFolderOptions(arguments, error).has_value());
    return error;
}

} // namespace

TEST_F(DataFolderToolTest, DefaultsWriteTheAdminTeacherAndClassFiles) {
    ASSERT_EQ(Write({}), DataFolderResult::Written);
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")),
              Join({U32(0), Counted("admin"), CountedNames({"Teacher, Class"})}));
    EXPECT_EQ(ReadFile(DataPath("Class Teacher.nfo")),
              Join({U32(1), Counted("teacher"), CountedNames({"Users"})}));
    EXPECT_EQ(ReadFile(DataPath("Class TeacherUsers.nfo")), Join({U32(0), U32(0)}));

    CUserManager::SignInStatus status{};
    EXPECT_EQ(CUserManager::SignIn("Class Teacher", "teacher", status), CUserManager::kTeacherId);
    EXPECT_EQ(status, CUserManager::SignInStatus::PasswordMatched);
    GetCurrentTeacher().Reset();
}

TEST_F(DataFolderToolTest, StudentsAreAddedAsTheTeacherWindowAddsThem) {
    ASSERT_EQ(Write({"--teacher", "Pat Jones", "--teacher-password", "Owl", "--admin-password",
                     "root", "--student", "Mary Ann Smith:Tulip:3:2", "--student", "Bo Ng:Kiwi"}),
              DataFolderResult::Written);
    EXPECT_EQ(
        ReadFile(DataPath("Admin.nfo")),
        Join({U32(0), Counted("root"), CountedNames({"Jones, Pat", "Smith, Mary Ann", "Ng, Bo"})}));
    EXPECT_EQ(ReadFile(DataPath("Pat JonesUsers.nfo")),
              Join({U32(0), CountedNames({"Mary Ann Smith", "Bo Ng"})}));
    CStudent mary;
    ASSERT_TRUE(mary.Load("Mary Ann Smith"));
    EXPECT_EQ(mary.GetPassword(), "Tulip");
    EXPECT_EQ(mary.GetLevel(), 3);
    EXPECT_EQ(mary.GetTestsPassed(), 2);
    CStudent bo;
    ASSERT_TRUE(bo.Load("Bo Ng"));
    EXPECT_EQ(bo.GetLevel(), 1);
    EXPECT_EQ(bo.GetTestsPassed(), 0);
}

TEST_F(DataFolderToolTest, ExistingFolderIsRefusedKeptOrReplacedAsAsked) {
    ASSERT_EQ(Write({"--student", "Bo Ng:Kiwi"}), DataFolderResult::Written);
    const Bytes admin = ReadFile(DataPath("Admin.nfo"));
    EXPECT_EQ(Write({"--admin-password", "other"}), DataFolderResult::RefusedExisting);
    EXPECT_EQ(Write({"--if-missing"}), DataFolderResult::KeptExisting);
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), admin);
    EXPECT_TRUE(platform::FileExists(DataPath("Bo Ng.nfo")));

    EXPECT_EQ(Write({"--force"}), DataFolderResult::Written);
    EXPECT_FALSE(platform::FileExists(DataPath("Bo Ng.nfo")));
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")),
              Join({U32(0), Counted("admin"), CountedNames({"Teacher, Class"})}));
}

TEST(DataFolderOptionsTest, UnusableOptionsAreRefusedWithAReason) {
    EXPECT_EQ(ParseError({}), "--folder is required");
    EXPECT_THAT(ParseError({"--folder", "/x", "--student", "Bo:pw:6"}),
                testing::HasSubstr("level 1-5"));
    EXPECT_THAT(ParseError({"--folder", "/x", "--student", "Ng, Bo:pw"}),
                testing::HasSubstr("Ng, Bo"));
    EXPECT_THAT(ParseError({"--folder", "/x", "--force", "--if-missing"}),
                testing::HasSubstr("exclude"));
}
