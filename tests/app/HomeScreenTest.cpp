#include "AppTestSupport.h"
#include "app/CMainWindow.h"
#include "data/CStudent.h"
#include "gui/controls/StudentListCtl.h"
#include "gui/signin/CSignInDlg.h"
#include "gui/teacher/CTeacherWnd.h"

#include <QPushButton>

using guitest::Box;
using platform::MbIcon;

namespace {

class HomeScreenTest : public testing::Test {
protected:
    HomeScreenTest() {
        fakes.display.current = {800, 600};
        apptest::InstallProgramFolder(fakes, {{"Mary Ann Smith", "Hop2it"}});
        GetCurrentStudent().Load("Mary Ann Smith");
    }

    // Closes every other visible window as the window system would; their classes.
    static QStringList CloseOtherWindows(const QWidget* home) {
        QStringList closed;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget != home && widget->isVisible()) {
                closed << widget->metaObject()->className();
                widget->close();
            }
        }
        return closed;
    }

    void Press(CMainWindow& home, CMainWindow::CommandId id) {
        QTest::mouseClick(home.Button(id), Qt::LeftButton);
    }

    // Lists "a + 2" as a mistake.
    static void Miss(std::int16_t a) {
        GetCurrentStudent().AddMistake({.firstOperand = a,
                                        .secondOperand = 2,
                                        .operation = 1,
                                        .correctAnswer = static_cast<std::int16_t>(a + 2)});
    }

    platform::fakes::FakePlatform fakes;
};

} // namespace

TEST_F(HomeScreenTest, ReviewWithoutMistakesSaysSoAndHelpAsksTheDesktopForTheGuide) {
    CMainWindow home;
    Press(home, CMainWindow::kReview);
    Press(home, CMainWindow::kHelp);
    EXPECT_EQ(guitest::Boxes(fakes),
              (std::vector<Box>{{"You have no mistakes to review.", MbIcon::Information}}));
    EXPECT_TRUE(home.isVisible());
    EXPECT_EQ(fakes.sound.played, std::vector<std::string>(2, fakes.Path("/Audio/navigate.wav")));
    EXPECT_EQ(fakes.shell.opened,
              std::vector<std::string>{fakes.Path("/Help Guide/HelpGuide.htm")});
}

TEST_F(HomeScreenTest, ADueReviewComesFirstWithEachButtonsOwnWording) {
    for (std::int16_t a = 0; a < 10; ++a) {
        Miss(a); // ten facts: a review is due
    }
    CMainWindow home;
    for (const auto button : {CMainWindow::kTesting, CMainWindow::kTraining}) {
        Press(home, button);
        EXPECT_FALSE(home.isVisible());
        EXPECT_EQ(CloseOtherWindows(&home), QStringList{"CMistakeReviewWnd"}) << button;
    }
    EXPECT_EQ(guitest::Boxes(fakes),
              (std::vector<Box>{{"Time for mistake review", MbIcon::None},
                                {"It is time to review your mistakes.", MbIcon::Information}}));
}

TEST_F(HomeScreenTest, EachActivityOpensInPlaceOfTheHomeScreenAndAWindowSystemCloseLeadsHome) {
    Miss(7);
    QPointer<CMainWindow> home = new CMainWindow;
    const std::pair<CMainWindow::CommandId, const char*> activities[] = {
        {CMainWindow::kTesting, "CTestingWnd"},
        {CMainWindow::kTraining, "CTrainingWnd"},
        {CMainWindow::kReview, "CMistakeReviewWnd"},
        {CMainWindow::kProgress, "CStudentProgressWnd"}};
    for (const auto& [button, windowClass] : activities) {
        Press(*home, button);
        ASSERT_FALSE(home->isVisible());
        EXPECT_EQ(CloseOtherWindows(home), QStringList{windowClass});
        EXPECT_TRUE(home->isVisible()) << windowClass;
    }
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
    EXPECT_EQ(guitest::ReadErrorLog(fakes), "") << "every picture was found";
    home->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(home.isNull()) << "destroying the home screen is what ends the program";
}

TEST_F(HomeScreenTest, SignOutClearsTheStudentAndATeacherLeavesTheirWindowThroughTheDialog) {
    CMainWindow home;
    std::string signedInWhileOpen = "?";
    guitest::WhenDialogIsUp<CSignInDlg>([&signedInWhileOpen](CSignInDlg& dialog) {
        signedInWhileOpen = GetCurrentStudent().GetName();
        apptest::SignIn(dialog, "Teacher, Class", "teacher");
    });
    Press(home, CMainWindow::kSignOut);
    EXPECT_EQ(signedInWhileOpen, "");
    EXPECT_FALSE(home.isVisible());
    QPointer<CTeacherWnd> teacher = guitest::FindTopLevel<CTeacherWnd>();
    ASSERT_TRUE(teacher && teacher->isVisible());
    EXPECT_EQ(teacher->StudentList()->rowCount(), 1);

    QTest::mouseClick(teacher->Button(CTeacherWnd::kHome), Qt::LeftButton);
    bool homeShownUnderTheDialog = false;
    guitest::WhenDialogIsUp<CSignInDlg>([&](CSignInDlg& dialog) {
        homeShownUnderTheDialog = home.isVisible() && teacher.isNull();
        apptest::SignIn(dialog, "Smith, Mary Ann", "Hop2it");
    });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_TRUE(homeShownUnderTheDialog);
    EXPECT_EQ(GetCurrentStudent().GetName(), "Mary Ann Smith");
    EXPECT_TRUE(home.isVisible());
}

// The column first, then Sign out and Help, each named and described for screen readers; the
// arrows move down and up the column only.
TEST_F(HomeScreenTest, TheKeyboardReachesEveryButtonAndArrowsMoveWithinTheColumn) {
    CMainWindow home;
    for (const guitest::SpokenControl& control : guitest::SpokenControls(home)) {
        EXPECT_FALSE(control.description.isEmpty()) << control.name.toStdString();
    }
    // Testing's picture starts above and left of the window, and a window may reach past the
    // screen: only the visible part is told.
    EXPECT_EQ(guitest::ScreenReaderFaults(home), std::vector<std::string>{});
    home.move(-100, -100);
    EXPECT_EQ(guitest::ScreenReaderFaults(home), std::vector<std::string>{});
    home.move(0, 0);
    home.activateWindow();
    QTest::keyClick(&home, Qt::Key_Escape);
    EXPECT_TRUE(home.isVisible()) << "Escape ends nothing";
    const std::pair<CMainWindow::CommandId, CMainWindow::CommandId> moves[] = {
        {CMainWindow::kTesting, CMainWindow::kTraining},
        {CMainWindow::kProgress, CMainWindow::kProgress}};
    for (const auto& [from, to] : moves) {
        home.Button(from)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(home.Button(from), Qt::Key_Down);
        EXPECT_EQ(home.focusWidget(), home.Button(to)) << from;
    }
    guitest::ExpectKeyboardChain(home,
                                 {"Testing", "Training", "Review", "Progress", "Sign out", "Help"});
}
