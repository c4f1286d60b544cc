#include "AppTestSupport.h"

#include "GuiTestSupport.h"
#include "gui/CSignInDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace apptest {

void InstallProgramFolder(const platform::fakes::FakePlatform& fakes,
                          const std::vector<std::string>& students) {
    guitest::LinkInstalledGraphics(fakes);
    std::vector<StudentToAdd> toAdd;
    for (const std::string& student : students) {
        const auto colon = student.find(':');
        toAdd.push_back({student.substr(0, colon), student.substr(colon + 1)});
    }
    guitest::WriteDataFolder(fakes, toAdd);
}

void WhenSignInDialogIsUp(std::function<void(CSignInDlg&)> act) {
    guitest::WhenDialogIsUp<CSignInDlg>(std::move(act));
}

void SignIn(CSignInDlg& dialog, const QString& listEntry, const QString& password) {
    dialog.NameList()->setCurrentIndex(dialog.NameList()->findText(listEntry));
    dialog.PasswordBox()->clear();
    QTest::keyClicks(dialog.PasswordBox(), password);
    dialog.SignInButton()->click();
}

} // namespace apptest
