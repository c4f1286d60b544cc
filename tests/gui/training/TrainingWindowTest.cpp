#include "GraphSupport.h"
#include "GuiTestSupport.h"
#include "SessionRecords.h"
#include "StudentSupport.h"
#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "data/MistakeFile.h"
#include "data/OperationFacts.h"
#include "data/SessionHistory.h"
#include "gui/common/DebugAnswerFile.h"
#include "gui/controls/CBasicLineGraph.h"
#include "gui/controls/FactText.h"
#include "gui/controls/ReportList.h"
#include "gui/controls/SpokenText.h"
#include "gui/training/CTrainingWnd.h"
#include "platform/Files.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <filesystem>

using namespace guitest;

using platform::MbIcon;
using enum CTrainingWnd::CommandId;

namespace {

constexpr const char* kStudent = "Mary Ann Smith";
constexpr const char* kCompleted =
    "This training session has been completed. Press OK to view your current progress.";
constexpr const char* kReviewDue = "It is time to review your mistakes.";

class TrainingWindowTest : public WindowTest<CTrainingWnd> {
protected:
    TrainingWindowTest() {
        CopyInstalledTestFiles(fakes);
        WriteTestFile(fakes, "mixed.txt", OneDigitFacts('x'));
    }

    // A session that ends with a review due hands over to a review window.
    ~TrainingWindowTest() override { delete FindTopLevel<CMistakeReviewWnd>(); }

    // A new window over a student of `level` with `history`, and these first tries and listed
    // mistakes: facts apart by blanks, "m7+6" missed, "s2+3" slow, "u1+1" never tried, "l9-4"
    // only on the mistake list, every other fact of the level known; "none" first: no first
    // tries at all.
    void Open(int level = kAddition, const std::vector<SessionRecord>& history = {},
              const char* standing = "none") {
        delete window.data();
        delete FindTopLevel<CMistakeReviewWnd>();
        std::filesystem::remove_all(fakes.Path("/Data"));
        std::filesystem::create_directory(fakes.Path("/Data"));
        static const QRegularExpression fact(QStringLiteral("([msul])(\\d+)(.)(\\d+)"));
        std::map<char, std::vector<Problem>> facts;
        for (const auto& match : fact.globalMatch(QString::fromUtf8(standing))) {
            facts[match.captured(1)[0].toLatin1()].push_back(
                Mistake(match.captured(2).toInt(), match.captured(3)[0].toLatin1(),
                        match.captured(4).toInt()));
        }
        if (!QString::fromUtf8(standing).startsWith(QStringLiteral("none"))) {
            data::FactFluency fluency;
            for (const Problem& fact : data::ReadPractisedFacts(level)) {
                if (!IsListed(facts['u'], fact)) {
                    fluency.RecordFirstTry(fact, !IsListed(facts['m'], fact),
                                           IsListed(facts['s'], fact) ? 5'000 : 1'200);
                }
            }
            ASSERT_TRUE(
                data::WriteFluencyFile(CUserManager::GetFluencyFilePath(kStudent), fluency));
        }
        ASSERT_TRUE(data::WriteMistakeList(CUserManager::GetMistakeFilePath(kStudent), facts['l']));
        SignInStudent(kStudent, level, 0, history);
        window = new CTrainingWnd(home);
    }

    static bool IsListed(const std::vector<Problem>& facts, const Problem& fact) {
        return std::ranges::any_of(facts,
                                   [&fact](const Problem& f) { return IsSameFact(f, fact); });
    }

    void Click(CTrainingWnd::CommandId id) { guitest::Click(window->Button(id)); }

    void SetGoal(const QString& text) {
        window->GoalField()->clear();
        QTest::keyClicks(window->GoalField(), text);
    }

    // Opens the window and begins a session of `minutes` with a goal of 20; with `myFacts`, a My
    // Facts session of a student who has missed 7 + 6, 8 + 5 and 9 + 4 (and knows every other
    // fact).
    void BeginSession(int minutes = 1, int level = kAddition, bool myFacts = false) {
        Open(level, {}, myFacts ? "m7+6 m8+5 m9+4" : "none");
        if (myFacts) {
            Click(kMyFactsButton);
        }
        SetGoal("20");
        window->LengthList()->setCurrentIndex(minutes == 1 ? 0 : 1);
        Click(kBegin);
        ASSERT_EQ(window->State(), ReviewState::FirstTry);
    }

    int Correct() const { return window->CurrentProblem().correctAnswer; }
    // The card as a screen reader says it, the card's words following "%1" in `sentence`.
    void ExpectSaid(const char* sentence, const Problem& card, int answer = 0) const {
        EXPECT_EQ(window->Card().accessibleName(),
                  QString::fromLatin1(sentence).arg(SpokenFact(card)).arg(answer));
        EXPECT_EQ(window->focusWidget(), &window->Card());
    }
    void AnswerRight() { Answer(Correct()); }
    void AnswerWrong() { Answer(Correct() == 0 ? 1 : Correct() - 1); }

    // Waits in the timer's 100 ms steps until the session has ended; returns how long that took.
    std::uint32_t RunOut() {
        std::uint32_t waited = 0;
        for (; window->State() != ReviewState::Idle && waited < 1'000'000; waited += 100) {
            Wait(100);
        }
        return waited;
    }

    std::vector<CTrainingWnd::CommandId> LitKinds() const {
        std::vector kinds{kAdditionButton, kSubtractionButton, kMultiplicationButton,
                          kDivisionButton, kMixedButton,       kMyFactsButton};
        std::erase_if(kinds, [this](auto id) { return !window->Button(id)->ShowsRollOver(); });
        return kinds;
    }

    int CardInk(QColor colour) {
        return CountColour(Snapshot(*window), window->Layout().cardArea.ToQRect(), colour);
    }

    std::vector<SessionRecord> Sessions() const { return StoredSessions(kStudent); }

    // The list's entry for `fact`, if it is listed.
    static std::optional<Problem> Listed(const Problem& fact) {
        const std::vector<Problem> listed = StoredMistakes();
        const auto found =
            std::ranges::find_if(listed, [&](auto& m) { return IsSameFact(m, fact); });
        return found == listed.end() ? std::nullopt : std::optional(*found);
    }

    // The student's record, byte for byte, with this one session of `level`, begun at `created`.
    void ExpectRecorded(int level, int correct, int answered, int seconds, std::uint32_t created) {
        data::StudentRecord expected = NewStudentRecord(level, 0);
        expected.sessions = {testrecords::TrainingRecord(correct, seconds, 20, level)};
        expected.sessions[0].answeredCount = static_cast<std::int16_t>(answered);
        expected.sessions[0].time = created;
        EXPECT_EQ(platform::ReadFileBytes(CUserManager::GetInfoFilePath(kStudent)),
                  data::SerializeStudentRecord(expected));
    }
};

} // namespace

TEST_F(TrainingWindowTest, TheLevelChoosesTheKindAndMixedStaysChosenAcrossASession) {
    Open(kDivision);
    EXPECT_EQ(window->Kind(), kDivision);
    EXPECT_EQ(LitKinds(), std::vector{kDivisionButton});
    EXPECT_FALSE(window->NumberPad()->isVisible());
    Open(9);
    EXPECT_EQ(window->Kind(), kAddition);

    Click(kMixedButton);
    EXPECT_EQ(window->Kind(), kMixed);
    EXPECT_EQ(LitKinds(), std::vector{kMixedButton});
    SetGoal("5");
    Click(kBegin);
    EXPECT_EQ(window->CurrentProblem().operation, kTimes) << "the mixed file";
    for (QWidget* setup : std::initializer_list<QWidget*>{
             window->Button(kBegin), window->Button(kViewSessionGraph), window->Button(kViewReport),
             window->Button(kMixedButton), window->LengthList(), window->GoalField()}) {
        EXPECT_FALSE(setup->isEnabled());
    }
    EXPECT_TRUE(window->Button(kHome)->isEnabled());
    RunOut();
    EXPECT_EQ(window->Kind(), kMixed);
    EXPECT_EQ(LitKinds(), std::vector{kMixedButton});
    EXPECT_TRUE(window->Button(kBegin)->isEnabled() && window->GoalField()->isEnabled());
    EXPECT_EQ(window->GoalField()->text(), "5");
    EXPECT_EQ(Logged("Failed to open "), 0) << "every picture of the window and both pads";
}

// Every set-up text of lines from the top shows whole: no control below it covers a letter
// (nor its descenders).
TEST_F(TrainingWindowTest, TheSetUpTextsShowWholeOverTheControlsBelowThem) {
    Open(kMixed);
    const QImage shown = Snapshot(*window);
    for (QLabel* text : window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!text->isVisible() || (text->alignment() & Qt::AlignTop) == 0) {
            continue;
        }
        SCOPED_TRACE(text->text().toStdString());
        // The text on its own, with room for all of its lines.
        const QRect place = text->geometry();
        text->resize(place.width(), 2 * place.height());
        const QImage alone = text->grab().toImage();
        text->resize(place.size());
        int ink = 0;
        int covered = 0;
        for (int y = 0; y < alone.height() && place.y() + y < shown.height(); ++y) {
            for (int x = 0; x < alone.width(); ++x) {
                if (qGray(alone.pixel(x, y)) < 128) {
                    ++ink;
                    covered += shown.pixel(place.topLeft() + QPoint(x, y)) != alone.pixel(x, y);
                }
            }
        }
        EXPECT_GT(ink, 50);
        EXPECT_EQ(covered, 0);
    }
}

// A short problem file would give blank cards that count as right answers.
TEST_F(TrainingWindowTest, BeginNeedsAGoalFromOneToNinetyNineAndAWholeProblemFile) {
    for (const std::string goal : {"", "0", "100", "10"}) {
        SCOPED_TRACE(goal);
        const bool shortFile = goal == "10";
        fakes.messageBoxes.shown.clear();
        Open(shortFile ? kDivision : kAddition);
        WriteTestFile(fakes, "division.txt", std::vector<std::string>(89, "8 / 2"));
        SetGoal(QString::fromStdString(goal));
        Click(kBegin);
        const Box said = shortFile ? Box{"Please contact the system administrator.", MbIcon::Stop}
                                   : Box{"Please set a goal. This is the number of problems you "
                                         "want to get correct."};
        EXPECT_EQ(Boxes(fakes), std::vector{said});
        EXPECT_EQ(Logged("Failed to load test #5"), shortFile ? 1 : 0);
        EXPECT_EQ(window->State(), ReviewState::Idle);
        EXPECT_TRUE(window->Button(kBegin)->isEnabled());
        EXPECT_FALSE(window->NumberPad()->isVisible());
        if (!shortFile) {
            EXPECT_EQ(window->focusWidget(), window->GoalField());
            EXPECT_EQ(window->GoalField()->selectedText().toStdString(), goal);
        }
        Wait(100); // a tick still on its way times nothing
        EXPECT_TRUE(Sessions().empty());
    }
    Open();
    SetGoal("9x9");
    EXPECT_EQ(window->GoalField()->text(), "99");
    EXPECT_EQ(window->Goal(), 99);
    fakes.messageBoxes.shown.clear();
    Click(kBegin);
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
    EXPECT_EQ(window->State(), ReviewState::FirstTry);
    EXPECT_TRUE(window->NumberPad()->isVisible());
}

// Right: green, and the listed fact's streak grows; the first tick after it (the feedback given
// back) does not end the session. Wrong: red and listed at once, an empty card for the second
// try; wrong again: the answer in blue, still one mistake. Silent: the answer shown, listed as
// left unanswered, without a sound. A second try is no first try; a try that runs out is a wrong
// one. Home keeps them all and the mistakes listed, and records no session.
TEST_F(TrainingWindowTest, EachCardShowsItsFeedbackTellsTheMistakeListOnceAndHomeKeepsThem) {
    BeginSession();
    const Problem right = window->CurrentProblem();
    ASSERT_TRUE(data::WriteMistakeList(CUserManager::GetMistakeFilePath(kStudent),
                                       {Mistake(right.firstOperand, '+', right.secondOperand)}));
    ExpectSaid("%1", right);
    AnswerRight();
    ExpectSaid("Great! %1 equals %2.", right, right.correctAnswer);
    EXPECT_EQ(Played("type.wav"), 1);
    EXPECT_FALSE(window->NumberPad()->isEnabled());
    EXPECT_GT(CardInk(QColor(0, 255, 0)), 20);
    EXPECT_EQ(Listed(right)->correctStreak, 1);
    Wait(100);
    EXPECT_EQ(window->State(), ReviewState::Correct);
    Wait(701);

    const Problem wrong = window->CurrentProblem();
    EXPECT_EQ(window->CurrentIndex(), 1);
    const int wrongAnswer = wrong.correctAnswer == 0 ? 1 : wrong.correctAnswer - 1;
    AnswerWrong();
    ExpectSaid("%1 is not %2. Try again.", wrong, wrongAnswer);
    EXPECT_EQ(Played("wronganswer2.wav"), 1);
    EXPECT_GT(CardInk(QColor(255, 0, 0)), 20);
    ASSERT_TRUE(Listed(wrong).has_value());
    EXPECT_EQ(Listed(wrong)->missCount, 1);
    Wait(1'501);
    EXPECT_EQ(window->CurrentProblem().enteredAnswer, kNoValue);
    EXPECT_TRUE(window->NumberPad()->isEnabled());
    ExpectSaid("%1", wrong);
    AnswerWrong();
    ExpectSaid("Almost! %1 is not %2.", wrong, wrongAnswer);
    Wait(1'201);
    ExpectSaid("The answer: %1 equals %2.", wrong, wrong.correctAnswer);
    EXPECT_EQ(window->CurrentProblem().enteredAnswer, wrong.correctAnswer);
    EXPECT_GT(CardInk(QColor(0, 0, 255)), 20);
    EXPECT_EQ(Listed(wrong)->missCount, 1) << "one mistake per card";
    Wait(1'751);

    const Problem silent = window->CurrentProblem();
    Wait(15'001);
    EXPECT_EQ(window->State(), ReviewState::ShowAnswer);
    EXPECT_EQ(Listed(silent)->enteredAnswer, kNoValue) << "listed as left unanswered";
    EXPECT_EQ(Played("wronganswer2.wav"), 2) << "a time-out is silent";
    Wait(1'751);

    const Problem fast = window->CurrentProblem();
    Wait(2'000);
    AnswerRight();
    Wait(801);
    const Problem unanswered = window->CurrentProblem();
    EXPECT_FALSE(platform::FileExists(CUserManager::GetFluencyFilePath(kStudent)));
    Click(kHome);
    CloseDeleted();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(std::pair(home.shows, Played("navigate.wav")), std::pair(1, 1));
    EXPECT_TRUE(Sessions().empty());
    EXPECT_EQ(GetCurrentStudent().GetMistakeCount(), 3);
    EXPECT_EQ(WrittenFluencyOf(kStudent, fast), data::Fluency::Fluent);
    EXPECT_EQ(WrittenFluencyOf(kStudent, wrong), data::Fluency::Missed);
    EXPECT_EQ(WrittenFirstTries(kStudent, wrong), 1u);
    EXPECT_EQ(WrittenFluencyOf(kStudent, silent), data::Fluency::Missed);
    EXPECT_EQ(WrittenFirstTries(kStudent, unanswered), 0u);
}

namespace {

// How a card is played: its answers in turn, 'r' right and 'w' wrong, and whether its last try runs
// out; what its feedback gives back to the session: the pictures after an answer and the answer
// shown after a second miss, not the answer shown after a time-out.
struct CardPlay {
    std::string_view answers;
    bool runsOut;
    std::uint32_t givenBack;
};
constexpr CardPlay kRight{"r", false, 800}, kWrongThenRight{"wr", false, 1'500 + 800},
    kWrongTwice{"ww", false, 1'500 + 1'200 + 1'750}, kRunsOut{"", true, 0},
    kWrongThenRunsOut{"w", true, 1'500};

class TrainingTimeTest : public TrainingWindowTest {
protected:
    bool Answering() const {
        return window->State() == ReviewState::FirstTry ||
               window->State() == ReviewState::SecondTry;
    }

    // Ticks while the card is in `state`: for at most 100 s, or until the session ends.
    void WaitWhile(ReviewState state) {
        for (std::uint32_t waited = 0; window->State() == state && waited < 100'000;
             waited += CTrainingWnd::kTimerPeriodMs) {
            Wait(CTrainingWnd::kTimerPeriodMs);
        }
    }

    // Each step of the feedback runs its course; with `answersDuringFeedback`, a quick second
    // click posted before the keys were locked arrives during each.
    void FeedBack() {
        for (int step = 0; step < 3 && !Answering() && window->State() != ReviewState::Idle;
             ++step) {
            if (answersDuringFeedback) {
                emit window->NumberPad()->answerPosted(Correct());
                QCoreApplication::sendPostedEvents();
            }
            WaitWhile(window->State());
        }
    }

    void Play(const CardPlay& play) {
        for (const char answer : play.answers) {
            answer == 'r' ? AnswerRight() : AnswerWrong();
            FeedBack();
        }
        if (play.runsOut) {
            WaitWhile(window->State());
            FeedBack();
        }
    }

    // The first tick at or after `ms` from Begin, at which the session's end is seen.
    static std::uint32_t AtTick(std::uint32_t ms) {
        constexpr std::uint32_t period = CTrainingWnd::kTimerPeriodMs;
        return (ms + period - 1) / period * period;
    }

    bool answersDuringFeedback = false;
};

} // namespace

// A session lasts its length plus the feedback of each card given back once, however often the
// timer ticks during that feedback and whatever answers arrive meanwhile; a My Facts session too.
// It is recorded with its kind, goal and length; right on the second try counts as correct, a
// second try that runs out as unanswered.
TEST_F(TrainingTimeTest, ASessionLastsItsLengthPlusEachCardsFeedbackOnceAndIsRecorded) {
    const std::vector<std::vector<CardPlay>> cases = {
        {},
        {kRight, kRight, kRight, kRight, kRight},
        {kWrongThenRight},
        {kWrongTwice},
        {kRunsOut},
        {kRight, kWrongThenRight, kWrongTwice, kRunsOut, kWrongThenRunsOut, kRight},
    };
    for (const int minutes : {1, 4}) {
        const int level = minutes == 1 ? kAddition : kSubtraction;
        for (const bool duringFeedback : {false, true}) {
            for (const auto& cards : cases) {
                for (const bool myFacts : {false, true}) {
                    SCOPED_TRACE(testing::Message()
                                 << minutes << " min, " << cards.size()
                                 << " cards, answers during feedback " << duringFeedback
                                 << (myFacts ? ", My Facts" : ""));
                    answersDuringFeedback = duringFeedback;
                    BeginSession(minutes, level, myFacts);
                    const std::uint32_t begin = fakes.clock.tick;
                    const auto created = static_cast<std::uint32_t>(fakes.clock.seconds);
                    std::uint32_t givenBack = 0;
                    int right = 0;
                    int answered = 0;
                    for (const CardPlay& play : cards) {
                        Play(play);
                        givenBack += play.givenBack;
                        right += play.answers.ends_with('r') ? 1 : 0;
                        answered += play.runsOut ? 0 : 1;
                    }
                    ASSERT_NE(window->State(), ReviewState::Idle) << "ended with the cards played";
                    const std::uint32_t ran = RunOut();
                    ASSERT_EQ(window->State(), ReviewState::Idle);
                    EXPECT_EQ(fakes.clock.tick - begin, AtTick(minutes * 60'000 + givenBack))
                        << "after " << ran << " ms of waiting";
                    EXPECT_EQ(Texts().at(0), kCompleted);
                    ExpectRecorded(level, right, answered, minutes * 60, created);
                }
            }
        }
    }
}

// Past the last of the session's 100 places the first comes again, empty; a My Facts session's
// new card takes the place of the oldest, so the counts are of the last 100 cards.
TEST_F(TrainingWindowTest, AfterTheLastPlaceTheFirstComesAgainEmpty) {
    for (const auto& [myFacts, cards] : {std::pair{false, 100}, std::pair{true, 105}}) {
        SCOPED_TRACE(myFacts);
        BeginSession(4, kAddition, myFacts);
        const Problem first = window->CurrentProblem();
        for (int card = 0; card < cards; ++card) {
            AnswerRight();
            Wait(801);
        }
        const CTestData& session = window->Session();
        const int place = cards % 100;
        EXPECT_EQ(std::tuple(session.GetCount(), window->CurrentIndex(), session.GetCorrectCount(),
                             session.GetAnsweredCount()),
                  std::tuple(100, place, 99, 99));
        EXPECT_EQ(session.GetProblem(place).enteredAnswer, kNoValue);
        EXPECT_EQ(window->CurrentProblem().enteredAnswer, kNoValue);
        EXPECT_TRUE(
            IsSameFact(window->CurrentProblem(), myFacts ? session.GetProblem(place) : first));
    }
}

TEST_F(TrainingWindowTest, ADueReviewTakesOverAtBeginOrOnceTheSessionIsRecorded) {
    Open();
    for (int a = 0; a < 10; ++a) { // facts the session never shows
        GetCurrentStudent().AddMistake(Mistake(a, '+', 20));
    }
    SetGoal("20");
    Click(kBegin);
    EXPECT_EQ(Boxes(fakes), (std::vector<Box>{{kReviewDue, MbIcon::Information, "Tallyhop"}}));
    ExpectReviewTookOver();
    EXPECT_TRUE(Sessions().empty());

    fakes.messageBoxes.shown.clear();
    BeginSession(4);
    RunOut(); // more than ten cards run out: ten mistakes make a review due
    EXPECT_EQ(Texts(), (std::vector<std::string>{kCompleted, kReviewDue}));
    EXPECT_EQ(Sessions().size(), 1u);
    ExpectReviewTookOver();
}

TEST_F(TrainingWindowTest, MyFactsTakesTheLevelsKindAndTheSetUpSaysWhatItWillPractise) {
    struct Case {
        int level;
        const char* standing; // as Open takes it
        const char* note;
    };
    const std::vector<Case> cases = {
        {kMultiplication, "none", "All your facts are new to you. Let's try them all!"},
        {kAddition, "m7+6 m8+5 m9+4",
         "Let's practise 7 + 6, 8 + 5 and 9 + 4. You are still learning them."},
        {kAddition, "m7+6", "Let's practise 7 + 6. You are still learning it."},
        // Missed ones first, then the slow ones.
        {kAddition, "s2+3 s8+5 m7+6 s9+4",
         "Let's practise 7 + 6, 2 + 3 and 2 more facts you are still learning."},
        {kAddition, "s2+3 s8+5 s9+4 s4+4 u1+1",
         "Let's get faster at 2 + 3, 4 + 4 and 2 more facts."},
        {kAddition, "u1+1", "Let's try a new fact: 1 + 1."},
        {kAddition, "u1+1 u3+1", "Let's try some new facts, a few at a time."},
        {kSubtraction, "", "You know all your facts! Let's keep them quick."},
        {kMixed, "m56/8 m7x8",
         "Let's practise 7 \u00d7 8 and 56 \u00f7 8. You are still learning them."},
        // Listed mistakes of a student whose first tries were never kept.
        {kSubtraction, "none l9-4 l8-3",
         "Let's practise 8 \u2212 3 and 9 \u2212 4. You are still learning them."},
        {kDivision, "none", ""}, // no facts to read: Begin says what is wrong
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        if (c.level == kDivision) {
            std::filesystem::remove(fakes.Path("/Test Data/division.txt"));
        }
        Open(c.level, {}, c.standing);
        EXPECT_FALSE(window->MyFactsNote()->isVisible());
        Click(kMyFactsButton);
        EXPECT_TRUE(window->MyFactsChosen());
        EXPECT_EQ(window->Kind(), c.level);
        EXPECT_EQ(LitKinds(), std::vector{kMyFactsButton});
        EXPECT_EQ(window->MyFactsNote()->isVisible(), *c.note != '\0');
        EXPECT_EQ(window->MyFactsNote()->text().toStdString(), c.note);
        Click(kDivisionButton);
        EXPECT_FALSE(window->MyFactsChosen());
        EXPECT_EQ(window->Kind(), kDivision);
        EXPECT_FALSE(window->MyFactsNote()->isVisible());
    }
    EXPECT_EQ(window->Button(kMyFactsButton)->accessibleName(), "My facts");
}

// The three missed facts come first and keep coming back among known ones; the session is
// recorded as one of Addition with every right answer, and the first tries are kept, so the
// set-up then finds nothing left to learn.
TEST_F(TrainingWindowTest, AMyFactsSessionPractisesTheMissedFactsAndIsRecordedLikeAnyOther) {
    BeginSession(1, kAddition, true);
    const auto created = static_cast<std::uint32_t>(fakes.clock.seconds);
    const std::vector<Problem> kMissed{Mistake(7, '+', 6), Mistake(8, '+', 5), Mistake(9, '+', 4)};
    EXPECT_FALSE(window->MyFactsNote()->isVisible());
    EXPECT_TRUE(IsListed(kMissed, window->CurrentProblem()));
    int cards = 0;
    int missedCards = 0;
    while (window->State() == ReviewState::FirstTry) {
        missedCards += cards < 12 && IsListed(kMissed, window->CurrentProblem()) ? 1 : 0;
        Wait(1'000); // quick enough to be fluent
        if (window->State() == ReviewState::FirstTry) {
            AnswerRight();
            ++cards;
            Wait(801);
        }
    }
    EXPECT_GE(missedCards, 6) << "of the first 12 cards";
    ASSERT_EQ(window->State(), ReviewState::Idle);

    ExpectRecorded(kAddition, cards, cards, 60, created);
    for (const Problem& fact : kMissed) {
        EXPECT_EQ(WrittenFluencyOf(kStudent, fact), data::Fluency::Fluent);
        EXPECT_EQ(WrittenFirstTries(kStudent, fact), 1 + data::MyFactsPlan::kRetireAfter)
            << "once before, then until it was known";
    }
    EXPECT_EQ(window->SessionGraph()->Series().Count(), 1);
    EXPECT_TRUE(window->MyFactsChosen()) << "the choice stays";
    EXPECT_EQ(window->MyFactsNote()->text().toStdString(),
              "You know all your facts! Let's keep them quick.");
}

// Cards answered right at once come in the order of the answer file, which lists a card for
// every timer period of the session; with nothing to plan on, a My Facts session is a plain
// one of its kind's file, listed problem by problem.
TEST_F(TrainingWindowTest, DebugAnswerFileListsTheCardsInTheOrderTheyCome) {
    fakes.process.arguments = " -debug";
    BeginSession(1, kAddition, true);
    const QStringList lines =
        QString::fromStdString(ReadFile(fakes, "/trainingAnswers.dat")).split("\r\n");
    ASSERT_EQ(lines.size(), 601) << "600 lines, each ended";
    for (int card = 0; card < 40; ++card) {
        ASSERT_EQ(AnswerKeyPresses(window->CurrentProblem()), lines[card].toStdString()) << card;
        AnswerRight();
        Wait(801);
    }

    Open(kMixed);
    Click(kMyFactsButton);
    SetGoal("20");
    Click(kBegin);
    EXPECT_EQ(window->Session().GetCount(), 100) << "the mixed file's problems";
    std::string expected;
    for (int i = 0; i < window->Session().GetCount(); ++i) {
        expected += AnswerKeyPresses(window->Session().GetProblem(i)) + "\r\n";
    }
    EXPECT_EQ(ReadFile(fakes, "/trainingAnswers.dat"), expected);
}

// The report is refilled newest first at each press; Begin hides both views and the end of the
// session shows the graph, refilled.
TEST_F(TrainingWindowTest, EachViewButtonShowsOnlyItsViewAndTheEndOfASessionShowsTheGraph) {
    using namespace testrecords;
    Open(kAddition, {TrainingRecord(11, 60, 20), TrainingRecord(12, 240, 20),
                     ReviewRecord(4, 9, 0, 95), TrainingRecord(13, 60, 20)});
    const CBasicLineGraph& graph = *window->SessionGraph();
    const ReportList& report = *window->SessionReport();
    EXPECT_FALSE(graph.isVisible() || report.isVisible());
    Click(kViewSessionGraph);
    EXPECT_TRUE(graph.isVisible());
    EXPECT_EQ(graph.Series().Count(), 3);
    Click(kViewReport);
    EXPECT_FALSE(graph.isVisible());
    EXPECT_TRUE(report.isVisible());
    EXPECT_EQ(report.geometry(), window->Layout().cardArea.ToQRect());
    EXPECT_EQ(Played("navigate.wav"), 2);
    EXPECT_EQ(ColumnTexts(report, 0), (QStringList{"3", "Review", "2", "1"}));
    EXPECT_EQ(ColumnTexts(report, 4), (QStringList{"13", "", "12", "11"}));
    EXPECT_EQ(ColumnTexts(report, 11)[0].toStdString(),
              history::CumulativeText(60 + 240 + 95 + 60));
    EXPECT_EQ(ColumnTexts(report, 1)[0], "03\\07\\2003");
    GetCurrentStudent().AddReviewSession(2, 5, 0, 30);
    Click(kViewReport);
    EXPECT_EQ(ColumnTexts(report, 8)[0], "Complete") << "refilled";

    SetGoal("15");
    Click(kBegin);
    EXPECT_FALSE(graph.isVisible() || report.isVisible());
    AnswerRight();
    RunOut();
    EXPECT_TRUE(graph.isVisible());
    // In the card's place, the graph says how the session went.
    EXPECT_EQ(window->focusWidget(), &graph);
    EXPECT_TRUE(
        graph.accessibleDescription().endsWith("Session 4 of 4: 1 correct, goal 15, 1 minute."));
    EXPECT_FALSE(window->Card().isVisible());
    ASSERT_EQ(graph.Series().Count(), 4) << "refilled";
    EXPECT_EQ(std::pair(graph.Series().Point(3).value, graph.Series().Point(3).mark),
              std::pair(1, 15));
    EXPECT_EQ(Played("navigate.wav"), 4) << "the graph after the session";
    // Its legend: the samples in the colours of the bars of one and of four minutes, the goal
    // mark, and the line of the current goal.
    RecordingCanvas canvas;
    window->SessionGraph()->Paint(canvas);
    const auto above = [&graph](const platform::GdiRect& r) {
        return r.bottom > 0 && r.bottom <= graph.Layout().plot.top;
    };
    EXPECT_EQ(canvas.TextsWhere(above),
              (std::vector<std::string>{"current goal", "goal", "4 minutes", "1 minute"}));
    const QColor oneMinute = GraphBarColour(graph.Series().Point(3).category);
    EXPECT_EQ(
        canvas.FillsWhere(above),
        (std::vector{oneMinute, GraphBarColour(graph.Series().Point(1).category), oneMinute}));
    EXPECT_EQ(std::ranges::count_if(canvas.lines,
                                    [&](const auto& line) {
                                        return line.from.y() < graph.Layout().plot.top &&
                                               line.pen.style == platform::PenStyle::Solid;
                                    }),
              1)
        << "the goal sample's mark";
}
