#include "CEditStudentInfoDlg.h"

#include "data/CTeacher.h"
#include "gui/common/StudentDialogMessages.h"

#include <QLineEdit>
#include <vector>

CEditStudentInfoDlg::CEditStudentInfoDlg(const std::string& name, QWidget* parent)
    : NameDialog(tr("Edit User Info"), tr("Name"), name, parent) {
    setWindowTitle(QStringLiteral("EditStudentInfoDlg"));
    // The title above is never shown; this is what a screen reader says.
    setAccessibleName(tr("Edit student info"));
}

// The student is found whatever the capitals typed, and the box then holds the name as the list
// shows it; two students whose names differ only in capitals (an older folder) need it exact.
bool CEditStudentInfoDlg::Accept(const std::string& name) {
    const CTeacher& teacher = GetCurrentTeacher();
    const std::vector<std::string> found =
        teacher.IsStudent(name) ? std::vector{name} : teacher.StudentsNamedLike(name);
    if (name.empty()) {
        ShowStudentDialogMessage(this, tr("Please enter a user name."));
    } else if (found.empty()) {
        ShowStudentDialogMessage(this, tr("The user was not found."));
    } else if (found.size() > 1) {
        ShowStudentDialogMessage(this, tr("More than one student has this name in other capitals. "
                                          "Please type it exactly as the list shows it."));
    } else {
        NameBox()->setText(QString::fromStdString(found.front()));
        return true;
    }
    return false;
}
