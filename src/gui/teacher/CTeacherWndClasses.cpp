// The teacher window's class box: choosing, adding and deleting classes and importing a class list.
#include "CTeacherWnd.h"

#include "ClassBox.h"
#include "NewClassDlg.h"
#include "data/CTeacher.h"
#include "data/RosterCheck.h"
#include "gui/common/StudentDialogMessages.h"
#include "gui/controls/StudentListCtl.h"
#include "platform/Files.h"
#include "platform/Services.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

// A message box is no taller than the screen: the rest of a long list is counted.
constexpr std::size_t kProblemsShown = 12;

std::string ClassWords(const std::string& className) {
    return className == kFirstClassName ? "your first class" : "the class " + className;
}

std::string ProblemsMessage(const std::string& path,
                            const std::vector<data::RosterProblem>& problems) {
    std::string text = "No student was added, because " +
                       std::filesystem::path(path).filename().string() +
                       (problems.size() == 1 ? " has this problem:" : " has these problems:");
    for (std::size_t index = 0; index < problems.size() && index < kProblemsShown; ++index) {
        text += '\n';
        text += data::RosterProblemText(problems[index]);
    }
    if (problems.size() > kProblemsShown) {
        text += "\n… and ";
        text += std::to_string(problems.size() - kProblemsShown) + " more.";
    }
    return text;
}

std::string AddedMessage(int added) {
    return added == 1 ? "1 student was added to the class."
                      : std::to_string(added) + " students were added to the class.";
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
        ShowStudentDialogMessage(this, "The list of " + ClassWords(className) +
                                           " cannot be read. Please contact the system "
                                           "administrator; the error log says why.");
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
        ShowStudentDialogMessage(this, "Your first class cannot be deleted.");
        return;
    }
    teacher.SelectClass(className); // students added at another desk count too
    if (teacher.GetStudentCount() > 0) {
        ShowStudentDialogMessage(this, "The class " + className +
                                           " still has students. Only a class without students "
                                           "can be deleted.");
        return;
    }
    if (platform::GetMessageBoxes().Show(
            {.text = "Are you sure that you want to delete the class " + className + "?",
             .buttons = platform::MbButtons::YesNo,
             .owner = this}) != platform::MbResult::Yes) {
        return;
    }
    if (!teacher.DeleteClass(className)) {
        ShowStudentDialogMessage(this, kContactAdministrator);
        return;
    }
    OnClassChosen(kFirstClassName);
}

// Every row is checked before any student is added; the teacher learns what was added or why
// nothing was.
void CTeacherWnd::OnImportStudents() {
    const auto path = openFileDialog_->Choose(
        {.title = "Import Students", .filter = "Class lists (*.csv);;All files (*)"});
    if (!path) {
        return;
    }
    const auto bytes = platform::ReadFileBytes(*path);
    if (!bytes) {
        ShowStudentDialogMessage(this, "The file " + *path +
                                           " cannot be read: " + std::strerror(errno) + ".");
        return;
    }
    const data::ClassImport import = data::ImportClassRoster(
        {reinterpret_cast<const char*>(bytes->data()), bytes->size()}, GetCurrentTeacher());
    ReadList();
    list_->repaint();
    if (!import.problems.empty()) {
        ShowStudentDialogMessage(this, ProblemsMessage(*path, import.problems));
    } else if (import.failed) {
        ShowStudentDialogMessage(this, kContactAdministrator);
    } else {
        platform::GetMessageBoxes().Show({.text = AddedMessage(import.added),
                                          .icon = platform::MbIcon::Information,
                                          .owner = this});
    }
}
