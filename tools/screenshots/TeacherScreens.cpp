#include "Screenshots.h"
#include "Sheet.h"

#include "data/CStudent.h"
#include "data/CTeacher.h"
#include "data/CUserManager.h"
#include "data/NameListFiles.h"
#include "data/RosterCheck.h"
#include "gui/common/StudentDialogMessages.h"
#include "gui/controls/CPictureButton.h"
#include "gui/fakes/StillHome.h"
#include "gui/teacher/CEditStudentInfoDlg.h"
#include "gui/teacher/CStudentInfoDlg.h"
#include "gui/teacher/CTeacherWnd.h"
#include "gui/teacher/ClassBox.h"
#include "gui/teacher/NewClassDlg.h"
#include "platform/Files.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <functional>

namespace screenshots {
namespace {

constexpr const char* kTeacher = "Class Teacher";
constexpr const char* kNewTeacher = "New Teacher";

// The class of the tool's teacher: Mary Ann Smith and a few more, added once.
void FillClass() {
    CTeacher& teacher = GetCurrentTeacher();
    teacher.Load(kTeacher);
    teacher.SelectClass("Users");
    struct Student {
        const char* name;
        int level;
        int testsPassed;
    };
    for (const Student& student : {Student{"Bo Ng", 1, 0}, Student{"Zoe Adams", 4, 2},
                                   Student{"Omar Haddad", 5, 1}, Student{"Li Wei", 2, 2}}) {
        if (!teacher.IsStudent(student.name)) {
            teacher.AddStudent(student.name, "hop", student.level, student.testsPassed, 0, 0);
        }
    }
}

// What `shoot` makes of the teacher window as the teacher sees it. The signed-in student of the
// other screenshots is signed in again afterwards.
QImage ShootTeacherScreen(const std::function<QImage(CTeacherWnd&)>& shoot) {
    gui::fakes::StillHome home;
    auto* window = new CTeacherWnd(home);
    QCoreApplication::processEvents();
    const QImage shot = shoot(*window);
    delete window;
    GetCurrentStudent().Load("Mary Ann Smith");
    return shot;
}

// The teacher window with `over` (dialogs, message boxes) shown on top.
QImage RenderTeacherScreen(const std::function<QImage(CTeacherWnd&)>& over = {}) {
    return ShootTeacherScreen([&over](CTeacherWnd& window) {
        const QImage screen = window.grab().toImage();
        return over ? CentredOver(screen, over(window)) : screen;
    });
}

QImage Grab(QWidget& widget) {
    widget.show();
    return widget.grab().toImage();
}

} // namespace

void SignInTeacherWithEmptyClass(const std::string& name) {
    platform::WriteFileDurably(
        CUserManager::GetInfoFilePath(name),
        data::SerializeUserWithNames(
            {.idType = CUserManager::kTeacherId, .password = "pw", .names = {"Users"}}));
    platform::WriteFileDurably(CUserManager::GetInfoFilePath(name + "Users"),
                               data::SerializeClassFile({}));
    GetCurrentTeacher().Load(name);
    GetCurrentTeacher().SelectClass("Users");
}

// The focus mark on two of the column's buttons.
QImage RenderTeacherFocus() {
    FillClass();
    return ShootTeacherScreen([](CTeacherWnd& window) {
        return GrabWithFocusOn(
            {window.Button(CTeacherWnd::kEditStudentInfo), window.Button(CTeacherWnd::kHelp)});
    });
}

QImage RenderTeacherWindow() {
    FillClass();
    return RenderTeacherScreen();
}

// Eight students with long names, the longest of the thirty characters a name may have.
QImage RenderTeacherLongNames() {
    SignInTeacherWithEmptyClass(kNewTeacher);
    CTeacher& teacher = GetCurrentTeacher();
    teacher.SelectClass("Users");
    for (const char* name :
         {"Maximiliana Alexandra Rodrigue", "Christopher Montgomery-Smythe", "Anna-Lena Zimmermann",
          "Oluwaseun Adebayo-Williams", "Bartholomew Fitzgerald", "Siobhán Ní Bhraonáin",
          "Jean-Baptiste Lefèvre", "Wei Zhang"}) {
        teacher.AddStudent(name, "hop", 3, 1, 0, 0);
    }
    const QImage screen = RenderTeacherScreen();
    FillClass();
    return screen;
}

// The question before a student's records go.
QImage RenderDeleteQuestion() {
    FillClass();
    return RenderTeacherScreen([](CTeacherWnd&) {
        QMessageBox box(QMessageBox::NoIcon, "Tallyhop",
                        QString::fromStdString(DeleteQuestion("Omar Haddad")),
                        QMessageBox::Yes | QMessageBox::No);
        return Grab(box);
    });
}

// Letters the records cannot store, refused while the name is typed: the note stays.
QImage RenderNameNote() {
    FillClass();
    return RenderTeacherScreen([](CTeacherWnd&) {
        CStudentInfoDlg dialog("", "", 0, 0);
        dialog.show();
        for (const QChar letter : QStringLiteral("Łukasz Żak")) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
            QCoreApplication::sendEvent(dialog.NameBox(), &press);
        }
        QCoreApplication::processEvents();
        return Grab(dialog);
    });
}

QImage RenderTeacherWindowEmpty() {
    SignInTeacherWithEmptyClass(kNewTeacher);
    const QImage screen = RenderTeacherScreen();
    FillClass();
    return screen;
}

// A new student typed in.
QImage RenderNewStudentDialog() {
    FillClass();
    return RenderTeacherScreen([](CTeacherWnd&) {
        CStudentInfoDlg dialog("", "", 0, 0);
        dialog.NameBox()->setText("Kim Lee");
        dialog.PasswordBox()->setText("hop");
        dialog.VerifyBox()->setText("hop");
        dialog.LevelList()->setCurrentIndex(2);
        dialog.TestsPassedButton(1)->setChecked(true);
        return Grab(dialog);
    });
}

// The first step of an edit: which student.
QImage RenderRenameDialog() {
    FillClass();
    return RenderTeacherScreen([](CTeacherWnd&) {
        CEditStudentInfoDlg dialog("Mary Ann Smith");
        return Grab(dialog);
    });
}

// The second step: the student's password, level and tests passed, the name fixed.
QImage RenderEditStudentDialog() {
    FillClass();
    return RenderTeacherScreen([](CTeacherWnd&) {
        CStudent& student = GetCurrentStudent();
        student.Load("Mary Ann Smith");
        CStudentInfoDlg dialog(student.GetName(), student.GetPassword(), student.GetLevel() - 1,
                               student.GetTestsPassed());
        return Grab(dialog);
    });
}

// Enter on a name with an apostrophe: the message names it.
QImage RenderStudentRefusal() {
    FillClass();
    return RenderTeacherScreen([](CTeacherWnd&) {
        CStudentInfoDlg create("", "", 0, 0);
        create.NameBox()->setText("Sean O'Brien");
        create.NameBox()->selectAll();
        QMessageBox box(QMessageBox::Warning, "Tallyhop",
                        QString::fromStdString(RefusedNameMessage("Sean O'Brien")),
                        QMessageBox::Ok);
        return CentredOver(Grab(create), Grab(box));
    });
}

// A teacher of a school with a second class of 25 students, chosen in the class box.
QImage RenderTeacherSchool() {
    SignInTeacherWithEmptyClass(kNewTeacher);
    CTeacher& teacher = GetCurrentTeacher();
    teacher.AddClass("5A Blue");
    teacher.SelectClass("5A Blue");
    const char* const given[] = {"Ana", "Ben", "Cleo", "Dev", "Ella"};
    const char* const family[] = {"Ortiz", "Brandt", "Kowalski", "Nakamura", "Okafor"};
    for (int index = 0; index < 25; ++index) {
        teacher.AddStudent(std::string(given[index % 5]) + " " + family[index / 5], "hop",
                           1 + index % 5, index % 3, 0, 0);
    }
    return RenderTeacherScreen([](CTeacherWnd& window) {
        QComboBox* chooser = window.Classes()->Chooser();
        chooser->setCurrentIndex(1);
        emit chooser->activated(1);
        QCoreApplication::processEvents();
        return window.grab().toImage();
    });
}

// A new class's name typed in.
QImage RenderNewClassDialog() {
    FillClass();
    return RenderTeacherScreen([](CTeacherWnd&) {
        NewClassDlg dialog;
        dialog.NameBox()->setText("5A Blue");
        return Grab(dialog);
    });
}

// A class list with bad rows: nothing is added, and each row is named with its reason.
QImage RenderImportProblems() {
    FillClass();
    return RenderTeacherScreen([](CTeacherWnd&) {
        const data::ClassImport import = data::ImportClassRoster(
            "Student;Password;Level\nAnn Lee;hop;2\nBo.Ng;hop;1\nCy Park;;3\nAnn Lee;x;7\n",
            GetCurrentTeacher());
        const QString text = RosterProblemsMessage("class 5A.csv", import.problems);
        QMessageBox box(QMessageBox::Warning, "Tallyhop", text, QMessageBox::Ok);
        return Grab(box);
    });
}

} // namespace screenshots
