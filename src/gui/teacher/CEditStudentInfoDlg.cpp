#include "CEditStudentInfoDlg.h"

#include "RefusedInputNote.h"
#include "data/AccountRules.h"
#include "data/CTeacher.h"
#include "gui/common/StudentDialogMessages.h"
#include "gui/controls/AccountTextValidator.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

CEditStudentInfoDlg::CEditStudentInfoDlg(const std::string& name, QWidget* parent)
    : TemplateDialog(parent, QStringLiteral("MS Sans Serif"), 10, 258, 119) {
    setWindowTitle(QStringLiteral("EditStudentInfoDlg"));
    Place(new QGroupBox(QStringLiteral("Edit User Info")), 7, 7, 244, 105);
    auto* label = Place(new QLabel(QStringLiteral("Name :")), 61, 46, 26, 8);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    nameBox_ = Place(new QLineEdit, 117, 42, 78, 12);
    nameBox_->setAccessibleName(QStringLiteral("Name"));
    nameBox_->setMaxLength(static_cast<int>(data::kNameLimit));
    nameBox_->setValidator(new AccountTextValidator(nameBox_));
    nameBox_->setText(QString::fromStdString(name));
    Place(new RefusedInputNote(*nameBox_), 61, 55, 180, 7);
    ok_ = Place(new QPushButton(QStringLiteral("OK")), 61, 77, 50, 16);
    ok_->setDefault(true);
    cancel_ = Place(new QPushButton(QStringLiteral("Cancel")), 145, 78, 50, 16);
    connect(ok_, &QPushButton::clicked, this, &CEditStudentInfoDlg::OnOk);
    connect(cancel_, &QPushButton::clicked, this, [this] { done(kCancelled); });
}

std::string CEditStudentInfoDlg::Name() const {
    return data::NormaliseName(nameBox_->text().toStdString());
}

void CEditStudentInfoDlg::showEvent(QShowEvent* event) {
    nameBox_->setFocus();
    nameBox_->selectAll();
    TemplateDialog::showEvent(event);
}

// The student is found whatever the capitals typed, and the box then holds the name as the list
// shows it; two students whose names differ only in capitals (an older folder) need it exact.
void CEditStudentInfoDlg::OnOk() {
    const std::string name = Name();
    const CTeacher& teacher = GetCurrentTeacher();
    const std::vector<std::string> found =
        teacher.IsStudent(name) ? std::vector{name} : teacher.StudentsNamedLike(name);
    if (name.empty()) {
        ShowStudentDialogMessage(this, "Please enter a user name.");
    } else if (found.empty()) {
        ShowStudentDialogMessage(this, "The user was not found.");
    } else if (found.size() > 1) {
        ShowStudentDialogMessage(this, "More than one student has this name in other capitals. "
                                       "Please type it exactly as the list shows it.");
    } else {
        nameBox_->setText(QString::fromStdString(found.front()));
        done(kFound);
        return;
    }
    nameBox_->setFocus();
    nameBox_->selectAll();
}
