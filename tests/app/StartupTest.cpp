#include "AppTestSupport.h"
#include "app/CMainWindow.h"
#include "app/CTallyhopApp.h"
#include "gui/signin/CSignInDlg.h"
#include "platform/Files.h"
#include "platform/qt/EventLoops.h"

#include <QPushButton>
#include <QScreen>
#include <cstdlib>
#include <filesystem>

using guitest::Box;
using platform::DisplayMode;
using platform::MbIcon;

namespace {

const Box kNotice{"Tallyhop needs to change your monitor's resolution before continuing.\n"
                  "It will be changed back when you exit the program.",
                  MbIcon::Information};
const Box kUnsuitable{"The required display settings are not available.\n"
                      "Tallyhop requires a display resolution of 800x600 with 16 bit color.",
                      MbIcon::Exclamation};

class StartupTest : public testing::Test {
protected:
    StartupTest() { fakes.display.modes = {{800, 600, 32}}; }

    // Presses Exit in the sign-in dialog once it is up, while the timer returned lives; `what`
    // names a start that must not get there.
    static std::unique_ptr<QTimer> ExitAtSignIn(const char* what = nullptr) {
        auto timer = std::make_unique<QTimer>();
        timer->setSingleShot(true);
        QObject::connect(timer.get(), &QTimer::timeout, [what] {
            if (auto* dialog = qobject_cast<CSignInDlg*>(QApplication::activeModalWidget())) {
                EXPECT_EQ(what, nullptr) << what << " reached the sign-in dialog";
                dialog->ExitButton()->click();
            }
        });
        timer->start(0);
        return timer;
    }

    static CTallyhopApp MakeApp() {
        return CTallyhopApp([] { return new CMainWindow(); });
    }

    // A start up to the sign-in dialog, where Exit is pressed.
    static std::unique_ptr<CTallyhopApp> Started() {
        auto app = std::make_unique<CTallyhopApp>([] { return new CMainWindow(); });
        const auto guard = ExitAtSignIn();
        EXPECT_TRUE(app->InitInstance());
        return app;
    }

    std::string Read(const std::string& relative) const {
        const auto bytes = platform::ReadFileBytes(fakes.Path(relative));
        return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
    }

    void Forget() {
        fakes.messageBoxes.shown.clear();
        fakes.display.changes.clear();
        fakes.display.restores = fakes.process.quitRequests = 0;
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

// Every start switches, even a display already at the size, to the deepest mode of exactly
// 800 x 600 after the notice; a refused depth is retried at sixteen bits, and start-up goes on
// when nothing works. Fewer than sixteen bits, or no such mode, is refused before any switch.
TEST_F(StartupTest, EveryStartSwitchesToTheDeepestModeAfterTheNoticeAndTooFewColoursAreRefused) {
    fakes.messageBoxes.onShow = [this](const platform::MessageBoxRequest&) {
        EXPECT_TRUE(fakes.display.changes.empty()) << "the notice comes first";
    };
    const std::vector<DisplayMode> usual = {
        {640, 480, 32}, {800, 600, 8}, {800, 600, 16}, {800, 600, 32}, {1024, 768, 32}};
    const struct {
        std::vector<DisplayMode> modes;
        std::vector<int> refused;
        std::vector<DisplayMode> changes; // none: the start is refused
    } rows[] = {
        {usual, {}, {{800, 600, 32}}},
        {usual, {32}, {{800, 600, 32}, {800, 600, 16}}},
        {usual, {32, 16}, {{800, 600, 32}, {800, 600, 16}}},
        {{{800, 600, 8}, {800, 600, 24}, {800, 601, 32}, {801, 600, 32}}, {}, {{800, 600, 24}}},
        {{{800, 600, 16}}, {}, {{800, 600, 16}}},
        {{{800, 600, 8}, {1024, 768, 32}}, {}, {}},
        {{}, {}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.changes.size()) + " changes, " +
                     testing::PrintToString(row.refused) + " refused");
        fakes.display.modes = row.modes;
        fakes.display.refusedDepths = row.refused;
        fakes.display.current = {800, 600};
        Forget();
        CTallyhopApp app = MakeApp();
        const bool refused = row.changes.empty();
        const auto guard = ExitAtSignIn(refused ? "a refused start" : nullptr);
        EXPECT_EQ(app.InitInstance(), !refused);
        EXPECT_EQ(guitest::Boxes(fakes), std::vector<Box>{refused ? kUnsuitable : kNotice});
        EXPECT_EQ(fakes.display.changes, row.changes);
        EXPECT_EQ(app.MainWindow() != nullptr && app.MainWindow()->isVisible(), !refused);
        EXPECT_EQ(fakes.process.quitRequests, 1) << "after a refusal, or Exit at sign-in";
        EXPECT_EQ(app.ExitInstance(0), 0);
        EXPECT_EQ(fakes.display.restores, 1);
    }
}

TEST_F(StartupTest, AScreenLargerThanTheSwitchedDisplayShowsACentredStage) {
    const QRect real = QGuiApplication::primaryScreen()->geometry();
    fakes.display.sizeAfterChange = platform::ScreenSize{400, 300};
    const auto staged = Started();
    EXPECT_EQ(staged->MainWindow()->geometry(),
              QRect((real.width() - 400) / 2, (real.height() - 300) / 2, 400, 300));
    staged->ExitInstance(0);
    fakes.display.sizeAfterChange = platform::ScreenSize{real.width(), real.height()};
    EXPECT_EQ(Started()->MainWindow()->geometry(), real) << "no stage when the sizes agree";
}

// One account runs a copy on each of its desktops (a lab's class account, a terminal server's
// sessions); a second copy on one desktop is refused and leaves its display alone at its exit.
TEST_F(StartupTest, EachDesktopRunsOneCopyAndASecondOnOneIsRefused) {
    fakes.process.environment["DISPLAY"] = ":1";
    platform::InstanceLock running(platform::InstanceLock::DesktopPath());
    ASSERT_TRUE(running.IsFirstInstance());
    fakes.process.environment["DISPLAY"] = ":2";
    Started()->ExitInstance(0); // the same account on another desktop
    Forget();
    fakes.process.environment["DISPLAY"] = ":1.0"; // the first desktop's screen
    CTallyhopApp second = MakeApp();
    const auto guard = ExitAtSignIn("a second copy on the first desktop");
    EXPECT_FALSE(second.InitInstance());
    EXPECT_EQ(
        guitest::Boxes(fakes),
        (std::vector<Box>{{"You are already running a copy of Tallyhop.", MbIcon::Information}}));
    EXPECT_EQ(fakes.process.quitRequests, 1);
    second.ExitInstance(0);
    EXPECT_TRUE(fakes.display.changes.empty());
    EXPECT_EQ(fakes.display.restores, 0);
}

TEST_F(StartupTest, AHomeScreenThatCannotBeBuiltEndsStartUpWithARecord) {
    CTallyhopApp app([] { return nullptr; });
    EXPECT_EQ(app.Run(), 1);
    EXPECT_EQ(Read("/Error Log.txt"),
              "03.07.2003 14:05  CMainWindow() Line 0 :   Problem creating main window.\r\n");
    EXPECT_EQ(fakes.display.restores, 1) << "the display it switched is put back";
}

// The trace log is trimmed keeping its newest records, then what start-up writes follows; the
// random generator is seeded with the time.
TEST_F(StartupTest, StartTrimsTheTraceLogAndSeedsTheRandomGeneratorWithTheTime) {
    platform::WriteFileBytes(fakes.Path("/Log.txt"), std::vector<std::uint8_t>(600'000, 'x'));
    fakes.clock.seconds = 1'234'567;
    std::srand(1'234'567);
    const int expected = std::rand();
    std::srand(1);
    const auto app = Started();
    EXPECT_EQ(std::rand(), expected);
    const std::string log = Read("/Log.txt");
    EXPECT_LT(log.size(), 500'000u);
    EXPECT_EQ(log.front(), 'x');
    EXPECT_NE(log.find("CMainWindow() Line 0\r\n"), std::string::npos);
}

TEST_F(StartupTest, ExitAtSignInOrAnUnreadableSignInListEndsTheProgramThroughItsShutdown) {
    {
        CTallyhopApp app = MakeApp();
        const auto guard = ExitAtSignIn();
        EXPECT_EQ(app.Run(), 0);
        ExpectEndedCleanly(app);
    }
    fakes.display.restores = 0;
    // A name count far beyond what the file holds.
    std::filesystem::create_directories(fakes.Path("/Data"));
    ASSERT_TRUE(platform::WriteFileBytes(fakes.Path("/Data/Admin.nfo"),
                                         {0, 0, 0, 0, 5, 'a', 'd', 'm', 'i', 'n', 0xFF, 0xFF}));
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
    EXPECT_NE(Read("/Error Log.txt").find("Problem opening admin's file."), std::string::npos);
    ExpectEndedCleanly(app);
}
