#include "CTallyhopApp.h"

#include "CMainWindow.h"
#include "data/CUserManager.h"
#include "platform/BaseFolder.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/qt/ScreenStage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <cstdlib>

namespace {

constexpr const char* kSource = "Ctallyhopapp";
constexpr const char* kAlreadyRunning =
    QT_TRANSLATE_NOOP("CTallyhopApp", "You are already running a copy of Tallyhop.");
constexpr const char* kDisplayUnsuitable = QT_TRANSLATE_NOOP(
    "CTallyhopApp", "The required display settings are not available.\n"
                    "Tallyhop requires a display resolution of 800x600 with 16 bit color.");
constexpr const char* kResolutionNotice = QT_TRANSLATE_NOOP(
    "CTallyhopApp", "Tallyhop needs to change your monitor's resolution before continuing.\n"
                    "It will be changed back when you exit the program.");
// Exit code when start-up cannot build the home screen.
constexpr int kNoHomeScreen = 1;

void Notify(const char* text, platform::MbIcon icon) {
    platform::GetMessageBoxes().Show(
        {.text = QCoreApplication::translate("CTallyhopApp", text).toStdString(), .icon = icon});
}

} // namespace

CTallyhopApp::CTallyhopApp(HomeScreenFactory createHomeScreen)
    : lock_(platform::InstanceLock::DesktopPath()), createHomeScreen_(std::move(createHomeScreen)) {
}

CTallyhopApp::~CTallyhopApp() {
    delete mainWindow_.data();
}

CMainWindow* CTallyhopApp::MainWindow() const {
    return mainWindow_.data();
}

bool CTallyhopApp::InitInstance() {
    platform::WriteTraceLog(kSource, __LINE__);
    if (!IsFirstInstance()) {
        Notify(kAlreadyRunning, platform::MbIcon::Information);
        platform::GetProcess().PostQuit();
        return false;
    }
    const unsigned depth = GetBestColorDepth(kWidth, kHeight);
    if (depth < kMinimumDepth) {
        Notify(kDisplayUnsuitable, platform::MbIcon::Exclamation);
        platform::GetProcess().PostQuit();
        return false;
    }
    Notify(kResolutionNotice, platform::MbIcon::Information);
    platform::TrimLogFile(platform::GetBaseFolder() + "/log.txt", kTraceLogLimit, kTraceLogCut);
    SetDisplayMode(kWidth, kHeight, depth);
    std::srand(static_cast<unsigned>(platform::GetClock().SecondsSince1970()));

    mainWindow_ = createHomeScreen_();
    if (mainWindow_.isNull()) {
        platform::WriteErrorLog("CMainWindow()", 0, "  Problem creating main window.");
        platform::GetProcess().PostQuit();
        startExitCode_ = kNoHomeScreen;
        return false;
    }
    // Only the home screen's end ends the program; other windows come and go.
    QObject::connect(mainWindow_.data(), &QObject::destroyed, QCoreApplication::instance(),
                     &QCoreApplication::quit, Qt::QueuedConnection);
    mainWindow_->show();
    mainWindow_->repaint();
    mainWindow_->RunSignIn();
    return true;
}

int CTallyhopApp::ExitInstance(int loopExitCode) {
    CUserManager::SignOut();
    if (IsFirstInstance()) {
        RestoreDisplayMode();
    }
    lock_.Release();
    return loopExitCode;
}

int CTallyhopApp::Run() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    if (!InitInstance()) {
        return ExitInstance(startExitCode_);
    }
    return ExitInstance(QCoreApplication::exec());
}

bool CTallyhopApp::IsFirstInstance() {
    return lock_.IsFirstInstance();
}

unsigned CTallyhopApp::GetBestColorDepth(int width, int height) {
    unsigned best = 0;
    for (int index = 0;; ++index) {
        const auto mode = platform::GetDisplay().EnumMode(index);
        if (!mode) {
            return best;
        }
        if (mode->width == width && mode->height == height) {
            best = std::max(best, static_cast<unsigned>(mode->bitsPerPixel));
        }
    }
}

bool CTallyhopApp::SetDisplayMode(int width, int height, unsigned bits) {
    platform::WriteTraceLog(kSource, __LINE__);
    platform::IDisplay& display = platform::GetDisplay();
    const bool switched = display.ChangeMode({width, height, static_cast<int>(bits)}) ||
                          display.ChangeMode({width, height, static_cast<int>(kFallbackDepth)});
    if (switched) {
        WaitForScreenToFollowDisplay();
        PresentStageIfScreenIsLarger();
    }
    return switched;
}

void CTallyhopApp::RestoreDisplayMode() {
    platform::WriteTraceLog(kSource, __LINE__);
    stageBackdrop_.reset();
    platform::SetStageOrigin({});
    platform::GetDisplay().Restore();
}

// Where the system cannot switch modes, the program's screen is a stage centred on the real one,
// with everything around it black.
void CTallyhopApp::PresentStageIfScreenIsLarger() {
    const QRect real = QGuiApplication::primaryScreen()->geometry();
    const platform::ScreenSize stage = platform::GetDisplay().CurrentSize();
    if (real.width() <= stage.width && real.height() <= stage.height) {
        return;
    }
    platform::SetStageOrigin(real.topLeft() + QPoint((real.width() - stage.width) / 2,
                                                     (real.height() - stage.height) / 2));
    stageBackdrop_ = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
    stageBackdrop_->setPalette(QPalette(Qt::black));
    stageBackdrop_->setAutoFillBackground(true);
    stageBackdrop_->setGeometry(real);
    stageBackdrop_->show();
}

// The window system tells Qt about a new screen size a little later; windows built before that
// would be sized for the old screen.
void CTallyhopApp::WaitForScreenToFollowDisplay() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return;
    }
    const platform::ScreenSize wanted = platform::GetDisplay().CurrentSize();
    QElapsedTimer waited;
    waited.start();
    constexpr int kPatienceMs = 3000;
    while (waited.elapsed() < kPatienceMs) {
        const QSize now = QGuiApplication::primaryScreen()->size();
        if (now.width() == wanted.width && now.height() == wanted.height) {
            return;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}
