#include "CStudentInfoDlg.h"

#include "RefusedInputNote.h"
#include "data/AccountRules.h"
#include "data/CStudent.h"
#include "data/CTeacher.h"
#include "data/SchoolSettings.h"
#include "data/StudentInfoCheck.h"
#include "gui/common/StudentDialogMessages.h"
#include "gui/controls/AccountTextValidator.h"
#include "gui/controls/PasswordBox.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {

constexpr int kNameLimit = static_cast<int>(data::kNameLimit);
constexpr int kPasswordLimit = static_cast<int>(data::kPasswordLimit);
constexpr int kLevels = 5;
// The dialog's own size in dialog units: the group box and its margin.
constexpr int kWidthUnits = 247;
constexpr int kHeightUnits = 186;

// A box for a name (QLineEdit) or a password (PasswordBox) that takes at most `limit` letters,
// and only those a record can hold.
template <typename Box> Box* MakeBox(int limit) {
    auto* box = new Box;
    box->setMaxLength(limit);
    box->setValidator(new AccountTextValidator(box));
    return box;
}

} // namespace

CStudentInfoDlg::CStudentInfoDlg(const std::string& name, const std::string& password,
                                 int levelIndex, int testsPassed, QWidget* parent)
    : TemplateDialog(parent, QStringLiteral("MS Sans Serif"), 10, kWidthUnits, kHeightUnits),
      editing_(!name.empty()), name_(name) {
    setWindowTitle(QStringLiteral("StudentInfoDlg"));
    // The title above is never shown; this is what a screen reader says.
    setAccessibleName(tr("Student info"));
    CreateControls();
    nameBox_->setText(QString::fromStdString(name));
    nameBox_->setReadOnly(editing_);
    if (editing_) {
        // Greyed like the dialog, so nobody tries to type a new name into it.
        QPalette colours = nameBox_->palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::Window));
        nameBox_->setPalette(colours);
    }
    // An existing student's password stands in both boxes, so a change of level alone needs no
    // typing.
    passwordBox_->setText(QString::fromStdString(password));
    verifyBox_->setText(QString::fromStdString(password));
    // A record with a level or count out of range shows the nearest valid one.
    levelList_->setCurrentIndex(std::clamp(levelIndex, 0, kLevels - 1));
    TestsPassedButton(std::clamp(testsPassed, 0, 2))->setChecked(true);
}

void CStudentInfoDlg::CreateControls() {
    Place(new QGroupBox(editing_ ? tr("Edit Student Information") : tr("User Information")), 7, 5,
          233, 176);

    Place(new QLabel(tr("Full name  (e.g. Oria Fennick) :")), 24, 42, 96, 8);
    nameBox_ = Place(MakeBox<QLineEdit>(kNameLimit), 138, 38, 78, 12);
    nameBox_->setAccessibleName(tr("Full name"));
    nameNote_ = Place(new RefusedInputNote(*nameBox_), 24, 50, 192, 7);
    Place(new QLabel(tr("Password :")), 24, 61, 90, 8);
    passwordBox_ = Place(MakeBox<::PasswordBox>(kPasswordLimit), 138, 57, 78, 12);
    passwordBox_->setAccessibleName(tr("Password"));
    Place(new RefusedInputNote(*passwordBox_), 24, 69, 192, 7);
    Place(new QLabel(tr("Verify Password :")), 24, 80, 90, 8);
    verifyBox_ = Place(MakeBox<::PasswordBox>(kPasswordLimit), 138, 76, 78, 12);
    verifyBox_->setAccessibleName(tr("Verify password"));
    Place(new RefusedInputNote(*verifyBox_), 24, 88, 192, 7);

    Place(new QLabel(tr("Current Level :")), 24, 99, 90, 8);
    levelList_ = Place(new QComboBox, 138, 95, 78, 12);
    for (int level = 1; level <= kLevels; ++level) {
        levelList_->addItem(QString::fromStdString(GetOperationName(level)));
    }
    levelList_->setMaxVisibleItems(kLevels);
    levelList_->setAccessibleName(tr("Current level"));

    // Two lines beside the radio buttons, so none of it hides behind their frame.
    auto* testsLabel =
        Place(new QLabel(tr("# of Tests Passed on Current Level :")), 24, 114, 108, 16);
    testsLabel->setWordWrap(true);
    Place(new QGroupBox, 138, 112, 78, 15);
    testsPassedGroup_ = new QButtonGroup(this);
    for (int count = 0; count < 3; ++count) {
        testsPassedButtons_[static_cast<std::size_t>(count)] =
            Place(new QRadioButton(QString::number(count)), 141 + 30 * count, 118, 13, 8);
        testsPassedGroup_->addButton(TestsPassedButton(count), count);
    }

    enter_ = Place(new QPushButton(tr("Enter")), 54, 143, 50, 16);
    enter_->setDefault(true);
    exit_ = Place(new QPushButton(tr("Exit")), 142, 143, 50, 16);
    connect(enter_, &QPushButton::clicked, this, &CStudentInfoDlg::OnEnter);
    connect(exit_, &QPushButton::clicked, this, [this] { done(kExit); });
}

QRadioButton* CStudentInfoDlg::TestsPassedButton(int testsPassed) const {
    return testsPassedButtons_.at(static_cast<std::size_t>(testsPassed));
}

void CStudentInfoDlg::showEvent(QShowEvent* event) {
    (editing_ ? passwordBox_ : nameBox_)->setFocus();
    TemplateDialog::showEvent(event);
}

void CStudentInfoDlg::Refuse(const std::string& text, QLineEdit* box, bool selectAll) {
    ShowStudentDialogMessage(this, text);
    if (box != nullptr) {
        box->setFocus();
        if (selectAll) {
            box->selectAll();
        }
    }
}

void CStudentInfoDlg::OnEnter() {
    using data::StudentInfoRefusal;
    const data::StudentInfoEntry entry{.editing = editing_,
                                       .name = nameBox_->text().toStdString(),
                                       .password = passwordBox_->text().toStdString(),
                                       .verification = verifyBox_->text().toStdString()};
    const StudentInfoRefusal refusal = data::CheckStudentInfo(entry, GetCurrentTeacher());
    switch (refusal) {
    case StudentInfoRefusal::None:
        break;
    case StudentInfoRefusal::TooManyStudents:
        Refuse(ClassFullMessage(data::ReadSchoolSettings().classSize), nullptr, false);
        return;
    case StudentInfoRefusal::NoPassword:
        Refuse(tr("Please enter a password.").toStdString(), passwordBox_, false);
        return;
    case StudentInfoRefusal::PasswordsDiffer:
        passwordBox_->clear();
        verifyBox_->clear();
        Refuse(tr("Passwords do not match.").toStdString(), passwordBox_, false);
        return;
    case StudentInfoRefusal::PasswordTooLong:
    case StudentInfoRefusal::PasswordNotStorable:
        // The boxes take neither, so this comes only from text put there by other means.
        Refuse(tr("Please enter a password.").toStdString(), passwordBox_, true);
        return;
    case StudentInfoRefusal::NoName:
    case StudentInfoRefusal::NameTooLong:
    case StudentInfoRefusal::InvalidCharacter:
    case StudentInfoRefusal::NameNotStorable:
    case StudentInfoRefusal::NameTaken:
        Refuse(NameRefusalMessage(refusal, data::NormaliseName(entry.name)), nameBox_,
               refusal != StudentInfoRefusal::NoName);
        return;
    }
    if (editing_ ? UpdateStudent() : CreateStudent()) {
        done(kEntered);
    }
}

// A student whose files could not be written is not reported as made: the dialog stays open.
bool CStudentInfoDlg::CreateStudent() {
    name_ = data::NormaliseName(nameBox_->text().toStdString());
    CTeacher& teacher = GetCurrentTeacher();
    if (!teacher.AddStudent(name_, passwordBox_->text().toStdString(),
                            levelList_->currentIndex() + 1, testsPassedGroup_->checkedId(), 0, 0)) {
        ShowStudentDialogMessage(this, ContactAdministrator());
        return false;
    }
    teacher.AddStudentToClassList(name_);
    return true;
}

bool CStudentInfoDlg::UpdateStudent() {
    CStudent& student = GetCurrentStudent();
    student.SetLevel(levelList_->currentIndex() + 1);
    student.SetTestsPassed(testsPassedGroup_->checkedId());
    if (!student.UpdateInfo(passwordBox_->text().toStdString())) {
        ShowStudentDialogMessage(this, ContactAdministrator());
        return false;
    }
    return true;
}
