#include "data/StudentInfoCheck.h"
#include "DataTestSupport.h"
#include "data/StudentNames.h"

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

TEST_F(StudentInfoCheckTest, NamesAreTrimmedAndRefusedByCharacterAndByTheFilesTheyWouldReplace) {
    EXPECT_EQ(New(""), StudentInfoRefusal::NoName);
    EXPECT_EQ(New("   "), StudentInfoRefusal::NoName) << "a name of blanks is no name";
    EXPECT_EQ(New("  Ann Lee "), StudentInfoRefusal::NameTaken) << "blanks around do not count";
    EXPECT_EQ(data::TrimBlanks("  Mary Ann Smith "), "Mary Ann Smith");

    // Quotation marks, symbols, brackets, punctuation, slashes, signs.
    for (const char forbidden : std::string("\"'!@#$%^&*()[{}],.?/\\;:=+<>")) {
        EXPECT_EQ(New(std::string("Ann") + forbidden + "Lee"), StudentInfoRefusal::InvalidCharacter)
            << forbidden;
    }
    for (const std::string accepted : {"Jo-Ann Lee-Smith", "Ann Lee2", "ann lee", "Ann_Lee", "X"}) {
        EXPECT_EQ(New(accepted), StudentInfoRefusal::None) << accepted;
    }
    for (const std::string taken : {"Pat Jones", "Admin", "Pat JonesUsers", "Ann Lee"}) {
        EXPECT_EQ(New(taken), StudentInfoRefusal::NameTaken) << taken;
    }
}
