#include "data/StudentInfoCheck.h"
#include "DataTestSupport.h"
#include "data/Windows1252.h"

using enum data::StudentInfoRefusal;

namespace {

// Pat Jones teaches "Users" (and, once written, other classes).
class StudentInfoCheckTest : public testing::Test {
protected:
    StudentInfoCheckTest() {
        std::filesystem::create_directories(DataPath(""));
        WriteFile(DataPath("Pat Jones.nfo"), TeacherFile("Owl", {"Users"}));
    }

    // The check of an entry in the dialog while "Users" lists `students`.
    data::StudentInfoRefusal Check(const Strings& students, bool editing, const std::string& name,
                                   const std::string& password, const std::string& verification) {
        WriteFile(DataPath("Pat JonesUsers.nfo"), ClassFile(students));
        teacher.Load("Pat Jones");
        teacher.SelectClass("Users");
        return data::CheckStudentInfo(
            {.editing = editing, .name = name, .password = password, .verification = verification},
            teacher);
    }

    platform::fakes::FakePlatform fakes;
    CTeacher teacher;
};

} // namespace

// The checks come in their order; what a name is made of is the shared rules' (one table for the
// tool and the dialogs); here, which files a new name would replace, with its blanks made single
// first. An edit checks the password only.
TEST_F(StudentInfoCheckTest, EntriesAreRefusedForTheFirstReasonAndNamesByTheFilesTheyWouldReplace) {
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
        EXPECT_EQ(Check(c.full ? eight : Strings{"Ann Lee", data::Utf8ToWindows1252("Zoë Ek")},
                        c.editing, c.name, c.password, c.verification),
                  c.refusal)
            << c.name << "/" << c.password << "/" << c.verification;
    }
    // Capitals aside too: a share that ignores case keeps one file for both.
    for (const std::string taken :
         {"Pat Jones", "Admin", "Pat JonesUsers", "Ann Lee", "  Ann   Lee ", "Pat  Jones",
          "ann lee", "ADMIN", "pat jonesUSERS", "PAT JONES", "ZOË EK"}) {
        EXPECT_EQ(Check({"Ann Lee", data::Utf8ToWindows1252("Zoë Ek")}, false, taken, "pw", "pw"),
                  NameTaken)
            << taken;
    }
}

// The class size of the folder's settings, 8 without them; a new class's name is checked like a
// student's and refused when the teacher has the class or its file is another record.
TEST_F(StudentInfoCheckTest, TheClassSizeAndNewClassNamesAreChecked) {
    const struct {
        const char* settings; // none: no settings file
        int students;
        bool refused;
    } limits[] = {{nullptr, 7, false},
                  {nullptr, 8, true},
                  {"class size = 25\n", 24, false},
                  {"class size = 25\n", 25, true},
                  {"# notes\r\nteacher = x\r\n class size=8 \r\n", 8, true},
                  {"class size = 40\n", 39, false},
                  {"class size = 41\n", 8, true},
                  {"class size = many\n", 7, false}};
    for (const auto& [settings, students, refused] : limits) {
        SCOPED_TRACE(std::to_string(students) + " with " + (settings ? settings : "none"));
        std::filesystem::remove(DataPath("School settings.txt"));
        if (settings != nullptr) {
            WriteFile(DataPath("School settings.txt"), BytesOf(settings));
        }
        EXPECT_EQ(Check(Strings(students, "S"), false, "Di Ruiz", "pw", "pw") == TooManyStudents,
                  refused);
    }
    EXPECT_THAT(ErrorRecords(), ElementsAre(testing::HasSubstr("class size is not a number"),
                                            testing::HasSubstr("class size is not a number")));

    WriteFile(DataPath("Pat JonesArt.nfo"), ClassFile({}));
    WriteFile(DataPath("Pat Jones.nfo"), TeacherFile("Owl", {"Users", "Art"}));
    teacher.Load("Pat Jones");
    const std::pair<std::string, data::StudentInfoRefusal> names[] = {
        {" 5A  blue ", None},
        {"", NoName},
        {"5.A", InvalidCharacter},
        {"art", NameTaken},
        {"Users", NameTaken},
        {"Ann Lee", None},
        {std::string(31, 'c'), NameTooLong}};
    for (const auto& [name, refusal] : names) {
        EXPECT_EQ(data::CheckNewClassName(name, teacher), refusal) << name;
    }
    WriteFile(DataPath("Pat JonesBand.nfo"), StudentFile("pw", 1, 0));
    EXPECT_EQ(data::CheckNewClassName("Band", teacher), NameTaken)
        << "a student's record of that name";
}
