#include "ClassReportWnd.h"

#include "ClassReportGeometry.h"
#include "ClassReportList.h"
#include "ExportClassReport.h"
#include "PrintClassReport.h"
#include "data/CTeacher.h"
#include "gui/common/PrinterSetup.h"
#include "gui/common/ScreenColours.h"
#include "gui/common/StudentDialogMessages.h"
#include "gui/controls/CPictureButton.h"
#include "gui/controls/KeyboardNavigation.h"
#include "gui/controls/ScreenButton.h"
#include "platform/Services.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtFileDialogs.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>

namespace {

using enum ClassReportWnd::CommandId;

constexpr const char* kSource = "Gui classes\\Classreportwnd";

using ButtonEntry = ScreenButtonEntry<ClassReportWnd::CommandId>;

// Left to right along the bottom.
constexpr std::array<ButtonEntry, 3> kButtons{{
    {kHome, QT_TRANSLATE_NOOP("ClassReportWnd", "Home"), "Testing", "homeButton",
     QT_TRANSLATE_NOOP("ClassReportWnd", "Back to the class list")},
    {kExportCsv, QT_TRANSLATE_NOOP("ClassReportWnd", "Export CSV"), "Teacher", "exportButton",
     QT_TRANSLATE_NOOP("ClassReportWnd", "Save the report as a file for a spreadsheet program")},
    {kPrint, QT_TRANSLATE_NOOP("ClassReportWnd", "Print"), "Teacher", "printReportButton",
     QT_TRANSLATE_NOOP("ClassReportWnd", "Print the report")},
}};

// What follows the title: how many students, and which class unless it is the first.
QString DetailText(const std::string& className, std::size_t count) {
    const auto students = static_cast<int>(count);
    if (className == kFirstClassName) {
        return students == 0   ? ClassReportWnd::tr(" : no students")
               : students == 1 ? ClassReportWnd::tr(" : 1 student")
                               : ClassReportWnd::tr(" : %n students", nullptr, students);
    }
    //: After "Class Report": the class's name, then how many students it has.
    const QString text = students == 0 ? ClassReportWnd::tr(" : class %1, no students")
                         : students == 1
                             ? ClassReportWnd::tr(" : class %1, 1 student")
                             : ClassReportWnd::tr(" : class %1, %n students", nullptr, students);
    return text.arg(QString::fromStdString(className));
}

} // namespace

ClassReportWnd::ClassReportWnd(QWidget* opener)
    : ActivityWindow({.source = kSource,
                      .windowTitle = QT_TRANSLATE_NOOP("ActivityWindow", "Class Report"),
                      .failureName = "Class Report",
                      .headerTitle = tr("Class Report"),
                      .headerLook = {.iconFolder = "Teacher", .iconName = "classesIcon"}}),
      opener_(opener), saveFileDialog_(std::make_unique<platform::QtSaveFileDialog>(this)),
      printerSetup_(std::make_unique<PrintDialogSetup>(this)) {
    const CTeacher& teacher = GetCurrentTeacher();
    auto rows = data::ReadClassReport(teacher, platform::GetClock().SecondsSince1970());
    if (!rows) {
        ShowStudentDialogMessage(
            opener, tr("The list of %1's class cannot be read. Please contact the system "
                       "administrator; the error log says why.")
                        .arg(QString::fromStdString(teacher.GetName()))
                        .toStdString());
        deleteLater();
        return;
    }
    rows_ = std::move(*rows);
    if (!Build()) {
        return;
    }
    list_->SetRows(rows_);
    platform::SetMainWindow(this);
    show();
}

ClassReportWnd::~ClassReportWnd() = default;

CPictureButton* ClassReportWnd::Button(CommandId id) const {
    return ButtonOfEntry(kButtons, buttons_, id, &ButtonEntry::id);
}

void ClassReportWnd::SetSaveFileDialog(std::unique_ptr<platform::ISaveFileDialog> dialog) {
    saveFileDialog_ = std::move(dialog);
}

void ClassReportWnd::SetPrinterSetup(std::unique_ptr<IPrinterSetup> setup) {
    printerSetup_ = std::move(setup);
}

bool ClassReportWnd::CreateUIElements() {
    // Nine columns fit only in the lists' own small face, as in the training report.
    const QFont rowFont = platform::MakeFont("MS Sans Serif", platform::PointsToPixels(8));
    const QFont headerFont = platform::MakeFont("MS Sans Serif", platform::PointsToPixels(8), 700);
    // Rows two and a half lines high: a class of eight fills the screen's table.
    const int rowHeight = static_cast<int>(2.5 * QFontMetrics(rowFont).lineSpacing());
    list_ = new ClassReportList(this, rowFont, headerFont, rowHeight);
    list_->setAccessibleName(tr("Class report"));
    list_->setAccessibleDescription(tr("A row for each student; a column's heading sorts by it; "
                                       "a double-click or Return opens the student's progress"));
    list_->setToolTip(
        tr("Click a heading to sort by it; double-click a student to view the progress"));
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) {
        OnStudentDoubleClicked(list_->indexOfTopLevelItem(item));
    });
    DoubleClickOnReturn(*list_);

    for (std::size_t index = 0; index < kButtons.size(); ++index) {
        const ButtonEntry& entry = kButtons[index];
        CPictureButton* button = MakeScreenButton(this, tr(entry.name), entry.id, entry.folder,
                                                  entry.picture, tr(entry.tooltip));
        if (button == nullptr) {
            return false;
        }
        button->setToolTip(tr(entry.tooltip));
        connect(button, &CPictureButton::commandClicked, this, &ClassReportWnd::OnCommand);
        buttons_[index] = button;
    }
    // The headings, the rows, then the buttons; Home last.
    SetTabChain({list_->header(), list_, Button(kExportCsv), Button(kPrint), Button(kHome)});
    return true;
}

void ClassReportWnd::PositionUIElements() {
    using namespace class_report_geometry;
    const int width = this->width();
    const int height = this->height();
    header_.Layout(width, static_cast<int>(0.75 * width) - 2);
    const int buttonHeight = buttons_[0]->height();
    panel_ = {0, height - buttonHeight - 2 * kPanelMargin, width, height};
    listArea_ = {0, header_.Height() + 2, width - 1, panel_.top - 2};
    list_->setGeometry(listArea_.left + 3, listArea_.top + 2, listArea_.Width() - 5,
                       listArea_.Height() - 4);
    const int share = width / kButtonsAcross;
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        CPictureButton* button = buttons_[index];
        button->move(static_cast<int>(index) * share + (share - button->width()) / 2,
                     panel_.top + kPanelMargin);
    }
}

void ClassReportWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    platform::GdiDc dc(painter);
    dc.FillSolidRect(platform::GdiRect::FromQRect(rect()), kWindowColour);
    const CTeacher& teacher = GetCurrentTeacher();
    header_.Draw(dc, QString::fromStdString(teacher.GetName()),
                 DetailText(teacher.GetClassName(), rows_.size()));
    dc.SelectPen({platform::PenStyle::Solid, 2, kFrameColour});
    dc.SelectBrush({.hollow = true});
    dc.Rectangle(listArea_);
    dc.SelectBrush({.hollow = false, .color = kPanelColour});
    dc.Rectangle(panel_);
}

void ClassReportWnd::OnCommand(int id) {
    if (id == kHome) {
        OnHome();
        return;
    }
    TraceNavigation(__LINE__);
    // The file and the paper in the order the teacher sorted the screen by.
    std::vector<data::ClassReportRow> shown;
    for (const std::size_t index : list_->ShownOrder()) {
        shown.push_back(rows_.at(index));
    }
    if (id == kExportCsv) {
        ExportClassReport(shown, *saveFileDialog_);
    } else {
        const CTeacher& teacher = GetCurrentTeacher();
        PrintClassReport(shown, teacher.GetName(), teacher.GetClassName(), *printerSetup_);
    }
}

void ClassReportWnd::OnHome() {
    TraceNavigation(__LINE__);
    ReturnTo(opener_);
}

void ClassReportWnd::OnStudentDoubleClicked(int row) {
    if (row >= 0) {
        emit StudentProgressAsked(list_->Name(row));
    }
}
