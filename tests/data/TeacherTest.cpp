#include "DataTestSupport.h"

#include <sys/stat.h>

using testing::MatchesRegex;

namespace {

const Strings kClass{"Ann Lee", "Bo Ng", "Cy Park"};
const Strings kUsers{"Jones, Pat", "Lee, Ann", "Ng, Bo", "Park, Cy"};

// Pat Jones teaches Ann, Bo and Cy in "Users"; "Art" is listed but has no class file.
class TeacherTest : public DataTest {
protected:
    TeacherTest() {
        WriteFile(DataPath("Pat Jones.nfo"), TeacherFile("Owl", {"Art", "Users"}));
        WriteClass(kClass);
        WriteFile(DataPath("Admin.nfo"), AdminFile("root", kUsers));
        for (const std::string& name : kClass) {
            WriteStudent(name, StudentFile("pw", 1, 0));
            WriteFile(DataPath(name + ".opt"), {0});
        }
        teacher.Load("Pat Jones");
        teacher.SelectClass("Users");
    }

    // The class file keeps its reserved field through every rewrite.
    static Bytes Class(const Strings& students) { return ClassFile(students, 0xA5A5A5A5); }
    static void WriteClass(const Strings& students) {
        WriteFile(DataPath("Pat JonesUsers.nfo"), Class(students));
    }
    // The teacher record stays as it was written: only a class added or deleted rewrites it.
    static void ExpectLists(const Strings& students, const Strings& listNames) {
        EXPECT_EQ(ReadFile(DataPath("Pat JonesUsers.nfo")), Class(students));
        EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), AdminFile("root", listNames));
        EXPECT_EQ(ReadFile(DataPath("Pat Jones.nfo")), TeacherFile("Owl", {"Art", "Users"}));
    }

    CTeacher teacher;
};

Strings With(Strings names, const std::string& added) {
    names.push_back(added);
    return names;
}

} // namespace

TEST_F(TeacherTest, LoadAndSelectClassReadTheTeacherAndTheClassFilesAndAShortRecordIsLogged) {
    EXPECT_EQ(std::tuple(teacher.GetStudentCount(), teacher.IsStudent("Bo Ng"),
                         teacher.IsStudent("bo ng"), teacher.SelectClass("Music")),
              std::tuple(3, true, false, false));
    EXPECT_EQ(std::tuple(teacher.GetClassName(), teacher.GetStudentCount()), std::tuple("Music", 3))
        << "set even when not listed";
    EXPECT_TRUE(teacher.SelectClass("Art")) << "listed, but without a class file";

    WriteFile(DataPath("Short.nfo"), Join({U32(1), Counted("Owl"), U32(2), Counted("Art")}));
    EXPECT_FALSE(teacher.Load("Short"));
    EXPECT_FALSE(teacher.Load("Missing"));
    EXPECT_EQ(teacher.GetName(), "Pat Jones");
    EXPECT_THAT(ErrorRecords(), ElementsAre(MatchesRegex("Cteacher Line [0-9]+ : Name of file: "
                                                         ".*/Data/Short\\.nfo \\| Cause: 3")));
}

TEST_F(TeacherTest, AnAddedStudentGetsEveryFileAndListEntryAndADeletedOneLosesThemAll) {
    ASSERT_TRUE(teacher.AddStudent("Di Ruiz", "Fig", 3, 2, 7, 9));
    EXPECT_EQ(ReadFile(DataPath("Di Ruiz.nfo")),
              Join({U32(3), Counted("Fig"), Counted("Pat JonesUsers"), U32(3), U32(2), U32(7),
                    U32(9), U32(0)}));
    EXPECT_EQ(ReadFile(DataPath("Di Ruiz.mtk")), Bytes{});
    ExpectLists(With(kClass, "Di Ruiz"), With(kUsers, "Ruiz, Di"));
    EXPECT_EQ(teacher.GetStudentCount(), 4);
    EXPECT_FALSE(teacher.AddStudentToClassList("Di Ruiz")) << "listed once";
    EXPECT_TRUE(LoadedStudent("Di Ruiz").has_value());
    EXPECT_EQ(ReadFile(DataPath("Di Ruiz.opt")), Bytes{0});

    // Every entry goes, the others keep their order; files already gone are passed over.
    WriteClass({"Bo Ng", "Ann Lee", "Bo Ng", "Cy Park", "Di Ruiz"});
    teacher.SelectClass("Users");
    WriteFile(DataPath("Bo Ng.flu"), {});
    std::filesystem::remove(DataPath("Bo Ng.opt"));
    ASSERT_TRUE(teacher.DeleteStudent("Bo Ng"));
    ExpectLists({"Ann Lee", "Cy Park", "Di Ruiz"},
                {"Jones, Pat", "Lee, Ann", "Park, Cy", "Ruiz, Di"});
    for (const std::string extension : {".nfo", ".mtk", ".opt", ".flu"}) {
        EXPECT_FALSE(platform::FileExists(DataPath("Bo Ng" + extension)));
    }
    EXPECT_EQ(teacher.GetStudentCount(), 3);
    EXPECT_THAT(fakes.messageBoxes.shown, IsEmpty());
}

// A creation that fails at any step leaves nothing behind that the teacher could neither see nor
// delete, says in the error log which file and why, and a retry lists the student once.
TEST_F(TeacherTest, ACreationThatFailsAtAnyStepLeavesNothingAndARetryListsTheStudentOnce) {
    const Bytes classFile = ReadFile(DataPath("Pat JonesUsers.nfo"));
    const Bytes adminFile = ReadFile(DataPath("Admin.nfo"));
    const std::pair<std::string, const char*> steps[] = {
        {platform::TemporaryPathFor(DataPath("Di Ruiz.nfo")), "Di Ruiz.nfo"},
        {DataPath("Pat JonesUsers.nfo"), "Pat JonesUsers.nfo"}, // reading the class file
        {platform::TemporaryPathFor(DataPath("Pat JonesUsers.nfo")), "Pat JonesUsers.nfo"},
        {platform::TemporaryPathFor(DataPath("Admin.nfo")), "Admin.nfo"},
    };
    for (const auto& [blocked, logged] : steps) {
        SCOPED_TRACE(blocked);
        std::filesystem::remove(fakes.Path("/Error Log.txt"));
        std::filesystem::remove(blocked);
        std::filesystem::create_directory(blocked);
        EXPECT_FALSE(teacher.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0));
        for (const char* left : {"Di Ruiz.nfo", "Di Ruiz.mtk"}) {
            EXPECT_FALSE(std::filesystem::is_regular_file(DataPath(left))) << left;
        }
        EXPECT_FALSE(teacher.IsStudent("Di Ruiz"));
        if (std::filesystem::is_regular_file(DataPath("Pat JonesUsers.nfo"))) {
            ExpectLists(kClass, kUsers);
        }
        EXPECT_THAT(ErrorRecords(), testing::Contains(testing::HasSubstr(DataPath(logged) + ": ")));

        std::filesystem::remove(blocked);
        WriteFile(DataPath("Pat JonesUsers.nfo"), classFile);
        ASSERT_TRUE(teacher.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0)) << "the retry";
        ASSERT_TRUE(teacher.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0)) << "and once more";
        ExpectLists(With(kClass, "Di Ruiz"), With(kUsers, "Ruiz, Di"));
        ASSERT_TRUE(teacher.DeleteStudent("Di Ruiz"));
        WriteFile(DataPath("Admin.nfo"), adminFile);
    }

    // A read-only list left by an earlier student of the same name is never inherited.
    const Bytes leftover = ProblemBytes(7, 5, kPlus, 11, 12, 2, 0);
    WriteFile(DataPath("Di Ruiz.mtk"), leftover);
    ::chmod(DataPath("Di Ruiz.mtk").c_str(), 0444);
    std::filesystem::remove(fakes.Path("/Error Log.txt"));
    EXPECT_FALSE(teacher.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0));
    EXPECT_FALSE(platform::FileExists(DataPath("Di Ruiz.nfo")));
    EXPECT_EQ(ReadFile(DataPath("Di Ruiz.mtk")), leftover);
    ExpectLists(kClass, kUsers);
    EXPECT_THAT(ErrorRecords(),
                ElementsAre(MatchesRegex(
                    "Cteacher Line [0-9]+ :   Could not create .*/Di Ruiz\\.mtk: .+")));
}

// What cannot be done is left undone and named: a file of the student that stays, a stranger,
// a class file that cannot be read, no class chosen, a record an edit cannot replace.
TEST_F(TeacherTest, WhatCannotBeChangedIsLeftAsItWasAndNamed) {
    std::filesystem::remove(DataPath("Cy Park.mtk"));
    std::filesystem::create_directories(DataPath("Cy Park.mtk/kept"));
    EXPECT_FALSE(teacher.DeleteStudent("Cy Park"));
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_THAT(fakes.messageBoxes.shown[0].text, testing::HasSubstr("Cy Park.mtk"));
    EXPECT_TRUE(platform::FileExists(DataPath("Cy Park.opt")));
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), AdminFile("root", kUsers));

    EXPECT_FALSE(teacher.DeleteStudent("Zed Ox"));
    const Bytes unreadable = Join({U32(0), U32(3), Counted("Ann Lee")});
    WriteFile(DataPath("Pat JonesUsers.nfo"), unreadable);
    EXPECT_FALSE(teacher.DeleteStudent("Ann Lee"));
    EXPECT_EQ(ReadFile(DataPath("Pat JonesUsers.nfo")), unreadable);
    EXPECT_TRUE(platform::FileExists(DataPath("Ann Lee.nfo")));

    WriteFile(DataPath("Ed Fox.nfo"), TeacherFile("", {}));
    CTeacher unselected;
    ASSERT_TRUE(unselected.Load("Ed Fox"));
    EXPECT_FALSE(unselected.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0));
    EXPECT_EQ(ReadFile(DataPath("Ed Fox.nfo")), TeacherFile("", {}));

    CStudent ann = *LoadedStudent("Ann Lee");
    std::filesystem::create_directory(platform::TemporaryPathFor(DataPath("Ann Lee.nfo")));
    EXPECT_FALSE(ann.UpdateInfo("new"));
    std::filesystem::remove(platform::TemporaryPathFor(DataPath("Ann Lee.nfo")));
    std::filesystem::remove(DataPath("Ann Lee.nfo"));
    EXPECT_FALSE(ann.UpdateInfo("new"));
    EXPECT_THAT(
        ErrorRecords(),
        ElementsAre(MatchesRegex("Cteacher Line [0-9]+ :   Could not delete .*/Cy Park\\.mtk: Is a "
                                 "directory"),
                    MatchesRegex(".* :   Could not read .*/Pat JonesUsers\\.nfo: it is damaged"),
                    MatchesRegex("Cstudent Line [0-9]+ :   Could not replace .*/Ann Lee\\.nfo: Is "
                                 "a directory"),
                    MatchesRegex("Cstudent Line [0-9]+ :   Could not read .*/Ann Lee\\.nfo: No "
                                 "such file or directory")));
}

// A class is listed in the teacher record only with its class file; the first class and a class
// with students stay. Students and the class files the program has always written are untouched.
TEST_F(TeacherTest, ClassesAreAddedAndDeletedWithTheirFiles) {
    const Bytes usersFile = ReadFile(DataPath("Pat JonesUsers.nfo"));
    ASSERT_TRUE(teacher.AddClass("5A"));
    EXPECT_EQ(ReadFile(DataPath("Pat Jones.nfo")), TeacherFile("Owl", {"Art", "Users", "5A"}));
    EXPECT_EQ(ReadFile(DataPath("Pat Jones5A.nfo")), ClassFile({}));
    ASSERT_TRUE(teacher.SelectClass("5A"));
    ASSERT_TRUE(teacher.AddStudent("Di Ruiz", "Fig", 2, 0, 0, 0));
    EXPECT_EQ(ReadFile(DataPath("Di Ruiz.nfo")),
              Join({U32(3), Counted("Fig"), Counted("Pat Jones5A"), U32(2), U32(0), U32(0), U32(0),
                    U32(0)}))
        << "the second class's key";
    EXPECT_EQ(ReadFile(DataPath("Pat JonesUsers.nfo")), usersFile);

    WriteFile(DataPath("Pat JonesUsers.nfo"), Class({})); // empty, the first class still stays
    const std::pair<const char*, bool> deletions[] = {
        {"Users", false}, {"5A", false}, {"Music", false}, {"Art", true}};
    for (const auto& [className, deleted] : deletions) {
        EXPECT_EQ(teacher.DeleteClass(className), deleted) << className;
    }
    ASSERT_TRUE(teacher.DeleteStudent("Di Ruiz"));
    EXPECT_TRUE(teacher.DeleteClass("5A"));
    EXPECT_EQ(ReadFile(DataPath("Pat Jones.nfo")), TeacherFile("Owl", {"Users"}));
    EXPECT_FALSE(platform::FileExists(DataPath("Pat Jones5A.nfo")));
    EXPECT_EQ(teacher.GetClassName(), "5A") << "still selected: the window chooses another";

    // A record that cannot be replaced leaves no class file behind.
    std::filesystem::create_directory(platform::TemporaryPathFor(DataPath("Pat Jones.nfo")));
    EXPECT_FALSE(teacher.AddClass("6B"));
    EXPECT_FALSE(platform::FileExists(DataPath("Pat Jones6B.nfo")));
    EXPECT_THAT(teacher.GetClasses(), ElementsAre("Users"));
}
