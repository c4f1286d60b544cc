// What CMistakeReviewWnd draws: its panels, the header bar, the frog and the flash card; and the
// card and the frog as a screen reader says them.
#include "CMistakeReviewWnd.h"
#include "data/CStudent.h"
#include "gui/common/CentreIn.h"
#include "gui/common/ScreenColours.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/ProblemCard.h"
#include "gui/controls/SpokenText.h"
#include "platform/CommandLine.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QPaintEvent>
#include <QPainter>

void CMistakeReviewWnd::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    platform::GdiDc dc(painter);
    EraseBackground(dc);
    header_.Draw(dc, GetCurrentStudent());
    if (event->rect().intersects(layout_.buddyArea.ToQRect())) {
        DrawBuddy(dc);
    }
    if (event->rect().intersects(layout_.cardArea.ToQRect())) {
        DrawFlashCard(dc);
    }
}

void CMistakeReviewWnd::EraseBackground(platform::GdiDc& dc) {
    dc.FillSolidRect(platform::GdiRect::FromQRect(rect()), kWindowColour);
    dc.SelectPen({platform::PenStyle::Solid, 2, kFrameColour});
    dc.SelectBrush({.hollow = true});
    dc.Rectangle(layout_.buddyArea);
    dc.Rectangle(layout_.listFrame);
    dc.SelectBrush({.hollow = false, .color = Qt::white});
    dc.Rectangle(layout_.cardArea);
    dc.FillSolidRect(layout_.padArea, kPanelColour);
    dc.FillSolidRect(layout_.buttonArea, kPanelColour);
}

void CMistakeReviewWnd::ShowBuddyFrame(int frame) {
    shownBuddyFrame_ = frame;
    repaint(layout_.buddyArea.ToQRect());
}

void CMistakeReviewWnd::DrawBuddy(platform::GdiDc& dc) {
    if (!buddy_.IsRunning()) {
        shownBuddyFrame_ = buddy_.RestingFrame();
    }
    if (shownBuddyFrame_ > 0) {
        const QImage frame = platform::LoadScreenBitmap(
            "Review\\Buddy", QString::asprintf("frog%04d", shownBuddyFrame_).toStdString());
        platform::DrawBitmap(dc, frame, layout_.buddyArea.left + 2, layout_.buddyArea.top + 1);
    }
}

void CMistakeReviewWnd::RedrawCard() {
    repaint(layout_.cardArea.ToQRect());
    card_.Say(CardInWords());
}

QString CMistakeReviewWnd::CardInWords() const {
    QStringList sentences{SpokenCardStep(steps_.State(), steps_.Card())};
    CStudent& student = GetCurrentStudent();
    if (steps_.State() == ReviewState::Correct && !student.IsMistake(steps_.Card())) {
        sentences << (frog_->isHidden() ? tr("That fact is off your list.")
                                        : tr("That fact is off your list, and the frog hops."));
        const int left = student.GetMistakeCount();
        sentences << (left == 0   ? tr("No mistakes are left.")
                      : left == 1 ? tr("1 mistake is left.")
                                  : tr("%1 mistakes are left.").arg(left));
    }
    return sentences.join(QLatin1Char(' '));
}

void CMistakeReviewWnd::SayWhereTheFrogIs(bool crossed) {
    const int pad = (BuddyFrameCounter() - 1) / BuddyAnimation::kFramesPerHop;
    const int pads = BuddyAnimation::kLastFrame / BuddyAnimation::kFramesPerHop;
    if (crossed || pad >= pads) {
        frog_->Say(tr("The frog has crossed the pond."));
    } else if (pad == 0) {
        frog_->Say(tr("The frog waits at the edge of the pond."));
    } else {
        frog_->Say(tr("The frog is on lily pad %1 of %2.").arg(pad).arg(pads));
    }
}

void CMistakeReviewWnd::DrawFlashCard(platform::GdiDc& dc) {
    const platform::GdiRect& area = layout_.cardArea;
    dc.FillSolidRect({area.left + 2, area.top + 2, area.right - 2, area.bottom - 2}, Qt::white);
    const ReviewState state = steps_.State();
    const QImage& cardBackground = pictures_.CardBackground();
    const QSize cardSize = platform::GetBitmapSize(cardBackground);
    const QPoint cardPlace = CentreIn(area, cardSize);
    if (state != ReviewState::Idle) {
        platform::DrawBitmap(dc, cardBackground, cardPlace.x(), cardPlace.y());
    }
    // The feedback stands in the gap left of the card.
    const QImage& feedback = pictures_.For(state);
    const platform::GdiRect gap{area.left, area.top, cardPlace.x(), area.bottom};
    const QPoint feedbackPlace = CentreIn(gap, platform::GetBitmapSize(feedback));
    platform::DrawBitmap(dc, feedback, feedbackPlace.x(), feedbackPlace.y());

    DrawProblem(steps_.Card(), dc, cardFont_, QRect(cardPlace, cardSize), Qt::black,
                AnswerColour(state), answerBox_);
    SyncAnswerDisplay(*pad_, state, AroundAnswerBox(answerBox_));
}
