#pragma once

#include "TrainingLayout.h"
#include "data/CTestData.h"
#include "data/MyFactsPlan.h"
#include "gui/common/ActivityWindow.h"
#include "gui/common/CardSteps.h"
#include "gui/controls/FlashCardDisplay.h"
#include "gui/controls/SpokenCard.h"

#include <QBasicTimer>
#include <QFont>
#include <QImage>
#include <array>
#include <cstdint>
#include <optional>

class CBasicLineGraph;
class CNumberPadCtl;
class CPictureButton;
class IHomeScreen;
class ReportList;
class SpokenText;
class QComboBox;
class QLabel;
class QLineEdit;

// Timed practice: the student picks a kind of fact, a length (1 or 4 minutes) and a goal of
// right answers, then answers one flash card at a time until the time is up. Each card has two
// tries with feedback pictures; a card left 15 s shows its answer. Wrong and unanswered cards go
// to the mistake list at once; the session is recorded with its goal when the time is up. The
// feedback pauses after an answer are not counted against the time. While no session runs, the
// card area can show the student's training sessions as a graph against their goals, or a report
// of every training session and review; the graph comes up by itself after each session.
//
// Opened by the home screen, which hides itself; the window covers the screen and deletes itself
// when it closes (Home, or a due review taking over). Leaving with Home drops a running session
// unrecorded.
class CTrainingWnd final : public ActivityWindow {
    Q_OBJECT
public:
    enum CommandId {
        kNumberPad = 2000,
        kBegin = 2002,
        kHome = 2003,
        kLengthList = 2005,
        kSessionGraph = 2006,
        kSessionReport = 2007,
        kViewSessionGraph = 2008,
        kViewReport = 2009,
        kKindTitle = 2010,
        kAdditionButton = 2012,
        kSubtractionButton = 2013,
        kMultiplicationButton = 2014,
        kDivisionButton = 2015,
        kMixedButton = 2016,
        kMyFactsButton = 2017,
        kGoalField = 2019,
    };

    // How often the session's timer ticks while a session runs.
    static constexpr int kTimerPeriodMs = 100;

    explicit CTrainingWnd(IHomeScreen& home);

    CNumberPadCtl* NumberPad() const { return pad_; }
    CPictureButton* Button(CommandId id) const;
    QLineEdit* GoalField() const { return goalField_; }
    QComboBox* LengthList() const { return lengthList_; }
    CBasicLineGraph* SessionGraph() const { return graph_; }
    ReportList* SessionReport() const { return report_; }
    const TrainingLayout& Layout() const { return layout_; }
    const SetupPanelLayout& SetupLayout() const { return setupLayout_; }

    // The kind of fact the next session practises and is recorded as (1 Addition … 5 Mixed); for
    // My Facts the student's level's.
    int Kind() const { return kind_; }
    // My Facts is chosen: the facts of the kind the student does not know yet come first.
    bool MyFactsChosen() const { return myFacts_; }
    // What the set-up says of a My Facts session; hidden while another kind is chosen.
    QLabel* MyFactsNote() const { return myFactsNote_; }
    int Goal() const { return goal_; }
    ReviewState State() const { return steps_.State(); }
    const Problem& CurrentProblem() const { return steps_.Card(); }
    int CurrentIndex() const { return index_; }
    const CTestData& Session() const { return session_; }
    // The card being answered as a screen reader meets it; shown only while there is one.
    const SpokenText& Card() const { return card_.Current(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool CreateUIElements() override;
    // False when a control could not be made.
    bool CreateSetupControls();
    void PositionUIElements() override;
    void PositionSetupControls();

    void OnCommand(int id);
    void OnKind(int id);
    void OnGoalChanged();
    void OnHome() override;
    void EnableSetup(bool enable);
    void CloseWindow();
    // Where a due review takes over: says so, closes this window and opens the review.
    void HandOverToReview();

    // The session (TrainingSession.cpp).
    void OnBegin();
    bool StartSession();
    void OnAnswer(int answer);
    void OnTimer();
    // Tells the mistake list what the card's step brought, gives back the pauses that do not
    // count against the time, and shows the new step.
    void FollowStep(const CardStepChange& change);
    void NextCard();
    void PresentCard();
    void EndSession();
    // The session's first problems, planned or loaded; false when there are none.
    bool FillSession(int fileNumber);
    void WriteDebugAnswers() const;

    // My Facts (TrainingMyFacts.cpp).
    void CreateMyFactsNote();
    // Says what a My Facts session of the student would be, while My Facts is chosen in set-up.
    void UpdateMyFactsNote();
    // Plans the session; false when the student's records give nothing to plan on.
    bool PlanMyFactsSession();
    // The planned card after `index_`, in the place the session keeps it in.
    void TakePlannedCard();

    // The views of past sessions (TrainingViews.cpp).
    void CreateViews();
    void OnViewSessionGraph();
    void OnViewReport();
    // Fills and shows the graph, or empties and hides it.
    void ShowSessionGraph(bool show);
    void FillReport();

    // Painting (TrainingPaint.cpp).
    void EraseBackground(platform::GdiDc& dc);
    void DrawFlashCard(platform::GdiDc& dc);
    void RedrawCard();

    IHomeScreen& homeScreen_;
    TrainingLayout layout_;
    SetupPanelLayout setupLayout_;
    FeedbackPictures pictures_;
    QFont setupFont_;
    QFont cardFont_;
    CNumberPadCtl* pad_ = nullptr;
    CPictureButton* beginButton_ = nullptr;
    CPictureButton* homeButton_ = nullptr;
    CPictureButton* viewGraphButton_ = nullptr;
    CPictureButton* viewReportButton_ = nullptr;
    // Addition … Mixed, My Facts.
    std::array<CPictureButton*, 6> kindButtons_{};
    QLabel* kindTitle_ = nullptr;
    QLabel* lengthText_ = nullptr;
    QLabel* minutesLabel_ = nullptr;
    QLabel* goalText_ = nullptr;
    QComboBox* lengthList_ = nullptr;
    QLineEdit* goalField_ = nullptr;
    QLabel* myFactsNote_ = nullptr;
    CBasicLineGraph* graph_ = nullptr;
    ReportList* report_ = nullptr;
    QBasicTimer timer_;

    int kind_ = 1;
    bool myFacts_ = false;
    // The running My Facts session's plan; none for any other session.
    std::optional<data::MyFactsPlan> plan_;
    int goal_ = 0;
    CardSteps steps_;
    SpokenCard card_{this};
    CTestData session_;
    int index_ = 0;
    std::uint32_t sessionStart_ = 0;
    std::uint32_t duration_ = 0;
};
