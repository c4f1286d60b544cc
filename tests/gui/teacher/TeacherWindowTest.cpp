#include "FolderContent.h"
#include "GuiTestSupport.h"
#include "data/CStudent.h"
#include "data/CTeacher.h"
#include "data/CUserManager.h"
#include "data/SignInLocks.h"
#include "gui/common/StudentDialogMessages.h"
#include "gui/controls/StudentListCtl.h"
#include "gui/progress/CStudentProgressWnd.h"
#include "gui/teacher/CEditStudentInfoDlg.h"
#include "gui/teacher/CStudentInfoDlg.h"
#include "gui/teacher/CTeacherWnd.h"
#include "gui/teacher/ClassBox.h"
#include "gui/teacher/NewClassDlg.h"
#include "platform/Files.h"
#include "platform/fakes/FakeFileDialogs.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <gmock/gmock.h>

using namespace guitest;

using platform::MbIcon;
using platform::MbResult;
using testing::ElementsAre;

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

class TeacherWindowTest : public WindowTest<CTeacherWnd> {
protected:
    void Open(const std::vector<StudentToAdd>& students) {
        WriteDataFolder(fakes, students);
        ASSERT_TRUE(GetCurrentTeacher().Load("Class Teacher"));
        window = new CTeacherWnd(home);
    }

    StudentListCtl& List() const { return *window->StudentList(); }

    Rows ListRows() const {
        Rows rows;
        for (int row = 0; row < List().rowCount(); ++row) {
            rows.emplace_back(List().Name(row), List().item(row, 1)->text().toStdString());
        }
        return rows;
    }

    void Press(CTeacherWnd::CommandId id) { QTest::mouseClick(window->Button(id), Qt::LeftButton); }

    // Edit Student Info for the student of `row`, who is proposed; then `act` on the student's
    // dialog, or without it, no student dialog may open.
    void Edit(int row, std::function<void(CStudentInfoDlg&)> act = nullptr) {
        List().selectRow(row);
        const std::string proposed = List().Name(row);
        WhenDialogIsUp<CEditStudentInfoDlg>([act, proposed](CEditStudentInfoDlg& rename) {
            std::string listed = rename.Name();
            CUserManager::ConvertName(listed, true);
            if (listed != proposed) { // OK would be refused and the dialog stay up
                ADD_FAILURE() << "proposed \"" << rename.Name() << '"';
                rename.reject();
                return;
            }
            if (act) {
                WhenDialogIsUp<CStudentInfoDlg>(act);
            } else { // fails rather than hangs should the student dialog open
                QTimer::singleShot(0, [] {
                    if (auto* opened =
                            qobject_cast<CStudentInfoDlg*>(QApplication::activeModalWidget())) {
                        ADD_FAILURE() << "the student dialog opened";
                        opened->reject();
                    }
                });
            }
            rename.OkButton()->click();
        });
        Press(CTeacherWnd::kEditStudentInfo);
    }

    bool HasRecord(const std::string& name) const {
        return platform::FileExists(fakes.Path("/Data/" + name + ".nfo"));
    }
};

// Types a new student into the dialog and presses Enter.
void EnterStudent(CStudentInfoDlg& dialog, const QString& name, const QString& password,
                  int levelIndex = 0, int testsPassed = 0) {
    QTest::keyClicks(dialog.NameBox(), name);
    QTest::keyClicks(dialog.PasswordBox(), password);
    QTest::keyClicks(dialog.VerifyBox(), password);
    dialog.LevelList()->setCurrentIndex(levelIndex);
    dialog.TestsPassedButton(testsPassed)->click();
    dialog.EnterButton()->click();
}

} // namespace

// In grey and white rows; a name the column can show has no tooltip of its own, one cut short,
// if only by a pixel, shows whole in it.
TEST_F(TeacherWindowTest, StudentsAreListedByTheBytesOfTheirFamilyNamesAndShowWholeInATooltip) {
    Open({{"ann lee", "pw", 1, 0},
          {"Maximiliana Alexandra Rodrigue", "pw", 4, 2},
          {"Mary Ann Smith", "pw", 3, 1}});
    EXPECT_EQ(ListRows(), (Rows{{"Rodrigue, Maximiliana Alexandra", "Division - 2"},
                                {"Smith, Mary Ann", "Multiplication - 1"},
                                {"lee, ann", "Addition - 0"}}));
    window->show();
    const QImage list = List().viewport()->grab().toImage();
    for (int row = 0; row < 3; ++row) {
        const QRect cell = List().visualRect(List().model()->index(row, 1));
        EXPECT_EQ(list.pixelColor(cell.right() - 2, cell.center().y()),
                  row % 2 == 0 ? QColor(235, 235, 235) : QColor(Qt::white));
    }
    const QString name = List().item(0, 0)->text();
    const int margin = 2 * (List().style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const int needed = QFontMetrics(List().font()).horizontalAdvance(name) + margin;
    List().horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    List().setColumnWidth(0, needed);
    EXPECT_EQ(List().CutName(0), QString()) << "just fits";
    List().setColumnWidth(0, needed - 1);
    EXPECT_EQ(List().CutName(0), name);
}

// A new row goes to the bottom, and another dialog is offered, where a ninth student is refused.
// Delete asks first and removes exactly that student: of an older folder, which took names that
// differ only in capitals. An edit still works and shows in its row.
TEST_F(TeacherWindowTest, AddStudentAddsUpToEightRowsAndDeleteRemovesExactlyThatStudent) {
    Open({{"A Ant", "pw"},
          {"B Ant", "pw"},
          {"C Ant", "pw"},
          {"D Ant", "pw"},
          {"Samantha Lee", "pw"},
          {"sam lee", "pw"},
          {"Sam Lee", "pw"}});
    WhenDialogIsUp<CStudentInfoDlg>([](CStudentInfoDlg& first) {
        WhenDialogIsUp<CStudentInfoDlg>([](CStudentInfoDlg& second) {
            EXPECT_EQ(second.NameBox()->text(), "");
            EnterStudent(second, "Ivy Ibis", "pw");
            second.ExitButton()->click();
        });
        EnterStudent(first, "  Abe Allen ", "hop", 3, 1);
    });
    Press(CTeacherWnd::kAddStudent);
    const Rows added = ListRows();
    EXPECT_EQ(Rows(added.begin() + 4, added.end()), (Rows{{"Lee, Sam", "Addition - 0"},
                                                          {"Lee, Samantha", "Addition - 0"},
                                                          {"lee, sam", "Addition - 0"},
                                                          {"Allen, Abe", "Division - 1"}}));
    EXPECT_TRUE(HasRecord("Abe Allen") && GetCurrentTeacher().IsStudent("Abe Allen"));
    EXPECT_EQ(Boxes(fakes), (std::vector<Box>{{"You may not have more than 8 users at a time.",
                                               MbIcon::Exclamation}}));
    EXPECT_FALSE(HasRecord("Ivy Ibis"));
    QCoreApplication::processEvents();
    EXPECT_FALSE(List().verticalScrollBar()->isVisible()) << "eight students show at once";

    fakes.messageBoxes.shown.clear();
    Press(CTeacherWnd::kDeleteStudent);
    EXPECT_THAT(Texts(), ElementsAre("Please select a user to be deleted."));
    List().selectRow(4);
    fakes.messageBoxes.answers = {MbResult::No};
    Press(CTeacherWnd::kDeleteStudent);
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 2u);
    EXPECT_EQ(Boxes(fakes)[1],
              Box{"Are you sure that you want to delete Sam Lee's account? Sam Lee's records, "
                  "mistakes and progress will be deleted for good."});
    EXPECT_EQ(fakes.messageBoxes.shown[1].buttons, platform::MbButtons::YesNo);
    EXPECT_TRUE(List().rowCount() == 8 && HasRecord("Sam Lee")) << "No keeps the student";
    for (const int row : {4, 5}) {
        List().selectRow(row);
        fakes.messageBoxes.answers = {MbResult::Yes};
        Press(CTeacherWnd::kDeleteStudent);
    }
    const Rows left = ListRows();
    EXPECT_EQ(Rows(left.begin() + 4, left.end()),
              (Rows{{"Lee, Samantha", "Addition - 0"}, {"Allen, Abe", "Division - 1"}}));
    EXPECT_FALSE(HasRecord("Sam Lee") || GetCurrentTeacher().IsStudent("Sam Lee"));

    Edit(0, [](CStudentInfoDlg& dialog) { // the first row is a student too
        EXPECT_TRUE(dialog.NameBox()->isReadOnly());
        EXPECT_EQ(dialog.focusWidget(), dialog.PasswordBox());
        EXPECT_EQ(dialog.NameBox()->text(), "A Ant");
        dialog.LevelList()->setCurrentIndex(4);
        dialog.TestsPassedButton(2)->click();
        dialog.EnterButton()->click();
    });
    EXPECT_EQ(ListRows().at(0), (std::pair<std::string, std::string>{"Ant, A", "Mixed - 2"}));
    CStudent stored;
    ASSERT_TRUE(stored.Load("A Ant"));
    EXPECT_EQ(std::tuple(stored.GetLevel(), stored.GetTestsPassed(), stored.GetPassword()),
              std::tuple(5, 2, std::string("pw")))
        << "the password kept when not changed";
}

// The program of a student signed in at another computer would write its own copy of the record
// back over a change: the teacher's Edit and Delete wait until the student has signed out.
TEST_F(TeacherWindowTest, AStudentSignedInAtAnotherComputerIsNeitherEditedNorDeletedMeanwhile) {
    Open({{"Ann Lee", "pw"}, {"Sam Lee", "pw", 2, 1}});
    data::SignInLocks otherComputer(fakes.Path("/Data"));
    data::PersonClaim sam = otherComputer.ClaimSignIn("Sam Lee");
    const auto before = FolderContent(fakes.Path("/Data"));
    Edit(1);
    Press(CTeacherWnd::kDeleteStudent);
    EXPECT_EQ(Boxes(fakes),
              (std::vector<Box>{{"Lee, Sam is signed in at another computer. Their "
                                 "information can be changed after they sign out.",
                                 MbIcon::Exclamation},
                                {"Lee, Sam is signed in at another computer and can be "
                                 "deleted after they sign out.",
                                 MbIcon::Exclamation}}));
    EXPECT_EQ(FolderContent(fakes.Path("/Data")), before);
    EXPECT_EQ(ListRows(), (Rows{{"Lee, Ann", "Addition - 0"}, {"Lee, Sam", "Subtraction - 1"}}));

    sam.Release();
    fakes.messageBoxes.shown.clear();
    Edit(1, [this](CStudentInfoDlg& dialog) {
        EXPECT_EQ(data::SignInLocks(fakes.Path("/Data")).ClaimSignIn("Sam Lee").Outcome(),
                  data::ClaimOutcome::BeingChanged)
            << "no sign-in while the teacher changes the record";
        dialog.LevelList()->setCurrentIndex(0);
        dialog.EnterButton()->click();
    });
    EXPECT_EQ(ListRows()[1], (std::pair<std::string, std::string>{"Lee, Sam", "Addition - 1"}));
    fakes.messageBoxes.answers = {MbResult::Yes};
    Press(CTeacherWnd::kDeleteStudent);
    EXPECT_EQ(ListRows(), (Rows{{"Lee, Ann", "Addition - 0"}}));
    EXPECT_THAT(Texts(), ElementsAre(DeleteQuestion("Sam Lee")));
    EXPECT_TRUE(otherComputer.ClaimSignIn("Sam Lee").Allows()) << "nothing left held";
}

// A student passes tests at another desk while the teacher looks elsewhere: the rows are read
// again whenever the window is shown or active again, and before Edit. A double-clicked student's
// progress opens in place of the window until its Home. Home signs out only once back in the
// event loop, not from inside the click.
TEST_F(TeacherWindowTest, TheRowsAreReadAgainWhenTheWindowComesBackAndBeforeEdit) {
    Open({{"Bo Ng", "pw"}});
    const auto passAtAnotherDesk = [](int passed) {
        CStudent otherDesk;
        ASSERT_TRUE(otherDesk.Load("Bo Ng"));
        otherDesk.SetTestsPassed(passed);
        ASSERT_TRUE(otherDesk.UpdateInfo("pw"));
    };
    const auto shown = [this] {
        return ListRows().at(0).second;
    };
    List().selectRow(0);
    passAtAnotherDesk(1);
    QWidget* rows = List().viewport();
    // As the window system delivers it: a click, then the second press as a double-click.
    for (const QPoint at :
         {QPoint(5, rows->height() - 5), List().visualItemRect(List().item(0, 0)).center()}) {
        EXPECT_EQ(FindTopLevel<CStudentProgressWnd>(), nullptr) << "no row, nothing opens";
        QTest::mouseClick(rows, Qt::LeftButton, {}, at);
        QTest::mouseDClick(rows, Qt::LeftButton, {}, at);
        QTest::mouseRelease(rows, Qt::LeftButton, {}, at);
    }
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(GetCurrentStudent().GetName(), "Bo Ng");
    auto* progress = FindTopLevel<CStudentProgressWnd>();
    ASSERT_NE(progress, nullptr);
    guitest::Click(progress->Button(CStudentProgressWnd::kHome));
    CloseDeleted();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shown(), "Addition - 1") << "shown again";
    passAtAnotherDesk(2);
    QWidget other;
    QApplication::setActiveWindow(&other);
    QApplication::setActiveWindow(window);
    EXPECT_EQ(shown(), "Addition - 2") << "active again";
    passAtAnotherDesk(3);
    WhenDialogIsUp<CEditStudentInfoDlg>([&](CEditStudentInfoDlg& rename) {
        EXPECT_EQ(shown(), "Addition - 3") << "before Edit";
        rename.CancelButton()->click();
    });
    Press(CTeacherWnd::kEditStudentInfo);
    EXPECT_EQ(ReadErrorLog(fakes), "") << "every picture was found";

    Press(CTeacherWnd::kHome);
    EXPECT_EQ(std::pair(home.shows, home.signOuts), std::pair(1, 0));
    CloseDeleted();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(home.signOuts, 1);
}

// What the teacher cannot have is said in plain words, the details go to the error log.
TEST_F(TeacherWindowTest, AMissingClassFileOrStudentRecordIsSaidInPlainWords) {
    Open({{"Ann Lee", "pw"}, {"Bo Ng", "pw"}});
    std::filesystem::remove(fakes.Path("/Data/Bo Ng.nfo"));
    Edit(1);
    EXPECT_THAT(Texts(), ElementsAre("The records of Bo Ng cannot be read. Please contact the "
                                     "system administrator; the error log says why."));

    delete window.data();
    fakes.messageBoxes.shown.clear();
    std::filesystem::remove(fakes.Path("/Data/Class TeacherUsers.nfo"));
    window = new CTeacherWnd(home);
    EXPECT_THAT(Texts(), ElementsAre("The list of Class Teacher's class cannot be read, so the "
                                     "program ends. Please contact the system administrator; the "
                                     "error log says why."));
    EXPECT_EQ(fakes.process.quitRequests, 1);
    EXPECT_GE(Logged("Class TeacherUsers.nfo: No such file"), 1);
}

// The class box: a new class chosen at once, a class list imported into it whole or not at all,
// the refusal at the folder's class size, another class chosen, and only an empty class other
// than the first deleted.
TEST_F(TeacherWindowTest, TheClassBoxAddsChoosesFillsAndDeletesClasses) {
    Open({{"Ann Lee", "pw"}});
    ClassBox& box = *window->Classes();
    const auto choices = [&] {
        QStringList texts;
        for (int index = 0; index < box.Chooser()->count(); ++index) {
            texts << box.Chooser()->itemText(index);
        }
        return std::pair(texts, box.Chooser()->currentText());
    };
    EXPECT_EQ(choices(), std::pair(QStringList{"(first class)"}, QString("(first class)")));

    guitest::WhenDialogIsUp<NewClassDlg>([](NewClassDlg& dialog) {
        QTest::keyClicks(dialog.NameBox(), " 5A  Blue");
        dialog.OkButton()->click();
    });
    box.NewClassButton()->click();
    EXPECT_EQ(choices(), std::pair(QStringList{"(first class)", "5A Blue"}, QString("5A Blue")));
    EXPECT_EQ(List().rowCount(), 0);
    WhenDialogIsUp<CEditStudentInfoDlg>([](CEditStudentInfoDlg& dialog) {
        EXPECT_EQ(dialog.Name(), "") << "nobody to propose";
        dialog.CancelButton()->click();
    });
    Press(CTeacherWnd::kEditStudentInfo);
    EXPECT_EQ(Played("navigate.wav"), 2) << "New Class, Edit Student Info";

    auto dialog = std::make_unique<platform::fakes::FakeOpenFileDialog>(fakes.Path("/class.csv"));
    auto& asked = dialog->requests;
    window->SetOpenFileDialog(std::move(dialog));
    const auto write = [&](const std::string& path, const std::string& text) {
        platform::WriteFileBytes(fakes.Path(path), {text.begin(), text.end()});
    };
    write("/class.csv", "Student,Password,Level\nBo Ng,b,2\nBo.Ng,b,1\nCy Park,,9\n");
    box.ImportButton()->click();
    write("/class.csv", "\xEF\xBB\xBFStudent;Password;Level\r\nBo Ng;b;2\r\nCy Park;c;\r\n");
    box.ImportButton()->click();
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(ListRows(), (Rows{{"Ng, Bo", "Subtraction - 0"}, {"Park, Cy", "Addition - 0"}}));
    write("/Data/School settings.txt", "class size = 2\n");
    guitest::WhenDialogIsUp<CStudentInfoDlg>([](CStudentInfoDlg& add) {
        EnterStudent(add, "Di Ruiz", "pw");
        add.ExitButton()->click();
    });
    Press(CTeacherWnd::kAddStudent);

    box.DeleteClassButton()->click();
    emit box.Chooser()->activated(0);
    EXPECT_EQ(ListRows(), (Rows{{"Lee, Ann", "Addition - 0"}}));
    box.DeleteClassButton()->click();
    EXPECT_THAT(Texts(), ElementsAre("No student was added, because class.csv has these problems:\n"
                                     "Line 3: the name \"Bo.Ng\" cannot hold the full stop (.).\n"
                                     "Line 4: Cy Park has no password.\n"
                                     "Line 4: the level \"9\" is not a number from 1 to 5.",
                                     "2 students were added to the class.",
                                     "You may not have more than 2 students in a class.",
                                     "The class 5A Blue still has students. Only a class without "
                                     "students can be deleted.",
                                     "Your first class cannot be deleted."));

    // Another desk has moved the class's students meanwhile: only now it can go.
    emit box.Chooser()->activated(1);
    write("/Data/Class Teacher5A Blue.nfo", std::string(8, '\0'));
    fakes.messageBoxes.answers = {MbResult::Yes};
    box.DeleteClassButton()->click();
    EXPECT_EQ(fakes.messageBoxes.shown.back().text,
              "Are you sure that you want to delete the class 5A Blue?");
    EXPECT_EQ(choices(), std::pair(QStringList{"(first class)"}, QString("(first class)")));
    EXPECT_FALSE(HasRecord("Class Teacher5A Blue"));
}
