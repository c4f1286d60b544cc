#pragma once

#include "gui/common/TemplateDialog.h"

#include <array>
#include <string>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RefusedInputNote;

// Creates a student (name, password, starting level, tests already passed on it) for the current
// teacher, or, given an existing student's name, changes that student's password, level and tests
// passed; the name of an existing student cannot be changed. Enter checks what was typed and
// stays open with a message until it is right. Ends with kEntered once the records are written,
// kExit for Exit or Escape.
class CStudentInfoDlg final : public TemplateDialog {
    Q_OBJECT
public:
    enum Result { kExit = 0, kEntered = 1 };

    // An empty name makes a new student; otherwise `name` is the current student, loaded.
    // `levelIndex` 0 … 4 stands for Addition … Mixed; `testsPassed` 0 … 2.
    CStudentInfoDlg(const std::string& name, const std::string& password, int levelIndex,
                    int testsPassed, QWidget* parent = nullptr);

    // The student's name (file form) as it was entered.
    const std::string& Name() const { return name_; }
    bool IsEditing() const { return editing_; }

    QLineEdit* NameBox() const { return nameBox_; }
    // Says under the name box why typed or pasted text was not taken; hidden otherwise.
    RefusedInputNote* NameNote() const { return nameNote_; }
    QLineEdit* PasswordBox() const { return passwordBox_; }
    QLineEdit* VerifyBox() const { return verifyBox_; }
    QComboBox* LevelList() const { return levelList_; }
    QRadioButton* TestsPassedButton(int testsPassed) const;
    QPushButton* EnterButton() const { return enter_; }
    QPushButton* ExitButton() const { return exit_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void OnEnter();
    // Says why the entry was refused and puts the focus where it must be corrected.
    void Refuse(const std::string& text, QLineEdit* box, bool selectAll);
    bool CreateStudent();
    bool UpdateStudent();

    bool editing_ = false;
    std::string name_;
    QLineEdit* nameBox_ = nullptr;
    RefusedInputNote* nameNote_ = nullptr;
    QLineEdit* passwordBox_ = nullptr;
    QLineEdit* verifyBox_ = nullptr;
    QComboBox* levelList_ = nullptr;
    QButtonGroup* testsPassedGroup_ = nullptr;
    std::array<QRadioButton*, 3> testsPassedButtons_{};
    QPushButton* enter_ = nullptr;
    QPushButton* exit_ = nullptr;
};
