#include "NewClassDlg.h"

#include "data/CTeacher.h"
#include "data/StudentInfoCheck.h"
#include "gui/common/StudentDialogMessages.h"

NewClassDlg::NewClassDlg(QWidget* parent)
    : NameDialog(tr("New Class"), tr("Class name"), {}, parent) {
    setWindowTitle(QStringLiteral("New Class"));
    setAccessibleName(tr("New class"));
}

bool NewClassDlg::Accept(const std::string& name) {
    CTeacher& teacher = GetCurrentTeacher();
    const data::StudentInfoRefusal refusal = data::CheckNewClassName(name, teacher);
    if (refusal != data::StudentInfoRefusal::None) {
        ShowStudentDialogMessage(this, NameRefusalMessage(refusal, name));
        return false;
    }
    if (!teacher.AddClass(name)) {
        ShowStudentDialogMessage(this, ContactAdministrator());
        return false;
    }
    return true;
}
