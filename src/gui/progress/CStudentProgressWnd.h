#pragma once

#include "gui/common/ActivityWindow.h"

#include <QFont>
#include <QPointer>
#include <array>

class CBasicLineGraph;
class CMasteryGraph;
class FactMapView;
class CPictureButton;
class ReportList;

// The current student's history in six views, one shown at a time: the test scores, the way
// through the levels (shown first), the report of every test, the report of every training
// session and review, the training sessions against their goals, and the map of which facts are
// known by heart. It reads the records and never changes them.
//
// Opened over a hidden window (the home screen or the teacher window), which it shows again when
// Home closes it; it deletes itself.
class CStudentProgressWnd final : public ActivityWindow {
    Q_OBJECT
public:
    enum CommandId {
        kCurrentProgress = 2003,
        kMastery = 2004,
        kReport = 2005,
        kTrainingReport = 2006,
        kTrainingProgress = 2007,
        kCurrentProgressGraph = 2008,
        kMasteryGraph = 2009,
        kTestReport = 2010,
        kTrainingReportList = 2011,
        kTrainingGraph = 2012,
        kHome = 2013,
        kFactMap = 2014,
        kFactMapView = 2015,
    };

    // `opener` is shown again when the window closes; it may be none.
    explicit CStudentProgressWnd(QWidget* opener);

    CPictureButton* Button(CommandId id) const;
    // The view with this id (kCurrentProgressGraph … kTrainingGraph, kFactMapView).
    QWidget* View(CommandId id) const;
    // The view that the button `button` shows.
    static CommandId ViewOfButton(int button);
    CBasicLineGraph* ScoreGraph() const { return scoreGraph_; }
    CMasteryGraph* MasteryGraph() const { return masteryGraph_; }
    CBasicLineGraph* TrainingGraph() const { return trainingGraph_; }
    ReportList* TestReport() const { return testReport_; }
    ReportList* TrainingReport() const { return trainingReport_; }
    FactMapView* FactMap() const { return factMap_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool CreateUIElements() override;
    void ConfigureGraphs();
    void PositionUIElements() override;
    void OnCommand(int id);
    void OnHome() override;
    // Hides every other view, fills `view` afresh (the training report stays as it was filled at
    // creation) and shows it.
    void ShowView(CommandId view);
    void FillScoreGraph();
    void FillMasteryGraph();
    void FillTestReport();
    void FillTrainingReport();
    void FillFactMap();

    QPointer<QWidget> opener_;
    QFont baseFont_;
    QFont testHeaderFont_;
    QFont captionFont_;
    int labelTenths_ = 0;
    CBasicLineGraph* scoreGraph_ = nullptr;
    CMasteryGraph* masteryGraph_ = nullptr;
    ReportList* testReport_ = nullptr;
    ReportList* trainingReport_ = nullptr;
    CBasicLineGraph* trainingGraph_ = nullptr;
    FactMapView* factMap_ = nullptr;
    // Home, Mastery, Current Progress, Report, Training Report, Training Progress, Fact Map.
    std::array<CPictureButton*, 7> buttons_{};
    platform::GdiRect viewArea_;
    platform::GdiRect leftPanel_;
    platform::GdiRect rightPanel_;
};
