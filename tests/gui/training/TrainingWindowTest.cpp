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
#include "gui/review/CMistakeReviewWnd.h"
#include "gui/training/CTrainingWnd.h"
#include "platform/Files.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <filesystem>

using platform::MbIcon;
using enum CTrainingWnd::CommandId;

namespace {

constexpr const char* kStudent = "Mary Ann Smith";
constexpr const char* kGoalMessage =
    "Please set a goal. This is the number of problems you want to get correct.";
constexpr const char* kCompleted =
    "This training session has been completed. Press OK to view your current progress.";
constexpr const char* kReviewDue = "It is time to review your mistakes.";

class TrainingWindowTest : public guitest::WindowTest<CTrainingWnd> {
protected:
    TrainingWindowTest() {
        guitest::CopyInstalledTestFiles(fakes);
        guitest::WriteTestFile(fakes, "mixed.txt", guitest::OneDigitFacts('x'));
    }

    // A session that ends with a review due hands over to a review window.
    ~TrainingWindowTest() override { delete guitest::FindTopLevel<CMistakeReviewWnd>(); }

    void Open(int level = kAddition) {
        delete window.data();
        guitest::SignInStudent(kStudent, level, 0);
        window = new CTrainingWnd(home);
    }

    void Click(CTrainingWnd::CommandId id) { guitest::Click(window->Button(id)); }

    // Gives the student, before the window opens, first tries at every fact of `kind`: right
    // and quick but for `missed` (answered wrong) and `slow`, and none at `unseen`.
    void GiveFirstTries(const std::vector<Problem>& missed, std::int32_t kind = kAddition,
                        const std::vector<Problem>& slow = {},
                        const std::vector<Problem>& unseen = {}) {
        const auto among = [](const std::vector<Problem>& facts, const Problem& fact) {
            return std::ranges::any_of(facts,
                                       [&](const Problem& f) { return IsSameFact(f, fact); });
        };
        data::FactFluency fluency;
        for (const Problem& fact : data::ReadPractisedFacts(kind)) {
            if (!among(unseen, fact)) {
                fluency.RecordFirstTry(fact, !among(missed, fact),
                                       among(slow, fact) ? 5'000 : 1'200);
            }
        }
        const std::string path = CUserManager::GetFluencyFilePath(kStudent);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        ASSERT_TRUE(data::WriteFluencyFile(path, fluency));
    }

    void SetGoal(const QString& text) {
        window->GoalField()->clear();
        QTest::keyClicks(window->GoalField(), text);
    }

    // Opens the window and begins a session of `minutes` with a goal of 20; with `myFacts`, a My
    // Facts session of a student who has missed three addition facts.
    void BeginSession(int minutes = 1, int level = kAddition, bool myFacts = false) {
        if (myFacts) {
            GiveFirstTries(kMissed);
        }
        Open(level);
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
        while (window->State() != ReviewState::Idle && waited < 1'000'000) {
            Wait(100);
            waited += 100;
        }
        return waited;
    }

    // The kind buttons shown lit.
    std::vector<CTrainingWnd::CommandId> LitKinds() const {
        std::vector<CTrainingWnd::CommandId> lit;
        for (const auto id : {kAdditionButton, kSubtractionButton, kMultiplicationButton,
                              kDivisionButton, kMixedButton, kMyFactsButton}) {
            if (window->Button(id)->ShowsRollOver()) {
                lit.push_back(id);
            }
        }
        return lit;
    }

    int CardInk(QColor colour) {
        return guitest::CountColour(guitest::Snapshot(*window), window->Layout().cardArea.ToQRect(),
                                    colour);
    }

    std::vector<SessionRecord> Sessions() const {
        const auto bytes = platform::ReadFileBytes(CUserManager::GetInfoFilePath(kStudent));
        return data::ParseStudentRecord(bytes.value())->sessions;
    }

    // The list's entry for the fact on the card, if it is listed.
    std::optional<Problem> Listed(const Problem& fact) const {
        for (const Problem& mistake : guitest::StoredMistakes()) {
            if (IsSameFact(mistake, fact)) {
                return mistake;
            }
        }
        return std::nullopt;
    }

    // The training window has closed and handed over to the review window.
    bool IsMissed(const Problem& card) const {
        return std::ranges::any_of(kMissed,
                                   [&card](const Problem& m) { return IsSameFact(m, card); });
    }

    const std::vector<Problem> kMissed{guitest::Mistake(7, '+', 6), guitest::Mistake(8, '+', 5),
                                       guitest::Mistake(9, '+', 4)};

    void ExpectReviewTookOver() {
        CloseDeleted();
        EXPECT_TRUE(window.isNull());
        EXPECT_EQ(home.shows, 0) << "the review window shows it when it closes";
        std::unique_ptr<CMistakeReviewWnd> review(guitest::FindTopLevel<CMistakeReviewWnd>());
        EXPECT_NE(review, nullptr);
    }
};

} // namespace

TEST_F(TrainingWindowTest, TheStudentsLevelChoosesTheKindAndMixedStaysChosenAcrossASession) {
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
    EXPECT_TRUE(window->Button(kBegin)->isEnabled());
    EXPECT_TRUE(window->GoalField()->isEnabled());
    EXPECT_EQ(window->GoalField()->text(), "5");
    EXPECT_EQ(guitest::CountRecords(guitest::ReadErrorLog(fakes), "Failed to open "), 0)
        << "every picture of the window and both pads";
}

// Every set-up text of lines from the top shows whole: no control below it covers a letter
// (nor its descenders).
TEST_F(TrainingWindowTest, TheSetUpTextsShowWholeOverTheControlsBelowThem) {
    Open(kMixed);
    const QImage shown = guitest::Snapshot(*window);
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

TEST_F(TrainingWindowTest, AGoalFromOneToNinetyNineIsNeededAndTheFieldTakesDigitsOnly) {
    Open();
    for (const char* refused : {"", "0", "100"}) {
        SCOPED_TRACE(refused);
        fakes.messageBoxes.shown.clear();
        SetGoal(refused);
        Click(kBegin);
        ASSERT_EQ(fakes.messageBoxes.Texts(), std::vector<std::string>{kGoalMessage});
        EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::None);
        EXPECT_FALSE(fakes.messageBoxes.shown[0].title.has_value());
        EXPECT_EQ(window->State(), ReviewState::Idle);
        EXPECT_EQ(window->focusWidget(), window->GoalField());
        EXPECT_EQ(window->GoalField()->selectedText(), refused);
        Wait(100); // a tick still on its way times nothing
        EXPECT_TRUE(Sessions().empty());
    }
    SetGoal("9x9");
    EXPECT_EQ(window->GoalField()->text(), "99");
    EXPECT_EQ(window->Goal(), 99);
    fakes.messageBoxes.shown.clear();
    Click(kBegin);
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
    EXPECT_EQ(window->State(), ReviewState::FirstTry);
    EXPECT_TRUE(window->NumberPad()->isVisible());
}

// Right: green, and the listed fact's streak grows. Wrong: red and listed at once, an empty card
// for the second try; wrong again: the answer in blue, still one mistake. Silent: the answer
// shown, listed as left unanswered, without a sound.
TEST_F(TrainingWindowTest, EachCardShowsItsFeedbackAndTellsTheMistakeListOnce) {
    BeginSession();
    const Problem right = window->CurrentProblem();
    ASSERT_TRUE(
        data::WriteMistakeList(CUserManager::GetMistakeFilePath(kStudent),
                               {guitest::Mistake(right.firstOperand, '+', right.secondOperand)}));
    ExpectSaid("%1", right);
    AnswerRight();
    ExpectSaid("Great! %1 equals %2.", right, right.correctAnswer);
    EXPECT_EQ(Played("type.wav"), 1);
    EXPECT_FALSE(window->NumberPad()->isEnabled());
    EXPECT_GT(CardInk(QColor(0, 255, 0)), 20);
    EXPECT_EQ(Listed(right)->correctStreak, 1);
    Wait(801);

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
}

namespace {

// How a card is answered: right; wrong, then right; wrong twice; or not at all.
enum class CardPlay { Right, WrongThenRight, WrongTwice, RunsOut };

// What the feedback of a card gives back to the session: the pictures after an answer, and the
// answer shown after a second miss; not the answer shown after a time-out.
std::uint32_t GivenBack(CardPlay play) {
    switch (play) {
    case CardPlay::Right:
        return 800;
    case CardPlay::WrongThenRight:
        return 1'500 + 800;
    case CardPlay::WrongTwice:
        return 1'500 + 1'200 + 1'750;
    case CardPlay::RunsOut:
        break;
    }
    return 0;
}

class TrainingTimeTest : public TrainingWindowTest {
protected:
    // Ticks until the card leaves `state` (or the session ends), for at most `atMost` ms.
    void WaitWhile(ReviewState state, std::uint32_t atMost = 100'000) {
        for (std::uint32_t waited = 0; window->State() == state && waited < atMost;
             waited += CTrainingWnd::kTimerPeriodMs) {
            Wait(CTrainingWnd::kTimerPeriodMs);
        }
    }

    // An answer that arrives while the card shows its feedback: a quick second click, posted
    // before the keys were locked.
    void AnswerDuringFeedback() {
        if (answersDuringFeedback) {
            emit window->NumberPad()->answerPosted(Correct());
            QCoreApplication::sendPostedEvents();
        }
    }

    void Play(CardPlay play) {
        switch (play) {
        case CardPlay::Right:
            AnswerRight();
            AnswerDuringFeedback();
            WaitWhile(ReviewState::Correct);
            break;
        case CardPlay::WrongThenRight:
            AnswerWrong();
            AnswerDuringFeedback();
            WaitWhile(ReviewState::TryAgain);
            Play(CardPlay::Right);
            break;
        case CardPlay::WrongTwice:
            AnswerWrong();
            AnswerDuringFeedback();
            WaitWhile(ReviewState::TryAgain);
            AnswerWrong();
            AnswerDuringFeedback();
            WaitWhile(ReviewState::Almost);
            AnswerDuringFeedback();
            WaitWhile(ReviewState::ShowAnswer);
            break;
        case CardPlay::RunsOut:
            WaitWhile(ReviewState::FirstTry);
            WaitWhile(ReviewState::ShowAnswer);
            break;
        }
    }

    // The first tick at or after `ms` from Begin, at which the session's end is seen.
    static std::uint32_t AtTick(std::uint32_t ms) {
        constexpr std::uint32_t period = CTrainingWnd::kTimerPeriodMs;
        return (ms + period - 1) / period * period;
    }

    // Each session starts from a student without mistakes, so no review takes over at Begin.
    void ForgetEarlierSessions() {
        delete guitest::FindTopLevel<CMistakeReviewWnd>();
        std::filesystem::remove_all(
            std::filesystem::path(CUserManager::GetInfoFilePath(kStudent)).parent_path());
    }

    bool answersDuringFeedback = false;
};

} // namespace

// A session lasts its length plus the feedback of each card given back once, however often the
// timer ticks during that feedback and whatever answers arrive meanwhile; a My Facts session too.
TEST_F(TrainingTimeTest, ASessionLastsItsLengthPlusEachCardsFeedbackOnce) {
    using enum CardPlay;
    const std::vector<std::vector<CardPlay>> cases = {
        {},
        {Right, Right, Right, Right, Right},
        {WrongThenRight},
        {WrongTwice},
        {RunsOut},
        {Right, WrongThenRight, WrongTwice, RunsOut, Right},
    };
    for (const int minutes : {1, 4}) {
        for (const bool duringFeedback : {false, true}) {
            for (const auto& cards : cases) {
                for (const bool myFacts : {false, true}) {
                    SCOPED_TRACE(testing::Message()
                                 << minutes << " min, " << cards.size()
                                 << " cards, answers during feedback " << duringFeedback
                                 << (myFacts ? ", My Facts" : ""));
                    answersDuringFeedback = duringFeedback;
                    ForgetEarlierSessions();
                    BeginSession(minutes, kAddition, myFacts);
                    const std::uint32_t begin = fakes.clock.tick;
                    std::uint32_t givenBack = 0;
                    for (const CardPlay play : cards) {
                        Play(play);
                        givenBack += GivenBack(play);
                    }
                    ASSERT_NE(window->State(), ReviewState::Idle) << "ended with the cards played";
                    const std::uint32_t ran = RunOut();
                    ASSERT_EQ(window->State(), ReviewState::Idle);
                    EXPECT_EQ(fakes.clock.tick - begin, AtTick(minutes * 60'000 + givenBack))
                        << "after " << ran << " ms of waiting";
                }
            }
        }
    }
}

// A child who answers right every 1.5 s gets 0.8 s of each back: the minute ends all the same,
// and every right answer is recorded.
TEST_F(TrainingTimeTest, AQuickChildIsLetGoOnTimeAndEveryRightAnswerIsRecorded) {
    BeginSession(1);
    const std::uint32_t begin = fakes.clock.tick;
    int rightAnswers = 0;
    while (window->State() == ReviewState::FirstTry && fakes.clock.tick - begin < 600'000) {
        WaitWhile(ReviewState::FirstTry, 600);
        if (window->State() != ReviewState::FirstTry) {
            break;
        }
        AnswerRight();
        ++rightAnswers;
        WaitWhile(ReviewState::Correct);
    }
    ASSERT_EQ(window->State(), ReviewState::Idle) << "still running after 10 minutes";
    EXPECT_EQ(fakes.clock.tick - begin, AtTick(60'000 + 800 * rightAnswers));
    ASSERT_EQ(Sessions().size(), 1u);
    EXPECT_EQ(Sessions()[0].correctCount, rightAnswers);
    EXPECT_EQ(Sessions()[0].answeredCount, rightAnswers);
}

TEST_F(TrainingWindowTest, ARightAnswerAtTheFirstTickDoesNotEndTheSession) {
    BeginSession();
    AnswerRight();
    Wait(100);
    EXPECT_EQ(window->State(), ReviewState::Correct);
}

TEST_F(TrainingWindowTest, TheSessionIsRecordedWithItsKindGoalAndLengthByteForByte) {
    BeginSession(4, kSubtraction);
    const auto created = static_cast<std::uint32_t>(fakes.clock.seconds);
    AnswerRight();
    Wait(801);
    AnswerWrong();
    Wait(1'501);
    AnswerRight(); // right on the second try counts as correct
    Wait(801);
    AnswerWrong();
    Wait(1'501);
    AnswerWrong();
    RunOut(); // the cards left run out unanswered

    EXPECT_EQ(fakes.messageBoxes.Texts().at(0), kCompleted);
    data::StudentRecord expected = guitest::NewStudentRecord(kSubtraction, 0);
    expected.sessions.push_back(testrecords::TrainingRecord(2, 240, 20, kSubtraction));
    expected.sessions[0].answeredCount = 3;
    expected.sessions[0].time = created;
    const auto stored = platform::ReadFileBytes(CUserManager::GetInfoFilePath(kStudent));
    EXPECT_EQ(stored, data::SerializeStudentRecord(expected));
}

TEST_F(TrainingWindowTest, AfterTheLastProblemTheFirstComesAgainEmpty) {
    BeginSession(4);
    const Problem first = window->CurrentProblem();
    for (int card = 0; card < 100; ++card) {
        AnswerRight();
        Wait(801);
    }
    EXPECT_EQ(window->CurrentIndex(), 0);
    EXPECT_TRUE(IsSameFact(window->CurrentProblem(), first));
    EXPECT_EQ(window->CurrentProblem().enteredAnswer, kNoValue);
    EXPECT_EQ(window->Session().GetProblem(0).enteredAnswer, kNoValue);
    EXPECT_EQ(window->Session().GetCorrectCount(), 99);
}

// A second try is no first try; a try that runs out is a wrong one. Home keeps them all.
TEST_F(TrainingWindowTest, FirstTriesAreTimedFromTheCardAndKeptWhenHomeEndsTheSession) {
    using data::Fluency;
    BeginSession();
    const Problem fast = window->CurrentProblem();
    Wait(2'000);
    AnswerRight();
    Wait(801);
    const Problem secondTry = window->CurrentProblem();
    AnswerWrong();
    Wait(1'501);
    AnswerRight();
    Wait(801);
    const Problem silent = window->CurrentProblem();
    Wait(15'001);
    Wait(1'751);
    const Problem unanswered = window->CurrentProblem();
    EXPECT_FALSE(platform::FileExists(CUserManager::GetFluencyFilePath(kStudent)));
    Click(kHome);

    EXPECT_EQ(guitest::WrittenFluencyOf(kStudent, fast), Fluency::Fluent);
    EXPECT_EQ(guitest::WrittenFluencyOf(kStudent, secondTry), Fluency::Missed);
    EXPECT_EQ(guitest::WrittenFirstTries(kStudent, secondTry), 1u);
    EXPECT_EQ(guitest::WrittenFluencyOf(kStudent, silent), Fluency::Missed);
    EXPECT_EQ(guitest::WrittenFirstTries(kStudent, unanswered), 0u);
}

TEST_F(TrainingWindowTest, HomeMidSessionRecordsNothingButKeepsTheListedMistakes) {
    BeginSession();
    AnswerWrong();
    Click(kHome);
    CloseDeleted();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(home.shows, 1);
    EXPECT_EQ(Played("navigate.wav"), 1);
    EXPECT_TRUE(Sessions().empty());
    EXPECT_EQ(GetCurrentStudent().GetMistakeCount(), 1);
}

TEST_F(TrainingWindowTest, ADueReviewTakesOverAtBegin) {
    Open();
    for (int a = 0; a < 10; ++a) { // facts the session never shows
        GetCurrentStudent().AddMistake(guitest::Mistake(a, '+', 20));
    }
    SetGoal("20");
    Click(kBegin);
    ASSERT_EQ(fakes.messageBoxes.Texts(), std::vector<std::string>{kReviewDue});
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::Information);
    EXPECT_EQ(fakes.messageBoxes.shown[0].title, "Tallyhop");
    ExpectReviewTookOver();
    EXPECT_TRUE(Sessions().empty());
}

TEST_F(TrainingWindowTest, ADueReviewTakesOverAfterTheSessionIsRecorded) {
    BeginSession(4);
    RunOut(); // more than ten cards run out: ten mistakes make a review due
    EXPECT_EQ(fakes.messageBoxes.Texts(), (std::vector<std::string>{kCompleted, kReviewDue}));
    EXPECT_EQ(Sessions().size(), 1u);
    ExpectReviewTookOver();
}

TEST_F(TrainingWindowTest, DebugAnswerFileListsEveryProblemInTheOrderShown) {
    fakes.process.arguments = " -debug";
    BeginSession(1, kMixed);
    std::string expected;
    for (int i = 0; i < window->Session().GetCount(); ++i) {
        expected += AnswerKeyPresses(window->Session().GetProblem(i)) + "\r\n";
    }
    EXPECT_EQ(guitest::ReadFile(fakes, "/trainingAnswers.dat"), expected);
}

TEST_F(TrainingWindowTest, MyFactsTakesTheLevelsKindAndTheSetUpSaysWhatItWillPractise) {
    struct Case {
        int level;
        // Facts apart by blanks: "m7+6" missed, "s2+3" slow, "u1+1" never tried, "l9-4" only on
        // the mistake list, every other fact known; "none": no first tries at all.
        const char* standing;
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
    };
    std::filesystem::create_directories(fakes.Path("/Data"));
    static const QRegularExpression fact(QStringLiteral("([msul])(\\d+)(.)(\\d+)"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        std::map<char, std::vector<Problem>> facts;
        for (const auto& match : fact.globalMatch(QString::fromUtf8(c.standing))) {
            facts[match.captured(1)[0].toLatin1()].push_back(
                guitest::Mistake(match.captured(2).toInt(), match.captured(3)[0].toLatin1(),
                                 match.captured(4).toInt()));
        }
        std::filesystem::remove(CUserManager::GetFluencyFilePath(kStudent));
        if (!QString::fromUtf8(c.standing).startsWith(QStringLiteral("none"))) {
            GiveFirstTries(facts['m'], c.level, facts['s'], facts['u']);
        }
        ASSERT_TRUE(data::WriteMistakeList(CUserManager::GetMistakeFilePath(kStudent), facts['l']));
        Open(c.level);
        EXPECT_FALSE(window->MyFactsNote()->isVisible());
        Click(kMyFactsButton);
        EXPECT_TRUE(window->MyFactsChosen());
        EXPECT_EQ(window->Kind(), c.level);
        EXPECT_EQ(LitKinds(), std::vector{kMyFactsButton});
        EXPECT_TRUE(window->MyFactsNote()->isVisible());
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
    EXPECT_FALSE(window->MyFactsNote()->isVisible());
    EXPECT_TRUE(IsMissed(window->CurrentProblem()));
    int cards = 0;
    int missedCards = 0;
    while (window->State() == ReviewState::FirstTry) {
        if (cards < 12 && IsMissed(window->CurrentProblem())) {
            ++missedCards;
        }
        Wait(1'000); // quick enough to be fluent
        if (window->State() == ReviewState::FirstTry) {
            AnswerRight();
            ++cards;
            Wait(801);
        }
    }
    EXPECT_GE(missedCards, 6) << "of the first 12 cards";
    ASSERT_EQ(window->State(), ReviewState::Idle);

    data::StudentRecord expected = guitest::NewStudentRecord(kAddition, 0);
    expected.sessions.push_back(testrecords::TrainingRecord(cards, 60, 20, kAddition));
    expected.sessions[0].answeredCount = static_cast<std::int16_t>(cards);
    expected.sessions[0].time = created;
    EXPECT_EQ(platform::ReadFileBytes(CUserManager::GetInfoFilePath(kStudent)),
              data::SerializeStudentRecord(expected));
    for (const Problem& fact : kMissed) {
        EXPECT_EQ(guitest::WrittenFluencyOf(kStudent, fact), data::Fluency::Fluent);
        EXPECT_EQ(guitest::WrittenFirstTries(kStudent, fact), 1 + data::MyFactsPlan::kRetireAfter)
            << "once before, then until it was known";
    }
    EXPECT_EQ(window->SessionGraph()->Series().Count(), 1);
    EXPECT_TRUE(window->MyFactsChosen()) << "the choice stays";
    EXPECT_EQ(window->MyFactsNote()->text().toStdString(),
              "You know all your facts! Let's keep them quick.");
}

// A child quicker than one card a second runs past the 100 places of the session: each new card
// takes the place of the oldest, so the counts are of the last 100 cards, as in any session.
TEST_F(TrainingWindowTest, AMyFactsSessionHoldsItsLatestCardsAsAPlainOneHoldsItsProblems) {
    BeginSession(4, kAddition, true);
    for (int card = 0; card < 105; ++card) {
        AnswerRight();
        Wait(801);
    }
    EXPECT_EQ(window->Session().GetCount(), 100);
    EXPECT_EQ(window->CurrentIndex(), 5);
    EXPECT_EQ(window->Session().GetProblem(5).enteredAnswer, kNoValue);
    EXPECT_EQ(window->Session().GetCorrectCount(), 99);
    EXPECT_EQ(window->Session().GetAnsweredCount(), 99);
    EXPECT_TRUE(IsSameFact(window->Session().GetProblem(5), window->CurrentProblem()));
}

// Cards answered right at once come in the order of the answer file, which lists a card for
// every timer period of the session; nothing to plan on gives a plain session and its file.
TEST_F(TrainingWindowTest, DebugAnswerFileListsTheCardsOfAMyFactsSessionInTheirOrder) {
    fakes.process.arguments = " -debug";
    BeginSession(1, kAddition, true);
    const std::string file = guitest::ReadFile(fakes, "/trainingAnswers.dat");
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = file.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(file.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), 600u);
    for (std::size_t card = 0; card < 40; ++card) {
        ASSERT_EQ(AnswerKeyPresses(window->CurrentProblem()), lines[card]) << card;
        AnswerRight();
        Wait(801);
    }

    std::filesystem::remove(CUserManager::GetFluencyFilePath(kStudent));
    Open();
    Click(kMyFactsButton);
    SetGoal("20");
    Click(kBegin);
    EXPECT_EQ(window->Session().GetCount(), 100) << "the addition file's problems";
    std::string expected;
    for (int i = 0; i < window->Session().GetCount(); ++i) {
        expected += AnswerKeyPresses(window->Session().GetProblem(i)) + "\r\n";
    }
    EXPECT_EQ(guitest::ReadFile(fakes, "/trainingAnswers.dat"), expected);
}

// A short file would give blank cards that count as right answers.
TEST_F(TrainingWindowTest, AShortProblemFileStartsNoSessionAndSaysSo) {
    Open(kDivision);
    SetGoal("10");
    guitest::WriteTestFile(fakes, "division.txt", std::vector<std::string>(89, "8 / 2"));
    Click(kBegin);
    ASSERT_EQ(fakes.messageBoxes.Texts(),
              std::vector<std::string>{"Please contact the system administrator."});
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::Stop);
    EXPECT_EQ(guitest::CountRecords(guitest::ReadErrorLog(fakes), "Failed to load test #5"), 1);
    EXPECT_EQ(window->State(), ReviewState::Idle);
    EXPECT_TRUE(window->Button(kBegin)->isEnabled());
    EXPECT_FALSE(window->NumberPad()->isVisible());
    EXPECT_TRUE(Sessions().empty());
}

namespace {

class TrainingViewsTest : public TrainingWindowTest {
protected:
    void OpenWithHistory(const std::vector<SessionRecord>& sessions) {
        guitest::SignInStudent(kStudent, kAddition, 0, sessions);
        window = new CTrainingWnd(home);
    }

    std::vector<std::string> Column(int column) const {
        std::vector<std::string> cells;
        for (int row = 0; row < window->SessionReport()->RowCount(); ++row) {
            cells.push_back(window->SessionReport()->RowTexts(row).at(column).toStdString());
        }
        return cells;
    }

    const GraphSeries& Points() const { return window->SessionGraph()->Series(); }
};

} // namespace

TEST_F(TrainingViewsTest, EachButtonShowsOnlyItsViewAndTheReportIsRefilledNewestFirst) {
    using namespace testrecords;
    OpenWithHistory({TrainingRecord(11, 60, 20), TrainingRecord(12, 240, 20),
                     ReviewRecord(4, 9, 0, 95), TrainingRecord(13, 60, 20)});
    EXPECT_FALSE(window->SessionGraph()->isVisible());
    EXPECT_FALSE(window->SessionReport()->isVisible());
    Click(kViewSessionGraph);
    EXPECT_TRUE(window->SessionGraph()->isVisible());
    EXPECT_EQ(Points().Count(), 3);
    Click(kViewReport);
    EXPECT_FALSE(window->SessionGraph()->isVisible());
    EXPECT_TRUE(window->SessionReport()->isVisible());
    EXPECT_EQ(window->SessionReport()->geometry(), window->Layout().cardArea.ToQRect());
    EXPECT_EQ(Played("navigate.wav"), 2);

    ASSERT_EQ(Column(0), (std::vector<std::string>{"3", "Review", "2", "1"}));
    EXPECT_EQ(Column(4), (std::vector<std::string>{"13", "", "12", "11"}));
    EXPECT_EQ(Column(11).front(), history::CumulativeText(60 + 240 + 95 + 60));
    EXPECT_EQ(Column(1).front(), "03\\07\\2003");
    EXPECT_EQ(window->SessionReport()->columnCount(), 12);
    GetCurrentStudent().AddReviewSession(2, 5, 0, 30);
    Click(kViewReport);
    EXPECT_EQ(Column(8).front(), "Complete") << "refilled";
}

TEST_F(TrainingViewsTest, BeginHidesTheViewsAndTheEndOfASessionShowsTheGraphWithIt) {
    OpenWithHistory({testrecords::TrainingRecord(11, 60, 20)});
    Click(kViewReport);
    SetGoal("15");
    Click(kBegin);
    EXPECT_FALSE(window->SessionReport()->isVisible());
    EXPECT_FALSE(window->SessionGraph()->isVisible());
    AnswerRight();
    RunOut();
    EXPECT_TRUE(window->SessionGraph()->isVisible());
    // In the card's place, the graph says how the session went.
    EXPECT_EQ(window->focusWidget(), window->SessionGraph());
    EXPECT_TRUE(window->SessionGraph()->accessibleDescription().endsWith(
        "Session 2 of 2: 1 correct, goal 15, 1 minute."));
    EXPECT_FALSE(window->Card().isVisible());
    ASSERT_EQ(Points().Count(), 2) << "refilled";
    EXPECT_EQ(Points().Point(1).value, 1);
    EXPECT_EQ(Points().Point(1).mark, 15);
    EXPECT_EQ(Played("navigate.wav"), 2) << "View report, then the graph after the session";
}

// Typed answers count as clicked ones; keys typed during the feedback after an answer do nothing
// and leave nothing on the next card.
TEST_F(TrainingWindowTest, TypedAnswersCountAndTypingDuringFeedbackLeavesNothing) {
    BeginSession();
    guitest::TypeAnswer(window, Correct());
    EXPECT_EQ(window->State(), ReviewState::Correct);
    guitest::TypeKeys(window, "7\n");
    EXPECT_EQ(Played("type.wav"), 1) << "no second answer arrived";
    Wait(801);
    ASSERT_EQ(window->State(), ReviewState::FirstTry);
    EXPECT_EQ(window->NumberPad()->GetDisplay()->text(), "");
    AnswerWrong();
    RunOut();
    EXPECT_EQ(Sessions().at(0).correctCount, 1);
}
