#include "DataFolderWriter.h"

#include "DataTestSupport.h"

using testing::HasSubstr;

namespace {

class DataFolderToolTest : public DataTest {
protected:
    DataFolderResult Write(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--folder", fakes.BaseFolder()});
        std::string error, message;
        const auto options = ParseDataFolderOptions(arguments, error);
        EXPECT_TRUE(options.has_value()) << error;
        return options ? WriteDataFolder(*options, message) : DataFolderResult::Failed;
    }
};

std::string ParseError(const std::vector<std::string>& arguments) {
    std::string error;
    EXPECT_FALSE(ParseDataFolderOptions(arguments, error).has_value());
    return error;
}

} // namespace

TEST_F(DataFolderToolTest, ExistingFolderIsRefusedOrKeptUnlessReplacedByTheDefaults) {
    ASSERT_EQ(Write({"--student", "Bo Ng:Kiwi"}), DataFolderResult::Written);
    const Bytes admin = ReadFile(DataPath("Admin.nfo"));
    EXPECT_EQ(Write({"--admin-password", "other"}), DataFolderResult::RefusedExisting);
    EXPECT_EQ(Write({"--if-missing"}), DataFolderResult::KeptExisting);
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), admin);
    EXPECT_TRUE(platform::FileExists(DataPath("Bo Ng.nfo")));

    // A shared folder's permissions belong to the installation, not to the records.
    const auto shared = std::filesystem::perms::owner_all | std::filesystem::perms::group_all;
    std::filesystem::permissions(DataPath(""), shared);
    EXPECT_EQ(Write({"--force"}), DataFolderResult::Written);
    EXPECT_EQ(std::filesystem::status(DataPath("")).permissions(), shared);
    EXPECT_FALSE(platform::FileExists(DataPath("Bo Ng.nfo")));
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), AdminFile("admin", {"Teacher, Class"}));
    EXPECT_EQ(ReadFile(DataPath("Class Teacher.nfo")), TeacherFile("teacher", {"Users"}));
    EXPECT_EQ(ReadFile(DataPath("Class TeacherUsers.nfo")), ClassFile({}));
    CUserManager::SignInStatus status{};
    EXPECT_EQ(CUserManager::SignIn("Class Teacher", "teacher", status), CUserManager::kTeacherId);
    EXPECT_EQ(status, CUserManager::SignInStatus::PasswordMatched);
    GetCurrentTeacher().Reset();
}

// An install runs the tool with --if-missing: records that lost their Admin.nfo are a class's
// records all the same.
TEST_F(DataFolderToolTest, RecordsWithoutAnAdminFileAreKeptOrRefusedButNeverWiped) {
    ASSERT_EQ(Write({"--student", "Bo Ng:Kiwi"}), DataFolderResult::Written);
    const Bytes record = ReadFile(DataPath("Bo Ng.nfo"));
    std::filesystem::remove(DataPath("Admin.nfo"));
    EXPECT_EQ(Write({"--if-missing"}), DataFolderResult::KeptExisting);
    EXPECT_EQ(Write({}), DataFolderResult::RefusedExisting);
    EXPECT_EQ(ReadFile(DataPath("Bo Ng.nfo")), record);

    std::filesystem::remove_all(DataPath(""));
    std::filesystem::create_directory(DataPath(""));
    EXPECT_EQ(Write({"--if-missing"}), DataFolderResult::Written) << "an empty folder is filled";
}

TEST_F(DataFolderToolTest, StudentsAreAddedAsTheTeacherWindowAddsThem) {
    ASSERT_EQ(Write({"--teacher", "Pat Jones", "--teacher-password", "Owl", "--admin-password",
                     "root", "--student", "Mary Ann Smith:Tulip:3:2", "--student", "Bo Ng:Kiwi"}),
              DataFolderResult::Written);
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")),
              AdminFile("root", {"Jones, Pat", "Smith, Mary Ann", "Ng, Bo"}));
    EXPECT_EQ(ReadFile(DataPath("Pat JonesUsers.nfo")), ClassFile({"Mary Ann Smith", "Bo Ng"}));
    for (const auto& [name, password, level, passed] :
         {std::tuple("Mary Ann Smith", "Tulip", 3, 2), std::tuple("Bo Ng", "Kiwi", 1, 0)}) {
        const auto student = LoadedStudent(name);
        ASSERT_TRUE(student.has_value()) << name;
        EXPECT_EQ(
            std::tuple(student->GetPassword(), student->GetLevel(), student->GetTestsPassed()),
            std::tuple(password, level, passed));
    }
}

TEST(DataFolderOptionsTest, UnusableOptionsAreRefusedWithAReason) {
    EXPECT_EQ(ParseError({}), "--folder is required");
    EXPECT_THAT(ParseError({"--folder", "/x", "--student", "Bo:pw:6"}), HasSubstr("level 1-5"));
    EXPECT_THAT(ParseError({"--folder", "/x", "--student", "Ng, Bo:pw"}), HasSubstr("Ng, Bo"));
    EXPECT_THAT(ParseError({"--folder", "/x", "--force", "--if-missing"}), HasSubstr("exclude"));
}
