#include "DataTestSupport.h"
#include "data/CsvReader.h"
#include "data/RosterCheck.h"

namespace {

// "Pat Jones/owl: Users[] 5A[Ann Lee:a1:2:0]; …": every teacher with password, classes and
// students (name, password, level, tests passed).
std::string Describe(const data::School& school) {
    std::string text;
    for (const data::NewTeacher& teacher : school.teachers) {
        text += (text.empty() ? "" : "; ") + teacher.name + "/" + teacher.password + ":";
        for (const data::NewClass& schoolClass : teacher.classes) {
            text += " " + schoolClass.name + "[";
            for (const data::NewStudent& s : schoolClass.students) {
                text += (&s == schoolClass.students.data() ? "" : ", ") + s.name + ":" +
                        s.password + ":" + std::to_string(s.level) + ":" +
                        std::to_string(s.testsPassed);
            }
            text += "]";
        }
    }
    return text;
}

// The school a roster file makes at `classSize`, or its problems, one a line.
std::string SchoolOf(const std::string& text, int classSize = 8) {
    data::RosterTable table = data::ReadRosterTable(text, data::kSchoolRosterColumns);
    data::School school;
    std::vector<data::RosterProblem> problems = table.problems;
    if (problems.empty()) {
        problems = data::CheckSchoolRoster(table.lines, classSize, school);
    }
    std::string said;
    for (const data::RosterProblem& problem : problems) {
        said += data::RosterProblemText(problem) + "\n";
    }
    return problems.empty() ? Describe(school) : said;
}

const std::string kHeader = "Teacher,Teacher password,Class,Student,Password\n";

} // namespace

TEST(RosterTest, ARosterMakesTheSchoolOrListsEveryBadRow) {
    struct Case {
        const char* what;
        std::string text;
        std::string made; // the school, or the problems
        int classSize = 8;
    };
    const Case cases[] = {
        {"columns in any order, levels and tests passed, rows joined by teacher and class",
         "Student,Class,Teacher,Password,Teacher password,Level,Tests passed\r\n"
         "Ann Lee,5A,Pat Jones,a1,owl,2,1\r\nBo Ng,5a,pat jones,x,,,\r\n\r\nCy Park,,Lou "
         "Kim,pw,cat\r\n",
         "Pat Jones/owl: Users[] 5A[Ann Lee:a1:2:1, Bo Ng:x:1:0]; Lou Kim/cat: Users[Cy "
         "Park:pw:1:0]"},
        {"semicolons, a byte-order mark, quoted fields with the separator, a quote and a line "
         "break",
         "\xEF\xBB\xBFTeacher;Teacher password;Class;Student;Password\n"
         "Pat Jones;\"o;w\"\"l\";5A;Ann Lee;\"a,1\"\n;;;;\nPat Jones;;5A;Bo Ng;x\n",
         "Pat Jones/o;w\"l: Users[] 5A[Ann Lee:a,1:1:0, Bo Ng:x:1:0]"},
        {"Windows-1252 as a spreadsheet saves it", kHeader + "Pat Jones,owl,5A,Zo\xEB Roy,a1\n",
         "Pat Jones/owl: Users[] 5A[Zoë Roy:a1:1:0]"},
        {"a missing column", "Teacher,Class,Student,Password\nPat Jones,5A,Ann Lee,a1\n",
         "Line 1: the file has no column \"Teacher password\".\n"},
        {"no rows", kHeader, "The file lists no students.\n"},
        {"a quotation mark not closed", kHeader + "Pat Jones,owl,5A,\"Ann Lee,a1\n",
         "Line 2: a quotation mark is not closed.\n"},
        {"every bad row, each with its line and reason",
         kHeader + "Pat Jones,owl,5A,,a1\n" + "Pat Jones,,5A," + std::string(31, 'a') + ",a1\n" +
             "Pat Jones,,5A,Ann.Lee,a1\nPat Jones,,5A,Bo Ng,\nPat Jones,,5A,Cy Park," +
             std::string(16, 'p') + "\nPat Jones,,5A,Ann Lee,a1\nPat Jones,,5A,ann  lee,b\n" +
             "Pat Jones,,5A,Di Ruiz,d,7\n",
         "Line 2: the student has no name.\n"
         "Line 3: the name \"" +
             std::string(31, 'a') +
             "\" has more than 30 characters.\n"
             "Line 4: the name \"Ann.Lee\" cannot hold the full stop (.).\n"
             "Line 5: Bo Ng has no password.\n"
             "Line 6: the password of Cy Park has more than 15 characters.\n"
             "Line 8: the student ann lee is on line 7 already.\n"},
        {"an unknown level and tests passed",
         "Teacher,Teacher password,Class,Student,Password,Level,Tests passed\n"
         "Pat Jones,owl,5A,Ann Lee,a1,Six,3\nPat Jones,,5A,Bo Ng,b2,6,2\nPat Jones,,5A,Cy "
         "Park,c3,0,0\n",
         "Line 2: the level \"Six\" is not a number from 1 to 5.\n"
         "Line 2: the tests passed \"3\" are not 0, 1 or 2.\n"
         "Line 3: the level \"6\" is not a number from 1 to 5.\n"
         "Line 4: the level \"0\" is not a number from 1 to 5.\n"},
        {"teachers' passwords and names",
         kHeader + "Pat Jones,owl,5A,Ann Lee,a1\nPat Jones,cat,5A,Bo Ng,b\nLou Kim,,,Cy Park,c\n"
                   "Admin,x,,Di Ruiz,d\nPat Jones,,5A,Pat Jones5A,e\nPat Jones,,5A,Lou Kim,f\n",
         "Line 3: the teacher Pat Jones has another password here than on line 2.\n"
         "Line 4: the teacher Lou Kim has a password on none of the rows.\n"
         "Line 5: the name \"Admin\" is already that of a person or of a class file in the data "
         "folder.\n"
         "Line 6: the name \"Pat Jones5A\" is already that of a person or of a class file in the "
         "data folder.\n"
         "Line 7: the name \"Lou Kim\" is already that of a person or of a class file in the data "
         "folder.\n"},
        {"a class over the size, once; another class has room",
         kHeader + "Pat Jones,owl,5A,Ann Lee,a\nPat Jones,,5A,Bo Ng,b\nPat Jones,,5A,Cy Park,c\n"
                   "Pat Jones,,5A,Di Ruiz,d\nPat Jones,,5B,Ed Fox,e\nPat Jones,,5B,Flo Hart,f\n",
         "Line 4: the class 5A would have more than 2 students.\n", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SchoolOf(c.text, c.classSize), c.made);
    }
}

TEST(RosterTest, RecordsKeepTheLineTheyBeginOn) {
    const auto records = data::ReadCsv("a,b\r\n\"x\r\ny\",z\rlast");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].line, 2);
    EXPECT_EQ(records[1].fields, (Strings{"x\ny", "z"}));
    EXPECT_EQ(records[2].line, 4);
}

namespace {

// Pat Jones teaches Ann Lee in "Users" and nobody in "Art"; Lou Kim teaches Bo Ng.
class ClassRosterTest : public DataTest {
protected:
    ClassRosterTest() {
        WriteFile(DataPath("Pat Jones.nfo"), TeacherFile("owl", {"Users", "Art"}));
        WriteFile(DataPath("Pat JonesUsers.nfo"), ClassFile({"Ann Lee"}));
        WriteFile(DataPath("Pat JonesArt.nfo"), ClassFile({}));
        WriteFile(DataPath("Lou Kim.nfo"), TeacherFile("cat", {"Users"}));
        WriteStudent("Ann Lee", StudentFile("a", 1, 0));
        WriteStudent("Bo Ng", StudentFile("b", 1, 0));
        WriteFile(DataPath("Admin.nfo"),
                  AdminFile("x", {"Jones, Pat", "Kim, Lou", "Lee, Ann", "Ng, Bo"}));
        teacher.Load("Pat Jones");
    }

    // What importing `rows` (under the header "Student,Password") into `className` does.
    std::string Import(const std::string& className, const std::string& rows, int classSize) {
        teacher.SelectClass(className);
        const auto table =
            data::ReadRosterTable("Student,Password\n" + rows, data::kClassRosterColumns);
        std::vector<data::NewStudent> students;
        std::string said;
        for (const auto& problem :
             data::CheckClassRoster(table.lines, teacher, classSize, students)) {
            said += data::RosterProblemText(problem) + "\n";
        }
        for (const data::NewStudent& student : students) {
            said += student.name + " ";
        }
        return said;
    }

    CTeacher teacher;
};

} // namespace

TEST_F(ClassRosterTest, AClassRosterIsCheckedAgainstTheFolderAndTheClassSize) {
    const std::string six = "C1,p\nC2,p\nC3,p\nC4,p\nC5,p\nC6,p\n";
    struct Case {
        const char* className;
        std::string rows;
        int classSize;
        std::string said;
    } const cases[] = {
        {"Art", six + "C7,p\nC8,p\n", 8, "C1 C2 C3 C4 C5 C6 C7 C8 "},
        {"Art", six + "C7,p\nC8,p\nC9,p\n", 8,
         "Line 10: the class would have more than 8 students.\n"},
        {"Users", six + "C7,p\n", 8, "C1 C2 C3 C4 C5 C6 C7 "},
        {"Users", six + "C7,p\nC8,p\n", 8, "Line 9: the class would have more than 8 students.\n"},
        {"Users", six + "C7,p\nC8,p\n", 25, "C1 C2 C3 C4 C5 C6 C7 C8 "},
        {"Art", "Ann Lee,p\nbo ng,p\nLou Kim,p\nPat JonesArt,p\n", 8,
         "Line 2: the name \"Ann Lee\" is already that of a person or of a class file in the data "
         "folder.\n"
         "Line 3: the name \"bo ng\" is already that of a person or of a class file in the data "
         "folder.\n"
         "Line 4: the name \"Lou Kim\" is already that of a person or of a class file in the data "
         "folder.\n"
         "Line 5: the name \"Pat JonesArt\" is already that of a person or of a class file in the "
         "data folder.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.className) + " of " + std::to_string(c.classSize) + ": " +
                     c.rows);
        EXPECT_EQ(Import(c.className, c.rows, c.classSize), c.said);
    }
}
