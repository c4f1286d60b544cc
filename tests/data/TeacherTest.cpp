#include "data/CStudent.h"
#include "data/CTeacher.h"
#include "data/CUserManager.h"

#include "DataTestSupport.h"

#include "platform/Files.h"

#include <filesystem>
#include <gmock/gmock.h>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

Bytes ClassFile(const std::vector<std::string>& students) {
    return Join({U32(0xA5A5A5A5), CountedNames(students)});
}

Bytes AdminFile(const std::vector<std::string>& listNames) {
    return Join({U32(0), Counted("root"), CountedNames(listNames)});
}

class TeacherTest : public DataTest {
protected:
    TeacherTest() {
        WriteFile(DataPath("Pat Jones.nfo"),
                  Join({U32(1), Counted("Owl"), U32(2), Counted("Art"), Counted("Users")}));
        WriteFile(DataPath("Pat JonesUsers.nfo"), ClassFile({"Ann Lee", "Bo Ng", "Cy Park"}));
        WriteFile(DataPath("Admin.nfo"),
                  AdminFile({"Jones, Pat", "Lee, Ann", "Ng, Bo", "Park, Cy"}));
        for (const std::string name : {"Ann Lee", "Bo Ng", "Cy Park"}) {
            WriteFile(DataPath(name + ".nfo"), StudentFile("pw", 1, 0));
            WriteFile(DataPath(name + ".mtk"), {});
            WriteFile(DataPath(name + ".opt"), {0});
        }
        teacher.Load("Pat Jones");
        teacher.SelectClass("Users");
    }

    CTeacher teacher;
};

} // namespace

TEST_F(TeacherTest, LoadAndSelectClassReadTheTeacherAndTheClassFiles) {
    EXPECT_EQ(teacher.GetName(), "Pat Jones");
    EXPECT_EQ(teacher.GetClassName(), "Users");
    EXPECT_EQ(teacher.GetStudentCount(), 3);
    EXPECT_TRUE(teacher.IsStudent("Bo Ng"));
    EXPECT_FALSE(teacher.IsStudent("bo ng"));

    EXPECT_FALSE(teacher.SelectClass("Music"));
    EXPECT_EQ(teacher.GetClassName(), "Music") << "set even when not listed";
    EXPECT_EQ(teacher.GetStudentCount(), 3);
    EXPECT_TRUE(teacher.SelectClass("Art")) << "listed, but without a class file";
    EXPECT_EQ(teacher.GetStudentCount(), 3);
}

TEST_F(TeacherTest, ShortTeacherRecordIsLoggedWithItsCause) {
    WriteFile(DataPath("Short.nfo"), Join({U32(1), Counted("Owl"), U32(2), Counted("Art")}));
    EXPECT_FALSE(teacher.Load("Short"));
    EXPECT_FALSE(teacher.Load("Missing"));
    EXPECT_EQ(teacher.GetName(), "Pat Jones");
    EXPECT_THAT(ErrorRecords(), ElementsAre(testing::MatchesRegex(
                                    "Cteacher Line [0-9]+ : Name of file: .*/Data/Short\\.nfo "
                                    "\\| Cause: 3")));
}

TEST_F(TeacherTest, AddedStudentGetsARecordAnEmptyListAndBothListEntries) {
    ASSERT_TRUE(teacher.AddStudent("Di Ruiz", "Fig", 3, 2, 0, 0));
    EXPECT_EQ(ReadFile(DataPath("Di Ruiz.nfo")),
              Join({U32(3), Counted("Fig"), Counted("Pat JonesUsers"), U32(3), U32(2), U32(0),
                    U32(0), U32(0)}));
    EXPECT_EQ(ReadFile(DataPath("Di Ruiz.mtk")), Bytes{});
    EXPECT_FALSE(platform::FileExists(DataPath("Di Ruiz.opt")));
    EXPECT_EQ(ReadFile(DataPath("Pat JonesUsers.nfo")),
              ClassFile({"Ann Lee", "Bo Ng", "Cy Park", "Di Ruiz"}));
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")),
              AdminFile({"Jones, Pat", "Lee, Ann", "Ng, Bo", "Park, Cy", "Ruiz, Di"}));
    EXPECT_EQ(teacher.GetStudentCount(), 4);
    EXPECT_FALSE(teacher.AddStudentToClassList("Di Ruiz")) << "listed once";

    CStudent student;
    EXPECT_TRUE(student.Load("Di Ruiz"));
    EXPECT_EQ(ReadFile(DataPath("Di Ruiz.opt")), Bytes{0});
}

TEST_F(TeacherTest, StudentWithoutARecordIsNeverListed) {
    std::filesystem::create_directory(DataPath("Di Ruiz.nfotmp"));
    EXPECT_FALSE(teacher.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0));
    EXPECT_FALSE(platform::FileExists(DataPath("Di Ruiz.mtk")));
    EXPECT_EQ(ReadFile(DataPath("Pat JonesUsers.nfo")), ClassFile({"Ann Lee", "Bo Ng", "Cy Park"}));
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")),
              AdminFile({"Jones, Pat", "Lee, Ann", "Ng, Bo", "Park, Cy"}));
}

TEST_F(TeacherTest, MissingClassFileFailsTheAdditionButTheStudentCanSignIn) {
    std::filesystem::remove(DataPath("Pat JonesUsers.nfo"));
    EXPECT_FALSE(teacher.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0));
    EXPECT_TRUE(platform::FileExists(DataPath("Di Ruiz.nfo")));
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")),
              AdminFile({"Jones, Pat", "Lee, Ann", "Ng, Bo", "Park, Cy", "Ruiz, Di"}));
    EXPECT_EQ(teacher.GetStudentCount(), 3);
}

TEST_F(TeacherTest, DeletingTheSecondOfThreeKeepsTheOthersInOrder) {
    ASSERT_TRUE(teacher.DeleteStudent("Bo Ng"));
    EXPECT_EQ(ReadFile(DataPath("Pat JonesUsers.nfo")), ClassFile({"Ann Lee", "Cy Park"}));
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), AdminFile({"Jones, Pat", "Lee, Ann", "Park, Cy"}));
    for (const char* extension : {".nfo", ".mtk", ".opt"}) {
        EXPECT_FALSE(platform::FileExists(DataPath(std::string("Bo Ng") + extension)));
    }
    EXPECT_FALSE(teacher.IsStudent("Bo Ng"));
    EXPECT_FALSE(platform::FileExists(DataPath("Pat JonesUsers.nfo2")));
}

TEST_F(TeacherTest, NameListedTwiceLosesBothEntries) {
    WriteFile(DataPath("Pat JonesUsers.nfo"), ClassFile({"Bo Ng", "Ann Lee", "Bo Ng"}));
    teacher.SelectClass("Users");
    ASSERT_TRUE(teacher.DeleteStudent("Bo Ng"));
    EXPECT_EQ(ReadFile(DataPath("Pat JonesUsers.nfo")), ClassFile({"Ann Lee"}));
    EXPECT_EQ(teacher.GetStudentCount(), 1);
}

TEST_F(TeacherTest, DeletionGoesOnPastFilesAlreadyGone) {
    std::filesystem::remove(DataPath("Bo Ng.nfo"));
    std::filesystem::remove(DataPath("Bo Ng.opt"));
    EXPECT_TRUE(teacher.DeleteStudent("Bo Ng"));
    EXPECT_FALSE(platform::FileExists(DataPath("Bo Ng.mtk")));
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), AdminFile({"Jones, Pat", "Lee, Ann", "Park, Cy"}));
    EXPECT_THAT(fakes.messageBoxes.shown, IsEmpty());
}

TEST_F(TeacherTest, FileThatCannotBeDeletedStopsTheDeletionWithAMessage) {
    std::filesystem::remove(DataPath("Bo Ng.mtk"));
    std::filesystem::create_directories(DataPath("Bo Ng.mtk/kept"));
    EXPECT_FALSE(teacher.DeleteStudent("Bo Ng"));
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_THAT(fakes.messageBoxes.shown[0].text, testing::HasSubstr("Bo Ng.mtk"));
    EXPECT_TRUE(platform::FileExists(DataPath("Bo Ng.opt")));
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")),
              AdminFile({"Jones, Pat", "Lee, Ann", "Ng, Bo", "Park, Cy"}));
}

TEST_F(TeacherTest, StrangerOrUnreadableClassFileDeletesNothing) {
    EXPECT_FALSE(teacher.DeleteStudent("Zed Ox"));
    WriteFile(DataPath("Pat JonesUsers.nfo"), Join({U32(0), U32(3), Counted("Ann Lee")}));
    EXPECT_FALSE(teacher.DeleteStudent("Ann Lee"));
    EXPECT_EQ(ReadFile(DataPath("Pat JonesUsers.nfo")), Join({U32(0), U32(3), Counted("Ann Lee")}));
    EXPECT_TRUE(platform::FileExists(DataPath("Ann Lee.nfo")));
}

TEST_F(TeacherTest, SignInLoadsTheCurrentTeacherOrStudent) {
    CUserManager::SignInStatus status{};
    EXPECT_EQ(CUserManager::SignIn("Pat Jones", "Owl", status), CUserManager::kTeacherId);
    EXPECT_EQ(GetCurrentTeacher().GetName(), "Pat Jones");
    EXPECT_EQ(CUserManager::SignIn("Cy Park", "pw", status), CUserManager::kStudentId);
    EXPECT_EQ(status, CUserManager::SignInStatus::PasswordMatched);
    EXPECT_EQ(GetCurrentStudent().GetName(), "Cy Park");
    GetCurrentStudent().Reset();
    GetCurrentTeacher().Reset();
}

TEST_F(TeacherTest, NoClassSelectedLeavesTheTeacherRecordAlone) {
    WriteFile(DataPath("Ed Fox.nfo"), Join({U32(1), Counted(""), U32(0)}));
    CTeacher unselected;
    ASSERT_TRUE(unselected.Load("Ed Fox"));
    EXPECT_FALSE(unselected.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0));
    EXPECT_EQ(ReadFile(DataPath("Ed Fox.nfo")), Join({U32(1), Counted(""), U32(0)}));
}
