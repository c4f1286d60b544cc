// The teacher window's class box: choosing, adding and deleting classes and importing a class list.
#include "CTeacherWnd.h"

#include "ClassBox.h"
#include "NewClassDlg.h"
#include "data/CTeacher.h"
#include "data/RosterCheck.h"
#include "gui/common/StudentDialogMessages.h"
#include "gui/controls/StudentListCtl.h"
#include "platform/ErrorText.h"
#include "platform/Files.h"
#include "platform/Services.h"

#include <cerrno>
#include <filesystem>

namespace {

QString AddedMessage(int added) {
    return added == 1 ? CTeacherWnd::tr("1 student was added to the class.")
                      : CTeacherWnd::tr("%1 students were added to the class.").arg(added);
}

} // namespace

// The rows are those of the class chosen; a class whose list cannot be read is said so and shows
// no rows.
void CTeacherWnd::OnClassChosen(const std::string& className) {
    CTeacher& teacher = GetCurrentTeacher();
    teacher.SelectClass(className);
    classBox_->SetClasses(teacher.GetClasses(), className);
    list_->setRowCount(0);
    if (!ReadList()) {
        const QString text =
            className == kFirstClassName
                ? tr("The list of your first class cannot be read. Please contact the system "
                     "administrator; the error log says why.")
                : tr("The list of the class %1 cannot be read. Please contact the system "
                     "administrator; the error log says why.")
                      .arg(QString::fromStdString(className));
        ShowStudentDialogMessage(this, text.toStdString());
    }
    update();
}

void CTeacherWnd::OnNewClass() {
    NewClassDlg dialog(this);
    if (dialog.exec() == NewClassDlg::kCreated) {
        OnClassChosen(dialog.Name());
    }
}

// Only an empty class goes, and never the first: every teacher keeps it.
void CTeacherWnd::OnDeleteClass() {
    CTeacher& teacher = GetCurrentTeacher();
    const std::string className = teacher.GetClassName();
    if (className == kFirstClassName) {
        ShowStudentDialogMessage(this, tr("Your first class cannot be deleted.").toStdString());
        return;
    }
    teacher.SelectClass(className); // students added at another desk count too
    if (teacher.GetStudentCount() > 0) {
        ShowStudentDialogMessage(this, tr("The class %1 still has students. Only a class without "
                                          "students can be deleted.")
                                           .arg(QString::fromStdString(className))
                                           .toStdString());
        return;
    }
    if (platform::GetMessageBoxes().Show(
            {.text = tr("Are you sure that you want to delete the class %1?")
                         .arg(QString::fromStdString(className))
                         .toStdString(),
             .buttons = platform::MbButtons::YesNo,
             .owner = this}) != platform::MbResult::Yes) {
        return;
    }
    if (!teacher.DeleteClass(className)) {
        ShowStudentDialogMessage(this, ContactAdministrator());
        return;
    }
    OnClassChosen(kFirstClassName);
}

// Every row is checked before any student is added; the teacher learns what was added or why
// nothing was.
void CTeacherWnd::OnImportStudents() {
    const auto path =
        openFileDialog_->Choose({.title = tr("Import Students").toStdString(),
                                 .filter = tr("Class lists (*.csv);;All files (*)").toStdString()});
    if (!path) {
        return;
    }
    const auto bytes = platform::ReadFileBytes(*path);
    if (!bytes) {
        ShowStudentDialogMessage(this,
                                 tr("The file %1 cannot be read: %2.")
                                     .arg(QString::fromStdString(*path),
                                          QString::fromStdString(platform::ShownErrorText(errno))));
        return;
    }
    const data::ClassImport import = data::ImportClassRoster(
        {reinterpret_cast<const char*>(bytes->data()), bytes->size()}, GetCurrentTeacher());
    ReadList();
    list_->repaint();
    if (!import.problems.empty()) {
        const std::string file = std::filesystem::path(*path).filename().string();
        ShowStudentDialogMessage(this, RosterProblemsMessage(file, import.problems).toStdString());
    } else if (import.failed) {
        ShowStudentDialogMessage(this, ContactAdministrator());
    } else {
        platform::GetMessageBoxes().Show({.text = AddedMessage(import.added).toStdString(),
                                          .icon = platform::MbIcon::Information,
                                          .owner = this});
    }
}
