#include "AppTestSupport.h"
#include "GuiTestSupport.h"
#include "app/CMainWindow.h"
#include "data/CStudent.h"
#include "gui/CMistakeReviewWnd.h"
#include "gui/CPictureButton.h"
#include "gui/CSignInDlg.h"
#include "gui/CStudentProgressWnd.h"
#include "gui/CTeacherWnd.h"
#include "gui/CTestingWnd.h"
#include "gui/CTrainingWnd.h"
#include "gui/StudentListCtl.h"
#include "platform/Files.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using platform::MbIcon;

namespace {

class HomeScreenTest : public testing::Test {
protected:
    HomeScreenTest() {
        fakes.display.current = {800, 600};
        apptest::InstallProgramFolder(fakes, {"Mary Ann Smith:Hop2it"});
        GetCurrentStudent().Load("Mary Ann Smith");
    }

    // Deletes the visible windows of this kind and says how many there were. Deleted only after
    // the search: a window takes its own top-level helpers (a drop-down's popup) with it.
    template <typename Window> static std::size_t CloseOpenWindows() {
        std::vector<Window*> open;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<Window*>(widget);
                window != nullptr && window->isVisible()) {
                open.push_back(window);
            }
        }
        qDeleteAll(open);
        return open.size();
    }

    void Press(CMainWindow& home, CMainWindow::CommandId id) {
        QTest::mouseClick(home.Button(id), Qt::LeftButton);
    }

    // Ten different facts missed: a review is due.
    static void MakeReviewDue() {
        for (std::int16_t i = 0; i < 10; ++i) {
            GetCurrentStudent().AddMistake(
                Problem{.firstOperand = i,
                        .secondOperand = 2,
                        .operation = 1,
                        .correctAnswer = static_cast<std::int16_t>(i + 2)});
        }
    }

    platform::fakes::FakePlatform fakes;
};

} // namespace

TEST_F(HomeScreenTest, ReviewWithoutMistakesSaysSoAndOpensNothing) {
    CMainWindow home;
    Press(home, CMainWindow::kReview);
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text, "You have no mistakes to review.");
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::Information);
    EXPECT_TRUE(home.isVisible());
    EXPECT_EQ(fakes.sound.played, std::vector<std::string>{fakes.Path("/Audio/navigate.wav")});
}

TEST_F(HomeScreenTest, ADueReviewComesFirstWithEachButtonsOwnWording) {
    MakeReviewDue();
    CMainWindow home;
    Press(home, CMainWindow::kTesting);
    EXPECT_EQ(CloseOpenWindows<CMistakeReviewWnd>(), 1u);
    EXPECT_EQ(CloseOpenWindows<CTestingWnd>(), 0u);
    EXPECT_FALSE(home.isVisible());
    home.ShowHome();
    Press(home, CMainWindow::kTraining);
    EXPECT_EQ(CloseOpenWindows<CMistakeReviewWnd>(), 1u);
    EXPECT_EQ(CloseOpenWindows<CTrainingWnd>(), 0u);
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 2u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text, "Time for mistake review");
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, MbIcon::None);
    EXPECT_EQ(fakes.messageBoxes.shown[1].text, "It is time to review your mistakes.");
    EXPECT_EQ(fakes.messageBoxes.shown[1].icon, MbIcon::Information);
}

TEST_F(HomeScreenTest, EachActivityButtonOpensItsWindowInPlaceOfTheHomeScreen) {
    GetCurrentStudent().AddMistake(
        Problem{.firstOperand = 7, .secondOperand = 5, .operation = 1, .correctAnswer = 12});
    CMainWindow home;
    Press(home, CMainWindow::kTesting);
    EXPECT_FALSE(home.isVisible());
    EXPECT_EQ(CloseOpenWindows<CTestingWnd>(), 1u);
    home.ShowHome();
    Press(home, CMainWindow::kTraining);
    EXPECT_FALSE(home.isVisible());
    EXPECT_EQ(CloseOpenWindows<CTrainingWnd>(), 1u);
    home.ShowHome();
    Press(home, CMainWindow::kReview);
    EXPECT_FALSE(home.isVisible());
    EXPECT_EQ(CloseOpenWindows<CMistakeReviewWnd>(), 1u);
    home.ShowHome();
    Press(home, CMainWindow::kProgress);
    EXPECT_FALSE(home.isVisible());
    EXPECT_EQ(CloseOpenWindows<CStudentProgressWnd>(), 1u);
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
    EXPECT_EQ(guitest::ReadErrorLog(fakes), "") << "every picture was found";
}

TEST_F(HomeScreenTest, AWindowSystemCloseLeavesAnActivityLikeHomeAndEndsTheHomeScreen) {
    GetCurrentStudent().AddMistake(
        Problem{.firstOperand = 7, .secondOperand = 5, .operation = 1, .correctAnswer = 12});
    QPointer<CMainWindow> home = new CMainWindow;
    for (const auto opens : {CMainWindow::kTesting, CMainWindow::kTraining, CMainWindow::kReview,
                             CMainWindow::kProgress}) {
        Press(*home, opens);
        ASSERT_FALSE(home->isVisible());
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget != home && widget->isVisible()) {
                widget->close();
            }
        }
        EXPECT_TRUE(home->isVisible()) << opens;
        EXPECT_EQ(CloseOpenWindows<CTestingWnd>() + CloseOpenWindows<CTrainingWnd>() +
                      CloseOpenWindows<CMistakeReviewWnd>() +
                      CloseOpenWindows<CStudentProgressWnd>(),
                  0u);
    }
    home->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(home.isNull()) << "destroying the home screen is what ends the program";
}

TEST_F(HomeScreenTest, SignOutShowsTheDialogWithNoStudentSignedIn) {
    CMainWindow home;
    std::string signedInWhileOpen = "?";
    apptest::WhenSignInDialogIsUp([&signedInWhileOpen](CSignInDlg& dialog) {
        signedInWhileOpen = GetCurrentStudent().GetName();
        apptest::SignIn(dialog, "Smith, Mary Ann", "Hop2it");
    });
    Press(home, CMainWindow::kSignOut);
    EXPECT_EQ(signedInWhileOpen, "");
    EXPECT_EQ(GetCurrentStudent().GetName(), "Mary Ann Smith");
    EXPECT_TRUE(home.isVisible());
}

TEST_F(HomeScreenTest, ATeacherGetsTheTeacherWindowAndLeavesItThroughTheSignInDialog) {
    QPointer<CMainWindow> home = new CMainWindow;
    apptest::WhenSignInDialogIsUp(
        [](CSignInDlg& dialog) { apptest::SignIn(dialog, "Teacher, Class", "teacher"); });
    Press(*home, CMainWindow::kSignOut);
    EXPECT_FALSE(home->isVisible());
    QPointer<CTeacherWnd> teacher;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<CTeacherWnd*>(widget); window && window->isVisible()) {
            teacher = window;
        }
    }
    ASSERT_FALSE(teacher.isNull());
    EXPECT_EQ(teacher->StudentList()->rowCount(), 1);

    QTest::mouseClick(teacher->Button(CTeacherWnd::kHome), Qt::LeftButton);
    bool homeShownUnderTheDialog = false;
    apptest::WhenSignInDialogIsUp([&](CSignInDlg& dialog) {
        homeShownUnderTheDialog = home->isVisible() && teacher.isNull();
        dialog.ExitButton()->click();
    });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_TRUE(homeShownUnderTheDialog);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(home.isNull()) << "Exit ended the program";
}

TEST_F(HomeScreenTest, HelpAsksTheDesktopToOpenTheGuideAndSaysNothingItself) {
    CMainWindow home;
    Press(home, CMainWindow::kHelp);
    EXPECT_EQ(fakes.shell.opened,
              std::vector<std::string>{fakes.Path("/Help Guide/HelpGuide.htm")});
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
}

TEST(HomeScreenPictures, AMissingTestingPictureMovesBothLogosToTheLeftEdge) {
    platform::fakes::FakePlatform fakes;
    fakes.display.current = {800, 600};
    guitest::WritePicture(fakes, "Login", "TallyhopLogoHome", {100, 100}, Qt::red);
    guitest::WritePicture(fakes, "Login", "LogoutHome", {50, 20}, Qt::green);
    guitest::WritePicture(fakes, "Login", "KorvanelogoHome", {100, 40}, Qt::blue);
    CMainWindow home;
    const QImage shown = guitest::Snapshot(home);
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::red)) << "product logo from (-30, -60)";
    EXPECT_EQ(shown.pixelColor(69, 39), QColor(Qt::red));
    EXPECT_NE(shown.pixelColor(70, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(0, 60), QColor(Qt::blue)) << "maker logo below the sign-out place";
    EXPECT_EQ(guitest::CountRecords(guitest::ReadErrorLog(fakes), "hReg = 0"), 5);
}

TEST_F(HomeScreenTest, ButtonsAreNamedAndDescribedForScreenReaders) {
    CMainWindow home;
    const auto controls = guitest::SpokenControls(home);
    EXPECT_EQ(guitest::ButtonNames(controls),
              (QStringList{"Testing", "Training", "Review", "Progress", "Sign out", "Help"}));
    for (const guitest::SpokenControl& control : controls) {
        EXPECT_FALSE(control.description.isEmpty()) << control.name.toStdString();
    }
}
