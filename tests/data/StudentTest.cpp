#include "data/CStudent.h"
#include "data/CTestData.h"

#include "DataTestSupport.h"

#include "platform/Files.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <sys/stat.h>

using testing::ElementsAre;
using testing::EndsWith;
using testing::IsEmpty;

namespace {

constexpr std::uint32_t kStart = 1'600'000'000;

class StudentTest : public DataTest {
protected:
    // Bo's record with two sessions, and an empty mistake list.
    void WriteBo(std::uint32_t level, std::uint32_t testsPassed) {
        WriteFile(DataPath("Bo.nfo"), StudentFile("Kiwi", level, testsPassed, history));
        WriteFile(DataPath("Bo.mtk"), {});
    }

    // A session of `count` problems, all answered, `wrong` of them wrongly.
    CTestData Session(int count, int wrong) {
        fakes.clock.seconds = kStart;
        CTestData session;
        for (int i = 0; i < count; ++i) {
            session.SetProblem(
                i, {.firstOperand = 2, .secondOperand = 3, .operation = kPlus, .correctAnswer = 5});
            session.SetAnswer(i, i < wrong ? 4 : 5);
        }
        session.SetDuration(240);
        session.SetFlag(0);
        session.SetGoal(30);
        return session;
    }

    // The session count and the sessions: what follows the reserved values.
    Bytes HistoryInFile() {
        const Bytes file = ReadFile(DataPath("Bo.nfo"));
        return Bytes(file.begin() + 40, file.end());
    }

    std::vector<Bytes> history = {
        SessionBytes({.time = 11, .correct = 90, .answered = 100, .level = 1, .type = 1}),
        SessionBytes({.time = 22, .correct = 20, .answered = 25, .level = 3, .type = 2})};
    CStudent student;
};

} // namespace

TEST_F(StudentTest, LoadReadsTheRecordAndItsHistory) {
    WriteBo(3, 2);
    ASSERT_TRUE(student.Load("Bo"));
    EXPECT_EQ(student.GetName(), "Bo");
    EXPECT_EQ(student.GetPassword(), "Kiwi");
    EXPECT_EQ(student.GetLevel(), 3);
    EXPECT_EQ(student.GetLevelName(), "Multiplication");
    EXPECT_EQ(student.GetTestsPassed(), 2);
    ASSERT_EQ(student.GetSessionCount(), 2);
    EXPECT_EQ(student.GetSession(1).time, 22u);
    EXPECT_EQ(student.GetSession(1).type, 2u);
    EXPECT_THAT(ErrorRecords(), IsEmpty());
}

TEST_F(StudentTest, SessionOutsideTheHistoryIsEmptyAndLogged) {
    WriteBo(1, 0);
    ASSERT_TRUE(student.Load("Bo"));
    for (const int index : {-1, 2}) {
        const SessionRecord empty = student.GetSession(index);
        EXPECT_EQ(empty.time, 0u);
        EXPECT_EQ(empty.correctCount, kNoValue);
        EXPECT_EQ(empty.answeredCount, kNoValue);
        EXPECT_EQ(empty.duration, 0);
    }
    EXPECT_THAT(ErrorRecords(), ElementsAre(EndsWith(" : Attempted to retrieve an invalid test."),
                                            testing::StartsWith("Cstudent Line ")));
}

TEST_F(StudentTest, MissingRecordIsTakenBackFromItsTmpCopyElseNothingChanges) {
    WriteFile(DataPath("Bo.nfotmp"), StudentFile("Kiwi", 2, 1));
    WriteFile(DataPath("Bo.mtk"), {});
    ASSERT_TRUE(student.Load("Bo"));
    EXPECT_TRUE(platform::FileExists(DataPath("Bo.nfo")));

    EXPECT_FALSE(student.Load("Nobody"));
    EXPECT_EQ(student.GetName(), "Bo") << "a failed load keeps what was loaded";
    EXPECT_THAT(ErrorRecords(),
                ElementsAre(EndsWith(" : Could not open " + DataPath("Nobody.nfo"))));
}

TEST_F(StudentTest, CutOrAbsurdRecordsLoadWhatIsWholeOrNothing) {
    const Bytes whole = StudentFile("Kiwi", 2, 1, history);
    WriteFile(DataPath("Bo.nfo"), Bytes(whole.begin(), whole.end() - 5));
    ASSERT_TRUE(student.Load("Bo"));
    EXPECT_EQ(student.GetSessionCount(), 1) << "the second session is cut short";

    WriteFile(DataPath("Bo.nfo"), StudentFile("Kiwi", 2, 1, history, 0x7FFFFFFF));
    ASSERT_TRUE(student.Load("Bo"));
    EXPECT_EQ(student.GetSessionCount(), 2);

    WriteFile(DataPath("Cut.nfo"), Bytes(whole.begin(), whole.begin() + 30));
    EXPECT_FALSE(student.Load("Cut"));
    EXPECT_EQ(student.GetName(), "Bo");
}

TEST_F(StudentTest, LoadLeavesAnOptionFileOfExactlyOneByte) {
    WriteBo(1, 0);
    const std::string option = DataPath("Bo.opt");
    for (const Bytes& before : {Bytes{}, Bytes{1, 1}}) {
        WriteFile(option, before);
        ::chmod(option.c_str(), 0444);
        ASSERT_TRUE(student.Load("Bo"));
        EXPECT_EQ(ReadFile(option), Bytes{0});
    }
    std::filesystem::remove(option);
    ASSERT_TRUE(student.Load("Bo"));
    EXPECT_EQ(ReadFile(option), Bytes{0});
    WriteFile(option, {1});
    ASSERT_TRUE(student.Load("Bo"));
    EXPECT_EQ(ReadFile(option), Bytes{1}) << "a one-byte file is kept";
}

TEST_F(StudentTest, LoadPurgesEmptyMistakes) {
    WriteBo(1, 0);
    const Bytes empty = ProblemBytes(-1, -1, 0, -1, -1, -1, -1);
    const Bytes sevenPlusFive = ProblemBytes(7, 5, 1, 11, 12, 1, 0);
    const Bytes threeTimesThree = ProblemBytes(3, 3, 3, 6, 9, 2, 1);
    WriteFile(DataPath("Bo.mtk"), Join({empty, sevenPlusFive, empty, threeTimesThree}));
    ASSERT_TRUE(student.Load("Bo"));
    EXPECT_EQ(ReadFile(DataPath("Bo.mtk")), Join({threeTimesThree, sevenPlusFive}));
}

TEST_F(StudentTest, PurgeEndsWhenTheMistakeFileCannotBeRewritten) {
    WriteBo(1, 0);
    WriteFile(DataPath("Bo.mtk"), ProblemBytes(-1, -1, 0, -1, -1, -1, -1));
    std::filesystem::create_directory(DataPath("Bo.mtktmp"));
    EXPECT_TRUE(student.Load("Bo"));
    EXPECT_THAT(ErrorRecords(), ElementsAre(EndsWith(" : Failed to open the mistake file!")));
}

TEST_F(StudentTest, TestWithOneWrongAnswerIsRecordedButNotPassed) {
    WriteBo(2, 1);
    ASSERT_TRUE(student.Load("Bo"));
    ASSERT_TRUE(student.AddSession(Session(100, 1), kTestSession, -1));
    EXPECT_EQ(student.GetTestsPassed(), 1);
    EXPECT_EQ(ReadFile(DataPath("Bo.nfo")), StudentFile("Kiwi", 2, 1,
                                                        {history[0], history[1],
                                                         SessionBytes({.time = kStart,
                                                                       .correct = 99,
                                                                       .answered = 100,
                                                                       .level = 2,
                                                                       .testsPassedBefore = 1,
                                                                       .duration = 240,
                                                                       .goal = 30,
                                                                       .type = 1})}));
    EXPECT_EQ(student.GetSessionCount(), 3);
    EXPECT_FALSE(platform::FileExists(DataPath("Bo.nfotmp")));
}

TEST_F(StudentTest, ThirdPerfectTestRaisesTheLevel) {
    WriteBo(1, 2);
    ASSERT_TRUE(student.Load("Bo"));
    ASSERT_TRUE(student.AddSession(Session(100, 0), kTestSession, -1));
    EXPECT_EQ(student.GetLevel(), 2);
    EXPECT_EQ(student.GetTestsPassed(), 0);
    EXPECT_THAT(fakes.messageBoxes.shown, IsEmpty());
}

TEST_F(StudentTest, PassingMixedCongratulatesAndStartsAgainAtAddition) {
    WriteBo(5, 2);
    ASSERT_TRUE(student.Load("Bo"));
    ASSERT_TRUE(student.AddSession(Session(100, 0), kTestSession, -1));
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text,
              "Congratulations, you have mastered your basic math facts!!");
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, platform::MbIcon::Information);
    EXPECT_EQ(student.GetLevel(), 1);
    EXPECT_EQ(student.GetTestsPassed(), 0);
    EXPECT_EQ(student.GetSession(2).level, 5);
    EXPECT_EQ(student.GetSession(2).testsPassedBefore, 2);

    CStudent reloaded;
    ASSERT_TRUE(reloaded.Load("Bo"));
    EXPECT_EQ(reloaded.GetLevel(), 1);
    EXPECT_EQ(reloaded.GetSession(2).level, 5);
}

TEST_F(StudentTest, TrainingNeverChangesTheLevel) {
    WriteBo(1, 2);
    ASSERT_TRUE(student.Load("Bo"));
    ASSERT_TRUE(student.AddSession(Session(40, 0), kTrainingSession, kDivision));
    EXPECT_EQ(student.GetLevel(), 1);
    EXPECT_EQ(student.GetTestsPassed(), 2);
    EXPECT_EQ(student.GetSession(2).level, kDivision);
    EXPECT_EQ(student.GetSession(2).type, kTrainingSession);
}

TEST_F(StudentTest, ReviewSessionRecordsTheListAndTheTimeNow) {
    WriteBo(4, 1);
    ASSERT_TRUE(student.Load("Bo"));
    fakes.clock.seconds = kStart + 600;
    ASSERT_TRUE(student.AddReviewSession(12, 30, 0, 415));
    EXPECT_EQ(HistoryInFile(), Join({U32(3), history[0], history[1],
                                     SessionBytes({.time = kStart + 600,
                                                   .correct = 0xFFFF,
                                                   .answered = 0xFFFF,
                                                   .level = 4,
                                                   .testsPassedBefore = 1,
                                                   .duration = 415,
                                                   .mistakesAtStart = 12,
                                                   .completed = 30,
                                                   .type = 3})}));
}

TEST_F(StudentTest, UpdateInfoKeepsEverySessionAndTheClassKey) {
    WriteBo(2, 1);
    ASSERT_TRUE(student.Load("Bo"));
    student.SetLevel(4);
    student.SetTestsPassed(2);
    ASSERT_TRUE(student.UpdateInfo("Mango"));
    EXPECT_EQ(ReadFile(DataPath("Bo.nfo")), StudentFile("Mango", 4, 2, history));
    EXPECT_EQ(student.GetPassword(), "Kiwi") << "read again at the next load";
}

TEST_F(StudentTest, UnwritableRecordKeepsTheLevelChangeInMemoryOnly) {
    WriteBo(1, 2);
    ASSERT_TRUE(student.Load("Bo"));
    std::filesystem::remove(DataPath("Bo.nfo"));
    EXPECT_FALSE(student.AddSession(Session(100, 0), kTestSession, -1));
    EXPECT_EQ(student.GetLevel(), 2);
    EXPECT_EQ(student.GetSessionCount(), 2);
    EXPECT_FALSE(platform::FileExists(DataPath("Bo.nfo")));
}

TEST_F(StudentTest, LongHistoriesAreKeptWhole) {
    history.assign(150, SessionBytes({.time = 5, .type = 2}));
    WriteBo(1, 0);
    ASSERT_TRUE(student.Load("Bo"));
    EXPECT_EQ(student.GetSessionCount(), 150);
    ASSERT_TRUE(student.AddSession(Session(10, 0), kTrainingSession, 1));
    CStudent reloaded;
    ASSERT_TRUE(reloaded.Load("Bo"));
    EXPECT_EQ(reloaded.GetSessionCount(), 151);
    EXPECT_EQ(reloaded.GetSession(150).time, kStart);
}

TEST_F(StudentTest, ReviewDueFollowsTheOptionFileWhileMistakesAreListed) {
    WriteBo(1, 0);
    ASSERT_TRUE(student.Load("Bo"));
    student.SetReviewDue(true);
    EXPECT_EQ(ReadFile(DataPath("Bo.opt")), Bytes{1});
    EXPECT_FALSE(student.IsReviewDue()) << "nothing to review";
    EXPECT_EQ(ReadFile(DataPath("Bo.opt")), Bytes{0});

    WriteFile(DataPath("Bo.mtk"), ProblemBytes(7, 5, 1, 11, 12, 1, 0));
    student.SetReviewDue(true);
    EXPECT_TRUE(student.IsReviewDue());

    std::filesystem::remove(DataPath("Bo.opt"));
    std::filesystem::create_directory(DataPath("Bo.opt"));
    EXPECT_FALSE(student.IsReviewDue());
    EXPECT_THAT(ErrorRecords(), ElementsAre(EndsWith(" : Failed to open optional data file")));
}
