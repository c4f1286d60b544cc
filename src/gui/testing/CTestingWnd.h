#pragma once

#include "TestingLayout.h"
#include "data/CTestData.h"
#include "gui/common/ActivityWindow.h"
#include "gui/controls/SpokenCard.h"

#include <QBasicTimer>
#include <QFont>
#include <QImage>
#include <cstdint>
#include <optional>

class CNumberPadCtl;
class CPictureButton;
class IHomeScreen;
class SpokenText;

// The timed flash-card test of the signed-in student's level: one file of facts, seven cards to
// a row, one answer per card on the number pad, and at the end the counts of correct and missed
// answers. Every answer goes to the student's mistake list when it is given; the test is recorded
// when it ends, by its last answer or by the time limit. Leaving with Home drops a test in
// progress unrecorded.
//
// Opened by the home screen, which hides itself; the window covers the screen and deletes itself
// when it closes (Home, or a due review taking over at Begin).
class CTestingWnd final : public ActivityWindow {
    Q_OBJECT
public:
    enum CommandId { kNumberPad = 2000, kBegin = 2002, kHome = 2003 };

    // How often the test's timer looks at the time limit while a test runs.
    static constexpr int kTimerPeriodMs = 100;

    explicit CTestingWnd(IHomeScreen& home);

    CNumberPadCtl* NumberPad() const { return pad_; }
    CPictureButton* Button(CommandId id) const { return id == kBegin ? beginButton_ : homeButton_; }
    const TestingLayout& Layout() const { return layout_; }
    const CTestData& Test() const { return test_; }
    bool IsRunning() const { return running_; }
    int CurrentIndex() const { return currentIndex_; }
    // −1 until the first Begin.
    int Remaining() const { return remaining_; }
    int Correct() const { return correct_; }
    int Missed() const { return missed_; }
    // What a screen reader reads: the card being answered (shown only then) and the status box.
    const SpokenText& Card() const { return card_.Current(); }
    const SpokenText* Status() const { return status_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool CreateUIElements() override;
    void PositionUIElements() override;

    void OnCommand(int id);
    void OnBegin();
    void OnAnswer(int answer);
    void OnHome() override;
    bool LoadTest();
    void RecordDebugTest(int unanswered);
    void StartAnswering();
    void FinishTest();
    // The pad's layout for problem `index` (digits and Enter for a multiplication), the answer
    // display over that card's answer box, cleared.
    void PreparePadFor(int index);
    void WriteDebugAnswers() const;
    void CloseWindow();
    // The status box in words, as it shows now.
    QString StatusText() const;
    void SayStatus();

    // Painting (CTestingWndPaint.cpp).
    void EraseBackground(platform::GdiDc& dc);
    void DrawCardRow(platform::GdiDc& dc);
    // Returns where the card's answer stands.
    platform::GdiRect DrawCard(platform::GdiDc& dc, int index);
    platform::GdiRect CardRect(int index) const;
    platform::GdiRect AnswerBoxOf(int index);
    void DrawStatusBox(platform::GdiDc& dc);

    IHomeScreen& homeScreen_;
    TestingLayout layout_;
    QImage correctIcon_;
    QImage missedIcon_;
    QImage remainingIcon_;
    QImage cardBackground_;
    QFont cardFont_;
    QFont statusFont_;
    CNumberPadCtl* pad_ = nullptr;
    CPictureButton* beginButton_ = nullptr;
    CPictureButton* homeButton_ = nullptr;
    SpokenCard card_{this};
    SpokenText* status_ = nullptr;
    QBasicTimer timer_;

    CTestData test_;
    bool running_ = false;
    int currentIndex_ = 0;
    int missed_ = 0;
    int correct_ = 0;
    int remaining_ = -1;
    // The last test ended passed; known once it is recorded.
    std::optional<bool> passed_;
    std::uint32_t startTime_ = 0;
    // When the current card became ready for input; its response time counts from here.
    std::uint32_t cardReadyTime_ = 0;
    std::uint32_t timeLimit_ = 0;
};
