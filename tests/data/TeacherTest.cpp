#include "DataTestSupport.h"
#include "data/ClassRoster.h"
#include "platform/BaseFolder.h"

#include <sys/stat.h>

namespace {

// Pat Jones teaches Ann, Bo and Cy in "Users"; "Art" is listed but has no class file.
class TeacherTest : public DataTest {
protected:
    TeacherTest() {
        WriteFile(DataPath("Pat Jones.nfo"), TeacherFile("Owl", {"Art", "Users"}));
        WriteClass({"Ann Lee", "Bo Ng", "Cy Park"});
        WriteFile(DataPath("Admin.nfo"), Admin({"Jones, Pat", "Lee, Ann", "Ng, Bo", "Park, Cy"}));
        for (const std::string name : {"Ann Lee", "Bo Ng", "Cy Park"}) {
            WriteStudent(name, StudentFile("pw", 1, 0));
            WriteFile(DataPath(name + ".opt"), {0});
        }
        teacher.Load("Pat Jones");
        teacher.SelectClass("Users");
    }

    static Bytes Admin(const Strings& listNames) { return AdminFile("root", listNames); }
    // The class file keeps its reserved field through every rewrite.
    static Bytes Class(const Strings& students) { return ClassFile(students, 0xA5A5A5A5); }
    void WriteClass(const Strings& students) {
        WriteFile(DataPath("Pat JonesUsers.nfo"), Class(students));
    }
    // The teacher record stays as it was written: only a class added or deleted rewrites it.
    void ExpectLists(const Strings& students, const Strings& listNames) {
        EXPECT_EQ(ReadFile(DataPath("Pat JonesUsers.nfo")), Class(students));
        EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), Admin(listNames));
        EXPECT_EQ(ReadFile(DataPath("Pat Jones.nfo")), TeacherFile("Owl", {"Art", "Users"}));
    }

    CTeacher teacher;
};

} // namespace

TEST_F(TeacherTest, LoadAndSelectClassReadTheTeacherAndTheClassFiles) {
    EXPECT_EQ(teacher.GetName(), "Pat Jones");
    EXPECT_EQ(teacher.GetStudentCount(), 3);
    EXPECT_TRUE(teacher.IsStudent("Bo Ng"));
    EXPECT_FALSE(teacher.IsStudent("bo ng"));

    EXPECT_FALSE(teacher.SelectClass("Music"));
    EXPECT_EQ(teacher.GetClassName(), "Music") << "set even when not listed";
    EXPECT_EQ(teacher.GetStudentCount(), 3);
    EXPECT_TRUE(teacher.SelectClass("Art")) << "listed, but without a class file";
}

TEST_F(TeacherTest, ShortTeacherRecordIsLoggedWithItsCause) {
    WriteFile(DataPath("Short.nfo"), Join({U32(1), Counted("Owl"), U32(2), Counted("Art")}));
    EXPECT_FALSE(teacher.Load("Short"));
    EXPECT_FALSE(teacher.Load("Missing"));
    EXPECT_EQ(teacher.GetName(), "Pat Jones");
    EXPECT_THAT(ErrorRecords(), testing::ElementsAre(testing::MatchesRegex(
                                    "Cteacher Line [0-9]+ : Name of file: .*/Data/Short\\.nfo "
                                    "\\| Cause: 3")));
}

TEST_F(TeacherTest, AddedStudentGetsARecordAnEmptyListAndBothListEntries) {
    ASSERT_TRUE(teacher.AddStudent("Di Ruiz", "Fig", 3, 2, 7, 9));
    EXPECT_EQ(ReadFile(DataPath("Di Ruiz.nfo")),
              Join({U32(3), Counted("Fig"), Counted("Pat JonesUsers"), U32(3), U32(2), U32(7),
                    U32(9), U32(0)}));
    EXPECT_EQ(ReadFile(DataPath("Di Ruiz.mtk")), Bytes{});
    ExpectLists({"Ann Lee", "Bo Ng", "Cy Park", "Di Ruiz"},
                {"Jones, Pat", "Lee, Ann", "Ng, Bo", "Park, Cy", "Ruiz, Di"});
    EXPECT_EQ(teacher.GetStudentCount(), 4);
    EXPECT_FALSE(teacher.AddStudentToClassList("Di Ruiz")) << "listed once";
    EXPECT_TRUE(LoadedStudent("Di Ruiz").has_value());
    EXPECT_EQ(ReadFile(DataPath("Di Ruiz.opt")), Bytes{0});
}

// A creation that fails at any step leaves nothing behind that the teacher could neither see nor
// delete, says in the error log which file and why, and a retry lists the student once.
TEST_F(TeacherTest, ACreationThatFailsAtAnyStepLeavesNothingAndARetryListsTheStudentOnce) {
    const Bytes classFile = ReadFile(DataPath("Pat JonesUsers.nfo"));
    const Bytes adminFile = ReadFile(DataPath("Admin.nfo"));
    const auto blockWith = [](const std::string& path) {
        return [path] {
            std::filesystem::create_directory(path);
        };
    };
    struct Step {
        const char* failing;
        std::function<void()> fail;
        std::string logged; // the file the error record names
    };
    const Step steps[] = {
        {"the record", blockWith(platform::TemporaryPathFor(DataPath("Di Ruiz.nfo"))),
         DataPath("Di Ruiz.nfo")},
        {"reading the class file",
         [&] {
             std::filesystem::remove(DataPath("Pat JonesUsers.nfo"));
             blockWith(DataPath("Pat JonesUsers.nfo"))();
         },
         DataPath("Pat JonesUsers.nfo")},
        {"replacing the class file",
         blockWith(platform::TemporaryPathFor(DataPath("Pat JonesUsers.nfo"))),
         DataPath("Pat JonesUsers.nfo")},
        {"the sign-in list", blockWith(platform::TemporaryPathFor(DataPath("Admin.nfo"))),
         DataPath("Admin.nfo")},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.failing);
        std::filesystem::remove(platform::GetBaseFolder() + "/Error Log.txt");
        step.fail();
        EXPECT_FALSE(teacher.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0));
        for (const char* left : {"Di Ruiz.nfo", "Di Ruiz.mtk"}) {
            EXPECT_FALSE(std::filesystem::is_regular_file(DataPath(left))) << left;
        }
        EXPECT_FALSE(teacher.IsStudent("Di Ruiz"));
        if (std::filesystem::is_regular_file(DataPath("Pat JonesUsers.nfo"))) {
            ExpectLists({"Ann Lee", "Bo Ng", "Cy Park"},
                        {"Jones, Pat", "Lee, Ann", "Ng, Bo", "Park, Cy"});
        }
        const Strings records = ErrorRecords();
        EXPECT_TRUE(std::ranges::any_of(records, [&](const std::string& record) {
            return record.find(step.logged + ": ") != std::string::npos;
        })) << testing::PrintToString(records);

        for (const char* blocked : {"Di Ruiz.nfo", "Pat JonesUsers.nfo", "Admin.nfo"}) {
            std::filesystem::remove(platform::TemporaryPathFor(DataPath(blocked)));
        }
        std::filesystem::remove(DataPath("Pat JonesUsers.nfo"));
        WriteFile(DataPath("Pat JonesUsers.nfo"), classFile);
        ASSERT_TRUE(teacher.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0)) << "the retry";
        ASSERT_TRUE(teacher.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0)) << "and once more";
        ExpectLists({"Ann Lee", "Bo Ng", "Cy Park", "Di Ruiz"},
                    {"Jones, Pat", "Lee, Ann", "Ng, Bo", "Park, Cy", "Ruiz, Di"});
        ASSERT_TRUE(teacher.DeleteStudent("Di Ruiz"));
        WriteFile(DataPath("Admin.nfo"), adminFile);
    }
}

// A read-only list left by an earlier student of the same name is never inherited.
TEST_F(TeacherTest, StudentWhoseListCannotBeCreatedIsNotCreatedAtAll) {
    const Bytes leftover = ProblemBytes(7, 5, kPlus, 11, 12, 2, 0);
    WriteFile(DataPath("Di Ruiz.mtk"), leftover);
    ::chmod(DataPath("Di Ruiz.mtk").c_str(), 0444);
    EXPECT_FALSE(teacher.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0));
    EXPECT_FALSE(platform::FileExists(DataPath("Di Ruiz.nfo")));
    EXPECT_EQ(ReadFile(DataPath("Di Ruiz.mtk")), leftover);
    ExpectLists({"Ann Lee", "Bo Ng", "Cy Park"}, {"Jones, Pat", "Lee, Ann", "Ng, Bo", "Park, Cy"});
    EXPECT_FALSE(teacher.IsStudent("Di Ruiz"));
    EXPECT_THAT(ErrorRecords(),
                ElementsAre(testing::MatchesRegex(
                    "Cteacher Line [0-9]+ :   Could not create .*/Di Ruiz\\.mtk: .+")));
}

TEST_F(TeacherTest, DeletingAStudentRemovesEveryEntryAndTheirFilesAndKeepsTheOrder) {
    WriteClass({"Bo Ng", "Ann Lee", "Bo Ng", "Cy Park"});
    teacher.SelectClass("Users");
    WriteFile(DataPath("Bo Ng.flu"), {});
    ASSERT_TRUE(teacher.DeleteStudent("Bo Ng"));
    ExpectLists({"Ann Lee", "Cy Park"}, {"Jones, Pat", "Lee, Ann", "Park, Cy"});
    for (const std::string extension : {".nfo", ".mtk", ".opt", ".flu"}) {
        EXPECT_FALSE(platform::FileExists(DataPath("Bo Ng" + extension)));
    }
    EXPECT_EQ(teacher.GetStudentCount(), 2);
    EXPECT_FALSE(platform::FileExists(platform::TemporaryPathFor(DataPath("Pat JonesUsers.nfo"))));
}

TEST_F(TeacherTest, DeletionGoesOnPastFilesAlreadyGoneButStopsAtOneThatStays) {
    std::filesystem::remove(DataPath("Bo Ng.nfo"));
    std::filesystem::remove(DataPath("Bo Ng.opt"));
    EXPECT_TRUE(teacher.DeleteStudent("Bo Ng"));
    EXPECT_FALSE(platform::FileExists(DataPath("Bo Ng.mtk")));
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), Admin({"Jones, Pat", "Lee, Ann", "Park, Cy"}));
    EXPECT_THAT(fakes.messageBoxes.shown, IsEmpty());

    std::filesystem::remove(DataPath("Cy Park.mtk"));
    std::filesystem::create_directories(DataPath("Cy Park.mtk/kept"));
    EXPECT_FALSE(teacher.DeleteStudent("Cy Park"));
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_THAT(fakes.messageBoxes.shown[0].text, testing::HasSubstr("Cy Park.mtk"));
    EXPECT_TRUE(platform::FileExists(DataPath("Cy Park.opt")));
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), Admin({"Jones, Pat", "Lee, Ann", "Park, Cy"}));
    EXPECT_THAT(ErrorRecords(), ElementsAre(testing::MatchesRegex(
                                    "Cteacher Line [0-9]+ :   Could not delete .*/Cy Park\\.mtk: "
                                    "Is a directory")));
}

// The administrator learns from the error log which file failed and why.
TEST_F(TeacherTest, AnEditThatCannotBeWrittenNamesTheRecordAndTheReason) {
    CStudent ann = *LoadedStudent("Ann Lee");
    std::filesystem::create_directory(platform::TemporaryPathFor(DataPath("Ann Lee.nfo")));
    EXPECT_FALSE(ann.UpdateInfo("new"));
    std::filesystem::remove(platform::TemporaryPathFor(DataPath("Ann Lee.nfo")));
    std::filesystem::remove(DataPath("Ann Lee.nfo"));
    EXPECT_FALSE(ann.UpdateInfo("new"));
    EXPECT_THAT(ErrorRecords(),
                ElementsAre(testing::MatchesRegex("Cstudent Line [0-9]+ :   Could not replace "
                                                  ".*/Ann Lee\\.nfo: Is a directory"),
                            testing::MatchesRegex("Cstudent Line [0-9]+ :   Could not read "
                                                  ".*/Ann Lee\\.nfo: No such file or directory")));
}

TEST_F(TeacherTest, StrangerOrUnreadableClassFileDeletesNothingAndNoClassAddsNothing) {
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
}

TEST_F(TeacherTest, RosterListsTheClassFileByTheBytesOfTheListFormNames) {
    WriteClass({"Ann Lee", "ed lee", "Bo Ng", "Cy Park", "Zoe Adams", "Missing One"});
    WriteStudent("Zoe Adams", StudentFile("pw", 4, 2));
    WriteStudent("ed lee", StudentFile("pw", 5, 1));
    teacher.SelectClass("Users");
    CStudent student;
    const auto roster = data::ReadClassRoster(teacher, student);
    ASSERT_TRUE(roster.has_value());
    std::vector<std::pair<std::string, std::string>> rows;
    for (const data::RosterRow& row : *roster) {
        rows.emplace_back(row.name, row.standing);
    }
    using Row = std::pair<std::string, std::string>;
    EXPECT_THAT(rows,
                ElementsAre(Row{"Adams, Zoe", "Division - 2"}, Row{"Lee, Ann", "Addition - 0"},
                            Row{"Ng, Bo", "Addition - 0"}, Row{"One, Missing", ""},
                            Row{"Park, Cy", "Addition - 0"}, Row{"lee, ed", "Mixed - 1"}))
        << "capitals before small letters; an unreadable record leaves its standing empty";
    EXPECT_EQ(student.GetName(), "ed lee") << "the last listed student stays loaded";

    std::filesystem::remove(DataPath("Pat JonesUsers.nfo"));
    EXPECT_FALSE(data::ReadClassRoster(teacher, student).has_value());
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
