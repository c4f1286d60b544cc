#include "CMainWindow.h"

#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "gui/controls/CPictureButton.h"
#include "gui/controls/KeyboardNavigation.h"
#include "gui/progress/CStudentProgressWnd.h"
#include "gui/review/CMistakeReviewWnd.h"
#include "gui/signin/CSignInDlg.h"
#include "gui/teacher/CTeacherWnd.h"
#include "gui/testing/CTestingWnd.h"
#include "gui/training/CTrainingWnd.h"
#include "platform/Display.h"
#include "platform/HelpGuide.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/qt/GdiDc.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/ProgramSound.h"
#include "platform/qt/ScreenBitmaps.h"
#include "platform/qt/ScreenStage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>

namespace {

constexpr const char* kSource = "Cmainwindow";
constexpr const char* kFolder = "Login";

struct ButtonEntry {
    CMainWindow::CommandId id;
    const char* picture;
    const char* name;        // the words its picture shows, for screen readers
    const char* description; // for screen readers
};

// In the order of the column and of the buttons' ids.
constexpr std::array<ButtonEntry, 6> kButtons{{
    {CMainWindow::kTesting, "Testing", QT_TRANSLATE_NOOP("PictureCaption", "Testing"),
     QT_TRANSLATE_NOOP("CMainWindow", "Take a timed test of the facts of your level")},
    {CMainWindow::kTraining, "Training", QT_TRANSLATE_NOOP("PictureCaption", "Training"),
     QT_TRANSLATE_NOOP("CMainWindow", "Practise one kind of fact against a goal")},
    {CMainWindow::kReview, "Review", QT_TRANSLATE_NOOP("PictureCaption", "Review"),
     QT_TRANSLATE_NOOP("CMainWindow", "Work through the facts on your mistake list")},
    {CMainWindow::kProgress, "Progress", QT_TRANSLATE_NOOP("PictureCaption", "Progress"),
     QT_TRANSLATE_NOOP("CMainWindow", "See how your tests and practice went")},
    {CMainWindow::kSignOut, "LogoutHome", QT_TRANSLATE_NOOP("PictureCaption", "Sign out"),
     QT_TRANSLATE_NOOP("CMainWindow", "Let someone else sign in")},
    {CMainWindow::kHelp, "helpButton", QT_TRANSLATE_NOOP("PictureCaption", "Help"),
     QT_TRANSLATE_NOOP("CMainWindow", "Open the help guide")},
}};

void Inform(const QString& text, platform::MbIcon icon) {
    platform::GetMessageBoxes().Show({.text = text.toStdString(), .icon = icon});
}

} // namespace

CMainWindow::CMainWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    const platform::ScreenSize screen = platform::GetScreenSize();
    platform::WriteTraceLog("CMainWindow()", 0);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QStringLiteral("Tallyhop"));
    platform::PlaceOnScreen(*this, QRect(0, 0, screen.width, screen.height));
    CreateUIElements();
    PositionUIElements();
    platform::SetMainWindow(this);
    show();
}

CPictureButton* CMainWindow::Button(CommandId id) const {
    return buttons_[static_cast<std::size_t>(id - kTesting)];
}

void CMainWindow::CreateUIElements() {
    platform::WriteTraceLog("CreateUIElements", 0);
    makerLogo_ = platform::LoadScreenBitmap(kFolder, "KorvanelogoHome");
    productLogo_ = platform::LoadScreenBitmap(kFolder, "TallyhopLogoHome");
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        auto* button = new CPictureButton;
        button->Create(QCoreApplication::translate("PictureCaption", kButtons[i].name),
                       CPictureButton::Visibility::Hidden, QRect(0, 0, 1, 1), this, kButtons[i].id);
        button->LoadBitmaps(kFolder, kButtons[i].picture);
        button->setAccessibleDescription(tr(kButtons[i].description));
        connect(button, &CPictureButton::commandClicked, this, &CMainWindow::OnCommand);
        buttons_[i] = button;
    }
    // Tab follows the order they were made in: the column, Sign out, Help.
    new ArrowKeyGroup({Button(kTesting), Button(kTraining), Button(kReview), Button(kProgress)});
}

void CMainWindow::PositionUIElements() {
    platform::WriteTraceLog("PositionUIElements", 0);
    int top = -kOffsetY;
    for (const CommandId id : {kTesting, kTraining, kReview, kProgress}) {
        Button(id)->move(-kOffsetX, top);
        top += Button(id)->height();
    }
    Button(kSignOut)->move(Button(kProgress)->width() - kOffsetX,
                           platform::GetBitmapSize(productLogo_).height() - kOffsetY);
    // Help sits in the corner of the 800 × 600 picture layout, whatever the screen's size.
    Button(kHelp)->move(800 - Button(kHelp)->width(), 600 - Button(kHelp)->height());
    for (CPictureButton* button : buttons_) {
        button->show();
    }
}

// The home screen closed by the window system ends the program, as when it is destroyed.
void CMainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    deleteLater();
}

void CMainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    OnEraseBkgnd(painter);
}

// Only the logos: the button pictures and the logos cover the screen between them.
void CMainWindow::OnEraseBkgnd(QPainter& painter) {
    platform::WriteTraceLog("OnEraseBkgnd", 0);
    platform::GdiDc dc(painter);
    const int columnWidth =
        platform::GetBitmapSize(platform::LoadScreenBitmap(kFolder, "Testing")).width();
    platform::DrawBitmap(dc, productLogo_, columnWidth - kOffsetX, -kOffsetY);
    const int signOutHeight =
        platform::GetBitmapSize(platform::LoadScreenBitmap(kFolder, "LogoutHome")).height();
    platform::DrawBitmap(dc, makerLogo_, columnWidth - kOffsetX,
                         -kOffsetY + platform::GetBitmapSize(productLogo_).height() +
                             signOutHeight);
}

void CMainWindow::OnCommand(int id) {
    platform::WriteTraceLog(kSource, __LINE__);
    platform::PlayProgramSound(platform::ProgramSound::kNavigate);
    switch (id) {
    case kTesting:
        OnTesting();
        break;
    case kTraining:
        OnTraining();
        break;
    case kReview:
        OnReview();
        break;
    case kProgress:
        OnProgress();
        break;
    case kSignOut:
        RunSignIn();
        break;
    case kHelp:
        OnHelp();
        break;
    default:
        break;
    }
}

// A due review always comes first.
void CMainWindow::OnTesting() {
    if (GetCurrentStudent().IsReviewDue()) {
        Inform(tr("Time for mistake review"), platform::MbIcon::None);
        OpenMistakeReview();
        return;
    }
    // A window that could not be built has already said so and is on its way out.
    if ((new CTestingWnd(*this))->isVisible()) {
        hide();
    }
}

void CMainWindow::OnTraining() {
    if (GetCurrentStudent().IsReviewDue()) {
        Inform(tr("It is time to review your mistakes."), platform::MbIcon::Information);
        OnReview();
        return;
    }
    if ((new CTrainingWnd(*this))->isVisible()) {
        hide();
    }
}

void CMainWindow::OnReview() {
    if (GetCurrentStudent().GetMistakeCount() == 0) {
        Inform(tr("You have no mistakes to review."), platform::MbIcon::Information);
        return;
    }
    OpenMistakeReview();
}

// The window shows and deletes itself; nobody keeps a pointer to it.
void CMainWindow::OpenMistakeReview() {
    new CMistakeReviewWnd(*this);
    hide();
}

void CMainWindow::OnProgress() {
    // A window that could not be built has already said so and is on its way out.
    if ((new CStudentProgressWnd(this))->isVisible()) {
        hide();
    }
}

void CMainWindow::OnHelp() {
    platform::OpenHelpGuide();
}

// With the keyboard: no window manager may be there to give it back.
void CMainWindow::ShowHome() {
    platform::SetMainWindow(this);
    show();
    activateWindow();
}

void CMainWindow::RunSignIn() {
    for (;;) {
        CSignInDlg dialog;
        GetCurrentStudent().Reset();
        CUserManager::SignOut();
        const int result = dialog.exec();
        if (result == CSignInDlg::kExit) {
            // Ends the program: the application ends its loop when the home screen is destroyed.
            repaint();
            deleteLater();
            return;
        }
        if (result != CSignInDlg::kTeacher) {
            activateWindow();
            return;
        }
        // A teacher window that could not be built has said so; the teacher signs in again.
        if ((new CTeacherWnd(*this))->isVisible()) {
            hide();
            return;
        }
    }
}
