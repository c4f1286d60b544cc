#include "CStudentProgressWnd.h"

#include "FactMapView.h"
#include "data/CStudent.h"
#include "data/SessionHistory.h"
#include "gui/common/LanguageForms.h"
#include "gui/common/TrainingSessionGraph.h"
#include "gui/controls/CBasicLineGraph.h"
#include "gui/controls/CMasteryGraph.h"
#include "gui/controls/CPictureButton.h"
#include "gui/controls/KeyboardNavigation.h"
#include "gui/controls/ReportList.h"
#include "gui/controls/ScreenButton.h"
#include "platform/Display.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/ProgramSound.h"
#include "platform/qt/ScreenStage.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

using enum CStudentProgressWnd::CommandId;

constexpr const char* kSource = "Gui classes\\Cstudentprogresswnd";
constexpr const char* kFace = "Book Antiqua";
constexpr int kCaptionPoints = 14;
constexpr int kCaptionGap = 5;
const QColor kWindowGrey(171, 171, 171);
const QColor kPanel(238, 238, 238);
const QColor kFrame(90, 90, 90);
const QColor kTrainingCaption(0, 78, 152);
const QColor kTestingCaption(128, 0, 0);
const QColor kPassedText(0, 200, 0);
// The score graph's bars: a passed test in the green of every score, one not passed lighter.
constexpr int kPassedBar = 0;
constexpr int kNotPassedBar = CBasicLineGraph::kLightCategory;

using ButtonEntry = ScreenButtonEntry<CStudentProgressWnd::CommandId>;

// In the order of the window's button table.
constexpr std::array<ButtonEntry, 7> kButtons{{
    {kHome, QT_TRANSLATE_NOOP("CStudentProgressWnd", "Home"), "Testing", "homeButton", nullptr},
    {kMastery, QT_TRANSLATE_NOOP("CStudentProgressWnd", "Mastery"), "Progress",
     "masteryGraphButton",
     QT_TRANSLATE_NOOP("CStudentProgressWnd", "View the overall testing progress")},
    {kCurrentProgress, QT_TRANSLATE_NOOP("CStudentProgressWnd", "Current Progress"), "Progress",
     "currentProgressButton",
     QT_TRANSLATE_NOOP("CStudentProgressWnd", "View the results of each test")},
    {kReport, QT_TRANSLATE_NOOP("CStudentProgressWnd", "Report"), "Progress", "viewTestReport",
     QT_TRANSLATE_NOOP("CStudentProgressWnd", "View a report for all tests taken")},
    {kTrainingReport, QT_TRANSLATE_NOOP("CStudentProgressWnd", "Training Report"), "Training",
     "viewReport",
     QT_TRANSLATE_NOOP("CStudentProgressWnd",
                       "View a report for all training and review sessions")},
    {kTrainingProgress, QT_TRANSLATE_NOOP("CStudentProgressWnd", "Training Progress"), "Progress",
     "currentProgressButton",
     QT_TRANSLATE_NOOP("CStudentProgressWnd", "View the results of each training session")},
    {kFactMap, QT_TRANSLATE_NOOP("CStudentProgressWnd", "Fact Map"), "Progress", "factMapButton",
     QT_TRANSLATE_NOOP("CStudentProgressWnd", "See which facts you know by heart")},
}};

constexpr std::array kViews{kCurrentProgressGraph, kMasteryGraph,  kTestReport,
                            kTrainingReportList,   kTrainingGraph, kFactMapView};

// The test report's widths are set from the list's width when it is filled.
constexpr std::array<ReportList::Column, 5> kTestColumns{
    {{QT_TRANSLATE_NOOP("ReportList", "Test"), 0},
     {QT_TRANSLATE_NOOP("ReportList", "Date"), 0},
     {QT_TRANSLATE_NOOP("ReportList", "Level"), 0},
     {QT_TRANSLATE_NOOP("ReportList", "Score"), 0},
     {QT_TRANSLATE_NOOP("ReportList", "Result"), 0}}};
constexpr std::array<ReportList::Column, 11> kTrainingColumns{
    {{QT_TRANSLATE_NOOP("ReportList", "Session"), 50},
     {QT_TRANSLATE_NOOP("ReportList", "Date"), 80},
     {QT_TRANSLATE_NOOP("ReportList", "Level"), 80},
     {QT_TRANSLATE_NOOP("ReportList", "Goal"), 40},
     {QT_TRANSLATE_NOOP("ReportList", "Correct"), 50},
     {QT_TRANSLATE_NOOP("ReportList", "Problems"), 60},
     {QT_TRANSLATE_NOOP("ReportList", "Duration"), 80},
     {QT_TRANSLATE_NOOP("ReportList", "Complete"), 70},
     {QT_TRANSLATE_NOOP("ReportList", "Problems / Min"), 90},
     {QT_TRANSLATE_NOOP("ReportList", "Remaining"), 70},
     {QT_TRANSLATE_NOOP("ReportList", "Cumulative Time"), 100}}};

std::vector<SessionRecord> Records(history::View view) {
    return history::RecordsFor(view, history::History(GetCurrentStudent()));
}

void DrawPanel(platform::GdiDc& dc, const platform::GdiRect& rect, const QColor& fill) {
    dc.SelectPen({platform::PenStyle::Solid, 2, kFrame});
    dc.SelectBrush({.hollow = false, .color = fill});
    dc.Rectangle(rect);
}

void DrawCaption(platform::GdiDc& dc, const QString& text, const QColor& colour,
                 platform::GdiRect rect) {
    dc.SetTextColor(colour);
    dc.DrawText(text, rect, platform::dt::kSingleLine | platform::dt::kCenter);
}

// A test as the score and mastery graphs say it: "Test 3 of 12: 95 correct, not passed."
QString ScoreSentence(int number, int count, const SessionRecord& test) {
    return (history::IsPassed(test)
                ? CStudentProgressWnd::tr("Test %1 of %2: %3 correct, passed.")
                : CStudentProgressWnd::tr("Test %1 of %2: %3 correct, not passed."))
        .arg(number)
        .arg(count)
        .arg(history::ShownCount(test.correctCount));
}

// "Test 3 of 12: Subtraction, passed."
QString MasterySentence(int number, int count, const SessionRecord& test) {
    return (history::IsPassed(test) ? CStudentProgressWnd::tr("Test %1 of %2: %3, passed.")
                                    : CStudentProgressWnd::tr("Test %1 of %2: %3, not passed."))
        .arg(number)
        .arg(count)
        .arg(QString::fromStdString(GetOperationName(test.level)));
}

void NameForScreenReaders(QWidget* view, const QString& name, const QString& description) {
    view->setAccessibleName(name);
    view->setAccessibleDescription(description);
}

} // namespace

CStudentProgressWnd::CStudentProgressWnd(QWidget* opener)
    : ActivityWindow({.source = kSource,
                      .windowTitle = QT_TRANSLATE_NOOP("ActivityWindow", "Progress"),
                      .failureName = "Progress",
                      .headerTitle = tr("Progress"),
                      .headerLook = {.iconFolder = "Progress",
                                     .iconName = "progressIcon",
                                     .face = kFace,
                                     .titleWeight = 400}}),
      opener_(opener) {
    if (!Build()) {
        return;
    }
    ConfigureGraphs();
    LogValuesShownWithinLimits(kSource, GetCurrentStudent());
    FillTrainingReport();
    ShowView(kMasteryGraph);
    platform::SetMainWindow(this);
    show();
}

CStudentProgressWnd::CommandId CStudentProgressWnd::ViewOfButton(int button) {
    switch (button) {
    case kCurrentProgress:
        return kCurrentProgressGraph;
    case kReport:
        return kTestReport;
    case kTrainingReport:
        return kTrainingReportList;
    case kTrainingProgress:
        return kTrainingGraph;
    case kFactMap:
        return kFactMapView;
    default:
        return kMasteryGraph;
    }
}

CPictureButton* CStudentProgressWnd::Button(CommandId id) const {
    return ButtonOfEntry(kButtons, buttons_, id, &ButtonEntry::id);
}

QWidget* CStudentProgressWnd::View(CommandId id) const {
    switch (id) {
    case kCurrentProgressGraph:
        return scoreGraph_;
    case kMasteryGraph:
        return masteryGraph_;
    case kTestReport:
        return testReport_;
    case kTrainingReportList:
        return trainingReport_;
    case kTrainingGraph:
        return trainingGraph_;
    case kFactMapView:
        return factMap_;
    default:
        return nullptr;
    }
}

bool CStudentProgressWnd::CreateUIElements() {
    const int points = ReportTextPoints();
    baseFont_ = platform::MakeFont(kFace, platform::PointsToPixels(points));
    testHeaderFont_ = platform::MakeFont(kFace, platform::TenthPointsToPixels(11 * points));
    captionFont_ = platform::MakeFont(kFace, platform::PointsToPixels(kCaptionPoints));
    labelTenths_ = GraphLabelTenths();

    scoreGraph_ = new CBasicLineGraph(this);
    scoreGraph_->setObjectName(QStringLiteral("LevelProgressGraph"));
    masteryGraph_ = new CMasteryGraph(this);
    masteryGraph_->setObjectName(QStringLiteral("OverallProgressGraph"));
    trainingGraph_ = new CBasicLineGraph(this);
    trainingGraph_->setObjectName(QStringLiteral("Training Session Graph"));
    // Rows a line and three quarters high.
    const int rowHeight = static_cast<int>(1.75 * QFontMetrics(baseFont_).lineSpacing());
    testReport_ = new ReportList(this, kTestColumns, baseFont_, testHeaderFont_, rowHeight);
    // Eleven columns in their fixed widths fit only in the lists' own small face.
    const QFont listFont = platform::MakeFont("MS Sans Serif", platform::PointsToPixels(8));
    trainingReport_ = new ReportList(this, kTrainingColumns, listFont, listFont, rowHeight);
    factMap_ = new FactMapView(this);
    factMap_->setObjectName(QStringLiteral("Fact Map"));
    // The graphs' descriptions are the graphs in words, said as they are filled.
    scoreGraph_->setAccessibleName(tr("Current progress graph"));
    masteryGraph_->setAccessibleName(tr("Mastery graph"));
    trainingGraph_->setAccessibleName(tr("Training progress graph"));
    NameForScreenReaders(testReport_, tr("Test report"), tr("Every test, newest first"));
    NameForScreenReaders(trainingReport_, tr("Training report"),
                         tr("Every training session and review, newest first"));
    for (const CommandId view : kViews) {
        View(view)->hide();
    }

    for (std::size_t index = 0; index < kButtons.size(); ++index) {
        const ButtonEntry& entry = kButtons[index];
        CPictureButton* button =
            MakeScreenButton(this, tr(entry.name), entry.id, entry.folder, entry.picture);
        if (button == nullptr) {
            return false;
        }
        if (entry.tooltip != nullptr) {
            button->setToolTip(tr(entry.tooltip));
        }
        connect(button, &CPictureButton::commandClicked, this, &CStudentProgressWnd::OnCommand);
        buttons_[index] = button;
    }
    // The view shown, the Training panel's buttons, the Testing panel's; Home last.
    SetTabChain({scoreGraph_, masteryGraph_, testReport_, trainingReport_, trainingGraph_, factMap_,
                 Button(kTrainingProgress), Button(kTrainingReport), Button(kFactMap),
                 Button(kMastery), Button(kCurrentProgress), Button(kReport), Button(kHome)});
    new ArrowKeyGroup({Button(kTrainingProgress), Button(kTrainingReport), Button(kFactMap),
                       Button(kMastery), Button(kCurrentProgress), Button(kReport)});
    return true;
}

void CStudentProgressWnd::ConfigureGraphs() {
    const QString face = QString::fromLatin1(kFace);
    CBasicLineGraph& scores = *scoreGraph_;
    scores.SetXLabelFont(labelTenths_, face);
    scores.SetYLabelFont(labelTenths_, face);
    scores.SetXTitle(CBasicLineGraph::tr("Tests"));
    scores.SetYTitle(CBasicLineGraph::tr("# Correct"));
    scores.SetStyle(CBasicLineGraph::kBars);
    scores.SetYScale(true);
    scores.SetXLabels(true);
    scores.ModifyFlags(CBasicLineGraph::kFrame, 0);
    scores.SetLabelMode(1);
    scores.SetMajorInterval(10);
    scores.SetMinorInterval(5);
    scores.SetMaximum(100);
    using enum GraphLegendEntry::Sample;
    scores.SetLegend({{Bar, GraphBarColour(kPassedBar), CBasicLineGraph::tr("passed")},
                      {Bar, GraphBarColour(kNotPassedBar), CBasicLineGraph::tr("not passed")}});
    scores.SetEmptyText(CBasicLineGraph::tr("No tests yet"));

    CMasteryGraph& mastery = *masteryGraph_;
    mastery.SetXLabelFont(labelTenths_, face);
    mastery.SetMaximum(15);
    mastery.SetXTitle(CBasicLineGraph::tr("Tests"));
    mastery.SetYTitle(CBasicLineGraph::tr("Progress"));
    mastery.SetXLabels(true);
    mastery.SetLabelMode(1);
    mastery.SetYScale(true);
    mastery.ModifyFlags(CBasicLineGraph::kFrame, 0);
    mastery.SetLegend({{Dot, kPassedText, CBasicLineGraph::tr("passed")},
                       {Dot, Qt::black, CBasicLineGraph::tr("not passed")}});
    mastery.SetEmptyText(CBasicLineGraph::tr("No tests yet"));
    testReport_->SetEmptyText(CBasicLineGraph::tr("No tests yet"));
    trainingReport_->SetEmptyText(CBasicLineGraph::tr("No training sessions yet"));

    ConfigureTrainingGraph(*trainingGraph_, labelTenths_);
}

void CStudentProgressWnd::PositionUIElements() {
    const int width = this->width();
    const int height = this->height();
    const int threeQuarters = static_cast<int>(0.75 * width);
    header_.Layout(width, threeQuarters - 2);
    const int viewTop = header_.Height() + 2;
    viewArea_ = {0, viewTop, width - 1, viewTop + static_cast<int>(0.6 * height)};
    for (const CommandId view : kViews) {
        View(view)->setGeometry(viewArea_.left + 3, viewArea_.top + 2, viewArea_.Width() - 5,
                                viewArea_.Height() - 4);
    }

    const int panelTop = viewArea_.bottom + 2;
    leftPanel_ = {0, panelTop, threeQuarters - 2, height};
    rightPanel_ = {threeQuarters, panelTop, width, height};
    CPictureButton* home = Button(kHome);
    const int buttonHeight = home->height();
    const int panelHeight = height - panelTop;
    const int firstRow = (panelHeight - 4 * buttonHeight) / 2 + panelTop;
    Button(kMastery)->move(threeQuarters, firstRow + buttonHeight);
    Button(kCurrentProgress)->move(threeQuarters, firstRow + 2 * buttonHeight);
    Button(kReport)->move(threeQuarters, firstRow + 3 * buttonHeight);
    Button(kTrainingProgress)->move(0, firstRow + buttonHeight);
    Button(kTrainingReport)->move(0, firstRow + 2 * buttonHeight);
    Button(kFactMap)->move(0, firstRow + 3 * buttonHeight);
    // Centred between a quarter and three quarters of the width, and in the panels' band.
    home->move((static_cast<int>(0.25 * width) + threeQuarters - home->width()) / 2,
               panelTop + (panelHeight - buttonHeight) / 2);
}

void CStudentProgressWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    platform::GdiDc dc(painter);
    dc.FillSolidRect(platform::GdiRect::FromQRect(rect()), kWindowGrey);
    header_.Draw(dc, GetCurrentStudent());
    dc.SelectPen({platform::PenStyle::Solid, 2, kFrame});
    dc.SelectBrush({.hollow = true});
    dc.Rectangle(viewArea_);
    DrawPanel(dc, leftPanel_, kPanel);
    DrawPanel(dc, rightPanel_, kPanel);

    dc.SelectFont(captionFont_);
    dc.SetBkMode(platform::BkMode::Transparent);
    const int top = leftPanel_.top + kCaptionGap;
    const int bottom = top + QFontMetrics(captionFont_).height();
    DrawCaption(dc, tr("Training"), kTrainingCaption,
                {0, top, static_cast<int>(0.25 * width()), bottom});
    DrawCaption(dc, tr("Testing"), kTestingCaption,
                {rightPanel_.left, top, rightPanel_.right, bottom});
}

void CStudentProgressWnd::OnCommand(int id) {
    if (id == kHome) {
        OnHome();
        return;
    }
    TraceNavigation(__LINE__);
    ShowView(ViewOfButton(id));
}

void CStudentProgressWnd::OnHome() {
    TraceNavigation(__LINE__);
    ReturnTo(opener_);
}

void CStudentProgressWnd::ShowView(CommandId view) {
    for (const CommandId other : kViews) {
        if (other != view) {
            View(other)->hide();
        }
    }
    switch (view) {
    case kCurrentProgressGraph:
        FillScoreGraph();
        scoreGraph_->Show();
        break;
    case kMasteryGraph:
        FillMasteryGraph();
        masteryGraph_->Show();
        break;
    case kTestReport:
        FillTestReport();
        testReport_->show();
        break;
    case kTrainingGraph:
        FillTrainingGraph(*trainingGraph_, GetCurrentStudent());
        trainingGraph_->Show();
        break;
    case kFactMapView:
        FillFactMap();
        factMap_->show();
        break;
    default:
        trainingReport_->show();
        break;
    }
}

void CStudentProgressWnd::FillScoreGraph() {
    scoreGraph_->SetRedraw(false);
    scoreGraph_->Clear();
    scoreGraph_->SetMaximum(100);
    const std::vector<SessionRecord> tests = Records(history::View::TestScores);
    QStringList spoken;
    for (const SessionRecord& test : tests) {
        scoreGraph_->AddPoint(history::DrawnCount(test.correctCount), 0,
                              history::IsPassed(test) ? kPassedBar : kNotPassedBar);
        spoken << ScoreSentence(static_cast<int>(spoken.size()) + 1, static_cast<int>(tests.size()),
                                test);
    }
    scoreGraph_->SetSpokenText(tr("The number right in each test at the current level."), spoken);
    scoreGraph_->SetRedraw(true);
}

void CStudentProgressWnd::FillMasteryGraph() {
    masteryGraph_->SetRedraw(false);
    masteryGraph_->Clear();
    masteryGraph_->SetMaximum(15);
    const std::vector<SessionRecord> tests = Records(history::View::Mastery);
    QStringList spoken;
    for (const SessionRecord& test : tests) {
        masteryGraph_->AddLevelPoint(test.level, test.testsPassedBefore,
                                     history::IsPassed(test) ? 1 : 0);
        spoken << MasterySentence(static_cast<int>(spoken.size()) + 1,
                                  static_cast<int>(tests.size()), test);
    }
    masteryGraph_->SetSpokenText(tr("The level reached by each test."), spoken);
    masteryGraph_->SetRedraw(true);
}

void CStudentProgressWnd::FillTestReport() {
    testReport_->setUpdatesEnabled(false);
    testReport_->clear();
    for (const history::TestReportRow& row :
         history::TestReportRows(history::History(GetCurrentStudent()), LanguageForms())) {
        testReport_->AddRow({QString::fromStdString(row.test), QString::fromStdString(row.date),
                             QString::fromStdString(row.level), QString::fromStdString(row.score),
                             QString::fromStdString(row.result)},
                            row.passed ? kPassedText : QColor(Qt::black));
    }
    // Four columns of a fifth each, the first of half that; the result takes the rest.
    const int fifth = testReport_->viewport()->width() / 5;
    testReport_->setColumnWidth(0, fifth / 2);
    for (int column = 1; column < 4; ++column) {
        testReport_->setColumnWidth(column, fifth);
    }
    testReport_->FillLastColumn();
    testReport_->setUpdatesEnabled(true);
}

void CStudentProgressWnd::FillTrainingReport() {
    trainingReport_->setUpdatesEnabled(false);
    trainingReport_->clear();
    const auto text = [](const std::string& cell) {
        return QString::fromStdString(cell);
    };
    for (const history::TrainingReportRow& row :
         history::TrainingReportRows(history::History(GetCurrentStudent()),
                                     history::kProgressDateSeparator, LanguageForms())) {
        trainingReport_->AddRow({text(row.session), text(row.date), text(row.level), text(row.goal),
                                 text(row.correct), text(row.problems), text(row.duration),
                                 text(row.complete), text(row.perMinute), text(row.remaining),
                                 text(row.cumulative)});
    }
    trainingReport_->FillLastColumn();
    trainingReport_->setUpdatesEnabled(true);
}

void CStudentProgressWnd::FillFactMap() {
    CStudent& student = GetCurrentStudent();
    factMap_->ShowStudent(student.GetLevel(), student.GetFluency(), student.GetMistakes());
}
