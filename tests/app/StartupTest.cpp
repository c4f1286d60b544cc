#include "app/CMainWindow.h"
#include "app/CTallyhopApp.h"
#include "gui/CSignInDlg.h"
#include "platform/Files.h"
#include "platform/fakes/FakeServices.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>
#include <regex>

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

    CTallyhopApp MakeApp() {
        return CTallyhopApp(lockPath, [] { return new CMainWindow(); });
    }

    std::string RawTraceLog() {
        const auto bytes = platform::ReadFileBytes(fakes.Path("/Log.txt"));
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    }

    // Log text with the line numbers of the application object's records left out.
    static std::string WithoutAppLines(const std::string& text) {
        return std::regex_replace(text, std::regex("Ctallyhopapp Line [0-9]+"),
                                  "Ctallyhopapp Line #");
    }

    platform::fakes::FakePlatform fakes;
    std::string lockPath = fakes.Path("/TALLYHOP_MUTEX");
};

} // namespace

TEST_F(StartupTest, SwitchesToTheDeepestModeAfterTheNoticeAndShowsTheHomeScreen) {
    CTallyhopApp app = MakeApp();
    ExitAtSignIn();
    ASSERT_TRUE(app.InitInstance());
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text, kNotice);
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::Information);
    EXPECT_EQ(fakes.display.changes, (std::vector<DisplayMode>{{800, 600, 32}}));
    ASSERT_NE(app.MainWindow(), nullptr);
    EXPECT_TRUE(app.MainWindow()->isVisible());
    EXPECT_EQ(app.MainWindow()->windowTitle(), "Tallyhop");
    EXPECT_EQ(app.MainWindow()->size(), QSize(800, 600)) << "covers the switched screen";

    EXPECT_EQ(app.ExitInstance(0), 0);
    EXPECT_EQ(fakes.display.restores, 1);
}

TEST_F(StartupTest, TheNoticeIsShownBeforeTheDisplayChangesEvenAtTheRightSize) {
    fakes.display.current = {800, 600};
    fakes.messageBoxes.onShow = [this](const platform::MessageBoxRequest&) {
        EXPECT_TRUE(fakes.display.changes.empty());
    };
    CTallyhopApp app = MakeApp();
    ExitAtSignIn();
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(fakes.messageBoxes.Texts(), std::vector<std::string>{kNotice});
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

TEST_F(StartupTest, ARefusedSwitchIsRetriedAtSixteenBits) {
    fakes.display.refusedDepths = {32};
    CTallyhopApp app = MakeApp();
    ExitAtSignIn();
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(fakes.display.changes, (std::vector<DisplayMode>{{800, 600, 32}, {800, 600, 16}}));
    EXPECT_EQ(fakes.display.current, (platform::ScreenSize{800, 600}));
}

TEST_F(StartupTest, StartUpGoesOnWhenNoSwitchWorks) {
    fakes.display.refusedDepths = {32, 16};
    CTallyhopApp app = MakeApp();
    ExitAtSignIn();
    EXPECT_TRUE(app.InitInstance());
    EXPECT_EQ(fakes.display.changes.size(), 2u);
    EXPECT_NE(app.MainWindow(), nullptr);
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

TEST_F(StartupTest, ASecondCopyIsRefusedAndLeavesTheDisplayAloneAtItsExit) {
    platform::InstanceLock running(lockPath);
    ASSERT_TRUE(running.IsFirstInstance());
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
    CTallyhopApp app(lockPath, [] { return nullptr; });
    EXPECT_EQ(app.Run(), 1);
    const auto bytes = platform::ReadFileBytes(fakes.Path("/Error Log.txt"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()),
              "03.07.2003 14:05  CMainWindow() Line 0 :   Problem creating main window.\r\n");
    EXPECT_EQ(fakes.display.restores, 1) << "the display it switched is put back";
}

TEST_F(StartupTest, TheTraceLogIsTrimmedAtStart) {
    platform::WriteFileBytes(fakes.Path("/Log.txt"), std::vector<std::uint8_t>(600'000, 'x'));
    CTallyhopApp app = MakeApp();
    ExitAtSignIn();
    ASSERT_TRUE(app.InitInstance());
    // The start record comes before the trim; the switch and the home screen after it.
    const std::string log = RawTraceLog();
    ASSERT_GT(log.size(), 479'232u);
    const std::string kept = log.substr(0, 479'232);
    EXPECT_EQ(kept.front(), 'x');
    EXPECT_TRUE(WithoutAppLines(kept).ends_with("xx03.07.2003 14:05  Ctallyhopapp Line #\r\n"));
    EXPECT_TRUE(WithoutAppLines(log.substr(479'232))
                    .starts_with("03.07.2003 14:05  Ctallyhopapp Line #\r\n"
                                 "03.07.2003 14:05  CMainWindow() Line 0\r\n"));
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

TEST_F(StartupTest, ExitAtTheFirstSignInEndsTheProgramAndRestoresTheDisplay) {
    CTallyhopApp app = MakeApp();
    ExitAtSignIn();
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(app.MainWindow(), nullptr);
    EXPECT_EQ(fakes.display.restores, 1);
    platform::InstanceLock next(lockPath);
    EXPECT_TRUE(next.IsFirstInstance()) << "the lock is released";
}
