#include "TrainingSessionGraph.h"

#include "data/CStudent.h"
#include "data/SessionHistory.h"
#include "gui/controls/CBasicLineGraph.h"
#include "platform/Display.h"
#include "platform/Logs.h"

int GraphLabelTenths() {
    const int width = platform::GetScreenSize().width;
    return width == 640 || width == 800 ? 84 : 105;
}

void ConfigureTrainingGraph(CBasicLineGraph& graph, int labelTenths) {
    const QString face = QStringLiteral("Book Antiqua");
    graph.Clear();
    graph.SetXTitle(CBasicLineGraph::tr("Sessions"));
    graph.SetYTitle(CBasicLineGraph::tr("# Correct"));
    graph.SetXLabelFont(labelTenths, face);
    graph.SetYLabelFont(labelTenths, face);
    graph.SetXLabels(true);
    graph.SetYScale(true);
    graph.SetLabelMode(1);
    graph.SetMinorInterval(5);
    graph.SetGrid(true);
    graph.ModifyFlags(CBasicLineGraph::kFrame | CBasicLineGraph::kScrollButtons |
                          CBasicLineGraph::kMarksAndGoal,
                      0);
    graph.SetStyle(CBasicLineGraph::kBars);
    using enum GraphLegendEntry::Sample;
    graph.SetLegend(
        {{Bar, GraphBarColour(history::kOneMinuteTrainingBar), CBasicLineGraph::tr("1 minute")},
         {Bar, GraphBarColour(history::kLongerTrainingBar), CBasicLineGraph::tr("4 minutes")},
         {Mark, GraphBarColour(history::kOneMinuteTrainingBar), CBasicLineGraph::tr("goal")},
         {GoalLine, Qt::black, CBasicLineGraph::tr("current goal")}});
    graph.SetEmptyText(CBasicLineGraph::tr("No training sessions yet"));
}

void FillTrainingGraph(CBasicLineGraph& graph, const CStudent& student) {
    graph.SetRedraw(false);
    graph.Clear();
    graph.SetMaximum(100);
    const std::vector<SessionRecord> sessions =
        history::RecordsFor(history::View::TrainingProgress, history::History(student));
    QStringList spoken;
    for (const SessionRecord& training : sessions) {
        graph.AddPoint(history::DrawnCount(training.correctCount),
                       history::DrawnCount(training.goal), history::TrainingBarCategory(training));
        spoken << CBasicLineGraph::tr("Session %1 of %2: %3 correct, goal %4, %5.")
                      .arg(spoken.size() + 1)
                      .arg(sessions.size())
                      .arg(history::ShownCount(training.correctCount))
                      .arg(history::ShownCount(training.goal))
                      .arg(QString::fromStdString(history::DurationText(training.duration)));
    }
    graph.SetSpokenText(
        CBasicLineGraph::tr("Right answers in each training session, against its goal."), spoken);
    graph.SetRedraw(true);
}

void LogValuesShownWithinLimits(const char* source, const CStudent& student) {
    const std::string clamped = history::ClampedValuesText(history::History(student));
    if (!clamped.empty()) {
        platform::WriteErrorLog(source, __LINE__,
                                "Values the program never records, shown within limits for " +
                                    student.GetName() + ": " + clamped);
    }
}
