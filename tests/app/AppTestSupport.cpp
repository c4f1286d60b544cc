#include "AppTestSupport.h"

#include "DataFolderWriter.h"
#include "GuiTestSupport.h"
#include "gui/CSignInDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace apptest {

void InstallProgramFolder(const platform::fakes::FakePlatform& fakes,
                          const std::vector<std::string>& students) {
    guitest::LinkInstalledGraphics(fakes);
    DataFolderOptions options{.programFolder = fakes.BaseFolder()};
    for (const std::string& student : students) {
        const auto colon = student.find(':');
        options.students.push_back({student.substr(0, colon), student.substr(colon + 1)});
    }
    std::string message;
    ASSERT_EQ(WriteDataFolder(options, message), DataFolderResult::Written) << message;
}

void WhenSignInDialogIsUp(std::function<void(CSignInDlg&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = qobject_cast<CSignInDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "the sign-in dialog is up";
        act(*dialog);
    });
}

void SignIn(CSignInDlg& dialog, const QString& listEntry, const QString& password) {
    dialog.NameList()->setCurrentIndex(dialog.NameList()->findText(listEntry));
    dialog.PasswordBox()->clear();
    QTest::keyClicks(dialog.PasswordBox(), password);
    dialog.SignInButton()->click();
}

} // namespace apptest
