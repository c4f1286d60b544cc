#include "DataTestSupport.h"

#include <sys/stat.h>

namespace {

constexpr std::uint32_t kStart = 1'600'000'000;

class StudentTest : public DataTest {
protected:
    // Bo loaded from a fresh record with the history below and an empty mistake list.
    CStudent& LoadBo(std::uint32_t level = 1, std::uint32_t testsPassed = 0) {
        WriteStudent("Bo", StudentFile("Kiwi", level, testsPassed, history));
        EXPECT_TRUE(student.Load("Bo"));
        return student;
    }

    // A session of `count` problems, all answered, `wrong` of them wrongly.
    CTestData Session(int count, int wrong) {
        fakes.clock.seconds = kStart;
        CTestData session;
        for (int i = 0; i < count; ++i) {
            session.SetProblem(i, Fact(2, 3));
            session.SetAnswer(i, i < wrong ? 4 : 5);
        }
        session.SetDuration(240);
        session.SetGoal(30);
        return session;
    }

    Bytes ListFile() { return ReadFile(DataPath("Bo.mtk")); }
    bool FlagSet() { return ReadFile(DataPath("Bo.opt")) == Bytes{1}; }

    std::vector<Bytes> history = {SessionBytes(11, {90, 100, 1}, kTestSession),
                                  SessionBytes(22, {20, 25, 3}, kTrainingSession)};
    CStudent student;
};

// The mistake list of Bo, loaded at level 1; it starts empty.
class MistakeListTest : public StudentTest {
protected:
    MistakeListTest() { LoadBo(); }
};

// The stored bytes of a listed a + b.
Bytes Listed(int a, int b, int entered, int missCount, int streak) {
    return ProblemBytes(a, b, kPlus, entered, a + b, missCount, streak);
}

} // namespace

TEST_F(StudentTest, LoadReadsWhatIsWholeTakesBackATmpCopyAndLogsWhatItCannotGive) {
    LoadBo(3, 2);
    EXPECT_EQ(std::tuple(student.GetName(), student.GetPassword(), student.GetLevelName(),
                         student.GetTestsPassed(), student.GetSession(1).time),
              std::tuple("Bo", "Kiwi", "Multiplication", 2, 22u));
    for (const int index : {-1, 2}) {
        EXPECT_EQ(student.GetSession(index),
                  (SessionRecord{.correctCount = kNoValue, .answeredCount = kNoValue}));
    }
    EXPECT_FALSE(student.Load("Nobody"));
    EXPECT_EQ(student.GetName(), "Bo") << "a failed load keeps what was loaded";
    EXPECT_THAT(ErrorRecords(),
                ElementsAre(testing::MatchesRegex("Cstudent Line [0-9]+ : Attempted to retrieve an "
                                                  "invalid test\\."),
                            EndsWith(" : Attempted to retrieve an invalid test."),
                            EndsWith(" : Could not open " + DataPath("Nobody.nfo"))));

    std::filesystem::remove(DataPath("Bo.nfo"));
    WriteFile(DataPath("Bo.nfotmp"), StudentFile("Kiwi", 2, 1));
    ASSERT_TRUE(student.Load("Bo"));
    EXPECT_TRUE(platform::FileExists(DataPath("Bo.nfo")));
    const Bytes whole = StudentFile("Kiwi", 2, 1, history);
    const auto sessionsLoaded = [&](const Bytes& record) {
        WriteStudent("Bo", record);
        return student.Load("Bo") ? student.GetSessionCount() : -1;
    };
    EXPECT_EQ(sessionsLoaded(Bytes(whole.begin(), whole.end() - 5)), 1) << "the second is cut";
    EXPECT_EQ(sessionsLoaded(StudentFile("Kiwi", 2, 1, history, 0x7FFFFFFF)), 2);
    EXPECT_EQ(sessionsLoaded(Bytes(whole.begin(), whole.begin() + 30)), -1);
}

TEST_F(StudentTest, LoadLeavesAnOptionFileOfExactlyOneByteAndPurgesEmptyMistakes) {
    const std::string option = DataPath("Bo.opt");
    // Missing, empty, two bytes (read-only too) and one byte, which is kept.
    for (const auto& [before, after] : std::vector<std::pair<std::optional<Bytes>, Bytes>>{
             {std::nullopt, {0}}, {Bytes{}, {0}}, {Bytes{1, 1}, {0}}, {Bytes{1}, {1}}}) {
        std::filesystem::remove(option);
        if (before) {
            WriteFile(option, *before);
            ::chmod(option.c_str(), 0444);
        }
        LoadBo();
        EXPECT_EQ(ReadFile(option), after);
    }

    const Bytes empty = ProblemBytes(-1, -1, 0, -1, -1, -1, -1);
    const Bytes sevenPlusFive = ProblemBytes(7, 5, 1, 11, 12, 1, 0);
    const Bytes threeTimesThree = ProblemBytes(3, 3, 3, 6, 9, 2, 1);
    WriteFile(DataPath("Bo.mtk"), Join({empty, sevenPlusFive, empty, threeTimesThree}));
    ASSERT_TRUE(student.Load("Bo"));
    EXPECT_EQ(ListFile(), Join({threeTimesThree, sevenPlusFive}));
    WriteFile(DataPath("Bo.mtk"), empty);
    std::filesystem::create_directory(platform::TemporaryPathFor(DataPath("Bo.mtk")));
    EXPECT_TRUE(student.Load("Bo")) << "a list that cannot be rewritten is only logged";
    EXPECT_THAT(ErrorRecords(), ElementsAre(EndsWith(" : Failed to open the mistake file!")));
}

// Every session is added whole to the history, with the level, the class key and the reserved
// values kept; a new password keeps them too.
TEST_F(StudentTest, EverySessionIsAddedToTheRecordAndOnlyAThirdPerfectTestRaisesTheLevel) {
    ASSERT_TRUE(LoadBo(2, 1).AddSession(Session(100, 1), kTestSession, -1));
    history.push_back(SessionBytes(kStart, {99, 100, 2, 1, 240, 0, 0, 0, 0, 30}, kTestSession));
    fakes.clock.seconds = kStart + 600;
    ASSERT_TRUE(student.AddReviewSession(12, 30, 0, 415));
    history.push_back(SessionBytes(kStart + 600, {-1, -1, 2, 1, 415, 0, 12, 30}, kReviewSession));
    EXPECT_EQ(ReadFile(DataPath("Bo.nfo")), StudentFile("Kiwi", 2, 1, history));
    student.SetLevel(5);
    student.SetTestsPassed(2);
    ASSERT_TRUE(student.UpdateInfo("Mango"));
    EXPECT_EQ(ReadFile(DataPath("Bo.nfo")), StudentFile("Mango", 5, 2, history));

    ASSERT_TRUE(LoadBo(2, 1).AddSession(Session(100, 0), kTrainingSession, kDivision));
    const SessionRecord training = student.GetSession(student.GetSessionCount() - 1);
    EXPECT_EQ(std::tuple(training.level, training.type), std::tuple(kDivision, 2u));
    for (const auto& after : {std::pair(2, 1), std::pair(2, 2), std::pair(3, 0)}) {
        EXPECT_EQ(std::pair(student.GetLevel(), student.GetTestsPassed()), after);
        ASSERT_TRUE(student.AddSession(Session(100, 0), kTestSession, -1));
    }
    EXPECT_THAT(fakes.messageBoxes.shown, IsEmpty());

    history.assign(150, SessionBytes(5, {}, kTrainingSession));
    ASSERT_TRUE(LoadBo().AddSession(Session(10, 0), kTrainingSession, 1));
    EXPECT_EQ(LoadedStudent("Bo")->GetSessionCount(), 151) << "a long history is kept whole";
    std::filesystem::remove(DataPath("Bo.nfo"));
    EXPECT_FALSE(student.AddSession(Session(100, 0), kTestSession, -1));
    EXPECT_FALSE(platform::FileExists(DataPath("Bo.nfo"))) << "a deleted record stays deleted";
}

TEST_F(StudentTest, PassingMixedCongratulatesAndStartsAgainAtAdditionButRecordsLevelFive) {
    ASSERT_TRUE(LoadBo(5, 2).AddSession(Session(100, 0), kTestSession, -1));
    ASSERT_THAT(fakes.messageBoxes.Texts(),
                ElementsAre("Congratulations, you have mastered your basic math facts!!"));
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, platform::MbIcon::Information);
    const CStudent reloaded = *LoadedStudent("Bo");
    EXPECT_EQ(std::tuple(reloaded.GetLevel(), reloaded.GetTestsPassed(),
                         reloaded.GetSession(2).level, reloaded.GetSession(2).testsPassedBefore),
              std::tuple(1, 0, kMixed, 2));
}

TEST_F(MistakeListTest, AFactIsListedOnceCountingItsMissesAndThreeRightAnswersInARowRemoveIt) {
    student.AddMistake(Fact(7, 5, kPlus, 11));
    student.AddMistake(Fact(7, 5, kPlus, 13)); // the same fact: answers do not count
    student.AddMistake(Fact(2, 2, kPlus, 5));
    EXPECT_EQ(ListFile(), Join({Listed(7, 5, 11, 2, 0), Listed(2, 2, 5, 1, 0)}));
    EXPECT_FALSE(student.IsMistake(Fact(5, 7)));
    student.AddMistake(Fact(0, 1, kTimes));
    EXPECT_FALSE(student.IsMistake(Fact(0, 2, kTimes))) << "the same answer, another fact";
    student.RemoveMistake(Fact(0, 1, kTimes));
    student.RecordCorrectAnswer(Fact(7, 5));
    student.RecordCorrectAnswer(Fact(7, 5));
    EXPECT_EQ(ListFile(), Join({Listed(7, 5, 11, 2, 2), Listed(2, 2, 5, 1, 0)}));
    student.AddMistake(Fact(7, 5));
    EXPECT_EQ(ListFile(), Join({Listed(7, 5, 11, 3, 0), Listed(2, 2, 5, 1, 0)}))
        << "a miss starts the streak again";
    student.RecordCorrectAnswer(Fact(7, 5));
    student.RecordCorrectAnswer(Fact(7, 5));
    student.RecordCorrectAnswer(Fact(3, 3)); // not listed: nothing changes
    EXPECT_TRUE(student.IsMistake(Fact(7, 5)));
    student.RecordCorrectAnswer(Fact(7, 5));
    EXPECT_EQ(ListFile(), Listed(2, 2, 5, 1, 0));
    EXPECT_EQ(student.GetMistakeCount(), 1);
}

TEST_F(MistakeListTest, TenFactsMakeAReviewDueAndOnlyAnEmptyListClearsIt) {
    for (int a = 0; a < 9; ++a) {
        student.AddMistake(Fact(a, 1));
    }
    EXPECT_FALSE(FlagSet());
    student.AddMistake(Fact(9, 1));
    EXPECT_TRUE(FlagSet());
    student.RemoveMistake(Fact(9, 1));
    EXPECT_TRUE(student.IsReviewDue()) << "nine facts keep the review due";
    for (int a = 0; a < 8; ++a) {
        student.RemoveMistake(Fact(a, 1));
    }
    EXPECT_TRUE(FlagSet());
    for (int right = 0; right < 3; ++right) {
        student.RecordCorrectAnswer(Fact(8, 1));
    }
    EXPECT_FALSE(FlagSet());
    student.SetReviewDue(true);
    EXPECT_FALSE(student.IsReviewDue()) << "nothing to review";
    EXPECT_FALSE(FlagSet());

    student.AddMistake(Fact(9, 1));
    student.SetReviewDue(true);
    EXPECT_TRUE(student.IsReviewDue());
    std::filesystem::remove(DataPath("Bo.opt"));
    std::filesystem::create_directory(DataPath("Bo.opt"));
    EXPECT_FALSE(student.IsReviewDue());
    EXPECT_THAT(ErrorRecords(), ElementsAre(EndsWith(" : Failed to open optional data file")));
}

TEST_F(MistakeListTest, AMissOrARemovalChangesOnlyTheFirstOfTwoEqualFacts) {
    WriteFile(DataPath("Bo.mtk"), Join({Listed(6, 1, 0, 4, 1), Listed(6, 1, 4, 5, 2)}));
    student.AddMistake(Fact(6, 1));
    EXPECT_EQ(ListFile(), Join({Listed(6, 1, 0, 5, 0), Listed(6, 1, 4, 5, 2)}));
    student.RemoveMistake(Fact(6, 1));
    EXPECT_EQ(ListFile(), Listed(6, 1, 4, 5, 2));
}

// A list is read up to its last whole fact, written whole however long or read-only it is, and
// one that is missing or cannot be read is logged.
TEST_F(MistakeListTest, ListsAreReadAndWrittenWholeAndOnesThatCannotBeReadAreLogged) {
    WriteFile(DataPath("Bo.mtk"), Join({Listed(1, 2, 0, 1, 0), Listed(3, 4, 0, 1, 0), {0x07}}));
    EXPECT_EQ(student.GetMistakeCount(), 2) << "33 bytes";
    EXPECT_EQ(student.GetMistake(1), (Problem{3, 4, kPlus, 0, 7, 1, 0}));
    EXPECT_EQ(student.GetMistake(2), Problem{});
    EXPECT_EQ(student.GetMistake(-1), Problem{});

    std::filesystem::remove(DataPath("Bo.mtk"));
    EXPECT_EQ(student.GetMistakeCount(), 0);
    std::filesystem::create_directory(DataPath("Bo.mtk"));
    student.AddMistake(Fact(1, 1));
    EXPECT_EQ(student.GetMistake(0), Problem{});
    EXPECT_THAT(ErrorRecords(), ElementsAre(EndsWith(" : Mistake file does not appear to exist."),
                                            EndsWith(" : Failed to open the mistake file!"),
                                            EndsWith(" : Failed to open the mistake file!")));
    EXPECT_FALSE(FlagSet()) << "nothing was added, so no review is due";

    Bytes list;
    for (int a = 0; a < 600; ++a) {
        list = Join({list, Listed(a, 1, 0, 1, 0)});
    }
    std::filesystem::remove(DataPath("Bo.mtk"));
    WriteFile(DataPath("Bo.mtk"), list);
    ::chmod(DataPath("Bo.mtk").c_str(), 0444);
    student.AddMistake(Fact(600, 1, kPlus, 0));
    EXPECT_EQ(ListFile(), Join({list, Listed(600, 1, 0, 1, 0)}));
}
