#include "CSignInDlg.h"

#include "SignInNameList.h"
#include "data/AccountRules.h"
#include "data/CUserManager.h"
#include "gui/controls/AccountTextValidator.h"
#include "gui/controls/PasswordBox.h"
#include "platform/HelpGuide.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/qt/ProgramSound.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

namespace {

constexpr const char* kSource = "Gui classes\\Csignindlg";
constexpr int kVisibleNames = 10;
// The dialog's own size in dialog units: the group box and its margin.
constexpr int kWidthUnits = 210;
constexpr int kHeightUnits = 113;

void ShowRefusal(const QString& text) {
    platform::GetMessageBoxes().Show(
        {.text = text.toStdString(), .title = "", .icon = platform::MbIcon::Exclamation});
}

} // namespace

CSignInDlg::CSignInDlg(QWidget* parent)
    : TemplateDialog(parent, QStringLiteral("Microsoft Sans Serif"), 10, kWidthUnits,
                     kHeightUnits) {
    setWindowTitle(QStringLiteral("SignInDlg"));
    // The title above is never shown; this is what a screen reader says.
    setAccessibleName(tr("Sign in"));
    CreateControls();
    FillNameList();
}

void CSignInDlg::CreateControls() {
    Place(new QGroupBox(tr("Sign In")), 6, 6, 198, 101);

    auto* nameLabel = Place(new QLabel(tr("Name :")), 27, 30, 36, 12);
    nameLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    nameList_ = Place(new SignInNameList([this] { FillNameList(); }), 79, 30, 95, 12);
    nameList_->setEditable(false);
    nameList_->setMaxVisibleItems(kVisibleNames);
    nameList_->setAccessibleName(tr("Name"));
    nameList_->setAccessibleDescription(tr("Choose your name from the list"));

    auto* passwordLabel = Place(new QLabel(tr("Password :")), 24, 52, 39, 12);
    passwordLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    password_ = Place(new ::PasswordBox, 79, 52, 95, 12);
    password_->setMaxLength(static_cast<int>(data::kPasswordLimit));
    password_->setValidator(new AccountTextValidator(password_));
    password_->setAccessibleName(tr("Password"));
    password_->setAccessibleDescription(tr("Type your password"));

    signIn_ = Place(new QPushButton(tr("Sign In")), 24, 78, 50, 16);
    signIn_->setDefault(true);
    exit_ = Place(new QPushButton(tr("Exit")), 78, 78, 50, 16);
    help_ = Place(new QPushButton(tr("Help")), 132, 78, 50, 16);

    signIn_->setAccessibleDescription(tr("Sign in with the chosen name and password"));
    exit_->setAccessibleDescription(tr("End the program"));
    help_->setAccessibleDescription(tr("Open the help guide"));

    connect(signIn_, &QPushButton::clicked, this, &CSignInDlg::OnSignIn);
    connect(exit_, &QPushButton::clicked, this, [this] { done(kExit); });
    connect(help_, &QPushButton::clicked, this, &CSignInDlg::OnHelp);
}

// Sorted as a person reads the list: ignoring capitals. The entry chosen stays chosen while it is
// listed.
void CSignInDlg::FillNameList() {
    const QString chosen = nameList_->currentIndex() < 0 ? QString() : nameList_->currentText();
    QStringList names;
    CUserManager::FillUserList(
        [&names](const std::string& name) { names << QString::fromStdString(name); });
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    nameList_->clear();
    nameList_->addItems(names);
    nameList_->setCurrentIndex(chosen.isEmpty() ? -1 : nameList_->findText(chosen));
}

void CSignInDlg::showEvent(QShowEvent* event) {
    nameList_->setFocus();
    TemplateDialog::showEvent(event);
}

// The entry the user chose is the one signed in, even when another differs only in capitals.
void CSignInDlg::OnSignIn() {
    if (nameList_->currentIndex() < 0) {
        ShowRefusal(tr("Please select a name."));
        return;
    }
    const QString listed = nameList_->currentText();
    FillNameList();
    if (nameList_->currentIndex() < 0) {
        // Deleted at another desk while this one waited: nothing is damaged.
        ShowRefusal(tr("%1 is no longer in the class list.").arg(listed));
        nameList_->setFocus();
        password_->clear();
        return;
    }
    std::string name = listed.toStdString();
    CUserManager::ConvertName(name, false);
    CUserManager::SignInStatus status = CUserManager::SignInStatus::PasswordMatched;
    const std::uint32_t idType =
        CUserManager::SignIn(name, password_->text().toStdString(), status);
    if (status == CUserManager::SignInStatus::SignedInElsewhere) {
        // The user manager has said where; the dialog stays for another try.
    } else if (status == CUserManager::SignInStatus::NotOpened) {
        // Nothing typed was wrong: say whose records could not be read.
        ShowRefusal(tr("The records of %1 cannot be read. Please tell your teacher or the system "
                       "administrator.")
                        .arg(listed));
    } else if (status != CUserManager::SignInStatus::PasswordMatched) {
        ShowRefusal(tr("The password you entered is incorrect."));
    } else if (idType == CUserManager::kTeacherId) {
        done(kTeacher);
        return;
    } else if (idType == CUserManager::kStudentId) {
        done(kStudent);
        return;
    }
    nameList_->setFocus();
    password_->clear();
}

void CSignInDlg::OnHelp() {
    platform::WriteTraceLog(kSource, __LINE__);
    platform::PlayProgramSound(platform::ProgramSound::kNavigate);
    platform::OpenHelpGuide();
}

// Escape is ignored: the dialog is left only by signing in or by Exit.
void CSignInDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// A close request from the window system means the same as Exit.
void CSignInDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    done(kExit);
}
