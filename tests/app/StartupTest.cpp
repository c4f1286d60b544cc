#include "app/CMainWindow.h"
#include "app/CTallyhopApp.h"
#include "gui/signin/CSignInDlg.h"
#include "platform/Files.h"
#include "platform/fakes/FakeServices.h"
#include "platform/qt/EventLoops.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using platform::DisplayMode;
using platform::MbIcon;

namespace {

constexpr const char* kNotice =
    "Tallyhop needs to change your monitor's resolution before continuing.\n"
    "It will be changed back when you exit the program.";

class StartupTest : public testing::Test {
protected:
    StartupTest() {
        fakes.display.modes = {
            {640, 480, 32}, {800, 600, 8}, {800, 600, 16}, {800, 600, 32}, {1024, 768, 32}};
    }

    // Presses Exit in the sign-in dialog once it is up.
    static void ExitAtSignIn() {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<CSignInDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr) << "the sign-in dialog is up";
            dialog->ExitButton()->click();
        });
    }

    static CTallyhopApp MakeApp() {
        return CTallyhopApp([] { return new CMainWindow(); });
    }

    // The home screen gone, the display put back and the lock free for the next start.
    void ExpectEndedCleanly(const CTallyhopApp& app) {
        EXPECT_EQ(app.MainWindow(), nullptr);
        EXPECT_EQ(fakes.display.restores, 1);
        EXPECT_TRUE(platform::InstanceLock(platform::InstanceLock::DesktopPath()).IsFirstInstance())
            << "the lock is released";
    }

    platform::fakes::FakePlatform fakes;
};

} // namespace

// Every start switches, even a display already at the size, to the deepest mode after the
// notice; a refused depth is retried at sixteen bits, and start-up goes on when nothing works.
TEST_F(StartupTest, EveryStartSwitchesToTheDeepestModeAfterTheNoticeTryingSixteenBitsWhenRefused) {
    fakes.messageBoxes.onShow = [this](const platform::MessageBoxRequest&) {
        EXPECT_TRUE(fakes.display.changes.empty()) << "the notice comes first";
    };
    const std::pair<std::vector<int>, std::vector<DisplayMode>> cases[] = {
        {{}, {{800, 600, 32}}},
        {{32}, {{800, 600, 32}, {800, 600, 16}}},
        {{32, 16}, {{800, 600, 32}, {800, 600, 16}}}};
    for (const auto& [refused, changes] : cases) {
        fakes.display.refusedDepths = refused;
        fakes.display.changes.clear();
        fakes.display.restores = 0;
        fakes.messageBoxes.shown.clear();
        CTallyhopApp app = MakeApp();
        ExitAtSignIn();
        ASSERT_TRUE(app.InitInstance());
        ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
        EXPECT_EQ(fakes.messageBoxes.shown[0].text, kNotice);
        EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::Information);
        EXPECT_EQ(fakes.display.changes, changes);
        ASSERT_NE(app.MainWindow(), nullptr);
        EXPECT_TRUE(app.MainWindow()->isVisible());
        EXPECT_EQ(app.ExitInstance(0), 0);
        EXPECT_EQ(fakes.display.restores, 1);
        fakes.display.current = {800, 600};
    }
}

TEST_F(StartupTest, AScreenLargerThanTheSwitchedDisplayShowsACentredStage) {
    const QRect real = QGuiApplication::primaryScreen()->geometry();
    fakes.display.sizeAfterChange = platform::ScreenSize{400, 300};
    {
        CTallyhopApp app = MakeApp();
        ExitAtSignIn();
        ASSERT_TRUE(app.InitInstance());
        EXPECT_EQ(app.MainWindow()->geometry(),
                  QRect((real.width() - 400) / 2, (real.height() - 300) / 2, 400, 300));
        app.ExitInstance(0);
    }
    fakes.display.sizeAfterChange = platform::ScreenSize{real.width(), real.height()};
    CTallyhopApp plain = MakeApp();
    ExitAtSignIn();
    ASSERT_TRUE(plain.InitInstance());
    EXPECT_EQ(plain.MainWindow()->geometry(), real) << "no stage when the sizes agree";
}

TEST_F(StartupTest, DepthIsTheDeepestAtExactlyEightHundredBySixHundred) {
    CTallyhopApp app = MakeApp();
    fakes.display.modes = {{800, 600, 8}, {800, 600, 24}, {800, 601, 32}, {801, 600, 32}};
    EXPECT_EQ(app.GetBestColorDepth(800, 600), 24u);
    fakes.display.modes = {{800, 600, 16}};
    EXPECT_EQ(app.GetBestColorDepth(800, 600), 16u);
    fakes.display.modes = {{1024, 768, 32}};
    EXPECT_EQ(app.GetBestColorDepth(800, 600), 0u);
    fakes.display.modes = {};
    EXPECT_EQ(app.GetBestColorDepth(800, 600), 0u);
}

TEST_F(StartupTest, ADisplayOfEightBitsIsRefused) {
    fakes.display.modes = {{800, 600, 8}, {1024, 768, 32}};
    CTallyhopApp app = MakeApp();
    EXPECT_FALSE(app.InitInstance());
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text,
              "The required display settings are not available.\n"
              "Tallyhop requires a display resolution of 800x600 with 16 bit color.");
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::Exclamation);
    EXPECT_TRUE(fakes.display.changes.empty());
    EXPECT_EQ(app.MainWindow(), nullptr);
    EXPECT_EQ(fakes.process.quitRequests, 1);
}

// One account runs a copy on each of its desktops (a lab's class account, a terminal server's
// sessions); a second copy on one desktop is refused and leaves its display alone at its exit.
TEST_F(StartupTest, EachDesktopRunsOneCopyAndASecondOnOneIsRefused) {
    fakes.process.environment["DISPLAY"] = ":1";
    platform::InstanceLock running(platform::InstanceLock::DesktopPath());
    ASSERT_TRUE(running.IsFirstInstance());
    fakes.process.environment["DISPLAY"] = ":2";
    {
        CTallyhopApp other = MakeApp();
        ExitAtSignIn();
        EXPECT_TRUE(other.InitInstance()) << "the same account on another desktop";
        other.ExitInstance(0);
    }
    fakes.messageBoxes.shown.clear();
    fakes.display.changes.clear();
    fakes.display.restores = 0;
    fakes.process.quitRequests = 0;

    fakes.process.environment["DISPLAY"] = ":1.0"; // the first desktop's screen
    QTimer guard; // a copy let through would wait at its sign-in dialog
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<CSignInDlg*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "a second copy started on the first desktop";
            dialog->ExitButton()->click();
        }
    });
    guard.start(0);
    CTallyhopApp second = MakeApp();
    EXPECT_FALSE(second.InitInstance());
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text, "You are already running a copy of Tallyhop.");
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::Information);
    EXPECT_EQ(fakes.process.quitRequests, 1);
    second.ExitInstance(0);
    EXPECT_TRUE(fakes.display.changes.empty());
    EXPECT_EQ(fakes.display.restores, 0);
}

TEST_F(StartupTest, AHomeScreenThatCannotBeBuiltEndsStartUpWithARecord) {
    CTallyhopApp app([] { return nullptr; });
    EXPECT_EQ(app.Run(), 1);
    const auto bytes = platform::ReadFileBytes(fakes.Path("/Error Log.txt"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()),
              "03.07.2003 14:05  CMainWindow() Line 0 :   Problem creating main window.\r\n");
    EXPECT_EQ(fakes.display.restores, 1) << "the display it switched is put back";
}

TEST_F(StartupTest, TheTraceLogIsTrimmedAtStartKeepingItsNewestRecords) {
    platform::WriteFileBytes(fakes.Path("/Log.txt"), std::vector<std::uint8_t>(600'000, 'x'));
    CTallyhopApp app = MakeApp();
    ExitAtSignIn();
    ASSERT_TRUE(app.InitInstance());
    const auto log = platform::ReadFileBytes(fakes.Path("/Log.txt"));
    ASSERT_TRUE(log);
    EXPECT_LT(log->size(), 500'000u);
    EXPECT_EQ(log->front(), 'x');
    EXPECT_NE(std::string(log->begin(), log->end()).find("CMainWindow() Line 0\r\n"),
              std::string::npos)
        << "what start-up writes after the trim is kept";
}

TEST_F(StartupTest, TheRandomGeneratorIsSeededWithTheTime) {
    fakes.clock.seconds = 1'234'567;
    std::srand(1'234'567);
    const int expected = std::rand();
    std::srand(1);
    CTallyhopApp app = MakeApp();
    ExitAtSignIn();
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(std::rand(), expected);
}

TEST_F(StartupTest, ExitAtSignInOrAnUnreadableSignInListEndsTheProgramThroughItsShutdown) {
    {
        CTallyhopApp app = MakeApp();
        ExitAtSignIn();
        EXPECT_EQ(app.Run(), 0);
        ExpectEndedCleanly(app);
    }
    fakes.display.restores = 0;
    // A name count far beyond what the file holds.
    const std::vector<std::uint8_t> admin = {0, 0, 0, 0, 5, 'a', 'd', 'm', 'i', 'n', 0xFF, 0xFF};
    std::filesystem::create_directories(fakes.Path("/Data"));
    ASSERT_TRUE(platform::WriteFileBytes(fakes.Path("/Data/Admin.nfo"), admin));
    fakes.process.onQuit = platform::LeaveEveryEventLoop;
    // Only a guard against hanging: a dialog still up long after start-up is the fault.
    QTimer::singleShot(5000, [] {
        if (auto* dialog = qobject_cast<CSignInDlg*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "the sign-in dialog outlived the quit request";
            dialog->ExitButton()->click();
        }
    });
    CTallyhopApp app = MakeApp();
    EXPECT_EQ(app.Run(), 0);
    const auto errors = platform::ReadFileBytes(fakes.Path("/Error Log.txt"));
    ASSERT_TRUE(errors);
    EXPECT_NE(std::string(errors->begin(), errors->end()).find("Problem opening admin's file."),
              std::string::npos);
    ExpectEndedCleanly(app);
}
