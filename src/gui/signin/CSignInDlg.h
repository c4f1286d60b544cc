#pragma once

#include "gui/common/TemplateDialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// The modal dialog every use of the program begins with: a name from the list of users and a
// password. Ends with kExit, kTeacher or kStudent.
class CSignInDlg final : public TemplateDialog {
    Q_OBJECT
public:
    enum Result { kExit = 0, kTeacher = 1, kStudent = 2 };

    explicit CSignInDlg(QWidget* parent = nullptr);

    QComboBox* NameList() const { return nameList_; }
    QLineEdit* PasswordBox() const { return password_; }
    QPushButton* SignInButton() const { return signIn_; }
    QPushButton* ExitButton() const { return exit_; }
    QPushButton* HelpButton() const { return help_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void FillNameList();
    void OnSignIn();
    void OnHelp();

    QComboBox* nameList_ = nullptr;
    QLineEdit* password_ = nullptr;
    QPushButton* signIn_ = nullptr;
    QPushButton* exit_ = nullptr;
    QPushButton* help_ = nullptr;
};
