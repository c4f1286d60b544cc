#include "CSignInDlg.h"

#include "Windows1252Validator.h"
#include "data/CUserManager.h"
#include "platform/HelpGuide.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/ProgramSound.h"
#include "platform/qt/ScreenStage.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

namespace {

constexpr const char* kSource = "Gui classes\\Csignindlg";
constexpr int kPasswordLimit = 15;
constexpr int kVisibleNames = 10;
// The dialog's own size in dialog units: the group box and its margin.
constexpr int kWidthUnits = 210;
constexpr int kHeightUnits = 113;

const QColor kFrameColour(90, 90, 90);
constexpr int kFrameWidth = 2;

void ShowRefusal(const char* text) {
    platform::GetMessageBoxes().Show(
        {.text = text, .title = "", .icon = platform::MbIcon::Exclamation});
}

} // namespace

CSignInDlg::CSignInDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("SignInDlg"));
    // The title above is never shown; this is what a screen reader says.
    setAccessibleName(QStringLiteral("Sign in"));
    setModal(true);
    CreateControls();
    FillNameList();
}

void CSignInDlg::CreateControls() {
    setFont(
        platform::MakeFont(QStringLiteral("Microsoft Sans Serif"), platform::PointsToPixels(10)));
    const platform::DialogUnits units(font());
    resize(units.X(kWidthUnits), units.Y(kHeightUnits));

    auto* frame = new QGroupBox(QStringLiteral("Sign In"), this);
    frame->setGeometry(units.Rect(6, 6, 198, 101));

    auto place = [&units, this](QWidget* control, int x, int y, int width, int height) {
        control->setParent(this);
        control->setGeometry(units.Rect(x, y, width, height));
    };
    auto* nameLabel = new QLabel(QStringLiteral("Name :"));
    nameLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(nameLabel, 27, 30, 36, 12);

    nameList_ = new QComboBox;
    nameList_->setEditable(false);
    nameList_->setMaxVisibleItems(kVisibleNames);
    nameList_->setAccessibleName(QStringLiteral("Name"));
    nameList_->setAccessibleDescription(QStringLiteral("Choose your name from the list"));
    place(nameList_, 79, 30, 95, 12);

    auto* passwordLabel = new QLabel(QStringLiteral("Password :"));
    passwordLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(passwordLabel, 24, 52, 39, 12);

    password_ = new QLineEdit;
    password_->setEchoMode(QLineEdit::Password);
    password_->setMaxLength(kPasswordLimit);
    password_->setValidator(new Windows1252Validator(password_));
    password_->setAccessibleName(QStringLiteral("Password"));
    password_->setAccessibleDescription(QStringLiteral("Type your password"));
    place(password_, 79, 52, 95, 12);

    signIn_ = new QPushButton(QStringLiteral("Sign In"));
    signIn_->setDefault(true);
    place(signIn_, 24, 78, 50, 16);
    exit_ = new QPushButton(QStringLiteral("Exit"));
    exit_->setAutoDefault(false);
    place(exit_, 78, 78, 50, 16);
    help_ = new QPushButton(QStringLiteral("Help"));
    help_->setAutoDefault(false);
    place(help_, 132, 78, 50, 16);

    signIn_->setAccessibleDescription(QStringLiteral("Sign in with the chosen name and password"));
    exit_->setAccessibleDescription(QStringLiteral("End the program"));
    help_->setAccessibleDescription(QStringLiteral("Open the help guide"));

    connect(signIn_, &QPushButton::clicked, this, &CSignInDlg::OnSignIn);
    connect(exit_, &QPushButton::clicked, this, [this] { done(kExit); });
    connect(help_, &QPushButton::clicked, this, &CSignInDlg::OnHelp);
}

// Sorted as a person reads the list: ignoring capitals.
void CSignInDlg::FillNameList() {
    QStringList names;
    CUserManager::FillUserList(
        [&names](const std::string& name) { names << QString::fromStdString(name); });
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    nameList_->addItems(names);
    nameList_->setCurrentIndex(-1);
}

void CSignInDlg::showEvent(QShowEvent* event) {
    const platform::ScreenSize screen = platform::GetScreenSize();
    platform::PlaceOnScreen(*this, QRect((screen.width - width()) / 2,
                                         (screen.height - height()) / 2, width(), height()));
    nameList_->setFocus();
    QDialog::showEvent(event);
}

// Without a caption bar the dialog needs a frame of its own to stand out from the home screen.
void CSignInDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(kFrameColour, kFrameWidth));
    painter.drawRect(
        rect().adjusted(kFrameWidth / 2, kFrameWidth / 2, -kFrameWidth / 2, -kFrameWidth / 2));
}

// The entry the user chose is the one signed in, even when another differs only in capitals.
void CSignInDlg::OnSignIn() {
    if (nameList_->currentIndex() < 0) {
        ShowRefusal("Please select a name.");
        return;
    }
    std::string name = nameList_->currentText().toStdString();
    CUserManager::ConvertName(name, false);
    CUserManager::SignInStatus status = CUserManager::SignInStatus::PasswordMatched;
    const std::uint32_t idType =
        CUserManager::SignIn(name, password_->text().toStdString(), status);
    if (status != CUserManager::SignInStatus::PasswordMatched) {
        ShowRefusal("The password you entered is incorrect.");
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
