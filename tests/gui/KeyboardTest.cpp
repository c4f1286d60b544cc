// Every screen by keyboard alone and with a screen reader: the focus chain of each with every
// control named, the groups the arrow keys move through, and the keys that keep their meaning on
// the card.
#include "GuiTestSupport.h"
#include "StudentSupport.h"
#include "data/CStudent.h"
#include "data/CTeacher.h"
#include "gui/classreport/ClassReportList.h"
#include "gui/classreport/ClassReportWnd.h"
#include "gui/controls/FlashCardDisplay.h"
#include "gui/controls/SpokenText.h"
#include "gui/controls/StudentListCtl.h"
#include "gui/progress/CStudentProgressWnd.h"
#include "gui/progress/FactMapView.h"
#include "gui/review/CMistakeReviewWnd.h"
#include "gui/teacher/CEditStudentInfoDlg.h"
#include "gui/teacher/CStudentInfoDlg.h"
#include "gui/teacher/CTeacherWnd.h"
#include "gui/teacher/NewClassDlg.h"
#include "gui/testing/CTestingWnd.h"
#include "gui/training/CTrainingWnd.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>

using guitest::ExpectKeyboardChain;
using guitest::PadKeyNames;

namespace {

class KeyboardTest : public testing::Test {
protected:
    KeyboardTest() {
        fakes.display.current = {800, 600};
        guitest::LinkInstalledGraphics(fakes);
        guitest::CopyInstalledTestFiles(fakes);
    }
    ~KeyboardTest() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static void Press(QWidget* control, Qt::Key key) {
        control->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control, key);
        QCoreApplication::sendPostedEvents();
    }

    static void SignIn() { guitest::SignInWithMistakes({guitest::Mistake(7, '+', 5)}); }

    void OpenClass() {
        guitest::WriteDataFolder(fakes, {{.name = "Ann Lee", .password = "hop"},
                                         {.name = "Bo Ng", .password = "hop", .level = 3}});
        ASSERT_TRUE(GetCurrentTeacher().Load("Class Teacher"));
    }

    platform::fakes::FakePlatform fakes;
    guitest::FakeHome home;
};

const QStringList kTrainingSetup{"Addition", "Subtraction",        "Mixed",      "Multiplication",
                                 "Division", "My facts",           "Minutes",    "Goal",
                                 "Begin",    "View session graph", "View report"};
const QStringList kProgressButtons{"Training Progress", "Training Report", "Fact Map", "Mastery",
                                   "Current Progress",  "Report",          "Home"};

} // namespace

// The operations' words the windows' tests do not meet; every step's sentence they follow.
TEST(SpokenCardTest, EveryOperationIsSaidInWordsAndNoCardIsSaidEmpty) {
    EXPECT_EQ(SpokenCardStep(ReviewState::SecondTry, guitest::Mistake(12, '-', 5)), "12 minus 5");
    EXPECT_EQ(SpokenCardStep(ReviewState::FirstTry, guitest::Mistake(42, '/', 6)),
              "42 divided by 6");
    EXPECT_EQ(SpokenCardStep(ReviewState::Idle, Problem{}), "");
}

TEST_F(KeyboardTest, TestTrainingAndReviewAreWalkedBeforeAndDuringTheirSessions) {
    SignIn();
    {
        CTestingWnd testing(home);
        ExpectKeyboardChain(testing, {"Begin", "Home"});
    }
    {
        CTestingWnd testing(home);
        Press(testing.Button(CTestingWnd::kBegin), Qt::Key_Space);
        ExpectKeyboardChain(testing, PadKeyNames(*testing.NumberPad()) + QStringList{"Home"});
    }
    for (const auto& [view, shown] : {std::pair{CTrainingWnd::kViewSessionGraph, "Session graph"},
                                      {CTrainingWnd::kViewReport, "Training report"},
                                      {CTrainingWnd::kBegin, ""}}) {
        SCOPED_TRACE(shown);
        CTrainingWnd training(home);
        training.GoalField()->setText(QStringLiteral("5"));
        guitest::Click(training.Button(view));
        ExpectKeyboardChain(training, (*shown == '\0' ? PadKeyNames(*training.NumberPad())
                                                      : kTrainingSetup + QStringList{shown}) +
                                          QStringList{"Home"});
    }
    for (const bool begun : {false, true}) {
        CMistakeReviewWnd review(home);
        if (begun) {
            Press(review.Button(CMistakeReviewWnd::kBegin), Qt::Key_Return);
        }
        ExpectKeyboardChain(
            review, begun ? PadKeyNames(*review.NumberPad()) + QStringList{"Mistake list", "Home"}
                          : QStringList{"Begin", "Print mistakes", "Mistake list", "Home"});
    }
}

TEST_F(KeyboardTest, EachProgressViewIsWalkedWithTheViewFirst) {
    SignIn();
    const std::pair<CStudentProgressWnd::CommandId, QStringList> views[] = {
        {CStudentProgressWnd::kMastery, {"Mastery graph"}},
        {CStudentProgressWnd::kCurrentProgress, {"Current progress graph"}},
        {CStudentProgressWnd::kReport, {"Test report"}},
        {CStudentProgressWnd::kTrainingReport, {"Training report"}},
        {CStudentProgressWnd::kTrainingProgress, {"Training progress graph"}},
        {CStudentProgressWnd::kFactMap,
         {"Addition", "Subtraction", "Multiplication", "Division", "Mixed"}},
    };
    for (const auto& [button, view] : views) {
        SCOPED_TRACE(view.front().toStdString());
        CStudentProgressWnd progress(nullptr);
        guitest::Click(progress.Button(button));
        ExpectKeyboardChain(progress, view + kProgressButtons);
    }
    CStudentProgressWnd mixed(nullptr);
    guitest::Click(mixed.Button(CStudentProgressWnd::kFactMap));
    Press(mixed.FactMap()->KindButton(kMixed), Qt::Key_Return);
    ExpectKeyboardChain(
        mixed, QStringList{"Addition", "Subtraction", "Multiplication", "Division", "Mixed",
                           "Addition: 0 of 100 fluent", "Subtraction: 0 of 100 fluent",
                           "Multiplication: 0 of 91 fluent", "Division: 0 of 90 fluent"} +
                   kProgressButtons);
}

TEST_F(KeyboardTest, TheTeachersWindowReportAndDialogsAreWalked) {
    OpenClass();
    CTeacherWnd teacher(home);
    ExpectKeyboardChain(teacher, {"Students", "Class", "New Class", "Delete Class",
                                  "Import Students", "Home", "Add Student", "Edit Student Info",
                                  "Delete Student", "Class Report", "Help"});
    ClassReportWnd report(nullptr);
    ExpectKeyboardChain(report, {"Column headings", "Class report", "Export CSV", "Print", "Home"});
    CStudentInfoDlg add("", "", 0, 0);
    add.show();
    ExpectKeyboardChain(
        add, {"Full name", "Password", "Verify password", "Current level", "0", "Enter", "Exit"});
    CEditStudentInfoDlg rename("Ann Lee");
    rename.show();
    ExpectKeyboardChain(rename, {"Name", "OK", "Cancel"});
    NewClassDlg newClass;
    newClass.show();
    ExpectKeyboardChain(newClass, {"Class name", "OK", "Cancel"});
}

// The pad locks for the feedback after an answer sent from its own Enter key: the focus goes back
// to the card, not on along the chain to a button the next Return would press.
TEST_F(KeyboardTest, AKeyThatLocksGivesTheFocusBackToTheCard) {
    guitest::SignInWithMistakes({guitest::Mistake(7, 'x', 8)});
    CMistakeReviewWnd review(home);
    review.activateWindow();
    Press(review.Button(CMistakeReviewWnd::kBegin), Qt::Key_Space);
    CPictureButton& enter = guitest::PadKey(*review.NumberPad(), guitest::kPadEnter);
    enter.setFocus(Qt::TabFocusReason);
    guitest::TypeKeys(&enter, "56\n");
    ASSERT_EQ(review.State(), ReviewState::Correct);
    EXPECT_EQ(review.focusWidget(), &review.Card());
}

TEST_F(KeyboardTest, ArrowKeysMoveWithinAGroupTowardsTheKeyAndStopAtItsEdge) {
    OpenClass();
    GetCurrentStudent().Load("Ann Lee");
    CTrainingWnd training(home);
    CStudentProgressWnd progress(nullptr);
    CTeacherWnd teacher(home);
    using enum CTrainingWnd::CommandId;
    using P = CStudentProgressWnd;
    using T = CTeacherWnd;
    const struct {
        QWidget* from;
        Qt::Key key;
        QWidget* to;
    } moves[] = {
        {training.Button(kAdditionButton), Qt::Key_Down, training.Button(kMultiplicationButton)},
        {training.Button(kSubtractionButton), Qt::Key_Right, training.Button(kMixedButton)},
        {training.Button(kMixedButton), Qt::Key_Down, training.Button(kMyFactsButton)},
        {training.Button(kDivisionButton), Qt::Key_Up, training.Button(kSubtractionButton)},
        {training.Button(kMixedButton), Qt::Key_Right, training.Button(kMixedButton)},
        {progress.Button(P::kFactMap), Qt::Key_Right, progress.Button(P::kReport)},
        {progress.Button(P::kMastery), Qt::Key_Left, progress.Button(P::kTrainingProgress)},
        {progress.Button(P::kReport), Qt::Key_Down, progress.Button(P::kReport)},
        {teacher.Button(T::kHome), Qt::Key_Down, teacher.Button(T::kAddStudent)},
        {teacher.Button(T::kHelp), Qt::Key_Up, teacher.Button(T::kClassReport)},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.from->accessibleName().toStdString() + " " + std::to_string(move.key));
        move.from->window()->activateWindow();
        QCoreApplication::processEvents();
        Press(move.from, move.key);
        EXPECT_EQ(move.to->window()->focusWidget(), move.to);
    }
}

// A row opens as a double-click opens it; the headings sort as clicks do.
TEST_F(KeyboardTest, ReturnOpensARowAndTheClassReportsHeadingsSortByKeys) {
    OpenClass();
    CTeacherWnd teacher(home);
    teacher.StudentList()->setCurrentCell(1, 0);
    Press(teacher.StudentList(), Qt::Key_Return);
    auto* progress = guitest::FindTopLevel<CStudentProgressWnd>();
    ASSERT_NE(progress, nullptr) << "Return opened the student's progress";
    progress->close();

    ClassReportWnd report(nullptr);
    QSignalSpy asked(&report, &ClassReportWnd::StudentProgressAsked);
    report.List()->setCurrentItem(report.List()->topLevelItem(1));
    Press(report.List(), Qt::Key_Return);
    ASSERT_EQ(asked.count(), 1);
    EXPECT_EQ(asked.at(0).at(0).value<std::string>(), "Bo Ng");

    QHeaderView* headings = report.List()->header();
    Press(headings, Qt::Key_Right);
    QTest::keyClick(headings, Qt::Key_Space);
    EXPECT_EQ(headings->sortIndicatorSection(), 1);
    EXPECT_EQ(headings->sortIndicatorOrder(), Qt::AscendingOrder);
    QTest::keyClick(headings, Qt::Key_Return);
    EXPECT_EQ(headings->sortIndicatorOrder(), Qt::DescendingOrder) << "the order turns round";
    EXPECT_EQ(report.List()->RowTexts(0)[0], "Ng, Bo");
}
