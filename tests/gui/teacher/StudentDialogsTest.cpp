#include "DataFolderOptions.h"
#include "GuiTestSupport.h"
#include "data/AccountRules.h"
#include "data/CTeacher.h"
#include "data/CUserManager.h"
#include "data/RosterCheck.h"
#include "gui/signin/CSignInDlg.h"
#include "gui/teacher/CEditStudentInfoDlg.h"
#include "gui/teacher/CStudentInfoDlg.h"
#include "gui/teacher/RefusedInputNote.h"
#include "platform/Files.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <gmock/gmock.h>

using testing::ElementsAre;

namespace {

// Types `text` into `box` key by key, letters beyond ASCII as a keyboard layout sends them.
void Type(QLineEdit* box, const QString& text) {
    for (const QChar letter : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QCoreApplication::sendEvent(box, &press);
    }
}

// Puts the text into the new-student dialog's boxes and presses Enter.
void Enter(CStudentInfoDlg& dialog, const QString& name, const QString& password,
           const QString& verification) {
    dialog.NameBox()->setText(name);
    dialog.PasswordBox()->setText(password);
    dialog.VerifyBox()->setText(verification);
    dialog.EnterButton()->click();
}

// The teacher "Class Teacher" with the student Ann Lee.
class StudentDialogsTest : public testing::Test {
protected:
    StudentDialogsTest() {
        fakes.display.current = {800, 600};
        WriteClass();
    }

    void WriteClass() {
        std::filesystem::remove_all(fakes.Path("/Data"));
        guitest::WriteDataFolder(fakes, {{"Ann Lee", "pw", 2, 1}});
        ASSERT_TRUE(GetCurrentTeacher().Load("Class Teacher"));
        GetCurrentTeacher().SelectClass("Users");
    }

    std::vector<std::string> Texts() const { return fakes.messageBoxes.Texts(); }

    platform::fakes::FakePlatform fakes;
};

} // namespace

// A new student's dialog starts empty at Addition with the name box to type into; Escape exits.
TEST_F(StudentDialogsTest, EachRefusalSaysWhyAndPutsTheFocusWhereTheFaultIs) {
    CStudentInfoDlg dialog("", "", 0, 0);
    dialog.show();
    EXPECT_EQ(dialog.LevelList()->currentText(), "Addition");
    EXPECT_TRUE(dialog.TestsPassedButton(0)->isChecked() && !dialog.NameBox()->isReadOnly());
    EXPECT_EQ(dialog.focusWidget(), dialog.NameBox());
    QTest::keyClicks(dialog.PasswordBox(), QString(20, 'b'));
    EXPECT_EQ(dialog.PasswordBox()->text().size(), 15);
    Enter(dialog, "Bo Ng", "", "");
    EXPECT_EQ(dialog.focusWidget(), dialog.PasswordBox());
    Enter(dialog, "Bo Ng", "hop", "");
    EXPECT_EQ(dialog.PasswordBox()->text() + dialog.VerifyBox()->text(), "") << "both emptied";
    EXPECT_EQ(dialog.focusWidget(), dialog.PasswordBox());
    Enter(dialog, " ", "hop", "hop");
    EXPECT_EQ(dialog.focusWidget(), dialog.NameBox());
    for (const QString& refused :
         {QStringLiteral("Sean O'Brien"), QStringLiteral("Bo\tNg"), QStringLiteral("Ann Lee")}) {
        dialog.PasswordBox()->setFocus();
        Enter(dialog, refused, "hop", "hop");
        EXPECT_EQ(dialog.focusWidget(), dialog.NameBox());
        EXPECT_EQ(dialog.NameBox()->selectedText(), refused);
    }
    EXPECT_THAT(
        Texts(),
        ElementsAre("Please enter a password.", "Passwords do not match.", "Please enter a name.",
                    "Invalid character(s) in name. A name cannot hold the apostrophe (').",
                    "Invalid character(s) in name. A name cannot hold a tab or another control "
                    "character.",
                    "The name is already taken, please enter a different name."));
    EXPECT_EQ(dialog.result(), 0) << "still open";
    EXPECT_EQ(GetCurrentTeacher().GetStudentCount(), 1);

    // A student whose files cannot be written is not reported as made.
    fakes.messageBoxes.shown.clear();
    std::filesystem::create_directories(platform::TemporaryPathFor(fakes.Path("/Data/Bo Ng.nfo")));
    Enter(dialog, "Bo Ng", "hop", "hop");
    EXPECT_THAT(Texts(), ElementsAre("Please contact the system administrator."));
    EXPECT_TRUE(dialog.isVisible() && !GetCurrentTeacher().IsStudent("Bo Ng"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), CStudentInfoDlg::kExit);
}

// Blanks and capitals aside, unless two students (of an older folder) differ only in capitals.
TEST_F(StudentDialogsTest, TheRenameDialogFindsTheNameWhateverItsBlanksAndCapitals) {
    for (const char* name : {"Bo Ng", "BO NG"}) {
        ASSERT_TRUE(GetCurrentTeacher().AddStudent(name, "pw", 1, 0, 0, 0));
        GetCurrentTeacher().AddStudentToClassList(name);
    }
    const std::pair<QString, std::string> lookups[] = {{"", ""},
                                                       {"Ann Leigh", ""},
                                                       {"Bo ng", ""},
                                                       {"  ann   LEE ", "Ann Lee"},
                                                       {"BO NG", "BO NG"}};
    for (const auto& [typed, found] : lookups) {
        SCOPED_TRACE(typed.toStdString());
        CEditStudentInfoDlg dialog("Ann Lee");
        dialog.show();
        EXPECT_EQ(dialog.NameBox()->selectedText(), "Ann Lee");
        dialog.NameBox()->clear();
        Type(dialog.NameBox(), typed);
        dialog.OkButton()->click();
        EXPECT_EQ(dialog.result(), found.empty() ? 0 : CEditStudentInfoDlg::kFound);
        EXPECT_EQ(dialog.Name(), found.empty() ? typed.toStdString() : found);
        if (found.empty()) {
            EXPECT_EQ(dialog.focusWidget(), dialog.NameBox());
            EXPECT_EQ(dialog.NameBox()->selectedText(), typed);
        }
    }
    EXPECT_THAT(Texts(),
                ElementsAre("Please enter a user name.", "The user was not found.",
                            "More than one student has this name in other capitals. Please type "
                            "it exactly as the list shows it."));
}

// The tool, the teacher's dialog, a roster and the sign-in box apply the same rules: what one
// takes, the others take whole, so nobody is given a name or password that locks them out. Lengths
// count characters, not the bytes of their UTF-8.
TEST_F(StudentDialogsTest, TheToolTheDialogsAndTheSignInBoxAgreeOnNamesAndPasswords) {
    struct Account {
        std::string name; // as typed
        std::string password;
        bool usable;
    };
    std::vector<Account> accounts = {
        {"Kim Lee", "hop", true},
        {"  Sam   Lee ", "hop", true}, // kept as "Sam Lee"
        {"Jo-Ann Lee_2", "hop", true},
        {"Zoë Müller", "pässwort", true},
        {"Zoë Abcdefghijklmnopqrstuvwxyz", "hop", true},
        {std::string(30, 'a'), std::string(15, 'b'), true},
        {std::string(31, 'a'), "hop", false},
        {"Kim Lee", std::string(16, 'b'), false},
        {"Kim Lee", "", false},
        {"Łukasz Nowak", "hop", false},
        {"Kim Lee", "пароль", false},
        {"\tKim Lee", "hop", false}, // a row a spreadsheet would shift
        {"Kim Lee", "h\top", false},
    };
    for (const char forbidden : data::kForbiddenNameCharacters) {
        accounts.push_back({std::string("Kim") + forbidden + "Lee", "hop", false});
    }
    const auto signInBoxTakes = [](const std::string& password) { // pasted: a tab is offered too
        CSignInDlg dialog;
        dialog.PasswordBox()->insert(QString::fromStdString(password));
        return dialog.PasswordBox()->text().toStdString() == password;
    };
    for (const Account& account : accounts) {
        SCOPED_TRACE("\"" + account.name + "\" : \"" + account.password + "\"");
        std::string error;
        const auto options = ParseDataFolderOptions(
            {"--folder", "x", "--student", account.name + ":" + account.password}, error);
        EXPECT_EQ(options && PlanSchool(*options, error), account.usable);
        // A class's roster imported by the teacher.
        data::RosterLine line{.line = 2};
        line.cells[static_cast<std::size_t>(data::RosterColumn::Student)] = account.name;
        line.cells[static_cast<std::size_t>(data::RosterColumn::Password)] = account.password;
        std::vector<data::NewStudent> imported;
        EXPECT_EQ(data::CheckClassRoster({line}, GetCurrentTeacher(), 8, imported).empty() &&
                      imported.size() == 1 && imported[0].name == data::NormaliseName(account.name),
                  account.usable);
        // The teacher's Add Student dialog, typed into as a teacher would, makes exactly this
        // student (the name with its blanks made single).
        CStudentInfoDlg dialog("", "", 0, 0);
        dialog.show();
        Type(dialog.NameBox(), QString::fromStdString(account.name));
        Type(dialog.PasswordBox(), QString::fromStdString(account.password));
        Type(dialog.VerifyBox(), QString::fromStdString(account.password));
        dialog.EnterButton()->click();
        const std::string kept = data::NormaliseName(account.name);
        CUserManager::SignInStatus status{};
        EXPECT_EQ(dialog.result() == CStudentInfoDlg::kEntered && dialog.Name() == kept &&
                      CUserManager::SignIn(kept, account.password, status) ==
                          CUserManager::kStudentId &&
                      status == CUserManager::SignInStatus::PasswordMatched,
                  account.usable);
        EXPECT_TRUE(!account.usable || signInBoxTakes(account.password));
        WriteClass(); // the next case starts without the student
    }
    EXPECT_FALSE(signInBoxTakes(std::string(16, 'b')));
    EXPECT_FALSE(signInBoxTakes("h\top"));
}

TEST_F(StudentDialogsTest, ALetterOrAKeyTheNameBoxRefusesIsSaidUnderTheBox) {
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
}
