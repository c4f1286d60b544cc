#include "StudentProgress.h"

#include "data/CStudent.h"
#include "gui/common/StudentDialogMessages.h"
#include "gui/progress/CStudentProgressWnd.h"

bool LoadCurrentStudent(const std::string& name, QWidget* owner) {
    CStudent& student = GetCurrentStudent();
    student.Reset();
    if (!student.Load(name)) {
        ShowStudentDialogMessage(owner, UnreadableRecordMessage(name));
        return false;
    }
    return true;
}

void OpenStudentProgress(const std::string& name, QWidget& opener) {
    if (!LoadCurrentStudent(name, &opener)) {
        return;
    }
    if ((new CStudentProgressWnd(&opener))->isVisible()) {
        opener.hide();
    }
}
