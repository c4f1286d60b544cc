#include "CTeacherWnd.h"

#include "CEditStudentInfoDlg.h"
#include "CStudentInfoDlg.h"
#include "ClassBox.h"
#include "StudentProgress.h"
#include "data/CStudent.h"
#include "data/CTeacher.h"
#include "data/CUserManager.h"
#include "data/SignInLocks.h"
#include "gui/classreport/ClassReportWnd.h"
#include "gui/common/HomeScreen.h"
#include "gui/common/StudentDialogMessages.h"
#include "gui/controls/CPictureButton.h"
#include "gui/controls/HeaderBar.h"
#include "gui/controls/KeyboardNavigation.h"
#include "gui/controls/ReportList.h"
#include "gui/controls/ScreenButton.h"
#include "gui/controls/StudentListCtl.h"
#include "platform/Display.h"
#include "platform/HelpGuide.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/ProgramSound.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/ScreenBitmaps.h"
#include "platform/qt/ScreenStage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr const char* kSource = "Gui classes\\Cteacherwnd";
constexpr const char* kFolder = "Teacher";
constexpr const char* kTestingFolder = "Testing";
constexpr int kTitlePoints = 11;
// Why a student signed in at another computer (%1, as listed) cannot be changed or deleted yet.
constexpr const char* kNoChangeYet = QT_TRANSLATE_NOOP(
    "CTeacherWnd",
    "%1 is signed in at another computer. Their information can be changed after they sign out.");
constexpr const char* kNoDeletionYet = QT_TRANSLATE_NOOP(
    "CTeacherWnd", "%1 is signed in at another computer and can be deleted after they sign out.");

const QColor kBackground(171, 171, 171);
const QColor kButtonBox(238, 238, 238);
const platform::GdiPen kPanelOutline{platform::PenStyle::Solid, 2, QColor(90, 90, 90)};

struct ButtonEntry {
    CTeacherWnd::CommandId id;
    const char* name;
    const char* picture;
    const char* tooltip; // none when null
};

// Stacked in this order.
constexpr std::array<ButtonEntry, 6> kButtons{{
    {CTeacherWnd::kHome, QT_TRANSLATE_NOOP("CTeacherWnd", "Home"), "homeButton",
     QT_TRANSLATE_NOOP("CTeacherWnd", "Return to the home screen")},
    {CTeacherWnd::kAddStudent, QT_TRANSLATE_NOOP("CTeacherWnd", "Add Student"), "addUserButton",
     QT_TRANSLATE_NOOP("CTeacherWnd", "Add a new user to the program")},
    {CTeacherWnd::kEditStudentInfo, QT_TRANSLATE_NOOP("CTeacherWnd", "Edit Student Info"),
     "editUserInfoButton",
     QT_TRANSLATE_NOOP("CTeacherWnd", "Change information for the selected user")},
    {CTeacherWnd::kDeleteStudent, QT_TRANSLATE_NOOP("CTeacherWnd", "Delete Student"),
     "deleteUserButton",
     QT_TRANSLATE_NOOP("CTeacherWnd", "Removes the selected user from the program")},
    {CTeacherWnd::kClassReport, QT_TRANSLATE_NOOP("CTeacherWnd", "Class Report"),
     "classReportButton", QT_TRANSLATE_NOOP("CTeacherWnd", "See the whole class at a glance")},
    {CTeacherWnd::kHelp, QT_TRANSLATE_NOOP("CTeacherWnd", "Help"), "helpButton", nullptr},
}};

std::string FileForm(std::string listName) {
    CUserManager::ConvertName(listName, false);
    return listName;
}

std::string ListForm(std::string fileName) {
    CUserManager::ConvertName(fileName, true);
    return fileName;
}

// The program of a student signed in at another computer would write its own copy of the record
// back: nothing is changed or deleted until the student signs out. While `claim` is held, the
// student cannot sign in anywhere.
bool ClaimStudent(QWidget* owner, const std::string& name, const char* refusal,
                  data::PersonClaim& claim) {
    claim = data::GetSignInLocks().ClaimChange(name);
    if (!claim.Allows()) {
        ShowStudentDialogMessage(owner, QCoreApplication::translate("CTeacherWnd", refusal)
                                            .arg(QString::fromStdString(ListForm(name))));
    }
    return claim.Allows();
}

} // namespace

CTeacherWnd::CTeacherWnd(IHomeScreen& home)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), homeScreen_(home),
      openFileDialog_(std::make_unique<platform::QtOpenFileDialog>(this)) {
    platform::WriteTraceLog(kSource, __LINE__);
    const platform::ScreenSize screen = platform::GetScreenSize();
    GetCurrentTeacher().SelectClass(kFirstClassName);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QStringLiteral("Registration"));
    // The title finds the window; this is what a screen reader says.
    setAccessibleName(tr("Registration"));
    platform::PlaceOnScreen(*this, QRect(0, 0, screen.width + 1, screen.height + 1));
    if (!CreateUIElements()) {
        ReportCreationFailure();
        return;
    }
    PositionUIElements();
    platform::SetMainWindow(this);
    show();
    activateWindow();
}

void CTeacherWnd::SetOpenFileDialog(std::unique_ptr<platform::IOpenFileDialog> dialog) {
    openFileDialog_ = std::move(dialog);
}

CPictureButton* CTeacherWnd::Button(CommandId id) const {
    return ButtonOfEntry(kButtons, buttons_, id, &ButtonEntry::id);
}

bool CTeacherWnd::CreateUIElements() {
    topBackground_ = platform::LoadScreenBitmap(kTestingFolder, "topBackground");
    userIcon_ = platform::LoadScreenBitmap(kTestingFolder, "userIcon");
    classesIcon_ = platform::LoadScreenBitmap(kFolder, "classesIcon");
    welcomeBackground_ = platform::LoadScreenBitmap(kFolder, "welcomeBackground");

    const int basePoints = ReportTextPoints();
    titleFont_ = platform::MakeFont("Verdana", platform::PointsToPixels(kTitlePoints), 700);
    const QFont rowFont =
        platform::MakeFont("Arial", platform::TenthPointsToPixels(basePoints * 9));
    const QFont headerFont = platform::MakeFont("Arial", platform::PointsToPixels(basePoints));

    classBox_ = new ClassBox(this, headerFont);
    const CTeacher& teacher = GetCurrentTeacher();
    classBox_->SetClasses(teacher.GetClasses(), teacher.GetClassName());
    connect(classBox_, &ClassBox::classChosen, this, &CTeacherWnd::OnClassChosen);
    for (const auto& [button, id] : {std::pair{classBox_->NewClassButton(), kNewClass},
                                     std::pair{classBox_->DeleteClassButton(), kDeleteClass},
                                     std::pair{classBox_->ImportButton(), kImportStudents}}) {
        connect(button, &QPushButton::clicked, this, [this, id = id] { OnCommand(id); });
    }

    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        auto* button = MakeScreenButton(this, tr(kButtons[i].name), kButtons[i].id, kFolder,
                                        kButtons[i].picture);
        if (button == nullptr) {
            return false;
        }
        if (kButtons[i].tooltip != nullptr) {
            button->setToolTip(tr(kButtons[i].tooltip));
        }
        connect(button, &CPictureButton::commandClicked, this, &CTeacherWnd::OnCommand);
        buttons_[i] = button;
    }

    // Rows a line and three quarters of the window's own font high.
    const int rowHeight = static_cast<int>(1.75 * QFontMetrics(font()).lineSpacing());
    list_ = new StudentListCtl(this, headerFont, rowFont, rowHeight);
    list_->setAccessibleName(tr("Students"));
    list_->setToolTip(tr("Double-click on a student's name to view his or her progress"));
    connect(list_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { OnStudentDoubleClicked(row); });
    DoubleClickOnReturn(*list_);
    // The list, the class box, then the column of buttons as it stands.
    SetTabChain({list_, classBox_, buttons_[0], buttons_[1], buttons_[2], buttons_[3], buttons_[4],
                 buttons_[5]});
    new ArrowKeyGroup(std::vector<QWidget*>(buttons_.begin(), buttons_.end()));
    FillList();
    return true;
}

// One row per student of the class file, read by the window itself. A class file that cannot be
// read leaves the teacher nothing to manage: the program ends.
void CTeacherWnd::FillList() {
    if (!ReadList()) {
        platform::WriteErrorLog(kSource, __LINE__, "  Problem opening teacher's file.");
        // Said before the program ends, so that the teacher knows why it did.
        ShowStudentDialogMessage(
            nullptr, tr("The list of %1's class cannot be read, so the program ends. Please "
                        "contact the system administrator; the error log says why.")
                         .arg(QString::fromStdString(GetCurrentTeacher().GetName())));
        platform::GetProcess().PostQuit();
    }
}

// Students take tests at other desks meanwhile. The records are read apart from the current
// student, who may be the one being changed. A class file that cannot be read (the error log says
// why) leaves the rows as they were.
bool CTeacherWnd::ReadList() {
    CStudent reader;
    const auto rows = data::ReadClassRoster(GetCurrentTeacher(), reader);
    if (rows) {
        list_->UpdateRows(*rows);
    }
    return rows.has_value();
}

// Back to the front: shown again after the progress window or the class report, or active again
// after another program's window.
void CTeacherWnd::showEvent(QShowEvent* event) {
    ReadList();
    QWidget::showEvent(event);
}

void CTeacherWnd::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && list_ != nullptr) {
        ReadList();
    }
    QWidget::changeEvent(event);
}

void CTeacherWnd::PositionUIElements() {
    const platform::ScreenSize screen = platform::GetScreenSize();
    const int buttonHeight =
        platform::GetBitmapSize(platform::LoadScreenBitmap(kFolder, "signOutButton")).height();
    layout_ = ComputeTeacherLayout(screen.width, screen.height, buttonHeight,
                                   platform::GetBitmapSize(topBackground_).height(),
                                   platform::GetBitmapSize(classesIcon_).width());
    list_->setGeometry(layout_.list.ToQRect());
    classBox_->setGeometry(layout_.classBox.ToQRect());
    int top = layout_.buttonBox.top + layout_.buttonStep / 2;
    for (CPictureButton* button : buttons_) {
        button->move(layout_.buttonBox.left + (layout_.buttonBox.Width() - button->width()) / 2,
                     top);
        top += layout_.buttonStep;
    }
}

void CTeacherWnd::ReportCreationFailure() {
    platform::WriteErrorLog(kSource, __LINE__,
                            "Creation of the Teacher window failed (see above errors)!");
    platform::GetMessageBoxes().Show(
        {.text = ContactAdministrator().toStdString(), .icon = platform::MbIcon::Stop});
    deleteLater();
}

void CTeacherWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    platform::GdiDc dc(painter);
    EraseBackground(dc);
}

void CTeacherWnd::EraseBackground(platform::GdiDc& dc) {
    dc.FillSolidRect(platform::GdiRect::FromQRect(rect()), kBackground);
    dc.StretchImage({0, 0, width(), platform::GetBitmapSize(topBackground_).height()},
                    topBackground_);
    platform::DrawBitmap(dc, classesIcon_, 0, 0);
    platform::DrawBitmap(dc, userIcon_,
                         layout_.topBand.right - platform::GetBitmapSize(userIcon_).width(), 0);
    DrawHeaderText(dc, titleFont_, tr("Tallyhop - Registration"), layout_.title);

    const platform::GdiPen oldPen = dc.SelectPen(kPanelOutline);
    const platform::GdiBrush oldBrush = dc.SelectBrush({.hollow = false, .color = Qt::white});
    dc.Rectangle(layout_.welcomePanel);
    dc.Rectangle(layout_.listPanel);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
    dc.FillSolidRect(layout_.buttonBox, kButtonBox);

    const platform::GdiRect& panel = layout_.welcomePicture;
    const QSize welcome = platform::GetBitmapSize(welcomeBackground_);
    platform::DrawBitmap(dc, welcomeBackground_,
                         panel.left + (panel.Width() - welcome.width() - 4) / 2,
                         panel.top + (panel.Height() - welcome.height() - 4) / 2);
}

void CTeacherWnd::OnCommand(int id) {
    platform::WriteTraceLog(kSource, __LINE__);
    platform::PlayProgramSound(platform::ProgramSound::kNavigate);
    switch (id) {
    case kHome:
        OnHome();
        break;
    case kAddStudent:
        OnAddStudent();
        break;
    case kEditStudentInfo:
        OnEditStudentInfo();
        break;
    case kDeleteStudent:
        OnDeleteStudent();
        break;
    case kClassReport:
        OnClassReport();
        break;
    case kNewClass:
        OnNewClass();
        break;
    case kDeleteClass:
        OnDeleteClass();
        break;
    case kImportStudents:
        OnImportStudents();
        break;
    case kHelp:
        platform::OpenHelpGuide();
        break;
    default:
        break;
    }
}

// A close request from the window system signs the teacher out like Home.
void CTeacherWnd::closeEvent(QCloseEvent* event) {
    event->ignore();
    OnCommand(kHome);
}

// A teacher always leaves through the sign-in dialog. It opens once this window is gone, from
// the event loop rather than from inside this window's click.
void CTeacherWnd::OnHome() {
    homeScreen_.ShowHome();
    hide();
    deleteLater();
    IHomeScreen* home = &homeScreen_;
    QMetaObject::invokeMethod(
        home->Window(), [home] { home->SignOut(); }, Qt::QueuedConnection);
}

// New rows go to the bottom; the list is sorted again only when the window is next built.
void CTeacherWnd::OnAddStudent() {
    for (;;) {
        CStudentInfoDlg dialog("", "", 0, 0, this);
        const bool entered = dialog.exec() == CStudentInfoDlg::kEntered;
        ReadList();
        if (!entered) {
            return;
        }
        list_->repaint();
        update();
    }
}

// The rows are read first, so that the form and the list tell the same.
void CTeacherWnd::OnEditStudentInfo() {
    ReadList();
    const int row = list_->SelectedRow();
    CEditStudentInfoDlg rename(row >= 0 ? FileForm(list_->Name(row)) : std::string(), this);
    data::PersonClaim claim;
    if (rename.exec() == CEditStudentInfoDlg::kFound &&
        ClaimStudent(this, rename.Name(), kNoChangeYet, claim) &&
        LoadCurrentStudent(rename.Name(), this)) {
        CStudent& student = GetCurrentStudent();
        CStudentInfoDlg dialog(student.GetName(), student.GetPassword(), student.GetLevel() - 1,
                               student.GetTestsPassed(), this);
        dialog.exec();
    }
    // The row shows what was stored, so a change that did not take is seen.
    ReadList();
    update();
}

// Only the rows of exactly that student go, never one that merely begins with the same name.
void CTeacherWnd::OnDeleteStudent() {
    const int row = list_->SelectedRow();
    if (row < 0) {
        ShowStudentDialogMessage(this, tr("Please select a user to be deleted."));
        return;
    }
    const std::string name = FileForm(list_->Name(row));
    data::PersonClaim claim;
    if (!ClaimStudent(this, name, kNoDeletionYet, claim)) {
        return;
    }
    if (platform::GetMessageBoxes().Show(
            {.text = DeleteQuestion(name), .buttons = platform::MbButtons::YesNo, .owner = this}) !=
        platform::MbResult::Yes) {
        return;
    }
    CTeacher& teacher = GetCurrentTeacher();
    teacher.DeleteStudent(name);
    // A student the class still lists was not deleted: the row stays.
    if (teacher.IsStudent(name)) {
        ShowStudentDialogMessage(this, ContactAdministrator());
    }
    ReadList();
    list_->repaint();
}

// The report shows this window again when it closes, as the progress opened over it shows the
// report.
void CTeacherWnd::OnClassReport() {
    auto* report = new ClassReportWnd(this);
    connect(report, &ClassReportWnd::StudentProgressAsked, report,
            [report](const std::string& name) { OpenStudentProgress(name, *report); });
    if (report->isVisible()) {
        hide();
    }
}

void CTeacherWnd::OnStudentDoubleClicked(int row) {
    OpenStudentProgress(FileForm(list_->Name(row)), *this);
}
