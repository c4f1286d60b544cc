#include "GuiTestSupport.h"
#include "StudentSupport.h"
#include "data/CTeacher.h"
#include "gui/classreport/ClassReportWnd.h"
#include "gui/controls/CBasicLineGraph.h"
#include "gui/controls/SpokenName.h"
#include "gui/progress/CStudentProgressWnd.h"
#include "gui/progress/FactMapView.h"
#include "gui/review/CMistakeReviewWnd.h"
#include "gui/teacher/CEditStudentInfoDlg.h"
#include "gui/teacher/CStudentInfoDlg.h"
#include "gui/teacher/CTeacherWnd.h"
#include "gui/teacher/NewClassDlg.h"
#include "gui/testing/CTestingWnd.h"
#include "gui/training/CTrainingWnd.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <algorithm>
#include <array>

using guitest::SpokenControl;

namespace {

// What a screen reader meets without a name on the screen as it is shown now: every control that
// takes the focus, every button, field, list and chart, and the graphs and the fact map, as
// "<role> <class>".
std::vector<std::string> UnnamedControls(QWidget& window) {
    static constexpr std::array kNamedRoles{
        QAccessible::Button, QAccessible::EditableText, QAccessible::ComboBox, QAccessible::List,
        QAccessible::Table,  QAccessible::Tree,         QAccessible::Chart};
    std::vector<std::string> unnamed;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* parent) {
        for (int i = 0; i < parent->childCount(); ++i) {
            QAccessibleInterface* child = parent->child(i);
            if (child == nullptr || child->state().invisible) {
                continue;
            }
            const QObject* object = child->object();
            const bool showsData = qobject_cast<const CBasicLineGraph*>(object) != nullptr ||
                                   qobject_cast<const FactMapView*>(object) != nullptr;
            const bool needsName =
                child->state().focusable || showsData ||
                std::ranges::find(kNamedRoles, child->role()) != kNamedRoles.end();
            if (needsName && (child->text(QAccessible::Name).trimmed().isEmpty() ||
                              (showsData && child->text(QAccessible::Description).isEmpty()))) {
                unnamed.push_back(std::to_string(child->role()) + ' ' +
                                  (object != nullptr ? object->metaObject()->className() : "item"));
            }
            walk(child);
        }
    };
    walk(QAccessible::queryAccessibleInterface(&window));
    return unnamed;
}

} // namespace

TEST(SpokenNameTest, WindowClassIsDroppedAndRunTogetherWordsAreSpokenApart) {
    EXPECT_EQ(SpokenName("CTestingWndBegin"), "Begin");
    EXPECT_EQ(SpokenName("CMistakeReviewWndPrintMistakes"), "Print mistakes");
    EXPECT_EQ(SpokenName("CTrainingWndViewSessionGraph"), "View session graph");
    for (const char* plain : {"Testing", "Current Progress", "7", "Enter", "Wnd", "CD Player"}) {
        EXPECT_EQ(SpokenName(plain), plain);
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
        EXPECT_EQ(UnnamedControls(window), std::vector<std::string>{})
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
    NewClassDlg newClass;
    for (QWidget* screen :
         std::initializer_list<QWidget*>{&teacher, &report, &add, &edit, &newClass}) {
        screen->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(UnnamedControls(*screen), std::vector<std::string>{})
            << screen->windowTitle().toStdString();
    }
}
