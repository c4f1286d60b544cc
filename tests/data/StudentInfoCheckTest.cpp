#include "data/StudentInfoCheck.h"
#include "DataTestSupport.h"
#include "data/Windows1252.h"

using data::StudentInfoRefusal;

namespace {

// Pat Jones teaches Ann Lee in "Users".
class StudentInfoCheckTest : public DataTest {
protected:
    StudentInfoCheckTest() {
        WriteFile(DataPath("Pat Jones.nfo"), TeacherFile("Owl", {"Users"}));
        WriteClass({"Ann Lee"});
    }

    void WriteClass(const Strings& students) {
        WriteFile(DataPath("Pat JonesUsers.nfo"), ClassFile(students));
        teacher.Load("Pat Jones");
        teacher.SelectClass("Users");
    }

    StudentInfoRefusal New(const std::string& name, const std::string& password = "pw",
                           const std::string& verification = "pw") const {
        return data::CheckStudentInfo(
            {.name = name, .password = password, .verification = verification}, teacher);
    }

    CTeacher teacher;
};

} // namespace

TEST_F(StudentInfoCheckTest, ChecksComeInTheirOrder) {
    WriteClass({"A B", "C D", "E F", "G H", "I J", "K L", "M N", "O P"});
    EXPECT_EQ(New("", "", ""), StudentInfoRefusal::TooManyStudents) << "whatever was typed";
    EXPECT_EQ(data::CheckStudentInfo(
                  {.editing = true, .name = "A B", .password = "x", .verification = "x"}, teacher),
              StudentInfoRefusal::None)
        << "an edit of an existing student still works";

    WriteClass({"Ann Lee"});
    EXPECT_EQ(New("", "", ""), StudentInfoRefusal::NoPassword);
    EXPECT_EQ(New("", "pw", ""), StudentInfoRefusal::PasswordsDiffer);
    EXPECT_EQ(New("", "", "pw"), StudentInfoRefusal::PasswordsDiffer);
    EXPECT_EQ(New("", "pw", "Pw"), StudentInfoRefusal::PasswordsDiffer);
    EXPECT_EQ(New("Ann.Lee"), StudentInfoRefusal::InvalidCharacter);
    EXPECT_EQ(New("Ann Lee"), StudentInfoRefusal::NameTaken);
    EXPECT_EQ(data::CheckStudentInfo(
                  {.editing = true, .name = "", .password = "x", .verification = "x"}, teacher),
              StudentInfoRefusal::None)
        << "names are not checked in an edit";
}

// What a name is made of is the shared rules' (one table for the tool and the dialogs); here,
// which files a new name would replace, with its blanks made single first.
TEST_F(StudentInfoCheckTest, NamesAreNormalisedAndRefusedByTheFilesTheyWouldReplace) {
    EXPECT_EQ(New("   "), StudentInfoRefusal::NoName) << "a name of blanks is no name";
    WriteClass({"Ann Lee", data::Utf8ToWindows1252("Zoë Ek")});
    // Capitals aside too: a share that ignores case keeps one file for both.
    for (const std::string taken :
         {"Pat Jones", "Admin", "Pat JonesUsers", "Ann Lee", "  Ann   Lee ", "Pat  Jones",
          "ann lee", "ADMIN", "pat jonesUSERS", "PAT JONES", "ZOË EK"}) {
        EXPECT_EQ(New(taken), StudentInfoRefusal::NameTaken) << taken;
    }
    EXPECT_EQ(New("Zoe Ek"), StudentInfoRefusal::None) << "another letter";
    EXPECT_EQ(data::CheckStudentInfo({.editing = true,
                                      .name = "Ann Lee",
                                      .password = std::string(16, 'x'),
                                      .verification = std::string(16, 'x')},
                                     teacher),
              StudentInfoRefusal::PasswordTooLong)
        << "the sign-in box could never take it";
}
