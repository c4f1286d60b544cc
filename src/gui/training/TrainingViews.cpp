// The two views of past sessions in CTrainingWnd's card area: the training sessions as a graph
// against their goals, and the report of every training session and review.
#include "CTrainingWnd.h"
#include "data/CStudent.h"
#include "data/SessionHistory.h"
#include "gui/common/LanguageForms.h"
#include "gui/common/TrainingSessionGraph.h"
#include "gui/controls/CBasicLineGraph.h"
#include "gui/controls/ReportList.h"
#include "platform/Logs.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/ProgramSound.h"

#include <QFontMetrics>
#include <array>

namespace {

// Within the screen's width from the card area's left edge, so that no column heading lies
// beyond the screen's edge where a screen reader would find it.
constexpr std::array<ReportList::Column, 12> kReportColumns{
    {{QT_TRANSLATE_NOOP("ReportList", "Session"), 40},
     {QT_TRANSLATE_NOOP("ReportList", "Date"), 70},
     {QT_TRANSLATE_NOOP("ReportList", "Level"), 80},
     {QT_TRANSLATE_NOOP("ReportList", "Goal"), 40},
     {QT_TRANSLATE_NOOP("ReportList", "Correct"), 50},
     {QT_TRANSLATE_NOOP("ReportList", "Problems"), 60},
     {QT_TRANSLATE_NOOP("ReportList", "Attempts"), 60},
     {QT_TRANSLATE_NOOP("ReportList", "Duration"), 70},
     {QT_TRANSLATE_NOOP("ReportList", "Complete"), 60},
     {QT_TRANSLATE_NOOP("ReportList", "Problems / Min"), 90},
     {QT_TRANSLATE_NOOP("ReportList", "Remaining"), 60},
     {QT_TRANSLATE_NOOP("ReportList", "Cumulative Time"), 100}}};

} // namespace

void CTrainingWnd::CreateViews() {
    graph_ = new CBasicLineGraph(this);
    graph_->setObjectName(QStringLiteral("CTrainingWndSessionGraph"));
    graph_->setAccessibleName(tr("Session graph"));
    ConfigureTrainingGraph(*graph_, GraphLabelTenths());
    graph_->Hide();
    // Twelve columns in their fixed widths: the lists' own small face, scrolled sideways.
    const QFont listFont = platform::MakeFont("MS Sans Serif", platform::PointsToPixels(8));
    const int rowHeight = static_cast<int>(1.75 * QFontMetrics(listFont).lineSpacing());
    report_ = new ReportList(this, kReportColumns, listFont, listFont, rowHeight);
    report_->setAccessibleName(tr("Training report"));
    report_->setAccessibleDescription(tr("Every training session and review, newest first"));
    report_->SetEmptyText(tr("No training sessions yet"));
    report_->hide();
}

void CTrainingWnd::OnViewSessionGraph() {
    TraceNavigation(__LINE__);
    report_->hide();
    ShowSessionGraph(true);
}

void CTrainingWnd::OnViewReport() {
    TraceNavigation(__LINE__);
    ShowSessionGraph(false);
    FillReport();
    report_->show();
}

void CTrainingWnd::ShowSessionGraph(bool show) {
    if (show) {
        FillTrainingGraph(*graph_, GetCurrentStudent());
        graph_->Show();
        return;
    }
    graph_->SetRedraw(false);
    graph_->Clear();
    graph_->SetMaximum(100);
    graph_->Hide();
}

void CTrainingWnd::FillReport() {
    report_->setUpdatesEnabled(false);
    report_->clear();
    for (const history::TrainingReportRow& row :
         history::TrainingReportRows(history::History(GetCurrentStudent()),
                                     history::kTrainingDateSeparator, LanguageForms())) {
        QStringList cells;
        for (const std::string* cell :
             {&row.session, &row.date, &row.level, &row.goal, &row.correct, &row.problems,
              &row.attempts, &row.duration, &row.complete, &row.perMinute, &row.remaining,
              &row.cumulative}) {
            cells << QString::fromStdString(*cell);
        }
        report_->AddRow(cells);
    }
    report_->setUpdatesEnabled(true);
}
