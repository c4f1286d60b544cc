#include "GuiTestSupport.h"
#include "StudentSupport.h"
#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "gui/CMistakeReviewWnd.h"
#include "gui/CNumberPadCtl.h"
#include "gui/CPictureButton.h"
#include "gui/CTestingWnd.h"
#include "gui/DebugAnswerFile.h"
#include "gui/HomeScreen.h"
#include "platform/Files.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimerEvent>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

using platform::MbIcon;

namespace {

constexpr const char* kStudent = "Mary Ann Smith";
constexpr int kEnterKey = 2000;
const std::string kTypeSound = "/Audio/type.wav";
const std::string kApplause = "/Audio/applauselong.wav";

class HomeStandIn : public IHomeScreen {
public:
    QWidget* Window() override { return &widget; }
    void ShowHome() override { ++shown; }
    void SignOut() override {}

    QWidget widget;
    int shown = 0;
};

// Every fact "a <op> b" with a and b from 0 to 9 (b from 1 for division, a the quotient).
std::vector<std::string> OneDigitFacts(char op) {
    std::vector<std::string> lines;
    for (int a = 0; a <= 9; ++a) {
        for (int b = op == '/' ? 1 : 0; b <= 9; ++b) {
            const int first = op == '/' ? a * b : a;
            lines.push_back(std::to_string(first) + " " + op + " " + std::to_string(b));
        }
    }
    return lines;
}

class TestingWindowTest : public testing::Test {
protected:
    TestingWindowTest() {
        fakes.display.current = {800, 600};
        guitest::LinkInstalledGraphics(fakes);
        std::filesystem::create_directories(fakes.Path("/Test Data"));
        WriteTestFile("addition.txt", OneDigitFacts('+'));
    }

    ~TestingWindowTest() override {
        delete window.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void WriteTestFile(const std::string& name, const std::vector<std::string>& lines) {
        std::ofstream file(fakes.Path("/Test Data/" + name), std::ios::binary);
        for (const std::string& line : lines) {
            file << line << "\r\n";
        }
    }

    void Open(int level, int testsPassed = 0) {
        guitest::SignInStudent(kStudent, level, testsPassed);
        window = new CTestingWnd(home);
    }

    void Click(CPictureButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::sendPostedEvents();
    }

    void Begin() { Click(window->Button(CTestingWnd::kBegin)); }

    CPictureButton* PadKey(int commandId) {
        for (CPictureButton* key : window->NumberPad()->findChildren<CPictureButton*>()) {
            if (key->CommandId() == commandId) {
                return key;
            }
        }
        throw std::runtime_error("no pad key " + std::to_string(commandId));
    }

    // Clicks `value` on the pad as a student would: one key, or digits and Enter.
    void Answer(int value) {
        if (window->NumberPad()->GetLayout() == CNumberPadCtl::kStandardLayout) {
            Click(PadKey(value + 1));
            return;
        }
        for (const char digit : std::to_string(value)) {
            QTest::mouseClick(PadKey(digit - '0' + 1), Qt::LeftButton);
        }
        Click(PadKey(kEnterKey));
    }

    Problem Current() const { return window->Test().GetProblem(window->CurrentIndex()); }

    void AnswerRight(int count) {
        for (int i = 0; i < count; ++i) {
            Answer(Current().correctAnswer);
        }
    }

    void AnswerWrong() { Answer(Current().correctAnswer == 0 ? 1 : Current().correctAnswer - 1); }

    // Lets `milliseconds` pass, then the window's timer ticks.
    void Wait(std::uint32_t milliseconds) {
        fakes.clock.Advance(milliseconds);
        QTimerEvent tick(1);
        QCoreApplication::sendEvent(window, &tick);
    }

    int Played(const std::string& sound) const {
        int count = 0;
        for (const std::string& path : fakes.sound.played) {
            count += path.ends_with(sound) ? 1 : 0;
        }
        return count;
    }

    std::vector<std::uint8_t> StudentFile() const {
        return platform::ReadFileBytes(CUserManager::GetInfoFilePath(kStudent)).value();
    }

    SessionRecord OnlySession() const {
        const auto record = data::ParseStudentRecord(StudentFile());
        EXPECT_EQ(record->sessions.size(), 1u);
        return record->sessions.empty() ? SessionRecord{} : record->sessions.front();
    }

    // How many pixels of the card area are in the colour entered answers are drawn in.
    int AnswerInkInCardArea() {
        const QImage shot = guitest::Snapshot(*window);
        const platform::GdiRect area = window->Layout().cardArea;
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                count += shot.pixelColor(x, y) == QColor(12, 71, 147) ? 1 : 0;
            }
        }
        return count;
    }

    platform::fakes::FakePlatform fakes;
    HomeStandIn home;
    QPointer<CTestingWnd> window;
};

} // namespace

TEST_F(TestingWindowTest, BuildsTheScreenWithThePadHiddenUntilBegin) {
    Open(kAddition);

    EXPECT_EQ(window->windowTitle(), QStringLiteral("Testing Window"));
    EXPECT_EQ(window->size(), QSize(801, 601));
    const TestingLayout& layout = window->Layout();
    EXPECT_EQ(layout.columnRight, 592);
    EXPECT_EQ(layout.cardArea.Height(), 240);
    CNumberPadCtl* pad = window->NumberPad();
    EXPECT_FALSE(pad->isVisible());
    EXPECT_EQ(pad->geometry().center().x(), layout.padArea.ToQRect().center().x());
    CPictureButton* homeButton = window->Button(CTestingWnd::kHome);
    CPictureButton* beginButton = window->Button(CTestingWnd::kBegin);
    EXPECT_EQ(homeButton->pos(), QPoint(594, pad->y()));
    EXPECT_EQ(beginButton->pos(), QPoint(594, pad->y() + homeButton->height()));
    EXPECT_TRUE(beginButton->isEnabled());
    EXPECT_EQ(window->Remaining(), -1);

    const QImage shot = guitest::Snapshot(*window);
    EXPECT_EQ(shot.pixelColor(layout.padArea.left + 1, layout.padArea.bottom - 2),
              QColor(238, 238, 238));
    EXPECT_EQ(shot.pixelColor(layout.columnRight + 1, layout.padArea.top + 5),
              QColor(171, 171, 171));
    EXPECT_EQ(shot.pixelColor(layout.cardArea.left + 5, layout.cardArea.top + 5), Qt::white);
    EXPECT_EQ(shot.pixelColor(layout.cardArea.left, layout.cardArea.top + 5), QColor(90, 90, 90));
}

TEST_F(TestingWindowTest, PerfectTestApplaudsCountsAPassAndIsRecordedByteForByte) {
    Open(kAddition);
    Begin();
    ASSERT_TRUE(window->IsRunning());
    EXPECT_EQ(window->Remaining(), 100);
    EXPECT_FALSE(window->Button(CTestingWnd::kBegin)->isEnabled());

    AnswerRight(99);
    EXPECT_EQ(Played(kApplause), 0);
    AnswerRight(1);

    EXPECT_FALSE(window->IsRunning());
    EXPECT_EQ(window->Correct(), 100);
    EXPECT_EQ(window->Missed(), 0);
    EXPECT_EQ(Played(kTypeSound), 100);
    EXPECT_EQ(Played(kApplause), 1);
    EXPECT_FALSE(window->NumberPad()->isVisible());
    EXPECT_TRUE(window->Button(CTestingWnd::kBegin)->isEnabled());
    EXPECT_EQ(GetCurrentStudent().GetTestsPassed(), 1);
    data::StudentRecord expected = guitest::NewStudentRecord(kAddition, 1);
    expected.sessions.push_back({.time = static_cast<std::uint32_t>(fakes.clock.seconds),
                                 .correctCount = 100,
                                 .answeredCount = 100,
                                 .level = kAddition,
                                 .testsPassedBefore = 0,
                                 .type = kTestSession});
    EXPECT_EQ(StudentFile(), data::SerializeStudentRecord(expected));
}

TEST_F(TestingWindowTest, TimeLimitEndsTheTestWithoutApplauseAndUnansweredProblemsFailIt) {
    Open(kAddition);
    Begin();
    AnswerRight(80);
    Wait(330'000);
    EXPECT_TRUE(window->IsRunning()) << "only a time strictly over the limit ends the test";
    Wait(1);

    EXPECT_FALSE(window->IsRunning());
    EXPECT_EQ(window->Correct(), 80);
    EXPECT_EQ(window->Missed(), 0);
    EXPECT_EQ(Played(kApplause), 0);
    EXPECT_EQ(GetCurrentStudent().GetTestsPassed(), 0);
    EXPECT_EQ(OnlySession().correctCount, 80);
    EXPECT_EQ(OnlySession().answeredCount, 80);
}

TEST_F(TestingWindowTest, SeventhAnswerPausesThenShowsTheNextRowWithoutShorteningTheLimit) {
    Open(kAddition);
    Begin();
    AnswerRight(6);
    EXPECT_EQ(fakes.clock.sleptMilliseconds, 0u);
    EXPECT_GT(AnswerInkInCardArea(), 0) << "six answered cards";

    AnswerRight(1);
    EXPECT_EQ(fakes.clock.sleptMilliseconds, 500u);
    EXPECT_EQ(AnswerInkInCardArea(), 0) << "a fresh row of unanswered cards";
    Wait(330'000);
    EXPECT_TRUE(window->IsRunning());
    Wait(1);
    EXPECT_FALSE(window->IsRunning());
}

TEST_F(TestingWindowTest, DivisionLevelTakesNinetyDivisionFactsInSixMinutes) {
    WriteTestFile("division.txt", OneDigitFacts('/'));
    Open(kDivision);
    Begin();

    EXPECT_EQ(window->Remaining(), 90);
    EXPECT_EQ(Current().operation, kDividedBy);
    Wait(360'000);
    EXPECT_TRUE(window->IsRunning());
    Wait(1);
    EXPECT_FALSE(window->IsRunning());
}

TEST_F(TestingWindowTest, PadLayoutFollowsEachProblemWithTheDisplayOverTheCard) {
    std::vector<std::string> mixed = OneDigitFacts('x');
    mixed.resize(50);
    const std::vector<std::string> additions = OneDigitFacts('+');
    mixed.insert(mixed.end(), additions.begin(), additions.begin() + 50);
    WriteTestFile("mixed.txt", mixed);
    Open(kMixed);
    Begin();

    int backToStandard = 0;
    for (int i = 0; i < 100; ++i) {
        const bool times = Current().operation == kTimes;
        CNumberPadCtl* pad = window->NumberPad();
        ASSERT_EQ(pad->GetLayout(),
                  times ? CNumberPadCtl::kMultiplicationLayout : CNumberPadCtl::kStandardLayout)
            << "problem " << i;
        ASSERT_TRUE(pad->isVisible() && pad->isEnabled());
        ASSERT_EQ(pad->GetDisplay()->isVisible(), times);
        const QPoint displayCentre = pad->GetDisplay()->geometry().center();
        ASSERT_TRUE(window->Layout().cardArea.ToQRect().contains(displayCentre));
        Answer(Current().correctAnswer);
        backToStandard += times && window->IsRunning() && Current().operation == kPlus ? 1 : 0;
    }
    EXPECT_GT(backToStandard, 0) << "a multiplication followed by an addition";
    EXPECT_EQ(window->Correct(), 100);
}

TEST_F(TestingWindowTest, DebugShortcutRecordsAWholeTestWithTheHeldDigitUnanswered) {
    fakes.process.arguments = " -debug";
    Open(kAddition);
    fakes.keyboard.digits[3] = {.down = true, .pressedSinceLastPoll = true};
    Begin();

    EXPECT_FALSE(window->IsRunning());
    EXPECT_EQ(window->Correct(), 97);
    EXPECT_EQ(window->Missed(), 3);
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text, "Added a test.");
    EXPECT_EQ(fakes.messageBoxes.shown[0].title, "Debug");
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::Information);
    EXPECT_EQ(OnlySession().answeredCount, 97);
    EXPECT_EQ(GetCurrentStudent().GetTestsPassed(), 0);

    // Begin again starts a new test; key 0 leaves nothing unanswered.
    fakes.keyboard.digits[3] = {};
    fakes.keyboard.digits[0] = {.down = true, .pressedSinceLastPoll = true};
    Begin();
    EXPECT_EQ(window->Correct(), 100);
    EXPECT_EQ(Played(kApplause), 1);
    EXPECT_EQ(GetCurrentStudent().GetTestsPassed(), 1);
}

TEST_F(TestingWindowTest, HeldDigitWithoutDebugStartsAnOrdinaryTest) {
    Open(kAddition);
    fakes.keyboard.digits[3] = {.down = true, .pressedSinceLastPoll = true};
    Begin();
    EXPECT_TRUE(window->IsRunning());
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(fakes.Path("/testAnswers.dat")));
}

TEST_F(TestingWindowTest, DebugAnswerFileNamesTheKeysOfEveryProblemInTestOrder) {
    fakes.process.arguments = " -debug";
    std::vector<std::string> facts = OneDigitFacts('+');
    facts[0] = "7 x 8";
    WriteTestFile("mixed.txt", facts);
    Open(kMixed);
    Begin();

    const auto bytes = platform::ReadFileBytes(fakes.Path("/testAnswers.dat")).value();
    std::string expected;
    int checked = 0;
    for (int i = 0; i < window->Test().GetCount(); ++i) {
        const Problem problem = window->Test().GetProblem(i);
        const std::string keys = AnswerKeyPresses(problem);
        if (problem.operation == kTimes) {
            EXPECT_EQ(keys, "5,6,E");
            ++checked;
        } else if (problem.firstOperand == 7 && problem.secondOperand == 5) { // 7 + 5
            EXPECT_EQ(keys, "12");
            ++checked;
        }
        expected += keys + "\r\n";
    }
    EXPECT_EQ(checked, 2);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
}

TEST_F(TestingWindowTest, HomeDuringATestRecordsNoSessionButKeepsReportedMistakes) {
    Open(kAddition);
    Begin();
    AnswerWrong();
    AnswerWrong();
    AnswerRight(1);
    Click(window->Button(CTestingWnd::kHome));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(home.shown, 1);
    EXPECT_EQ(Played("/Audio/navigate.wav"), 1);
    EXPECT_TRUE(data::ParseStudentRecord(StudentFile())->sessions.empty());
    EXPECT_EQ(GetCurrentStudent().GetMistakeCount(), 2);
}

TEST_F(TestingWindowTest, DueReviewAtBeginClosesTheWindowAndHandsOver) {
    Open(kAddition);
    for (int a = 0; a < 10; ++a) {
        GetCurrentStudent().AddMistake({.firstOperand = static_cast<std::int16_t>(a),
                                        .secondOperand = 1,
                                        .operation = kPlus,
                                        .correctAnswer = static_cast<std::int16_t>(a + 1)});
    }
    Begin();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ASSERT_EQ(fakes.messageBoxes.Texts(),
              std::vector<std::string>{"Time to review your mistakes."});
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::Information);
    EXPECT_FALSE(fakes.messageBoxes.shown[0].title.has_value());
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(home.shown, 0) << "the review window shows it when it closes";
    CMistakeReviewWnd* review = nullptr;
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        review = review != nullptr ? review : qobject_cast<CMistakeReviewWnd*>(shown);
    }
    ASSERT_NE(review, nullptr) << "the hand-over";
    EXPECT_TRUE(review->isVisible());
    delete review;
    EXPECT_TRUE(data::ParseStudentRecord(StudentFile())->sessions.empty());
}

TEST_F(TestingWindowTest, MissingTestFileStartsNoTestAndSaysSo) {
    std::filesystem::remove(fakes.Path("/Test Data/addition.txt"));
    Open(kAddition);
    Begin();

    EXPECT_FALSE(window->IsRunning());
    EXPECT_EQ(window->Remaining(), -1);
    ASSERT_EQ(fakes.messageBoxes.Texts(),
              std::vector<std::string>{"Please contact the system administrator."});
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::Stop);
    EXPECT_EQ(guitest::CountRecords(guitest::ReadErrorLog(fakes), "Failed to load test #1"), 1);
    EXPECT_TRUE(data::ParseStudentRecord(StudentFile())->sessions.empty());
}

TEST_F(TestingWindowTest, AnswerArrivingAfterTheEndIsNotASecondRecord) {
    Open(kAddition);
    Begin();
    AnswerRight(100);
    emit window->NumberPad()->answerPosted(5);
    QCoreApplication::sendPostedEvents();

    EXPECT_EQ(data::ParseStudentRecord(StudentFile())->sessions.size(), 1u);
    EXPECT_EQ(Played(kTypeSound), 100);
}
