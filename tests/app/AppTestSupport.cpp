#include "AppTestSupport.h"

#include "gui/signin/CSignInDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace apptest {

void InstallProgramFolder(const platform::fakes::FakePlatform& fakes,
                          const std::vector<StudentToAdd>& students) {
    guitest::LinkInstalledGraphics(fakes);
    guitest::WriteDataFolder(fakes, students);
}

void SignIn(CSignInDlg& dialog, const QString& listEntry, const QString& password) {
    dialog.NameList()->setCurrentIndex(dialog.NameList()->findText(listEntry));
    dialog.PasswordBox()->clear();
    QTest::keyClicks(dialog.PasswordBox(), password);
    dialog.SignInButton()->click();
}

} // namespace apptest
