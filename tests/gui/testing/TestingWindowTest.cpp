#include "GuiTestSupport.h"
#include "SessionRecords.h"
#include "StudentSupport.h"
#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "gui/common/DebugAnswerFile.h"
#include "gui/common/ScreenColours.h"
#include "gui/controls/CMistakeListCtl.h"
#include "gui/controls/SpokenText.h"
#include "gui/review/CMistakeReviewWnd.h"
#include "gui/testing/CTestingWnd.h"
#include "platform/Files.h"

#include <filesystem>

using platform::MbIcon;

namespace {

constexpr const char* kStudent = "Mary Ann Smith";

using guitest::OneDigitFacts;

class TestingWindowTest : public guitest::WindowTest<CTestingWnd> {
protected:
    TestingWindowTest() { WriteTestFile("addition.txt", OneDigitFacts('+')); }

    void WriteTestFile(const std::string& name, const std::vector<std::string>& lines) {
        guitest::WriteTestFile(fakes, name, lines);
    }

    void Open(int level) {
        guitest::SignInStudent(kStudent, level, 0);
        window = new CTestingWnd(home);
    }

    void Begin() { guitest::Click(window->Button(CTestingWnd::kBegin)); }

    Problem Current() const { return window->Test().GetProblem(window->CurrentIndex()); }

    void AnswerRight(int count) {
        for (int i = 0; i < count; ++i) {
            Answer(Current().correctAnswer);
        }
    }

    std::vector<std::uint8_t> StudentFile() const {
        return platform::ReadFileBytes(CUserManager::GetInfoFilePath(kStudent)).value();
    }

    std::vector<SessionRecord> Sessions() const {
        return data::ParseStudentRecord(StudentFile())->sessions;
    }

    // Pixels of the card area in the colour entered answers are drawn in.
    int AnswerInkInCardArea() {
        return guitest::CountColour(guitest::Snapshot(*window), window->Layout().cardArea.ToQRect(),
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
};

} // namespace

// 50 multiplications, then 50 additions, in the order the test shuffles them.
TEST_F(TestingWindowTest, PerfectTestSwitchesPadLayoutsApplaudsAndIsRecordedByteForByte) {
    std::vector<std::string> mixed = OneDigitFacts('x');
    mixed.resize(50);
    const std::vector<std::string> additions = OneDigitFacts('+');
    mixed.insert(mixed.end(), additions.begin(), additions.begin() + 50);
    WriteTestFile("mixed.txt", mixed);
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
        const QPoint displayCentre = pad->GetDisplay()->geometry().center();
        ASSERT_TRUE(window->Layout().cardArea.ToQRect().contains(displayCentre));
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
    // An answer still on its way when the test ended belongs to no problem.
    emit window->NumberPad()->answerPosted(5);
    QCoreApplication::sendPostedEvents();

    EXPECT_FALSE(window->IsRunning());
    EXPECT_EQ(window->Correct(), 100);
    EXPECT_EQ(window->Missed(), 0);
    EXPECT_EQ(window->focusWidget(), window->Status());
    EXPECT_EQ(window->Status()->accessibleName(), "Correct: 100. Missed: 0. You passed this test.");
    EXPECT_FALSE(window->Card().isVisible());
    EXPECT_EQ(Played("type.wav"), 100 + typedDigits) << "each answer, and each typed digit";
    EXPECT_EQ(Played("applauselong.wav"), 1);
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(fakes.Path("/testAnswers.dat")));
    EXPECT_FALSE(window->NumberPad()->isVisible());
    EXPECT_TRUE(window->Button(CTestingWnd::kBegin)->isEnabled());
    EXPECT_EQ(GetCurrentStudent().GetTestsPassed(), 1);
    data::StudentRecord expected = guitest::NewStudentRecord(kMixed, 1);
    expected.sessions.push_back(testrecords::TestRecord(
        100, 100, kMixed, 0, static_cast<std::uint32_t>(fakes.clock.seconds)));
    EXPECT_EQ(StudentFile(), data::SerializeStudentRecord(expected));
    EXPECT_EQ(guitest::CountRecords(guitest::ReadErrorLog(fakes), "Failed to open "), 0)
        << "every picture of the window and both pads";
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
    EXPECT_EQ(window->Correct(), 80);
    EXPECT_EQ(window->Missed(), 0);
    EXPECT_EQ(window->Status()->accessibleName(),
              "Correct: 80. Missed: 0. You did not pass this test.");
    EXPECT_EQ(Played("applauselong.wav"), 0);
    EXPECT_EQ(GetCurrentStudent().GetTestsPassed(), 0);
    ASSERT_EQ(Sessions().size(), 1u);
    EXPECT_EQ(Sessions()[0].correctCount, 80);
    EXPECT_EQ(Sessions()[0].answeredCount, 80);
}

TEST_F(TestingWindowTest, DivisionLevelTakesNinetyDivisionFactsInSixMinutes) {
    WriteTestFile("division.txt", OneDigitFacts('/'));
    Open(kDivision);
    Begin();

    EXPECT_EQ(window->Remaining(), 90);
    EXPECT_EQ(Current().operation, kDividedBy);
    ExpectTimeLimit(fakes.clock.tick, 360'000);
}

// "-debug" with a digit held at Begin: a whole test at once, the last <digit> problems
// unanswered; and the keys of every problem in "testAnswers.dat".
TEST_F(TestingWindowTest, DebugShortcutRecordsAWholeTestAndTheAnswerFileNamesEveryKey) {
    fakes.process.arguments = " -debug";
    std::vector<std::string> facts = OneDigitFacts('+');
    facts[0] = "7 x 8";
    WriteTestFile("mixed.txt", facts);
    Open(kMixed);
    HoldDigit(3);
    Begin();

    EXPECT_FALSE(window->IsRunning());
    EXPECT_EQ(window->Correct(), 97);
    EXPECT_EQ(window->Missed(), 3);
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text, "Added a test.");
    EXPECT_EQ(fakes.messageBoxes.shown[0].title, "Debug");
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::Information);
    ASSERT_EQ(Sessions().size(), 1u);
    EXPECT_EQ(Sessions()[0].answeredCount, 97);
    EXPECT_EQ(GetCurrentStudent().GetTestsPassed(), 0);
    std::string expected;
    for (int i = 0; i < window->Test().GetCount(); ++i) {
        expected += AnswerKeyPresses(window->Test().GetProblem(i)) + "\r\n";
    }
    EXPECT_NE(expected.find("5,6,E"), std::string::npos) << "7 x 8 among them";
    EXPECT_EQ(guitest::ReadFile(fakes, "/testAnswers.dat"), expected);

    HoldDigit(0); // Begin again: a new test with nothing unanswered
    Begin();
    EXPECT_EQ(window->Correct(), 100);
    EXPECT_EQ(Played("applauselong.wav"), 1);
    EXPECT_EQ(GetCurrentStudent().GetTestsPassed(), 1);
}

// Each answer is a first try timed from its card being ready; the row pause is not the child's.
TEST_F(TestingWindowTest, AnswersAreFirstTriesTimedFromTheirCardAndWrittenWhenTheTestEnds) {
    using data::Fluency;
    Open(kAddition);
    Begin();
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

    Wait(330'000);
    ASSERT_FALSE(window->IsRunning());
    for (const auto& [fact, fluency] : expected) {
        EXPECT_EQ(guitest::WrittenFluencyOf(kStudent, fact), fluency)
            << ProblemText(fact).toStdString();
    }
    EXPECT_EQ(
        data::ReadFluencyFile(CUserManager::GetFluencyFilePath(kStudent)).fluency.Facts().size(),
        8u)
        << "only the cards answered";
}

TEST_F(TestingWindowTest, HomeDuringATestRecordsNoSessionButKeepsReportedMistakes) {
    Open(kAddition);
    Begin();
    for (int wrong = 0; wrong < 2; ++wrong) {
        Answer(Current().correctAnswer == 0 ? 1 : 0);
    }
    AnswerRight(1);
    guitest::Click(window->Button(CTestingWnd::kHome));
    CloseDeleted();

    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(home.shows, 1);
    EXPECT_EQ(Played("navigate.wav"), 1);
    EXPECT_TRUE(Sessions().empty());
    EXPECT_EQ(GetCurrentStudent().GetMistakeCount(), 2);
    EXPECT_EQ(
        data::ReadFluencyFile(CUserManager::GetFluencyFilePath(kStudent)).fluency.Facts().size(),
        3u)
        << "the first tries so far";
}

TEST_F(TestingWindowTest, DueReviewAtBeginClosesTheWindowAndHandsOver) {
    Open(kAddition);
    for (int a = 0; a < 10; ++a) {
        GetCurrentStudent().AddMistake(guitest::Mistake(a, '+', 1));
    }
    Begin();
    CloseDeleted();

    ASSERT_EQ(fakes.messageBoxes.Texts(),
              std::vector<std::string>{"Time to review your mistakes."});
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::Information);
    EXPECT_FALSE(fakes.messageBoxes.shown[0].title.has_value());
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(home.shows, 0) << "the review window shows it when it closes";
    const std::unique_ptr<CMistakeReviewWnd> review(guitest::FindTopLevel<CMistakeReviewWnd>());
    ASSERT_NE(review, nullptr) << "the hand-over";
    EXPECT_TRUE(review->isVisible());
    EXPECT_TRUE(Sessions().empty());
}

TEST_F(TestingWindowTest, AMissingTestFileStartsNoTestAndSaysSo) {
    Open(kAddition);
    std::filesystem::remove(fakes.Path("/Test Data/addition.txt"));
    Begin();
    EXPECT_FALSE(window->IsRunning());
    EXPECT_EQ(window->Remaining(), -1);
    ASSERT_EQ(fakes.messageBoxes.Texts(),
              std::vector<std::string>{"Please contact the system administrator."});
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::Stop);
    EXPECT_EQ(guitest::CountRecords(guitest::ReadErrorLog(fakes), "Failed to load test #1"), 1);
    EXPECT_TRUE(Sessions().empty());
}

// Before Begin the keys are locked: typing posts nothing and leaves nothing for the first card;
// after it typed answers count. The debug shortcut reads the held digit on its own.
TEST_F(TestingWindowTest, TypingCountsOnlyAfterBeginAndTheDebugShortcutStillWorks) {
    Open(kAddition);
    guitest::TypeKeys(window, "12\n");
    Begin();
    EXPECT_EQ(window->Remaining(), 100);
    EXPECT_EQ(window->NumberPad()->GetDisplay()->text(), "");
    guitest::TypeKeys(window, "\n");
    EXPECT_EQ(window->Remaining(), 100) << "nothing typed, nothing sent";
    EXPECT_EQ(Played("type.wav"), 0);
    guitest::TypeAnswer(window, Current().correctAnswer);
    guitest::TypeAnswer(window, Current().correctAnswer + 1);
    EXPECT_EQ(std::pair(window->Correct(), window->Missed()), std::pair(1, 1));
    EXPECT_EQ(window->Remaining(), 98);
    delete window.data();

    fakes.process.arguments = " -debug";
    Open(kAddition);
    HoldDigit(2);
    guitest::TypeKeys(window, "2");
    Begin();
    EXPECT_FALSE(window->IsRunning());
    EXPECT_EQ(window->Missed(), 2);
    ASSERT_EQ(Sessions().size(), 1u);
    EXPECT_EQ(Sessions()[0].answeredCount, 98);
}
