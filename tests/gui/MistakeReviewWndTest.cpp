#include "GuiTestSupport.h"
#include "ReviewTestSupport.h"
#include "data/CStudent.h"
#include "gui/BuddyAnimation.h"
#include "gui/CMistakeListCtl.h"
#include "gui/CMistakeReviewWnd.h"
#include "gui/CNumberPadCtl.h"
#include "gui/CPictureButton.h"
#include "gui/HomeScreen.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace {

using reviewtest::Mistake;

class FakeHome final : public IHomeScreen {
public:
    QWidget* Window() override { return window.get(); }
    void ShowHome() override { ++shows; }
    void SignOut() override {}

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    int shows = 0;
};

class MistakeReviewWndTest : public testing::Test {
protected:
    MistakeReviewWndTest() {
        fakes.display.current = {800, 600};
        guitest::LinkInstalledGraphics(fakes);
        BuddyFrameCounter() = 1;
    }

    ~MistakeReviewWndTest() override { delete window.data(); }

    void Open(const std::vector<Problem>& mistakes) {
        reviewtest::SignInStudent(mistakes);
        window = new CMistakeReviewWnd(home);
        QCoreApplication::processEvents();
    }

    void Click(CMistakeReviewWnd::CommandId id) {
        QTest::mouseClick(window->Button(id), Qt::LeftButton);
    }

    CPictureButton& PadKey(int commandId) {
        const auto keys = window->NumberPad()->findChildren<CPictureButton*>();
        return **std::ranges::find_if(
            keys, [&](const CPictureButton* key) { return key->CommandId() == commandId; });
    }

    // Enters `answer` on the pad as a student would: one key, or digits and Enter.
    void Answer(int answer) {
        if (window->NumberPad()->GetLayout() == CNumberPadCtl::kStandardLayout) {
            QTest::mouseClick(&PadKey(answer + 1), Qt::LeftButton);
        } else {
            for (const char digit : std::to_string(answer)) {
                QTest::mouseClick(&PadKey(digit - '0' + 1), Qt::LeftButton);
            }
            QTest::mouseClick(&PadKey(2000), Qt::LeftButton);
        }
        QCoreApplication::sendPostedEvents();
    }

    // Lets `milliseconds` pass, then one tick of the session timer.
    void Wait(std::uint32_t milliseconds) {
        fakes.clock.Advance(milliseconds);
        QTimerEvent tick(1);
        QCoreApplication::sendEvent(window, &tick);
    }

    std::vector<std::string> ListRows() const {
        std::vector<std::string> rows;
        for (int row = 0; row < window->MistakeList()->RowCount(); ++row) {
            const QTreeWidgetItem* item = window->MistakeList()->topLevelItem(row);
            rows.push_back((item->text(0) + " : " + item->text(1)).toStdString());
        }
        return rows;
    }

    std::string CurrentCard() const { return ProblemText(window->CurrentProblem()).toStdString(); }

    int Played(const std::string& sound) const {
        return static_cast<int>(std::ranges::count_if(
            fakes.sound.played, [&](const auto& path) { return path.ends_with("/" + sound); }));
    }

    void CloseDeleted() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::string DebugAnswer() const {
        std::ifstream file(fakes.Path("/reviewAnswer.dat"), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    platform::fakes::FakePlatform fakes;
    FakeHome home;
    QPointer<CMistakeReviewWnd> window;
};

} // namespace

TEST_F(MistakeReviewWndTest, ThreeRightFirstTriesMasterAFactAndTheFrogHops) {
    Open({Mistake(7, '+', 5), Mistake(3, '+', 4)});
    EXPECT_EQ(ListRows(), (std::vector<std::string>{"7 + 5 : 3", "3 + 4 : 3"}));
    Click(CMistakeReviewWnd::kBegin);
    EXPECT_FALSE(window->Button(CMistakeReviewWnd::kBegin)->isEnabled());
    EXPECT_FALSE(window->Button(CMistakeReviewWnd::kPrintMistakes)->isEnabled());

    for (const char* remaining : {"2", "1"}) {
        ASSERT_EQ(CurrentCard(), "7 + 5");
        Answer(12);
        EXPECT_EQ(window->State(), ReviewState::Correct);
        EXPECT_EQ(ListRows()[0], std::string("7 + 5 : ") + remaining);
        Wait(800);
        EXPECT_EQ(window->State(), ReviewState::Correct) << "0.8 s is not yet over";
        Wait(1);
        ASSERT_EQ(CurrentCard(), "3 + 4");
        Answer(6);
        Wait(1501);
        Answer(7);
        Wait(801);
    }
    ASSERT_EQ(CurrentCard(), "7 + 5");
    Answer(12);
    EXPECT_EQ(ListRows(), std::vector<std::string>{"3 + 4 : 3"});
    EXPECT_EQ(Played("ribbit.wav"), 0);
    Wait(801);

    EXPECT_EQ(Played("ribbit.wav"), 1);
    EXPECT_EQ(BuddyFrameCounter(), 11);
    EXPECT_EQ(fakes.clock.sleptMilliseconds, 400u) << "ten frames, 40 ms each";
    EXPECT_EQ(CurrentCard(), "3 + 4") << "the fact moved into the mastered one's place";
    EXPECT_EQ(window->State(), ReviewState::FirstTry);
}

TEST_F(MistakeReviewWndTest, WrongFirstTryRestartsTheCountAndARightSecondTryRecordsNothingMore) {
    Open({Mistake(7, '+', 5, 2)});
    Click(CMistakeReviewWnd::kBegin);

    Answer(11);
    EXPECT_EQ(window->State(), ReviewState::TryAgain);
    EXPECT_EQ(ListRows(), std::vector<std::string>{"7 + 5 : 3"});
    EXPECT_FALSE(window->NumberPad()->isEnabled());
    Wait(1501);
    EXPECT_EQ(window->State(), ReviewState::SecondTry);
    EXPECT_TRUE(window->NumberPad()->isEnabled());
    const std::vector<Problem> afterMiss = reviewtest::StoredMistakes();
    Answer(12);

    EXPECT_EQ(window->State(), ReviewState::Correct);
    EXPECT_EQ(reviewtest::StoredMistakes(), afterMiss);
    EXPECT_EQ(afterMiss.at(0).missCount, 2);
    EXPECT_EQ(Played("wronganswer2.wav"), 1);
    EXPECT_EQ(Played("type.wav"), 1);
}

TEST_F(MistakeReviewWndTest, WrongSecondTryIsAlmostThenTheAnswer) {
    Open({Mistake(7, '+', 5)});
    Click(CMistakeReviewWnd::kBegin);
    Answer(11);
    Wait(1501);

    Answer(10);
    EXPECT_EQ(window->State(), ReviewState::Almost);
    Wait(1201);

    EXPECT_EQ(window->State(), ReviewState::ShowAnswer);
    EXPECT_EQ(window->CurrentProblem().enteredAnswer, 12);
    EXPECT_EQ(reviewtest::StoredMistakes().at(0).missCount, 2) << "one more miss, not two";
}

TEST_F(MistakeReviewWndTest, OnlyTheFirstTenFactsComeUpUntilOneIsMastered) {
    std::vector<Problem> mistakes;
    for (int a = 0; a < 14; ++a) {
        mistakes.push_back(Mistake(a, '+', 1, a == 0 ? 2 : 0));
    }
    Open(mistakes);
    Click(CMistakeReviewWnd::kBegin);
    Answer(1); // masters 0 + 1; 13 + 1 takes its place
    Wait(801);

    std::vector<std::string> cards;
    for (int card = 0; card < 11; ++card) {
        cards.push_back(CurrentCard());
        Wait(15'001); // no answer: the answer is shown
        Wait(1'751);
    }
    EXPECT_EQ(cards,
              (std::vector<std::string>{"13 + 1", "1 + 1", "2 + 1", "3 + 1", "4 + 1", "5 + 1",
                                        "6 + 1", "7 + 1", "8 + 1", "9 + 1", "13 + 1"}));
}

TEST_F(MistakeReviewWndTest, NoAnswerOnEitherTryShowsTheAnswerInBlueAndRecordsAMistake) {
    Open({Mistake(7, '+', 5), Mistake(3, '+', 4)});
    Click(CMistakeReviewWnd::kBegin);

    Wait(15'000);
    EXPECT_EQ(window->State(), ReviewState::FirstTry);
    Wait(1);
    EXPECT_EQ(window->State(), ReviewState::ShowAnswer);
    EXPECT_EQ(window->CurrentProblem().enteredAnswer, 12);
    EXPECT_EQ(reviewtest::StoredMistakes().at(0).missCount, 2);
    const QImage card = guitest::Snapshot(*window).copy(window->Layout().cardArea.ToQRect());
    int blue = 0;
    for (int y = 0; y < card.height(); ++y) {
        for (int x = 0; x < card.width(); ++x) {
            blue += card.pixel(x, y) == qRgb(0, 0, 255) ? 1 : 0;
        }
    }
    EXPECT_GT(blue, 20);

    Wait(1'751);
    ASSERT_EQ(CurrentCard(), "3 + 4");
    Answer(8);
    Wait(1'501);
    Wait(15'001);
    EXPECT_EQ(window->State(), ReviewState::ShowAnswer);
    EXPECT_EQ(reviewtest::StoredMistakes().at(1).missCount, 3);
    EXPECT_EQ(Played("wronganswer2.wav"), 1) << "a time-out is silent";
}

TEST_F(MistakeReviewWndTest, MasteringTheLastFactRunsTheFrogToTheEndRecordsTheReviewAndGoesHome) {
    Open({Mistake(7, '+', 5, 2)});
    Click(CMistakeReviewWnd::kBegin);
    fakes.clock.Advance(3'000);
    Answer(12);
    Wait(801);

    EXPECT_EQ(Played("ribbit.wav"), 10) << "one hop, then nine more to the last frame";
    EXPECT_GT(BuddyFrameCounter(), BuddyAnimation::kLastFrame);
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              std::vector<std::string>{"You have no mistakes to review."});
    EXPECT_EQ(fakes.messageBoxes.shown.at(0).icon, platform::MbIcon::Information);
    EXPECT_EQ(home.shows, 1);
    CStudent& student = GetCurrentStudent();
    ASSERT_EQ(student.GetSessionCount(), 1);
    const SessionRecord review = student.GetSession(0);
    EXPECT_EQ(review.type, 3u);
    EXPECT_EQ(review.mistakesAtStart, 1);
    EXPECT_EQ(review.problemsCompleted, 1);
    EXPECT_EQ(review.mistakesLeft, 0);
    EXPECT_EQ(review.duration, 7) << "3.8 s to the mastered card, then 4 s of frog";
    EXPECT_FALSE(student.IsReviewDue());
    CloseDeleted();
    EXPECT_TRUE(window.isNull());
}

TEST_F(MistakeReviewWndTest, HomeBeforeBeginRecordsNothingHomeDuringAReviewRecordsIt) {
    Open({Mistake(7, '+', 5)});
    Click(CMistakeReviewWnd::kHome);
    EXPECT_EQ(GetCurrentStudent().GetSessionCount(), 0);
    EXPECT_EQ(home.shows, 1);
    EXPECT_EQ(Played("navigate.wav"), 1);
    CloseDeleted();
    ASSERT_TRUE(window.isNull());

    Open({Mistake(7, '+', 5), Mistake(3, '+', 4)});
    Click(CMistakeReviewWnd::kBegin);
    Answer(12);
    Wait(801);
    Click(CMistakeReviewWnd::kHome);
    ASSERT_EQ(GetCurrentStudent().GetSessionCount(), 1);
    const SessionRecord review = GetCurrentStudent().GetSession(0);
    EXPECT_EQ(review.mistakesAtStart, 2);
    EXPECT_EQ(review.problemsCompleted, 1);
    EXPECT_EQ(review.mistakesLeft, 2);
}

TEST_F(MistakeReviewWndTest, WithoutFrogNothingIsDrawnOrPlayedAndReviewWorksTheSame) {
    fakes.process.arguments = " -nofrog";
    Open({Mistake(7, '+', 5, 2)});
    const QImage before = guitest::Snapshot(*window).copy(window->Layout().buddyArea.ToQRect());
    EXPECT_EQ(before.pixel(before.width() / 2, before.height() / 2), qRgb(171, 171, 171));
    Click(CMistakeReviewWnd::kBegin);
    Answer(12);
    Wait(801);

    EXPECT_EQ(Played("ribbit.wav"), 0);
    EXPECT_EQ(fakes.clock.sleptMilliseconds, 0u);
    EXPECT_EQ(BuddyFrameCounter(), 1);
    EXPECT_EQ(GetCurrentStudent().GetMistakeCount(), 0);
    EXPECT_EQ(home.shows, 1);
}

TEST_F(MistakeReviewWndTest, DebugAnswerFileNamesTheKeysForTheCardOnScreen) {
    fakes.process.arguments = " -debug";
    Open({Mistake(7, 'x', 8), Mistake(7, 'x', 1), Mistake(5, '+', 7)});
    Click(CMistakeReviewWnd::kBegin);
    EXPECT_EQ(DebugAnswer(), "5,6,E\r\n");

    Answer(56);
    Wait(801);
    EXPECT_EQ(DebugAnswer(), "7,E\r\n");
    EXPECT_EQ(window->NumberPad()->GetLayout(), CNumberPadCtl::kMultiplicationLayout);

    Answer(7);
    Wait(801);
    EXPECT_EQ(DebugAnswer(), "12\r\n");
    EXPECT_EQ(window->NumberPad()->GetLayout(), CNumberPadCtl::kStandardLayout);
}

TEST_F(MistakeReviewWndTest, ReturnKeyEntersTheTypedDigits) {
    Open({Mistake(6, 'x', 7)});
    Click(CMistakeReviewWnd::kBegin);
    QTest::mouseClick(&PadKey(4 + 1), Qt::LeftButton);
    QTest::mouseClick(&PadKey(2 + 1), Qt::LeftButton);

    QTest::keyRelease(window->MistakeList(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents();

    EXPECT_EQ(window->State(), ReviewState::Correct);
    EXPECT_EQ(window->CurrentProblem().enteredAnswer, 42);
}

TEST_F(MistakeReviewWndTest, HomeScreenGoneWhenLeavingIsLoggedAndTheWindowClosesAnyway) {
    Open({Mistake(7, '+', 5)});
    home.window.reset();

    Click(CMistakeReviewWnd::kHome);

    EXPECT_EQ(home.shows, 0);
    EXPECT_EQ(
        guitest::CountRecords(guitest::ReadErrorLog(fakes), "pParentWnd is not a valid window"), 1);
    CloseDeleted();
    EXPECT_TRUE(window.isNull());
}
