#include "AppTestSupport.h"
#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "data/SignInLocks.h"
#include "gui/signin/CSignInDlg.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <map>

using platform::MbIcon;

namespace {

class SignInDialogTest : public testing::Test {
protected:
    SignInDialogTest() {
        apptest::InstallProgramFolder(
            fakes, {{"Mary Ann Smith", "Hop2it"}, {"Ann Lee", "one"}, {"ann lee", "two"}});
        GetCurrentStudent().Reset();
    }

    // The dialog on screen and active, as the user meets it.
    void ShowActive(CSignInDlg& dialog) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        dialog.activateWindow();
    }

    platform::fakes::FakePlatform fakes;
};

} // namespace

// The users sorted, none chosen; the password keeps fifteen characters and stays when Sign In
// finds no name chosen.
TEST_F(SignInDialogTest, ListsTheUsersSortedWithNoneChosenAndKeepsThePasswordWithoutAName) {
    CSignInDlg dialog;
    QStringList names;
    for (int i = 0; i < dialog.NameList()->count(); ++i) {
        names << dialog.NameList()->itemText(i);
    }
    EXPECT_EQ(names, (QStringList{"Lee, Ann", "lee, ann", "Smith, Mary Ann", "Teacher, Class"}));
    EXPECT_EQ(dialog.NameList()->currentIndex(), -1);
    EXPECT_GE(dialog.NameList()->maxVisibleItems(), 10);
    ShowActive(dialog);
    QTest::keyClicks(dialog.PasswordBox(), "abcdefghijklmnop");
    EXPECT_EQ(dialog.PasswordBox()->text(), "abcdefghijklmno");
    EXPECT_EQ(dialog.PasswordBox()->echoMode(), QLineEdit::Password);

    dialog.SignInButton()->click();
    EXPECT_EQ(guitest::Boxes(fakes),
              (std::vector<guitest::Box>{{"Please select a name.", MbIcon::Exclamation, ""}}));
    EXPECT_EQ(dialog.PasswordBox()->text(), "abcdefghijklmno");
    EXPECT_TRUE(dialog.isVisible());
}

// The entry chosen is signed in even when another differs from it only in capitals.
TEST_F(SignInDialogTest, AListEntrySignsInUnderItsFileFormNameAndEndsWithTheUsersCode) {
    const std::tuple<QString, QString, int, std::string> signIns[] = {
        {"Smith, Mary Ann", "Hop2it", CSignInDlg::kStudent, "Mary Ann Smith"},
        {"lee, ann", "two", CSignInDlg::kStudent, "ann lee"},
        {"Teacher, Class", "teacher", CSignInDlg::kTeacher, ""}};
    for (const auto& [entry, password, code, student] : signIns) {
        GetCurrentStudent().Reset();
        CSignInDlg dialog;
        guitest::WhenDialogIsUp<CSignInDlg>([&](CSignInDlg& up) {
            apptest::SignIn(up, entry, password);
            if (up.isVisible()) {
                ADD_FAILURE() << "the sign-in was refused";
                up.ExitButton()->click();
            }
        });
        EXPECT_EQ(dialog.exec(), code) << entry.toStdString();
        EXPECT_EQ(GetCurrentStudent().GetName(), student);
    }
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
}

// A wrong password (capitals count), the administrator, and a person signed in at another
// computer are each told so; the dialog stays with the name chosen, the password box emptied.
TEST_F(SignInDialogTest, ARefusedSignInIsToldAndTheDialogStaysForAnotherTry) {
    CUserManager::AddUserToList("Admin");
    data::SignInLocks otherComputer(fakes.Path("/Data"));
    const data::PersonClaim there = otherComputer.ClaimSignIn("Class Teacher");
    const std::tuple<QString, QString, std::string> refusals[] = {
        {"Smith, Mary Ann", "hop2it", "The password you entered is incorrect."},
        {"Admin", "admin", "You cannot sign in as \"Admin\" at this time."},
        {"Teacher, Class", "teacher", "Teacher, Class is already signed in at another computer."}};
    for (const auto& [entry, password, told] : refusals) {
        fakes.messageBoxes.shown.clear();
        CSignInDlg dialog;
        ShowActive(dialog);
        apptest::SignIn(dialog, entry, password);
        EXPECT_EQ(fakes.messageBoxes.Texts(), std::vector<std::string>{told});
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), 0);
        EXPECT_EQ(dialog.PasswordBox()->text(), "");
        EXPECT_EQ(dialog.NameList()->currentText(), entry);
        EXPECT_TRUE(dialog.NameList()->hasFocus());
        EXPECT_EQ(GetCurrentStudent().GetName(), "");
    }
}

// Another desk changes the class while this one waits: the list dropped down shows a student
// added there, and one deleted there is told so, not that the records are damaged.
TEST_F(SignInDialogTest, TheListIsReadAgainWhenDroppedDownAndADeletedStudentIsToldSo) {
    CSignInDlg dialog;
    ShowActive(dialog);
    CUserManager::AddUserToList("Zoe Zinnia");
    dialog.NameList()->showPopup();
    EXPECT_GE(dialog.NameList()->findText("Zinnia, Zoe"), 0);
    dialog.NameList()->hidePopup();

    CUserManager::RemoveUserFromList("Mary Ann Smith");
    std::filesystem::remove(CUserManager::GetInfoFilePath("Mary Ann Smith"));
    apptest::SignIn(dialog, "Smith, Mary Ann", "Hop2it");
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              std::vector<std::string>{"Smith, Mary Ann is no longer in the class list."});
    EXPECT_EQ(dialog.NameList()->findText("Smith, Mary Ann"), -1);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(SignInDialogTest, EscapeIsIgnoredAndAWindowCloseMeansExit) {
    CSignInDlg dialog;
    guitest::WhenDialogIsUp<CSignInDlg>([](CSignInDlg& up) {
        QTest::keyClick(&up, Qt::Key_Escape);
        EXPECT_TRUE(up.isVisible());
        up.close();
    });
    EXPECT_EQ(dialog.exec(), CSignInDlg::kExit);
}

// Each control is reached by the keyboard, named and described for screen readers, and Return
// presses the button reached; Help opens the guide and keeps the dialog.
TEST_F(SignInDialogTest, TheKeyboardReachesEachControlNamedForScreenReadersAndHelpOpensTheGuide) {
    CSignInDlg dialog;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&dialog)->text(QAccessible::Name), "Sign in");
    std::map<QString, QAccessible::Role> described; // each control with a description
    for (const guitest::SpokenControl& control : guitest::SpokenControls(dialog)) {
        described.emplace(control.description.isEmpty() ? QString() : control.name, control.role);
    }
    EXPECT_EQ(described["Name"], QAccessible::ComboBox);
    EXPECT_EQ(described["Password"], QAccessible::EditableText);
    EXPECT_EQ(described["Sign In"], QAccessible::Button);
    EXPECT_EQ(guitest::ScreenReaderFaults(dialog), std::vector<std::string>{});
    ShowActive(dialog);
    dialog.HelpButton()->click();
    EXPECT_EQ(fakes.shell.opened,
              std::vector<std::string>{fakes.Path("/Help Guide/HelpGuide.htm")});
    EXPECT_EQ(fakes.sound.played, std::vector<std::string>{fakes.Path("/Audio/navigate.wav")});
    EXPECT_TRUE(fakes.messageBoxes.shown.empty()) << "a missing guide is the desktop's to report";
    EXPECT_TRUE(dialog.isVisible());
    guitest::ExpectKeyboardChain(dialog, {"Name", "Password", "Sign In", "Exit", "Help"});
}

// The list keeps its name with the choice as its value; the password box has no text to hand on.
// (That each choice is said, its entry taking the screen reader's focus, needs a screen reader
// listening: the end-to-end run under AT-SPI.)
TEST_F(SignInDialogTest, TheListKeepsItsNameWithTheChoiceAsValueAndThePasswordIsNeverTold) {
    CSignInDlg dialog;
    ShowActive(dialog);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(dialog.NameList());
    for (const QString chosen : {"Lee, Ann", "lee, ann"}) {
        QTest::keyClick(dialog.NameList(), Qt::Key_Down);
        EXPECT_EQ(list->text(QAccessible::Name), "Name");
        EXPECT_EQ(list->text(QAccessible::Value), chosen);
    }

    QTest::keyClicks(dialog.PasswordBox(), "one");
    QAccessibleInterface* password = QAccessible::queryAccessibleInterface(dialog.PasswordBox());
    EXPECT_EQ(password->textInterface(), nullptr);
    EXPECT_TRUE(password->state().passwordEdit);
    EXPECT_EQ(password->text(QAccessible::Value), dialog.PasswordBox()->displayText());
    EXPECT_FALSE(password->text(QAccessible::Value).contains("one"));
}

// Letters typed soon after one another choose the first name that starts with them, capitals
// aside, whether the list is closed or open; after a pause the letters start afresh.
TEST_F(SignInDialogTest, LettersTypedChooseTheFirstNameThatStartsWithThem) {
    const struct {
        std::vector<const char*> bursts; // the letters of each, typed after a pause
        bool open;
        const char* chosen; // "": none
    } cases[] = {
        {{"s"}, false, "Smith, Mary Ann"},  {{"LE"}, false, "Lee, Ann"},
        {{"lee, a"}, false, "Lee, Ann"},    {{"t", "l"}, false, "Lee, Ann"},
        {{"sx"}, false, "Smith, Mary Ann"}, {{"x"}, false, ""},
        {{"te"}, true, "Teacher, Class"},   {{"smith", "lee"}, true, "Lee, Ann"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bursts) + (c.open ? " in the open list" : ""));
        CSignInDlg dialog;
        ShowActive(dialog);
        QComboBox* list = dialog.NameList();
        if (c.open) {
            list->showPopup();
        }
        QWidget* target = c.open ? static_cast<QWidget*>(list->view()) : list;
        for (const char* burst : c.bursts) {
            fakes.clock.Advance(1000);
            for (const char* key = burst; *key != '\0'; ++key) {
                fakes.clock.Advance(100);
                QTest::keyClicks(target, QString(QChar(*key)));
            }
        }
        const int row = c.open ? list->view()->currentIndex().row() : list->currentIndex();
        EXPECT_EQ(row < 0 ? "" : list->itemText(row).toStdString(), c.chosen);
        list->hidePopup();
    }
}
