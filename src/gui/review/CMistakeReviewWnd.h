#pragma once

#include "ReviewLayout.h"
#include "gui/common/ActivityWindow.h"
#include "gui/common/CardSteps.h"
#include "gui/controls/BuddyAnimation.h"
#include "gui/controls/FlashCardDisplay.h"
#include "gui/controls/SpokenCard.h"

#include <QBasicTimer>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <cstdint>
#include <memory>

class CMistakeListCtl;
class CNumberPadCtl;
class CPictureButton;
class IHomeScreen;
class IPrinterSetup;
class SpokenText;

// Works off the signed-in student's mistake list: the first ten listed facts in turn as flash
// cards, two tries each with timed feedback. Three right first tries in a row take a fact off
// the list (the list keeps that count) and the frog buddy hops; when the list is empty the
// review ends by itself. A session runs from Begin to Home or the emptied list and is recorded
// in the student's history. Print Mistakes prints the list as a practice sheet.
//
// Opened over the hidden home screen, which it shows again when it closes; it deletes itself.
class CMistakeReviewWnd final : public ActivityWindow {
    Q_OBJECT
public:
    enum CommandId {
        kNumberPad = 2000,
        kBegin = 2002,
        kMistakeList = 2003,
        kPrintMistakes = 2004,
        kHome = 2005,
    };

    // How often the review's timer ticks while a review runs.
    static constexpr int kTimerPeriodMs = 10;

    explicit CMistakeReviewWnd(IHomeScreen& home);
    ~CMistakeReviewWnd() override;

    ReviewState State() const { return steps_.State(); }
    const Problem& CurrentProblem() const { return steps_.Card(); }
    CNumberPadCtl* NumberPad() const { return pad_; }
    CMistakeListCtl* MistakeList() const { return list_; }
    CPictureButton* Button(CommandId id) const;
    const ReviewLayout& Layout() const { return layout_; }
    // What a screen reader reads: the card being answered (shown only then) and the frog.
    const SpokenText& Card() const { return card_.Current(); }
    const SpokenText* Frog() const { return frog_; }
    // Where Print Mistakes lets the user choose the printer; the platform's print dialog unless
    // replaced.
    void SetPrinterSetup(std::unique_ptr<IPrinterSetup> setup);

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool CreateUIElements() override;
    void PositionUIElements() override;
    void OnCommand(int id);
    void OnHome() override;
    void ShowParentAndClose();

    // The session (MistakeReviewSession.cpp).
    void OnBegin();
    void OnAnswer(int answer);
    void OnTimer();
    // Tells the mistake list what the card's step brought and shows the new step.
    void FollowStep(const CardStepChange& change);
    void NextProblem();
    // Mistake `index` becomes the card on screen, waiting for its first try.
    void PresentMistake(int index);
    void EndSession();
    void WriteDebugAnswer() const;

    // Painting (MistakeReviewPaint.cpp).
    void EraseBackground(platform::GdiDc& dc);
    void DrawBuddy(platform::GdiDc& dc);
    void ShowBuddyFrame(int frame);
    void DrawFlashCard(platform::GdiDc& dc);
    void RedrawCard();
    // The card's step in words; once a right answer takes the fact off the list, also that the
    // frog hops and how many mistakes are left.
    QString CardInWords() const;
    // The frog in words: at the edge of the pond, on a lily pad, or across (`crossed`).
    void SayWhereTheFrogIs(bool crossed);

    QPointer<QWidget> parentWindow_;
    IHomeScreen& homeScreen_;
    ReviewLayout layout_;
    FeedbackPictures pictures_;
    QFont cardFont_;
    CNumberPadCtl* pad_ = nullptr;
    CMistakeListCtl* list_ = nullptr;
    CPictureButton* beginButton_ = nullptr;
    CPictureButton* printButton_ = nullptr;
    CPictureButton* homeButton_ = nullptr;
    SpokenText* frog_ = nullptr;
    std::unique_ptr<IPrinterSetup> printerSetup_;
    BuddyAnimation buddy_;
    int shownBuddyFrame_ = 0;
    QBasicTimer timer_;
    platform::GdiRect answerBox_;

    CardSteps steps_;
    SpokenCard card_{this};
    int listIndex_ = 0;
    std::uint32_t sessionStart_ = 0;
    std::int16_t itemsAtStart_ = 0;
    std::int16_t problemsCompleted_ = 0;
};
