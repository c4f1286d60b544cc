#pragma once

#include "platform/InstanceLock.h"

#include <QPointer>
#include <functional>
#include <memory>

class CMainWindow;
class QWidget;

// The application object: start-up in a fixed order, the message loop, and shutdown that puts
// the display back only in the copy that holds the single-copy lock of its desktop.
class CTallyhopApp {
public:
    using HomeScreenFactory = std::function<CMainWindow*()>;

    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;
    static constexpr unsigned kMinimumDepth = 16;
    static constexpr unsigned kFallbackDepth = 16;
    static constexpr std::int64_t kTraceLogLimit = 512000;
    static constexpr std::int64_t kTraceLogCut = 32768;

    // `createHomeScreen` builds the home screen; it answers nullptr when it could not. The
    // single-copy lock is the one of the desktop named by the installed process's environment.
    explicit CTallyhopApp(HomeScreenFactory createHomeScreen);
    ~CTallyhopApp();

    bool InitInstance();
    int ExitInstance(int loopExitCode);
    // InitInstance, the message loop while the home screen lives, ExitInstance.
    int Run();

    bool IsFirstInstance();
    unsigned GetBestColorDepth(int width, int height);
    bool SetDisplayMode(int width, int height, unsigned bits);
    void RestoreDisplayMode();

    CMainWindow* MainWindow() const;

private:
    void WaitForScreenToFollowDisplay();
    void PresentStageIfScreenIsLarger();

    platform::InstanceLock lock_;
    HomeScreenFactory createHomeScreen_;
    QPointer<CMainWindow> mainWindow_;
    // Black surround of the 800 × 600 stage when the real screen could not be switched.
    std::unique_ptr<QWidget> stageBackdrop_;
    int startExitCode_ = 0;
};
