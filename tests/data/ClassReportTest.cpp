#include "data/ClassReport.h"
#include "DataTestSupport.h"
#include "FolderContent.h"
#include "SessionRecords.h"
#include "data/ClassReportCsv.h"

namespace {

using namespace testrecords;

// Noon on 7 March 2003; a week before it is noon on 28 February.
constexpr std::int64_t kNow = kNoon;
constexpr std::int64_t kWeek = data::kReportWeekSeconds;

std::uint32_t Ago(std::int64_t seconds) {
    return static_cast<std::uint32_t>(kNow - seconds);
}

template <typename Record> Record At(Record record, std::uint32_t time) {
    record.time = time;
    return record;
}
SessionRecord Training(int seconds, std::uint32_t time) {
    return At(TrainingRecord(10, seconds), time);
}
SessionRecord Review(int seconds, std::uint32_t time) {
    return At(ReviewRecord(3, 3, 0, seconds), time);
}
// A whole test at `level`, passed or not (the tests keep no duration).
SessionRecord TestAt(int level, bool passed, std::uint32_t time = Ago(3600)) {
    const int problems = level == kDivision ? 90 : 100;
    return At(TestRecord(passed ? problems : problems - 1, problems, level), time);
}

data::StudentFiles Files(std::int32_t level, std::vector<SessionRecord> sessions) {
    data::StudentRecord record{.level = level, .testsPassed = 1};
    record.sessions = std::move(sessions);
    return {.name = "Mary Ann Smith",
            .record = std::move(record),
            .mistakes = std::vector<Problem>{},
            .fluency = data::FactFluency{}};
}

} // namespace

// Last active, this week's sessions and minutes, inactive and stuck, from the history alone.
TEST(ClassReportRuleTest, HistoryGivesLastActiveThisWeeksPracticeAndWhoNeedsAttention) {
    const std::uint32_t edge = Ago(kWeek);
    struct Case {
        const char* what;
        std::vector<SessionRecord> sessions;
        std::int32_t level;
        std::string cells; // last active, sessions and minutes this week, needs attention
    };
    const Case cases[] = {
        {"no history", {}, 1, "never 0 0 inactive"},
        {"exactly a week ago", {Training(60, edge)}, 1, "02/28/2003 0 0 inactive"},
        {"a second inside the week", {Training(60, edge + 1)}, 1, "02/28/2003 1 1 "},
        {"dated after now", {Training(120, Ago(-3600))}, 1, "03/07/2003 1 2 "},
        {"training, review and a test (5½ minutes) add up, older ones do not",
         {Training(240, Ago(2 * kWeek)), Training(60, Ago(60)), Review(150, Ago(30)),
          TestAt(1, false)},
         1,
         "03/07/2003 3 9 "},
        {"a division test counts six minutes",
         {TestAt(kDivision, false)},
         kDivision,
         "03/07/2003 1 6 "},
        {"29 seconds round down", {Review(29, Ago(60))}, 1, "03/07/2003 1 0 "},
        {"30 seconds round up", {Review(30, Ago(60))}, 1, "03/07/2003 1 1 "},
        {"the newest session wherever it stands",
         {Training(60, Ago(60)), Training(60, edge)},
         1,
         "03/07/2003 1 1 "},
        {"three failed tests since the last pass",
         {TestAt(2, true), TestAt(2, false), TestAt(2, false), TestAt(2, false)},
         2,
         "03/07/2003 4 22 stuck"},
        {"two failed tests",
         {TestAt(2, true), TestAt(2, false), TestAt(2, false)},
         2,
         "03/07/2003 3 17 "},
        {"a failed test of another level does not count",
         {TestAt(1, false), TestAt(2, false), TestAt(2, false)},
         2,
         "03/07/2003 3 17 "},
        {"a pass ends the count",
         {TestAt(2, false), TestAt(2, false), TestAt(2, false), TestAt(2, true)},
         2,
         "03/07/2003 4 22 "},
        {"stuck and long gone",
         {TestAt(3, false, edge), TestAt(3, false, edge), TestAt(3, false, edge)},
         3,
         "02/28/2003 0 0 inactive, stuck"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Strings cells =
            data::ClassReportCells(data::MakeClassReportRow(Files(c.level, c.sessions), {}, kNow));
        EXPECT_EQ(cells[3] + " " + cells[4] + " " + cells[5] + " " + cells[8], c.cells);
    }
}

// Fluent facts of the current level (for Mixed, all four operations'), each fact judged by its
// first tries and the mistake list; and the rows of students whose files could not be read.
TEST(ClassReportRuleTest, FluentFactsOfTheLevelAndUnreadableFilesLeaveTheirFiguresOut) {
    const Problem sum = Fact(2, 3), listedSum = Fact(4, 4), slowSum = Fact(5, 1);
    const Problem product = Fact(3, 4, kTimes);
    data::FactFluency fluency;
    for (int tries = 0; tries < 5; ++tries) {
        for (const Problem& fact : {sum, listedSum, product}) {
            fluency.RecordFirstTry(fact, true, 1000);
        }
        fluency.RecordFirstTry(slowSum, true, 9000);
    }
    data::LevelFacts facts;
    facts[kAddition - 1] = {sum, listedSum, slowSum};
    facts[kMultiplication - 1] = {product, Fact(3, 5, kTimes)};
    facts[kMixed - 1] = {sum, listedSum, slowSum, product, Fact(3, 5, kTimes)};
    const auto row = [&](std::int32_t level, auto change) {
        data::StudentFiles files = Files(level, {Training(60, Ago(60))});
        files.mistakes = std::vector<Problem>{listedSum};
        files.fluency = fluency;
        change(files);
        return data::ClassReportCells(data::MakeClassReportRow(files, facts, kNow));
    };
    const auto same = [](data::StudentFiles&) {
    };
    EXPECT_EQ(row(kAddition, same), (Strings{"Smith, Mary Ann", "Addition", "1", "03/07/2003", "1",
                                             "1", "1 of 3", "1", ""}));
    EXPECT_EQ(row(kMultiplication, same)[6], "1 of 2");
    EXPECT_EQ(row(kMixed, same)[6], "2 of 5");
    EXPECT_EQ(row(7, same)[6], "0 of 0") << "a level without facts";

    EXPECT_EQ(row(kAddition, [](data::StudentFiles& f) { f.record.reset(); }),
              (Strings{"Smith, Mary Ann", "", "", "", "", "", "", "1", "record cannot be read"}));
    EXPECT_EQ(row(kAddition, [](data::StudentFiles& f) { f.mistakes.reset(); }),
              (Strings{"Smith, Mary Ann", "Addition", "1", "03/07/2003", "1", "1", "", "",
                       "mistake list cannot be read"}));
    EXPECT_EQ(row(kAddition,
                  [](data::StudentFiles& f) {
                      f.fluency.reset();
                      f.record->sessions.clear();
                  }),
              (Strings{"Smith, Mary Ann", "Addition", "1", "never", "0", "0", "", "1",
                       "response times cannot be read, inactive"}));
}

namespace {

// Pat Jones's class: Ann (a training session and a mistake), Bo (a record that cannot be read)
// and Cy (only the "tmp" copy of an interrupted rewrite, and no mistake list or option file).
class ClassReportFilesTest : public DataTest {
protected:
    ClassReportFilesTest() {
        fakes.clock.seconds = kNow;
        WriteFile(DataPath("Pat Jones.nfo"), TeacherFile("Owl", {"Users"}));
        WriteFile(DataPath("Pat JonesUsers.nfo"), ClassFile({"Cy Park", "Bo Ng", "Ann Lee"}));
        WriteStudent("Ann Lee",
                     StudentFile("pw", 3, 1, {SessionBytes(Ago(60), {9, 9, 3, 1, 60}, 2)}),
                     ProblemBytes(7, 5, kPlus, 11, 12, 1, 0));
        WriteFile(DataPath("Ann Lee.opt"), {0});
        WriteStudent("Bo Ng", BytesOf("not a record"));
        WriteFile(DataPath("Cy Park.nfotmp"), StudentFile("pw", 5, 2));
        WriteFile(TestDataPath("multiplication.txt"), BytesOf("3 x 4\r\n7 x 5\r\n"));
        teacher.Load("Pat Jones");
        teacher.SelectClass("Users");
    }

    CTeacher teacher;
};

} // namespace

TEST_F(ClassReportFilesTest, AFileThatCannotBeReadIsLoggedWithTheSystemsReason) {
    // A folder in the list's place: no one, not even root, reads it as a file.
    std::filesystem::remove(DataPath("Ann Lee.mtk"));
    std::filesystem::create_directory(DataPath("Ann Lee.mtk"));
    std::filesystem::remove(DataPath("Cy Park.nfotmp"));
    std::filesystem::create_directory(DataPath("Ann Lee.flu"));
    const auto rows = data::ReadClassReport(teacher, kNow);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(data::AttentionText((*rows)[0]),
              "mistake list cannot be read, response times cannot be read");
    EXPECT_EQ(data::AttentionText((*rows)[2]), "record cannot be read");
    EXPECT_THAT(ErrorRecords(), ElementsAre(EndsWith("Ann Lee.mtk: Is a directory"),
                                            EndsWith("Ann Lee.flu: Is a directory"),
                                            EndsWith("Bo Ng.nfo: it is damaged"),
                                            EndsWith("Cy Park.nfo: No such file or directory")));
    EXPECT_FALSE(data::ReadClassReport(CTeacher(), kNow).has_value()) << "no class file";
}

// Every student in the teacher's order, read without changing any file, as a spreadsheet program
// reads them: UTF-8 after the byte-order mark, the names of the class file (kept in Windows-1252)
// quoted for their comma, dates as YYYY-MM-DD.
TEST_F(ClassReportFilesTest, TheCsvFileHasTheBomHeaderQuotingAndOneRecordPerStudent) {
    WriteFile(DataPath("Pat JonesUsers.nfo"),
              ClassFile({"Ann Lee", "Bo Ng", "Cy Park", "Zo\xEB Gr\xFCn"}));
    WriteStudent("Zoë Grün", StudentFile("pw", 1, 0));
    const auto before = FolderContent(DataPath(""));
    const auto rows = data::ReadClassReport(teacher, kNow);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(FolderContent(DataPath("")), before) << "no file was created, renamed or changed";
    EXPECT_THAT(ErrorRecords(), ElementsAre(testing::MatchesRegex(
                                    "Classreport Line [0-9]+ :   Could not read .*/Data/Bo "
                                    "Ng\\.nfo: it is damaged")));
    // Written whole or not at all, and no temporary file is left either way.
    const std::string path = fakes.Path("/report.csv");
    std::filesystem::create_directories(fakes.Path("/taken.csv/in it"));
    for (const auto& [target, reason] :
         {std::pair<std::string, std::optional<int>>(path, std::nullopt),
          {fakes.Path("/no such folder/report.csv"), ENOENT},
          {fakes.Path("/taken.csv"), EISDIR}}) {
        EXPECT_EQ(data::WriteClassReportCsv(target, *rows), reason);
        EXPECT_FALSE(platform::FileExists(platform::TemporaryPathFor(target))) << target;
    }
    EXPECT_EQ(TextOf(ReadFile(path)),
              "\xEF\xBB\xBFStudent,Level,Tests passed,Last active,Sessions this week,Minutes this "
              "week,Fluent facts,Facts,Mistakes to review,Needs attention\r\n"
              "\"Grün, Zoë\",Addition,0,never,0,0,0,0,0,inactive\r\n"
              "\"Lee, Ann\",Multiplication,1,2003-03-07,1,1,0,2,1,\r\n"
              "\"Ng, Bo\",,,,,,,,0,record cannot be read\r\n"
              "\"Park, Cy\",Mixed,2,never,0,0,0,2,0,inactive\r\n");
    // Split by no spreadsheet's settings, taken by none for a formula.
    const std::pair<std::string, std::string> fields[] = {{"Zoë", "Zoë"},
                                                          {"a=b-c", "a=b-c"},
                                                          {"", ""},
                                                          {"say \"hi\"", "\"say \"\"hi\"\"\""},
                                                          {"two\nlines", "\"two\nlines\""},
                                                          {"a\rb", "\"a\rb\""},
                                                          {"a\tb", "\"a\tb\""},
                                                          {"a;b", "\"a;b\""},
                                                          {"=1+2", "'=1+2"},
                                                          {"+1", "'+1"},
                                                          {"-1", "'-1"},
                                                          {"@SUM(A1)", "'@SUM(A1)"},
                                                          {"\tAnn", "\"'\tAnn\""},
                                                          {"\r=1", "\"'\r=1\""},
                                                          {"=A1,B1", "\"'=A1,B1\""}};
    for (const auto& [text, field] : fields) {
        EXPECT_EQ(data::CsvField(text), field) << text;
    }
}
