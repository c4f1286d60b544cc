#include "GuiTestSupport.h"
#include "data/CTeacher.h"
#include "gui/teacher/CEditStudentInfoDlg.h"
#include "gui/teacher/CStudentInfoDlg.h"
#include "platform/Files.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gmock/gmock.h>

using testing::ElementsAre;

namespace {

// The teacher "Class Teacher" with the student Ann Lee.
class StudentDialogsTest : public testing::Test {
protected:
    StudentDialogsTest() {
        fakes.display.current = {800, 600};
        guitest::WriteDataFolder(fakes, {{"Ann Lee", "pw", 2, 1}});
        GetCurrentTeacher().Load("Class Teacher");
        GetCurrentTeacher().SelectClass("Users");
    }

    // Types into the new-student dialog's boxes and presses Enter.
    static void Enter(CStudentInfoDlg& dialog, const QString& name, const QString& password,
                      const QString& verification) {
        dialog.NameBox()->setText(name);
        dialog.PasswordBox()->setText(password);
        dialog.VerifyBox()->setText(verification);
        dialog.EnterButton()->click();
    }

    std::vector<std::string> Texts() const { return fakes.messageBoxes.Texts(); }

    platform::fakes::FakePlatform fakes;
};

} // namespace

TEST_F(StudentDialogsTest, ANewStudentDialogStartsEmptyAtAdditionWithTheNameBoxToType) {
    CStudentInfoDlg dialog("", "", 0, 0);
    dialog.show();
    EXPECT_EQ(dialog.LevelList()->currentText(), "Addition");
    EXPECT_TRUE(dialog.TestsPassedButton(0)->isChecked());
    EXPECT_EQ(dialog.focusWidget(), dialog.NameBox());
    EXPECT_FALSE(dialog.NameBox()->isReadOnly());
    QTest::keyClicks(dialog.NameBox(), QString(40, 'a'));
    QTest::keyClicks(dialog.PasswordBox(), QString(20, 'b'));
    EXPECT_EQ(dialog.NameBox()->text().size(), 30);
    EXPECT_EQ(dialog.PasswordBox()->text().size(), 15);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), CStudentInfoDlg::kExit);
}

TEST_F(StudentDialogsTest, EachRefusalSaysWhyAndPutsTheFocusWhereTheFaultIs) {
    CStudentInfoDlg dialog("", "", 0, 0);
    dialog.show();
    Enter(dialog, "Bo Ng", "", "");
    EXPECT_EQ(dialog.focusWidget(), dialog.PasswordBox());

    Enter(dialog, "Bo Ng", "hop", "");
    EXPECT_EQ(dialog.PasswordBox()->text(), "");
    EXPECT_EQ(dialog.VerifyBox()->text(), "") << "both emptied";
    EXPECT_EQ(dialog.focusWidget(), dialog.PasswordBox());

    Enter(dialog, " ", "hop", "hop");
    EXPECT_EQ(dialog.focusWidget(), dialog.NameBox());

    for (const QString& refused : {QStringLiteral("Sean O'Brien"), QStringLiteral("Bo\tNg"),
                                   QStringLiteral("Ann Lee"), QStringLiteral("ANN LEE")}) {
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
                    "The name is already taken, please enter a different name.",
                    "The name is already taken, please enter a different name."));
    for (const platform::MessageBoxRequest& shown : fakes.messageBoxes.shown) {
        EXPECT_EQ(shown.icon, platform::MbIcon::Exclamation);
        EXPECT_FALSE(shown.title.has_value()) << "the program's name";
    }
    EXPECT_EQ(dialog.result(), 0) << "still open";
    EXPECT_EQ(GetCurrentTeacher().GetStudentCount(), 1);
}

TEST_F(StudentDialogsTest, AStudentWhoseFilesCannotBeWrittenIsNotReportedAsMade) {
    std::filesystem::create_directories(platform::TemporaryPathFor(fakes.Path("/Data/Bo Ng.nfo")));
    CStudentInfoDlg dialog("", "", 0, 0);
    dialog.show();
    Enter(dialog, "Bo Ng", "hop", "hop");
    EXPECT_THAT(Texts(), ElementsAre("Please contact the system administrator."));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(GetCurrentTeacher().IsStudent("Bo Ng"));
}

// Capitals aside, unless two students (of an older folder) differ only in them.
TEST_F(StudentDialogsTest, TheRenameDialogFindsTheNameWhateverItsCapitals) {
    ASSERT_TRUE(GetCurrentTeacher().AddStudent("Bo Ng", "pw", 1, 0, 0, 0));
    ASSERT_TRUE(GetCurrentTeacher().AddStudent("BO NG", "pw", 1, 0, 0, 0));
    GetCurrentTeacher().AddStudentToClassList("Bo Ng");
    GetCurrentTeacher().AddStudentToClassList("BO NG");
    const std::pair<QString, std::string> lookups[] = {
        {"", ""}, {"Ann Leigh", ""}, {"Bo ng", ""}, {"ann LEE", "Ann Lee"}, {"BO NG", "BO NG"}};
    for (const auto& [typed, found] : lookups) {
        SCOPED_TRACE(typed.toStdString());
        CEditStudentInfoDlg dialog("Ann Lee");
        dialog.show();
        EXPECT_EQ(dialog.NameBox()->selectedText(), "Ann Lee");
        dialog.NameBox()->setText(typed);
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
