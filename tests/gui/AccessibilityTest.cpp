#include "GuiTestSupport.h"
#include "StudentSupport.h"
#include "data/CTeacher.h"
#include "gui/classreport/ClassReportWnd.h"
#include "gui/controls/CBasicLineGraph.h"
#include "gui/controls/FlashCardDisplay.h"
#include "gui/controls/SpokenName.h"
#include "gui/progress/CStudentProgressWnd.h"
#include "gui/progress/FactMapView.h"
#include "gui/review/CMistakeReviewWnd.h"
#include "gui/teacher/CEditStudentInfoDlg.h"
#include "gui/teacher/CStudentInfoDlg.h"
#include "gui/teacher/CTeacherWnd.h"
#include "gui/testing/CTestingWnd.h"
#include "gui/training/CTrainingWnd.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <algorithm>
#include <array>

using guitest::SpokenControl;

TEST(SpokenNameTest, WindowClassIsDroppedAndRunTogetherWordsAreSpokenApart) {
    EXPECT_EQ(SpokenName("CTestingWndBegin"), "Begin");
    EXPECT_EQ(SpokenName("CMistakeReviewWndPrintMistakes"), "Print mistakes");
    EXPECT_EQ(SpokenName("CTrainingWndViewSessionGraph"), "View session graph");
    EXPECT_EQ(SpokenName("SignInDlg"), "Sign in");
    EXPECT_EQ(SpokenName("EditStudentInfoDlg"), "Edit student info");
    for (const char* plain : {"Testing", "Current Progress", "7", "Enter", "Wnd", "CD Player"}) {
        EXPECT_EQ(SpokenName(plain), plain);
    }
}

// Each step of a card in words, for every operation: the problem while it waits for a try, then
// what the feedback and the answer on the card say.
TEST(SpokenCardTest, EveryStepOfEveryOperationIsSaidInWords) {
    const auto card = [](int a, char op, int b, int answer) {
        Problem fact = guitest::Mistake(a, op, b);
        fact.enteredAnswer = static_cast<std::int16_t>(answer);
        return fact;
    };
    const struct {
        ReviewState state;
        Problem card;
        const char* said;
    } rows[] = {
        {ReviewState::FirstTry, card(7, '+', 8, kNoValue), "7 plus 8"},
        {ReviewState::SecondTry, card(12, '-', 5, kNoValue), "12 minus 5"},
        {ReviewState::FirstTry, card(6, 'x', 7, kNoValue), "6 times 7"},
        {ReviewState::FirstTry, card(42, '/', 6, kNoValue), "42 divided by 6"},
        {ReviewState::TryAgain, card(6, 'x', 7, 41), "6 times 7 is not 41. Try again."},
        {ReviewState::Almost, card(12, '-', 5, 8), "Almost! 12 minus 5 is not 8."},
        {ReviewState::ShowAnswer, card(42, '/', 6, 7), "The answer: 42 divided by 6 equals 7."},
        {ReviewState::Correct, card(7, '+', 8, 15), "Great! 7 plus 8 equals 15."},
        {ReviewState::Idle, Problem{}, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(SpokenCardStep(row.state, row.card), row.said);
    }
}

using ReviewScreenAccessibilityTest = guitest::WindowTest<CMistakeReviewWnd>;

TEST_F(ReviewScreenAccessibilityTest, ButtonsListAndPadAreNamedInPlainWords) {
    guitest::SignInWithMistakes({guitest::Mistake(7, '+', 5)});
    window = new CMistakeReviewWnd(home);
    QCoreApplication::processEvents();
    const std::vector<SpokenControl> controls = guitest::SpokenControls(*window);
    const QStringList names = guitest::ButtonNames(controls);
    for (const QString& name : names) {
        EXPECT_TRUE(guitest::IsPlainWords(name)) << '"' << name.toStdString() << '"';
    }
    for (const char* wanted : {"Begin", "Print mistakes", "Home", "Enter", "18"}) {
        EXPECT_TRUE(names.contains(wanted)) << wanted;
    }
    for (const QString described : {"Mistake list", "Print mistakes"}) {
        EXPECT_TRUE(std::ranges::any_of(controls, [&](const SpokenControl& control) {
            return control.name == described && !control.description.isEmpty();
        })) << described.toStdString();
    }
}

// Each screen as a student meets it, before and during its session: nothing without a name.
TEST(ScreenAccessibilityTest, EveryActivityScreenNamesEachControlBeforeAndDuringItsSession) {
    platform::fakes::FakePlatform fakes;
    fakes.display.current = {800, 600};
    guitest::LinkInstalledGraphics(fakes);
    guitest::CopyInstalledTestFiles(fakes);
    guitest::FakeHome home;
    guitest::SignInWithMistakes({guitest::Mistake(7, '+', 5)});
    const auto expectAllNamed = [](QWidget& window, const char* when) {
        QCoreApplication::processEvents();
        EXPECT_EQ(guitest::ScreenReaderFaults(window), std::vector<std::string>{})
            << window.windowTitle().toStdString() << ", " << when;
    };

    {
        CTestingWnd testing(home);
        expectAllNamed(testing, "before Begin");
        guitest::Click(testing.Button(CTestingWnd::kBegin));
        expectAllNamed(testing, "during the test");
    }
    {
        CTrainingWnd training(home);
        expectAllNamed(training, "set-up");
        for (const auto view : {CTrainingWnd::kViewSessionGraph, CTrainingWnd::kViewReport}) {
            guitest::Click(training.Button(view));
            expectAllNamed(training, "a view");
        }
        training.GoalField()->setText(QStringLiteral("5"));
        guitest::Click(training.Button(CTrainingWnd::kBegin));
        expectAllNamed(training, "during a session");
    }
    {
        CMistakeReviewWnd review(home);
        expectAllNamed(review, "before Begin");
        guitest::Click(review.Button(CMistakeReviewWnd::kBegin));
        expectAllNamed(review, "during the review");
    }
    {
        CStudentProgressWnd progress(nullptr);
        for (const auto view :
             {CStudentProgressWnd::kCurrentProgress, CStudentProgressWnd::kMastery,
              CStudentProgressWnd::kReport, CStudentProgressWnd::kTrainingReport,
              CStudentProgressWnd::kTrainingProgress, CStudentProgressWnd::kFactMap}) {
            guitest::Click(progress.Button(view));
            expectAllNamed(progress, "each view");
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(ScreenAccessibilityTest, TheTeachersScreensAndDialogsNameEachControl) {
    platform::fakes::FakePlatform fakes;
    fakes.display.current = {800, 600};
    guitest::LinkInstalledGraphics(fakes);
    guitest::WriteDataFolder(fakes, {{.name = "Ann Lee", .password = "hop"}});
    ASSERT_TRUE(GetCurrentTeacher().Load("Class Teacher"));
    guitest::FakeHome home;
    CTeacherWnd teacher(home);
    ClassReportWnd report(&teacher);
    CStudentInfoDlg add("", "", 0, 0);
    CEditStudentInfoDlg edit("Ann Lee");
    for (QWidget* screen : std::initializer_list<QWidget*>{&teacher, &report, &add, &edit}) {
        screen->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(guitest::ScreenReaderFaults(*screen), std::vector<std::string>{})
            << screen->windowTitle().toStdString();
    }
}
