#include "GuiTestSupport.h"
#include "StudentSupport.h"
#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "gui/common/ScreenColours.h"
#include "gui/controls/BuddyAnimation.h"
#include "gui/controls/CMistakeListCtl.h"
#include "gui/controls/SpokenText.h"
#include "gui/review/CMistakeReviewWnd.h"

#include <QHeaderView>
#include <QScrollBar>

using namespace guitest;

namespace {

using enum CMistakeReviewWnd::CommandId;

class MistakeReviewWndTest : public WindowTest<CMistakeReviewWnd> {
protected:
    MistakeReviewWndTest() { BuddyFrameCounter() = 1; }

    // A new window over the student with these mistakes; an earlier window goes.
    void Open(const std::vector<Problem>& mistakes) {
        delete window.data();
        SignInWithMistakes(mistakes);
        window = new CMistakeReviewWnd(home);
        QCoreApplication::processEvents();
    }

    void Click(CMistakeReviewWnd::CommandId id) { guitest::Click(window->Button(id)); }

    std::vector<std::string> ListRows() const {
        std::vector<std::string> rows;
        for (int row = 0; row < window->MistakeList()->RowCount(); ++row) {
            const QTreeWidgetItem* item = window->MistakeList()->topLevelItem(row);
            rows.push_back((item->text(0) + " : " + item->text(1)).toStdString());
        }
        return rows;
    }

    std::string CurrentCard() const { return ProblemText(window->CurrentProblem()).toStdString(); }

    // The card and the frog as a screen reader says them.
    std::string Said() const { return window->Card().accessibleName().toStdString(); }
    std::string Frog() const { return window->Frog()->accessibleName().toStdString(); }

    std::string DebugAnswer() const { return ReadFile(fakes, "/reviewAnswer.dat"); }

    // The one review recorded: mistakes at its start, problems completed, mistakes left.
    std::tuple<int, int, int> Review() const {
        EXPECT_EQ(GetCurrentStudent().GetSessionCount(), 1);
        const SessionRecord review = GetCurrentStudent().GetSession(0);
        EXPECT_EQ(review.type, kReviewSession);
        return {review.mistakesAtStart, review.problemsCompleted, review.mistakesLeft};
    }
};

} // namespace

TEST_F(MistakeReviewWndTest, ThreeRightFirstTriesMasterAFactAndTheFrogHops) {
    Open({Mistake(7, '+', 5), Mistake(3, '+', 4)});
    ASSERT_EQ(ListRows(), (std::vector<std::string>{"7 + 5 : 3", "3 + 4 : 3"}));
    Click(kBegin);
    EXPECT_FALSE(window->Button(kBegin)->isEnabled() ||
                 window->Button(kPrintMistakes)->isEnabled());

    for (const char* remaining : {"2", "1"}) {
        ASSERT_EQ(CurrentCard(), "7 + 5");
        Answer(12);
        EXPECT_EQ(ListRows().at(0), std::string("7 + 5 : ") + remaining);
        Wait(801);
        ASSERT_EQ(CurrentCard(), "3 + 4");
        Answer(6);
        Wait(1501);
        Answer(7);
        Wait(801);
    }
    ASSERT_EQ(CurrentCard(), "7 + 5");
    EXPECT_EQ(Said(), "7 plus 5");
    EXPECT_EQ(window->focusWidget(), &window->Card());
    EXPECT_EQ(Frog(), "The frog waits at the edge of the pond.");
    Answer(12);
    EXPECT_EQ(ListRows(), std::vector<std::string>{"3 + 4 : 3"});
    EXPECT_EQ(Said(), "Great! 7 plus 5 equals 12. That fact is off your list, and the frog hops. "
                      "1 mistake is left.");
    EXPECT_EQ(Played("ribbit.wav"), 0);
    Wait(801);

    EXPECT_EQ(Played("ribbit.wav"), 1) << "one hop";
    EXPECT_EQ(Frog(), "The frog is on lily pad 1 of 10.");
    EXPECT_EQ(Said(), "3 plus 4");
    EXPECT_EQ(CurrentCard(), "3 + 4") << "the fact moved into the mastered one's place";
    EXPECT_EQ(window->State(), ReviewState::FirstTry);
    EXPECT_EQ(Logged("Failed to open "), 0) << "every picture of the window and both pads";
}

// Right second try: Correct. Wrong: Almost, then the answer. Either way only the first miss
// is recorded.
TEST_F(MistakeReviewWndTest, WrongFirstTryRestartsTheCountAndTheSecondTryRecordsNothingMore) {
    for (const bool rightSecondTry : {true, false}) {
        SCOPED_TRACE(rightSecondTry);
        fakes.sound.played.clear();
        Open({Mistake(7, '+', 5, 2)});
        Click(kBegin);

        Answer(11);
        EXPECT_EQ(ListRows(), std::vector<std::string>{"7 + 5 : 3"});
        EXPECT_FALSE(window->NumberPad()->isEnabled());
        Wait(1500); // at the 10 ms ticks, the step ends at the first tick past its time
        EXPECT_EQ(window->State(), ReviewState::TryAgain);
        Wait(10);
        EXPECT_EQ(window->State(), ReviewState::SecondTry);
        EXPECT_TRUE(window->NumberPad()->isEnabled());
        const std::vector<Problem> afterMiss = StoredMistakes();
        EXPECT_EQ(afterMiss.at(0).missCount, 2);

        Answer(rightSecondTry ? 12 : 10);
        if (!rightSecondTry) {
            Wait(1200);
            EXPECT_EQ(window->State(), ReviewState::Almost);
            Wait(10);
            EXPECT_EQ(window->State(), ReviewState::ShowAnswer);
        }
        EXPECT_EQ(window->CurrentProblem().enteredAnswer, 12) << "given, or shown after Almost";
        EXPECT_EQ(StoredMistakes(), afterMiss);
        EXPECT_EQ(std::pair(Played("wronganswer2.wav"), Played("type.wav")),
                  rightSecondTry ? std::pair(1, 1) : std::pair(2, 0));
    }
}

// A long list scrolls with both columns beside the scroll bar. No answer: the answer shown in
// blue, a mistake recorded silently; Return then, with a digit typed before, sends nothing over
// the answer shown.
TEST_F(MistakeReviewWndTest, OnlyTheFirstTenFactsComeUpUntilOneIsMasteredAndNoAnswerIsAMistake) {
    std::vector<Problem> mistakes;
    for (int a = 0; a < 60; ++a) {
        mistakes.push_back(Mistake(a, 'x', 1, a == 0 ? 2 : 0));
    }
    Open(mistakes);
    CMistakeListCtl& list = *window->MistakeList();
    ASSERT_TRUE(list.verticalScrollBar()->isVisible());
    const int remainingEnd = list.header()->sectionPosition(1) + list.columnWidth(1);
    EXPECT_LE(remainingEnd, list.viewport()->width()) << "\"Remaining\" under the scroll bar";
    EXPECT_GT(list.columnWidth(1), 0);
    Click(kBegin);
    Answer(0); // masters 0 x 1; 59 x 1 takes its place
    Wait(801);
    guitest::Click(&PadKey(*window->NumberPad(), 5)); // "4" typed, no Enter
    Wait(15'001);
    ASSERT_EQ(window->State(), ReviewState::ShowAnswer);
    EXPECT_EQ(window->CurrentProblem().enteredAnswer, 59);
    EXPECT_EQ(StoredMistakes().at(0).missCount, 2);
    EXPECT_GT(CountColour(Snapshot(*window), window->Layout().cardArea.ToQRect(), Qt::blue), 20);
    QTest::keyClick(window, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->CurrentProblem().enteredAnswer, 59) << "the answer shown stays";
    EXPECT_EQ(Played("wronganswer2.wav"), 0) << "a time-out is silent";
    Wait(1'751);

    std::vector<std::string> cards;
    for (int card = 0; card < 10; ++card) {
        cards.push_back(CurrentCard());
        Wait(15'001);
        Wait(1'751);
    }
    EXPECT_EQ(cards, (std::vector<std::string>{"1 x 1", "2 x 1", "3 x 1", "4 x 1", "5 x 1", "6 x 1",
                                               "7 x 1", "8 x 1", "9 x 1", "59 x 1"}));
}

// With the frog it hops and then runs to its last frame (4 s of frames); without it nothing is
// drawn, played or waited for. Either way the review is recorded and the window goes home.
TEST_F(MistakeReviewWndTest, MasteringTheLastFactRecordsTheReviewAndGoesHomeWithOrWithoutFrog) {
    for (const bool frog : {true, false}) {
        SCOPED_TRACE(frog);
        fakes.process.arguments = frog ? "" : " -nofrog";
        home.shows = 0;
        fakes.messageBoxes.shown.clear();
        fakes.sound.played.clear();
        fakes.clock.sleptMilliseconds = 0;
        Open({Mistake(7, '+', 5, 2)});
        const QImage buddy = Snapshot(*window).copy(window->Layout().buddyArea.ToQRect());
        EXPECT_EQ(buddy.pixel(buddy.width() / 2, buddy.height() / 2) == kWindowColour.rgb(), !frog);
        Click(kBegin);
        Wait(3'000);
        Answer(12);
        EXPECT_EQ(Said(), frog ? "Great! 7 plus 5 equals 12. That fact is off your list, and the "
                                 "frog hops. No mistakes are left."
                               : "Great! 7 plus 5 equals 12. That fact is off your list. No "
                                 "mistakes are left.");
        Wait(801);

        EXPECT_EQ(Played("ribbit.wav"), frog ? 10 : 0) << "one hop, then nine to the last frame";
        EXPECT_EQ(Frog(), "The frog has crossed the pond.");
        EXPECT_EQ(fakes.clock.sleptMilliseconds, frog ? 4'000u : 0u);
        EXPECT_EQ(Boxes(fakes), (std::vector<Box>{{"You have no mistakes to review.",
                                                   platform::MbIcon::Information}}));
        EXPECT_EQ(home.shows, 1);
        EXPECT_EQ(Review(), std::tuple(1, 1, 0));
        EXPECT_EQ(GetCurrentStudent().GetSession(0).duration, frog ? 7 : 3) << "3.8 s, and frog";
        EXPECT_FALSE(GetCurrentStudent().IsReviewDue());
        CloseDeleted();
        EXPECT_TRUE(window.isNull());
    }
}

// A right first try still leaves the fact missed while it is listed; the times are kept, and
// the review is recorded as far as it went.
TEST_F(MistakeReviewWndTest, HomeAfterBeginRecordsTheReviewAndItsFirstTries) {
    Open({Mistake(7, '+', 5), Mistake(3, '+', 4)});
    Click(kBegin);
    Wait(2'500);
    Answer(12);
    Wait(801);
    Answer(6);
    Wait(1'501);
    Answer(7);
    Wait(801);
    Click(kHome);
    EXPECT_EQ(Review(), std::tuple(2, 2, 2));

    const auto written = data::ReadFluencyFile(CUserManager::GetFluencyFilePath(kReviewStudent));
    const data::FactTimes* right = written.fluency.Find(data::KeyOf(Mistake(7, '+', 5)));
    const data::FactTimes* wrong = written.fluency.Find(data::KeyOf(Mistake(3, '+', 4)));
    ASSERT_TRUE(right && wrong);
    EXPECT_EQ(std::vector(right->Kept().begin(), right->Kept().end()),
              std::vector<std::uint32_t>{2'500});
    EXPECT_TRUE(right->lastFirstTryRight);
    EXPECT_EQ(std::pair(wrong->shown, wrong->lastFirstTryRight), std::pair(1u, false))
        << "the right second try is no first try";
    EXPECT_EQ(WrittenFluencyOf(kReviewStudent, Mistake(7, '+', 5)), data::Fluency::Missed);
}

TEST_F(MistakeReviewWndTest, HomeBeforeBeginRecordsNothingAndClosesEvenWithoutAHomeScreen) {
    Open({Mistake(7, '+', 5)});
    Click(kHome);
    EXPECT_EQ(GetCurrentStudent().GetSessionCount(), 0);
    EXPECT_EQ(std::pair(home.shows, Played("navigate.wav")), std::pair(1, 1));
    CloseDeleted();
    ASSERT_TRUE(window.isNull());

    Open({Mistake(7, '+', 5)});
    home.window.reset();
    Click(kHome);
    EXPECT_EQ(home.shows, 1);
    EXPECT_EQ(Logged("pParentWnd is not a valid window"), 1);
    CloseDeleted();
    EXPECT_TRUE(window.isNull());
}

// The keyboard answers whichever control has the focus, the mistake list too; a digit typed
// during the feedback is dropped.
TEST_F(MistakeReviewWndTest,
       DebugAnswerFileNamesTheKeysForTheCardOnScreenAndTypingAnswersAnywhere) {
    fakes.process.arguments = " -debug";
    Open({Mistake(7, 'x', 8), Mistake(7, 'x', 1), Mistake(5, '+', 7)});
    Click(kBegin);
    EXPECT_EQ(DebugAnswer(), "5,6,E\r\n");
    window->MistakeList()->setFocus();
    TypeAnswer(window->MistakeList(), 56);
    EXPECT_EQ(window->State(), ReviewState::Correct);
    EXPECT_EQ(ListRows().at(0), "7 x 8 : 2");
    TypeKeys(window->MistakeList(), "5");
    Wait(801);
    EXPECT_EQ(DebugAnswer(), "7,E\r\n");
    EXPECT_EQ(window->NumberPad()->GetLayout(), CNumberPadCtl::kMultiplicationLayout);
    TypeAnswer(window->MistakeList(), 7);
    EXPECT_EQ(window->State(), ReviewState::Correct);
    Wait(801);
    EXPECT_EQ(DebugAnswer(), "12\r\n");
    EXPECT_EQ(window->NumberPad()->GetLayout(), CNumberPadCtl::kStandardLayout);
}
