#include "data/StudentInfoCheck.h"
#include "DataTestSupport.h"
#include "data/Windows1252.h"

using enum data::StudentInfoRefusal;

// The checks come in their order; what a name is made of is the shared rules' (one table for the
// tool and the dialogs); here, which files a new name would replace, with its blanks made single
// first. An edit checks the password only.
TEST(StudentInfoCheckTest, EntriesAreRefusedForTheFirstReasonAndNamesByTheFilesTheyWouldReplace) {
    platform::fakes::FakePlatform fakes;
    std::filesystem::create_directories(DataPath(""));
    WriteFile(DataPath("Pat Jones.nfo"), TeacherFile("Owl", {"Users"}));
    CTeacher teacher;
    const auto check = [&](const Strings& students, bool editing, const std::string& name,
                           const std::string& password, const std::string& verification) {
        WriteFile(DataPath("Pat JonesUsers.nfo"), ClassFile(students));
        teacher.Load("Pat Jones");
        teacher.SelectClass("Users");
        return data::CheckStudentInfo(
            {.editing = editing, .name = name, .password = password, .verification = verification},
            teacher);
    };
    const Strings eight{"A B", "C D", "E F", "G H", "I J", "K L", "M N", "O P"};
    const std::string tooLong(16, 'x');
    struct Case {
        bool full;
        bool editing;
        std::string name, password, verification;
        data::StudentInfoRefusal refusal;
    };
    const Case cases[] = {
        {true, false, "", "", "", TooManyStudents}, // whatever was typed
        {true, true, "A B", "x", "x", None},        // an edit of an existing student still works
        {false, false, "", "", "", NoPassword},
        {false, false, "", "pw", "", PasswordsDiffer},
        {false, false, "", "", "pw", PasswordsDiffer},
        {false, false, "", "pw", "Pw", PasswordsDiffer},
        {false, true, "Ann Lee", tooLong, tooLong, PasswordTooLong}, // the box could never take it
        {false, false, "   ", "pw", "pw", NoName},
        {false, false, "Ann.Lee", "pw", "pw", InvalidCharacter},
        {false, true, "", "x", "x", None},          // names are not checked in an edit
        {false, false, "Zoe Ek", "pw", "pw", None}, // another letter
    };
    for (const Case& c : cases) {
        EXPECT_EQ(check(c.full ? eight : Strings{"Ann Lee", data::Utf8ToWindows1252("Zoë Ek")},
                        c.editing, c.name, c.password, c.verification),
                  c.refusal)
            << c.name << "/" << c.password << "/" << c.verification;
    }
    // Capitals aside too: a share that ignores case keeps one file for both.
    for (const std::string taken :
         {"Pat Jones", "Admin", "Pat JonesUsers", "Ann Lee", "  Ann   Lee ", "Pat  Jones",
          "ann lee", "ADMIN", "pat jonesUSERS", "PAT JONES", "ZOË EK"}) {
        EXPECT_EQ(check({"Ann Lee", data::Utf8ToWindows1252("Zoë Ek")}, false, taken, "pw", "pw"),
                  NameTaken)
            << taken;
    }
}
