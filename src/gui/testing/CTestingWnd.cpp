#include "CTestingWnd.h"

#include "data/CStudent.h"
#include "data/SessionHistory.h"
#include "gui/common/CentreIn.h"
#include "gui/common/DebugAnswerFile.h"
#include "gui/common/HomeScreen.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/CPictureButton.h"
#include "gui/controls/FactText.h"
#include "gui/controls/FlashCardDisplay.h"
#include "gui/controls/SpokenText.h"
#include "platform/BaseFolder.h"
#include "platform/CommandLine.h"
#include "platform/Display.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/ProgramSound.h"
#include "platform/qt/ScreenBitmaps.h"
#include "platform/qt/ScreenStage.h"

#include <string>

namespace {

constexpr const char* kSource = "Gui classes\\Ctestingwnd";
constexpr std::string_view kFolder = "Testing";
constexpr int kCardPoints = 18;
constexpr std::uint32_t kRowPauseMs = 500;
// The last digit key held down now that was also pressed since the previous poll. Every key is
// polled, so each press counts once.
std::optional<int> PollHeldDigit() {
    std::optional<int> held;
    for (int digit = 0; digit <= 9; ++digit) {
        const platform::KeyPoll poll = platform::GetKeyboard().PollDigit(digit);
        if (poll.down && poll.pressedSinceLastPoll) {
            held = digit;
        }
    }
    return held;
}

void ShowBox(QWidget* owner, const QString& text, std::optional<std::string> title,
             platform::MbIcon icon) {
    platform::GetMessageBoxes().Show(
        {.text = text.toStdString(), .title = std::move(title), .icon = icon, .owner = owner});
}

} // namespace

CTestingWnd::CTestingWnd(IHomeScreen& home)
    : ActivityWindow({.source = kSource,
                      .windowTitle = QT_TRANSLATE_NOOP("ActivityWindow", "Testing Window"),
                      .failureName = "Testing",
                      .headerTitle = tr("Testing"),
                      .overhang = 1}),
      homeScreen_(home) {
    if (Build()) {
        show();
    }
}

bool CTestingWnd::CreateUIElements() {
    correctIcon_ = platform::LoadScreenBitmap(kFolder, "correctIcon");
    missedIcon_ = platform::LoadScreenBitmap(kFolder, "missedIcon");
    remainingIcon_ = platform::LoadScreenBitmap(kFolder, "remaining");
    cardBackground_ = platform::LoadScreenBitmap(kFolder, "flashCardBackground");
    cardFont_ = platform::MakeFont("Symbol", platform::PointsToPixels(kCardPoints));
    const int statusPoints = platform::GetScreenSize().width >= 1024 ? 14 : 12;
    statusFont_ = platform::MakeFont("Book Antiqua", platform::PointsToPixels(statusPoints));

    pad_ = new CNumberPadCtl(this);
    connect(pad_, &CNumberPadCtl::answerPosted, this, &CTestingWnd::OnAnswer);
    pad_->EnableKeys(false);

    beginButton_ = new CPictureButton;
    beginButton_->Create(QCoreApplication::translate("PictureCaption", "Begin"),
                         CPictureButton::Visibility::Visible, QRect(0, 0, 1, 1), this, kBegin);
    beginButton_->LoadBitmaps(kFolder, "beginButton");
    beginButton_->setAccessibleDescription(tr("Start the test"));
    homeButton_ = new CPictureButton;
    const bool homeCreated =
        homeButton_->Create(QCoreApplication::translate("PictureCaption", "Home"),
                            CPictureButton::Visibility::Visible, QRect(0, 0, 1, 1), this, kHome);
    homeButton_->LoadBitmaps(kFolder, "homeButton");
    homeButton_->setAccessibleDescription(tr("Go back to the home screen"));
    for (CPictureButton* button : {beginButton_, homeButton_}) {
        connect(button, &CPictureButton::commandClicked, this, &CTestingWnd::OnCommand);
    }
    status_ = new SpokenText(this, QAccessible::StaticText);
    return homeCreated;
}

void CTestingWnd::PositionUIElements() {
    layout_ = ComputeTestingLayout(width(), height(), header_.Height());
    header_.Layout(width(), layout_.columnRight);
    const QPoint padPlace = CentreIn(layout_.padArea, pad_->size());
    pad_->move(padPlace);
    pad_->SetDisplayFont(kCardPoints);
    pad_->HidePad();
    homeButton_->move(layout_.buttonArea.left, padPlace.y());
    beginButton_->move(layout_.buttonArea.left, padPlace.y() + homeButton_->height());
    status_->setGeometry(layout_.statusBox.ToQRect());
    SayStatus();
}

void CTestingWnd::OnCommand(int id) {
    if (id == kBegin) {
        OnBegin();
    } else if (id == kHome) {
        OnHome();
    }
}

void CTestingWnd::OnBegin() {
    platform::WriteTraceLog(kSource, __LINE__);
    if (GetCurrentStudent().IsReviewDue()) {
        ShowBox(this, tr("Time to review your mistakes."), std::nullopt,
                platform::MbIcon::Information);
        CloseWindow();
        homeScreen_.OpenMistakeReview();
        return;
    }
    const std::optional<int> heldDigit = PollHeldDigit();
    if (!LoadTest()) {
        return;
    }
    running_ = true;
    currentIndex_ = 0;
    missed_ = 0;
    correct_ = 0;
    remaining_ = test_.GetCount();
    passed_.reset();
    startTime_ = platform::GetClock().TickCount();
    const bool debug = platform::HasOption(platform::kOptionDebug);
    if (debug && heldDigit) {
        RecordDebugTest(*heldDigit);
    } else {
        StartAnswering();
    }
    if (debug) {
        WriteDebugAnswers();
    }
}

// A fresh problem set for every test, so its creation time is when this test began. A file that
// cannot be read starts no test: empty problems would count as right answers.
bool CTestingWnd::LoadTest() {
    const int testNumber = TestFileNumber(GetCurrentStudent().GetLevel());
    test_ = CTestData();
    if (!test_.Load(testNumber)) {
        platform::WriteErrorLog(kSource, __LINE__,
                                "Failed to load test #" + std::to_string(testNumber));
        ShowBox(this, tr("Please contact the system administrator."), std::nullopt,
                platform::MbIcon::Stop);
        return false;
    }
    timeLimit_ = TestTimeLimitMs(testNumber);
    return true;
}

// The debug shortcut: a whole test at once, every problem right but the last `unanswered`.
void CTestingWnd::RecordDebugTest(int unanswered) {
    missed_ = unanswered;
    correct_ = test_.GetCount() - unanswered;
    for (int i = 0; i < correct_; ++i) {
        test_.SetAnswer(i, test_.GetProblem(i).correctAnswer);
    }
    remaining_ = 0;
    FinishTest();
    ShowBox(this, QStringLiteral("Added a test."), "Debug", platform::MbIcon::Information);
}

void CTestingWnd::StartAnswering() {
    beginButton_->setEnabled(false);
    pad_->EnableKeys(true);
    TakeFocusForAnswers();
    PreparePadFor(0);
    timer_.start(kTimerPeriodMs, this);
    update(layout_.cardArea.ToQRect());
    update(layout_.statusBox.ToQRect());
}

void CTestingWnd::OnAnswer(int answer) {
    // Answers still on their way when the test ended belong to no problem.
    if (!running_) {
        return;
    }
    const bool ok = test_.SetAnswer(currentIndex_, static_cast<std::int16_t>(answer));
    const Problem problem = test_.GetProblem(currentIndex_);
    platform::PlayProgramSound(platform::ProgramSound::kType);
    GetCurrentStudent().RecordFirstTry(problem, ok,
                                       platform::GetClock().TickCount() - cardReadyTime_);
    if (ok) {
        GetCurrentStudent().RecordCorrectAnswer(problem);
        ++correct_;
    } else {
        GetCurrentStudent().AddMistake(problem);
        ++missed_;
    }
    --remaining_;
    // At once, and while the answered card is still the current one, so the row's last answer is
    // on screen during the pause below.
    repaint(CardRect(currentIndex_).ToQRect());
    const bool rowFinished = (currentIndex_ + 1) % kCardsPerRow == 0;
    if (rowFinished && remaining_ > 0) {
        // The pause is the student's time to see the finished row; it is not taken from the test.
        platform::GetClock().Sleep(kRowPauseMs);
        startTime_ += kRowPauseMs;
    }
    ++currentIndex_;
    if (remaining_ < 1) {
        FinishTest();
        return;
    }
    if (rowFinished) {
        update(layout_.cardArea.ToQRect());
    }
    update(layout_.statusBox.ToQRect());
    PreparePadFor(currentIndex_);
}

void CTestingWnd::PreparePadFor(int index) {
    SetPadLayoutFor(*pad_, test_.GetProblem(index));
    pad_->SetDisplayRect(AroundAnswerBox(AnswerBoxOf(index)));
    pad_->ClearValue();
    pad_->ShowValue(true);
    SayStatus();
    card_.SetGeometry(CardRect(index).ToQRect());
    card_.Say(SpokenFact(test_.GetProblem(index)), StatusText());
    cardReadyTime_ = platform::GetClock().TickCount();
}

void CTestingWnd::timerEvent(QTimerEvent*) {
    if (running_ && platform::GetClock().TickCount() - startTime_ > timeLimit_) {
        FinishTest();
    }
}

void CTestingWnd::FinishTest() {
    pad_->HidePad();
    pad_->EnableKeys(false);
    beginButton_->setEnabled(true);
    if (test_.GetWrongCount() == 0) {
        platform::PlayProgramSound(platform::ProgramSound::kApplause);
    }
    timer_.stop();
    running_ = false;
    test_.SetDuration(0);
    test_.SetGoal(0);
    test_.SetFlag(0);
    CStudent& student = GetCurrentStudent();
    if (student.AddSession(test_, kTestSession, -1)) {
        passed_ = history::IsPassed(student.GetSession(student.GetSessionCount() - 1));
    }
    student.SaveFluency();
    repaint();
    // The result takes the card's place as what the student hears.
    SayStatus();
    status_->setFocus();
    card_.Say({});
}

QString CTestingWnd::StatusText() const {
    if (remaining_ == -1) {
        return tr("Click Begin to start the test.");
    }
    if (running_) {
        return tr("Remaining: %1").arg(remaining_);
    }
    if (!passed_) {
        return tr("Correct: %1. Missed: %2.").arg(correct_).arg(missed_);
    }
    return (*passed_ ? tr("Correct: %1. Missed: %2. You passed this test.")
                     : tr("Correct: %1. Missed: %2. You did not pass this test."))
        .arg(correct_)
        .arg(missed_);
}

void CTestingWnd::SayStatus() {
    status_->Say(StatusText());
}

void CTestingWnd::WriteDebugAnswers() const {
    WriteDebugAnswerFile(platform::GetBaseFolder() + "/testAnswers.dat", test_);
}

void CTestingWnd::OnHome() {
    TraceNavigation(__LINE__);
    homeScreen_.ShowHome();
    CloseWindow();
}

// Leaving mid-test keeps the first tries made so far.
void CTestingWnd::CloseWindow() {
    GetCurrentStudent().SaveFluency();
    timer_.stop();
    running_ = false;
    Dismiss();
}
