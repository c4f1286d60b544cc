// What CTrainingWnd draws: its panels and blocks, the header bar and the flash card, and the card
// as a screen reader says it.
#include "CTrainingWnd.h"
#include "data/CStudent.h"
#include "gui/common/ScreenColours.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/ProblemCard.h"
#include "gui/controls/SpokenText.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QPaintEvent>
#include <QPainter>

void CTrainingWnd::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    platform::GdiDc dc(painter);
    EraseBackground(dc);
    if (event->rect().intersects(layout_.cardArea.ToQRect())) {
        DrawFlashCard(dc);
    }
    if (event->rect().intersects(header_.Rect().ToQRect())) {
        header_.Draw(dc, GetCurrentStudent());
    }
}

void CTrainingWnd::EraseBackground(platform::GdiDc& dc) {
    dc.FillSolidRect(platform::GdiRect::FromQRect(rect()), kWindowColour);
    header_.DrawBackground(dc, GetCurrentStudent());
    dc.SelectPen({platform::PenStyle::Solid, 2, kFrameColour});
    dc.SelectBrush({.color = Qt::white});
    dc.Rectangle(layout_.cardArea);
    dc.SelectBrush({.color = kPanelColour});
    dc.Rectangle(layout_.setupPanel);
    for (const platform::GdiRect& block : setupLayout_.blocks) {
        dc.FillSolidRect(block, kSetupBlockColour);
    }
    dc.FillSolidRect(layout_.padArea, kPanelColour);
    dc.FillSolidRect(layout_.buttonArea, kPanelColour);
}

void CTrainingWnd::RedrawCard() {
    repaint(layout_.cardArea.ToQRect());
    card_.Say(SpokenCardStep(steps_.State(), steps_.Card()));
}

void CTrainingWnd::DrawFlashCard(platform::GdiDc& dc) {
    const platform::GdiRect& area = layout_.cardArea;
    dc.FillSolidRect({area.left + 2, area.top + 2, area.right - 2, area.bottom - 2}, Qt::white);
    const ReviewState state = steps_.State();
    const QImage& cardBackground = pictures_.CardBackground();
    const QPoint cardPlace = layout_.cardPlace;
    const QSize cardSize = platform::GetBitmapSize(cardBackground);
    if (state != ReviewState::Idle) {
        platform::DrawBitmap(dc, cardBackground, cardPlace.x(), cardPlace.y());
        // The feedback stands above the card, centred over it.
        const QImage& feedback = pictures_.For(state);
        const QSize feedbackSize = platform::GetBitmapSize(feedback);
        platform::DrawBitmap(
            dc, feedback, cardPlace.x() + (cardSize.width() - feedbackSize.width()) / 2,
            static_cast<int>((cardPlace.y() - area.top - feedbackSize.height() - 2) * 0.5) +
                area.top);
    }
    platform::GdiRect answerBox;
    DrawProblem(steps_.Card(), dc, cardFont_, QRect(cardPlace, cardSize), Qt::black,
                AnswerColour(state), answerBox);
    SyncAnswerDisplay(*pad_, state,
                      {answerBox.left, answerBox.top + 2, answerBox.right, answerBox.bottom + 2});
}
