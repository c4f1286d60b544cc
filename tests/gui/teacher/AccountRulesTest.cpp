#include "data/AccountRules.h"
#include "DataFolderOptions.h"
#include "GuiTestSupport.h"
#include "data/CTeacher.h"
#include "data/CUserManager.h"
#include "data/RosterCheck.h"
#include "gui/signin/CSignInDlg.h"
#include "gui/teacher/CEditStudentInfoDlg.h"
#include "gui/teacher/CStudentInfoDlg.h"
#include "gui/teacher/RefusedInputNote.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

namespace {

struct Account {
    std::string name; // as typed
    std::string password;
    bool usable;
};

std::vector<Account> Accounts() {
    std::vector<Account> accounts = {
        {"Ann Lee", "hop", true},
        {"  Sam   Lee ", "hop", true}, // kept as "Sam Lee"
        {"Jo-Ann Lee_2", "hop", true},
        {"Zoë Müller", "pässwort", true},
        {std::string(30, 'a'), std::string(15, 'b'), true},
        {std::string(31, 'a'), "hop", false},
        {"Ann Lee", std::string(16, 'b'), false},
        {"Ann Lee", "", false},
        {"Łukasz Nowak", "hop", false},
        {"Ann Lee", "пароль", false},
        {"\tAnn Lee", "hop", false}, // a row a spreadsheet would shift
        {"Ann Lee", "h\top", false},
    };
    for (const char forbidden : data::kForbiddenNameCharacters) {
        accounts.push_back({std::string("Ann") + forbidden + "Lee", "hop", false});
    }
    return accounts;
}

// Types `text` into `box` key by key, letters beyond ASCII as a keyboard layout sends them.
void Type(QLineEdit* box, const QString& text) {
    for (const QChar letter : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QCoreApplication::sendEvent(box, &press);
    }
}

class AccountRulesTest : public testing::Test {
protected:
    AccountRulesTest() {
        fakes.display.current = {800, 600};
        guitest::WriteDataFolder(fakes, {});
    }

    void SelectClass() {
        ASSERT_TRUE(GetCurrentTeacher().Load("Class Teacher"));
        GetCurrentTeacher().SelectClass("Users");
    }

    // Whether the teacher's Add Student dialog, typed into as a teacher would, makes exactly this
    // student (the name with its blanks made single).
    bool DialogMakes(const Account& account) {
        SelectClass();
        CStudentInfoDlg dialog("", "", 0, 0);
        dialog.show();
        Type(dialog.NameBox(), QString::fromStdString(account.name));
        Type(dialog.PasswordBox(), QString::fromStdString(account.password));
        Type(dialog.VerifyBox(), QString::fromStdString(account.password));
        dialog.EnterButton()->click();
        const std::string kept = data::NormaliseName(account.name);
        CUserManager::SignInStatus status{};
        return dialog.result() == CStudentInfoDlg::kEntered && dialog.Name() == kept &&
               CUserManager::SignIn(kept, account.password, status) == CUserManager::kStudentId &&
               status == CUserManager::SignInStatus::PasswordMatched;
    }

    static bool ToolTakes(const Account& account) {
        std::string error;
        const auto options = ParseDataFolderOptions(
            {"--folder", "x", "--student", account.name + ":" + account.password}, error);
        return options && PlanSchool(*options, error).has_value();
    }

    // A class's roster imported by the teacher.
    bool RosterTakes(const Account& account) {
        SelectClass();
        data::RosterLine line{.line = 2};
        line.cells[static_cast<std::size_t>(data::RosterColumn::Student)] = account.name;
        line.cells[static_cast<std::size_t>(data::RosterColumn::Password)] = account.password;
        std::vector<data::NewStudent> students;
        return data::CheckClassRoster({line}, GetCurrentTeacher(), 8, students).empty() &&
               students.size() == 1 && students[0].name == data::NormaliseName(account.name);
    }

    // Pasted, so that a tab is offered too.
    static bool SignInBoxTakes(const std::string& password) {
        CSignInDlg dialog;
        QLineEdit* box = dialog.PasswordBox();
        box->insert(QString::fromStdString(password));
        return box->text().toStdString() == password;
    }

    platform::fakes::FakePlatform fakes;
};

} // namespace

// The tool, the teacher's dialog, a roster and the sign-in box apply the same rules: what one
// takes, the others take whole, so nobody is given a name or password that locks them out.
TEST_F(AccountRulesTest, TheToolTheDialogsAndTheSignInBoxAgreeOnNamesAndPasswords) {
    for (const Account& account : Accounts()) {
        SCOPED_TRACE("\"" + account.name + "\" : \"" + account.password + "\"");
        EXPECT_EQ(ToolTakes(account), account.usable);
        EXPECT_EQ(RosterTakes(account), account.usable);
        EXPECT_EQ(DialogMakes(account), account.usable);
        if (account.usable) {
            EXPECT_TRUE(SignInBoxTakes(account.password));
        }
        // The next case starts without the student.
        std::filesystem::remove_all(fakes.Path("/Data"));
        guitest::WriteDataFolder(fakes, {});
    }
    EXPECT_FALSE(SignInBoxTakes(std::string(16, 'b')));
    EXPECT_FALSE(SignInBoxTakes("h\top"));
}

TEST_F(AccountRulesTest, ALetterOrAKeyTheNameBoxRefusesIsSaidUnderTheBox) {
    SelectClass();
    CStudentInfoDlg dialog("", "", 0, 0);
    dialog.show();
    const auto note = [&] {
        QCoreApplication::processEvents();
        return dialog.NameNote()->isVisible() ? dialog.NameNote()->text() : QString();
    };
    Type(dialog.NameBox(), QStringLiteral("Łukasz"));
    EXPECT_EQ(dialog.NameBox()->text(), "ukasz");
    EXPECT_EQ(note(), RefusedInputNote::LetterText({"Ł"}));
    Type(dialog.NameBox(), QStringLiteral(" Żak"));
    EXPECT_EQ(note(), RefusedInputNote::LetterText({"Ł", "Ż"})) << "stays while the name lacks it";
    dialog.NameBox()->clear();
    EXPECT_EQ(note(), "") << "gone with the name";
    dialog.NameBox()->insert(QStringLiteral("\tAnn")); // pasted
    EXPECT_EQ(dialog.NameBox()->text(), "");
    EXPECT_EQ(note(), RefusedInputNote::ControlText());

    dialog.NameBox()->clear();
    Type(dialog.NameBox(), QString(31, 'a'));
    EXPECT_EQ(note(), RefusedInputNote::FullText(30));
    dialog.NameBox()->clear();
    dialog.NameBox()->setFocus();
    dialog.NameBox()->insert(QString(40, 'b')); // a paste cut at the limit
    EXPECT_EQ(dialog.NameBox()->text().size(), 30);
    EXPECT_EQ(note(), RefusedInputNote::FullText(30));

    CEditStudentInfoDlg edit("");
    edit.show();
    Type(edit.NameBox(), QStringLiteral("  Ann   Lee "));
    EXPECT_EQ(edit.Name(), "Ann Lee") << "found as the teacher's list shows it";
}
