#include "GuiTestSupport.h"
#include "SessionRecords.h"
#include "StudentSupport.h"
#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "gui/common/DebugAnswerFile.h"
#include "gui/common/ScreenColours.h"
#include "gui/controls/CMistakeListCtl.h"
#include "gui/controls/SpokenText.h"
#include "gui/testing/CTestingWnd.h"
#include "platform/Files.h"

#include <filesystem>

using namespace guitest;

using platform::MbIcon;

namespace {

constexpr const char* kStudent = "Mary Ann Smith";

class TestingWindowTest : public WindowTest<CTestingWnd> {
protected:
    TestingWindowTest() { WriteTestFile(fakes, "addition.txt", OneDigitFacts('+')); }

    void Open(int level) {
        SignInStudent(kStudent, level, 0);
        window = new CTestingWnd(home);
    }

    void Begin() { guitest::Click(window->Button(CTestingWnd::kBegin)); }

    Problem Current() const { return window->Test().GetProblem(window->CurrentIndex()); }

    void AnswerRight(int count) {
        for (int i = 0; i < count; ++i) {
            Answer(Current().correctAnswer);
        }
    }

    std::vector<SessionRecord> Sessions() const { return StoredSessions(kStudent); }

    // Pixels of the card area in the colour entered answers are drawn in.
    int AnswerInkInCardArea() {
        return CountColour(Snapshot(*window), window->Layout().cardArea.ToQRect(),
                           kTestAnswerColour);
    }

    // The test that began at `begin` runs out at the first tick once strictly more than `limit`
    // ms have passed, plus the row pauses so far.
    void ExpectTimeLimit(std::uint32_t begin, std::uint32_t limit, int rowPauses = 0) {
        const std::uint32_t end = begin + limit + static_cast<std::uint32_t>(rowPauses) * 500;
        Wait(end - fakes.clock.tick);
        EXPECT_TRUE(window->IsRunning());
        Wait(CTestingWnd::kTimerPeriodMs);
        EXPECT_FALSE(window->IsRunning());
    }

    void HoldDigit(int digit) {
        fakes.keyboard.digits.clear();
        fakes.keyboard.digits[digit] = {.down = true, .pressedSinceLastPoll = true};
    }

    // The test has ended with these counts: said, recorded, applauded and counted when passed.
    void ExpectEnded(int correct, int missed, int answered, bool passed) {
        EXPECT_FALSE(window->IsRunning());
        EXPECT_EQ(std::pair(window->Correct(), window->Missed()), std::pair(correct, missed));
        EXPECT_EQ(window->Status()->accessibleName(),
                  QStringLiteral("Correct: %1. Missed: %2. You %3 this test.")
                      .arg(QString::number(correct), QString::number(missed),
                           passed ? "passed" : "did not pass"));
        EXPECT_EQ(Played("applauselong.wav"), passed ? 1 : 0);
        EXPECT_EQ(GetCurrentStudent().GetTestsPassed(), passed ? 1 : 0);
        ASSERT_FALSE(Sessions().empty());
        const SessionRecord recorded = Sessions().back();
        EXPECT_EQ(std::pair(+recorded.correctCount, +recorded.answeredCount),
                  std::pair(correct, answered));
    }

    std::size_t FirstTriesWritten() const {
        return data::ReadFluencyFile(CUserManager::GetFluencyFilePath(kStudent))
            .fluency.Facts()
            .size();
    }
};

} // namespace

// 50 multiplications, then 50 additions, in the order the test shuffles them. An answer still on
// its way when the test ended belongs to no problem.
TEST_F(TestingWindowTest, PerfectTestSwitchesPadLayoutsApplaudsAndIsRecordedByteForByte) {
    std::vector<std::string> mixed = OneDigitFacts('x');
    mixed.resize(50);
    const std::vector<std::string> additions = OneDigitFacts('+');
    mixed.insert(mixed.end(), additions.begin(), additions.begin() + 50);
    WriteTestFile(fakes, "mixed.txt", mixed);
    Open(kMixed);
    EXPECT_FALSE(window->NumberPad()->isVisible());
    HoldDigit(3); // without "-debug" a held digit changes nothing
    Begin();
    ASSERT_TRUE(window->IsRunning());
    EXPECT_EQ(window->Remaining(), 100);
    EXPECT_FALSE(window->Button(CTestingWnd::kBegin)->isEnabled());

    int backToStandard = 0;
    int typedDigits = 0;
    for (int i = 0; i < 100; ++i) {
        const bool times = Current().operation == kTimes;
        typedDigits += times ? static_cast<int>(std::to_string(Current().correctAnswer).size()) : 0;
        CNumberPadCtl* pad = window->NumberPad();
        ASSERT_EQ(pad->GetLayout(),
                  times ? CNumberPadCtl::kMultiplicationLayout : CNumberPadCtl::kStandardLayout)
            << "problem " << i;
        ASSERT_TRUE(pad->isVisible() && pad->isEnabled());
        ASSERT_EQ(pad->GetDisplay()->isVisible(), times);
        ASSERT_TRUE(
            window->Layout().cardArea.ToQRect().contains(pad->GetDisplay()->geometry().center()));
        EXPECT_EQ(Played("applauselong.wav"), 0);
        // A screen reader hears the card in words, with the count left, from the focused card.
        ASSERT_EQ(window->focusWidget(), &window->Card());
        ASSERT_EQ(window->Card().accessibleName(),
                  QStringLiteral("%1 %2 %3")
                      .arg(QString::number(Current().firstOperand), times ? "times" : "plus",
                           QString::number(Current().secondOperand)));
        ASSERT_EQ(window->Card().accessibleDescription(),
                  QStringLiteral("Remaining: %1").arg(100 - i));
        Answer(Current().correctAnswer);
        backToStandard += times && window->IsRunning() && Current().operation == kPlus ? 1 : 0;
    }
    EXPECT_GT(backToStandard, 0) << "a multiplication followed by an addition";
    emit window->NumberPad()->answerPosted(5);
    QCoreApplication::sendPostedEvents();

    ExpectEnded(100, 0, 100, true);
    EXPECT_EQ(window->focusWidget(), window->Status());
    EXPECT_FALSE(window->Card().isVisible());
    EXPECT_EQ(Played("type.wav"), 100 + typedDigits) << "each answer, and each typed digit";
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(fakes.Path("/testAnswers.dat")));
    EXPECT_FALSE(window->NumberPad()->isVisible());
    EXPECT_TRUE(window->Button(CTestingWnd::kBegin)->isEnabled());
    data::StudentRecord expected = NewStudentRecord(kMixed, 1);
    expected.sessions.push_back(testrecords::TestRecord(
        100, 100, kMixed, 0, static_cast<std::uint32_t>(fakes.clock.seconds)));
    EXPECT_EQ(platform::ReadFileBytes(CUserManager::GetInfoFilePath(kStudent)),
              data::SerializeStudentRecord(expected));
    EXPECT_EQ(Logged("Failed to open "), 0) << "every picture of the window and both pads";
}

TEST_F(TestingWindowTest, RowsPauseWithoutShorteningTheLimitAndATimeOutFailsWithoutApplause) {
    Open(kAddition);
    Begin();
    const std::uint32_t begin = fakes.clock.tick;
    AnswerRight(6);
    EXPECT_EQ(fakes.clock.sleptMilliseconds, 0u);
    const int sixAnswers = AnswerInkInCardArea();
    EXPECT_GT(sixAnswers, 0) << "six answered cards";
    std::vector<int> inkDuringPauses;
    fakes.clock.onSleep = [&](std::uint32_t) {
        inkDuringPauses.push_back(AnswerInkInCardArea());
    };
    AnswerRight(1);
    EXPECT_EQ(fakes.clock.sleptMilliseconds, 500u);
    ASSERT_EQ(inkDuringPauses.size(), 1u);
    EXPECT_GT(inkDuringPauses[0], sixAnswers) << "the whole row, the seventh answer too";
    EXPECT_EQ(AnswerInkInCardArea(), 0) << "a fresh row of unanswered cards";

    AnswerRight(73);
    for (const int ink : inkDuringPauses) {
        EXPECT_GT(ink, 0) << "no pause shows an unanswered row";
    }
    ExpectTimeLimit(begin, 330'000, 11);
    ExpectEnded(80, 0, 80, false);
    EXPECT_EQ(Sessions().size(), 1u);
}

// "-debug" with a digit held at Begin: a whole test at once, the last <digit> problems
// unanswered, whatever was typed; and the keys of every problem in "testAnswers.dat".
TEST_F(TestingWindowTest, DebugShortcutRecordsAWholeTestAndTheAnswerFileNamesEveryKey) {
    fakes.process.arguments = " -debug";
    std::vector<std::string> facts = OneDigitFacts('+');
    facts[0] = "7 x 8";
    WriteTestFile(fakes, "mixed.txt", facts);
    Open(kMixed);
    HoldDigit(3);
    TypeKeys(window, "2");
    Begin();

    ExpectEnded(97, 3, 97, false);
    EXPECT_EQ(Boxes(fakes), (std::vector<Box>{{"Added a test.", MbIcon::Information, "Debug"}}));
    std::string expected;
    for (int i = 0; i < window->Test().GetCount(); ++i) {
        expected += AnswerKeyPresses(window->Test().GetProblem(i)) + "\r\n";
    }
    EXPECT_NE(expected.find("5,6,E"), std::string::npos) << "7 x 8 among them";
    EXPECT_EQ(ReadFile(fakes, "/testAnswers.dat"), expected);

    HoldDigit(0); // Begin again: a new test with nothing unanswered
    Begin();
    ExpectEnded(100, 0, 100, true);
}

// Each answer is a first try timed from its card being ready; the row pause is not the child's.
// The Division level takes ninety division facts in six minutes.
TEST_F(TestingWindowTest, AnswersAreFirstTriesTimedFromTheirCardAndWrittenWhenTheTestEnds) {
    using data::Fluency;
    WriteTestFile(fakes, "division.txt", OneDigitFacts('/'));
    Open(kDivision);
    Begin();
    const std::uint32_t begin = fakes.clock.tick;
    EXPECT_EQ(window->Remaining(), 90);
    EXPECT_EQ(Current().operation, kDividedBy);
    std::vector<std::pair<Problem, Fluency>> expected;
    const auto answerAfter = [&](std::uint32_t ms, bool right, Fluency fluency) {
        Wait(ms);
        expected.emplace_back(Current(), fluency);
        Answer(right ? Current().correctAnswer : Current().correctAnswer + 1);
    };
    answerAfter(2000, true, Fluency::Fluent);
    answerAfter(4000, true, Fluency::Slow);
    answerAfter(1000, false, Fluency::Missed);
    AnswerRight(4);
    answerAfter(3000, true, Fluency::Fluent); // the first of row 2, after the pause
    EXPECT_FALSE(platform::FileExists(CUserManager::GetFluencyFilePath(kStudent)))
        << "written when the test ends, not at every answer";

    ExpectTimeLimit(begin, 360'000, 1);
    for (const auto& [fact, fluency] : expected) {
        EXPECT_EQ(WrittenFluencyOf(kStudent, fact), fluency) << ProblemText(fact).toStdString();
    }
    EXPECT_EQ(FirstTriesWritten(), 8u) << "only the cards answered";
}

// Before Begin the keys are locked: typing posts nothing and leaves nothing for the first card;
// after it typed answers count. Home then records no test but keeps the mistakes reported and
// the first tries.
TEST_F(TestingWindowTest, TypingCountsOnlyAfterBeginAndHomeKeepsTheMistakesButNoSession) {
    Open(kAddition);
    TypeKeys(window, "12\n");
    Begin();
    EXPECT_EQ(window->Remaining(), 100);
    EXPECT_EQ(window->NumberPad()->GetDisplay()->text(), "");
    TypeKeys(window, "\n");
    EXPECT_EQ(window->Remaining(), 100) << "nothing typed, nothing sent";
    EXPECT_EQ(Played("type.wav"), 0);
    TypeAnswer(window, Current().correctAnswer);
    TypeAnswer(window, Current().correctAnswer + 1);
    Answer(Current().correctAnswer == 0 ? 1 : 0);
    EXPECT_EQ(std::tuple(window->Correct(), window->Missed(), window->Remaining()),
              std::tuple(1, 2, 97));

    guitest::Click(window->Button(CTestingWnd::kHome));
    CloseDeleted();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(std::pair(home.shows, Played("navigate.wav")), std::pair(1, 1));
    EXPECT_TRUE(Sessions().empty());
    EXPECT_EQ(GetCurrentStudent().GetMistakeCount(), 2);
    EXPECT_EQ(FirstTriesWritten(), 3u) << "the first tries so far";
}

// A missing test file starts no test and says so; a review due at Begin closes the window and
// hands over.
TEST_F(TestingWindowTest, AMissingTestFileOrADueReviewStartsNoTest) {
    Open(kAddition);
    std::filesystem::remove(fakes.Path("/Test Data/addition.txt"));
    Begin();
    EXPECT_FALSE(window->IsRunning());
    EXPECT_EQ(window->Remaining(), -1);
    EXPECT_EQ(Logged("Failed to load test #1"), 1);
    for (int a = 0; a < 10; ++a) {
        GetCurrentStudent().AddMistake(Mistake(a, '+', 1));
    }
    Begin();
    EXPECT_EQ(Boxes(fakes),
              (std::vector<Box>{{"Please contact the system administrator.", MbIcon::Stop},
                                {"Time to review your mistakes.", MbIcon::Information}}));
    ExpectReviewTookOver();
    EXPECT_TRUE(Sessions().empty());
}
