#include "CMistakeReviewWnd.h"

#include "PrintMistakes.h"
#include "data/CStudent.h"
#include "gui/common/CentreIn.h"
#include "gui/common/HomeScreen.h"
#include "gui/controls/CMistakeListCtl.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/CPictureButton.h"
#include "gui/controls/KeyboardNavigation.h"
#include "gui/controls/ReportList.h"
#include "gui/controls/ScreenButton.h"
#include "gui/controls/SpokenText.h"
#include "platform/CommandLine.h"
#include "platform/Display.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/ProgramSound.h"
#include "platform/qt/ScreenBitmaps.h"
#include "platform/qt/ScreenStage.h"

#include <QFontMetrics>

namespace {

constexpr const char* kSource = "Gui classes\\Cmistakereviewwnd";
constexpr const char* kTestingFolder = "Testing";
constexpr const char* kReviewFolder = "Review";
constexpr int kCardPoints = 26;

} // namespace

CMistakeReviewWnd::CMistakeReviewWnd(IHomeScreen& home)
    : ActivityWindow({.source = kSource,
                      .windowTitle = QT_TRANSLATE_NOOP("ActivityWindow", "Mistake Review"),
                      .failureName = "Review",
                      .headerTitle = tr("Review")}),
      parentWindow_(home.Window()), homeScreen_(home),
      printerSetup_(std::make_unique<PrintDialogSetup>(this)),
      buddy_([this](int frame) { ShowBuddyFrame(frame); }) {
    if (!Build()) {
        // Nothing is left to show the student: the program ends.
        platform::GetProcess().PostQuit();
        return;
    }
    platform::SetMainWindow(this);
    show();
}

CMistakeReviewWnd::~CMistakeReviewWnd() = default;

CPictureButton* CMistakeReviewWnd::Button(CommandId id) const {
    switch (id) {
    case kBegin:
        return beginButton_;
    case kPrintMistakes:
        return printButton_;
    case kHome:
        return homeButton_;
    default:
        return nullptr;
    }
}

void CMistakeReviewWnd::SetPrinterSetup(std::unique_ptr<IPrinterSetup> setup) {
    printerSetup_ = std::move(setup);
}

bool CMistakeReviewWnd::CreateUIElements() {
    pictures_.Load();
    const int basePoints = ReportTextPoints();
    const QFont baseFont = platform::MakeFont("Book Antiqua", platform::PointsToPixels(basePoints));
    setFont(baseFont);
    cardFont_ = platform::MakeFont("Symbol", platform::PointsToPixels(kCardPoints));

    pad_ = new CNumberPadCtl(this);
    pad_->SetMultiplicationLayout();
    pad_->SetDisplayFont(kCardPoints);
    pad_->HidePad();
    connect(pad_, &CNumberPadCtl::answerPosted, this, &CMistakeReviewWnd::OnAnswer);

    // Rows a line and three quarters high; row and header text a tenth and a fifth larger.
    const int rowHeight = static_cast<int>(1.75 * QFontMetrics(baseFont).lineSpacing());
    list_ = new CMistakeListCtl(this, basePoints * 11, basePoints * 12, rowHeight);
    list_->Fill(GetCurrentStudent());

    beginButton_ =
        MakeScreenButton(this, QCoreApplication::translate("PictureCaption", "Begin"), kBegin,
                         kTestingFolder, "beginButton", tr("Start the review of your mistakes"));
    printButton_ =
        MakeScreenButton(this, tr("Print mistakes"), kPrintMistakes, kReviewFolder,
                         "printMistakesButton", tr("Print your mistake list as a practice sheet"));
    homeButton_ =
        MakeScreenButton(this, QCoreApplication::translate("PictureCaption", "Home"), kHome,
                         kTestingFolder, "homeButton", tr("Go back to the home screen"));
    if (beginButton_ == nullptr || printButton_ == nullptr || homeButton_ == nullptr) {
        return false;
    }
    for (CPictureButton* button : {beginButton_, printButton_, homeButton_}) {
        connect(button, &CPictureButton::commandClicked, this, &CMistakeReviewWnd::OnCommand);
    }
    SetTabChain({pad_, beginButton_, printButton_, list_, homeButton_});
    frog_ = new SpokenText(this, QAccessible::Animation);
    frog_->setVisible(!platform::HasOption(platform::kOptionNoFrog));
    SayWhereTheFrogIs(false);
    return true;
}

void CMistakeReviewWnd::PositionUIElements() {
    layout_ = ComputeReviewLayout(width(), height(), header_.Height());
    header_.Layout(width(), kReviewColumnRight);
    const platform::GdiRect& listFrame = layout_.listFrame;
    list_->setGeometry(listFrame.left + 2, listFrame.top + 2, listFrame.Width() - 4,
                       listFrame.Height() - 4);
    list_->FitColumns();
    card_.SetGeometry(layout_.cardArea.ToQRect());
    frog_->setGeometry(layout_.buddyArea.ToQRect());
    pad_->move(CentreIn(layout_.padArea, pad_->size()));
    int buttonTop = pad_->y();
    for (CPictureButton* button : {homeButton_, beginButton_, printButton_}) {
        button->move(layout_.buttonArea.left, buttonTop);
        buttonTop += beginButton_->height();
    }
}

void CMistakeReviewWnd::OnCommand(int id) {
    switch (id) {
    case kBegin:
        OnBegin();
        break;
    case kPrintMistakes:
        PrintMistakes(GetCurrentStudent(), *printerSetup_);
        break;
    case kHome:
        OnHome();
        break;
    default:
        break;
    }
}

void CMistakeReviewWnd::OnHome() {
    TraceNavigation(__LINE__);
    if (steps_.State() != ReviewState::Idle) {
        EndSession();
    }
    ShowParentAndClose();
}

void CMistakeReviewWnd::ShowParentAndClose() {
    if (parentWindow_) {
        homeScreen_.ShowHome();
    } else {
        platform::WriteErrorLog(kSource, __LINE__, "pParentWnd is not a valid window");
    }
    Dismiss();
}
