// How the testing window draws itself: the background, the header bar, the row of cards and the
// status box in its three forms.
#include "CTestingWnd.h"

#include "data/CStudent.h"
#include "gui/common/ScreenColours.h"
#include "gui/controls/ProblemCard.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

// White inside a 2-pixel frame.
void DrawWhiteBox(platform::GdiDc& dc, const platform::GdiRect& rect) {
    const platform::GdiPen oldPen = dc.SelectPen({.width = 2, .color = kFrameColour});
    const platform::GdiBrush oldBrush = dc.SelectBrush({.color = Qt::white});
    dc.Rectangle(rect);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
}

int Truncate(double value) {
    return static_cast<int>(value);
}

} // namespace

void CTestingWnd::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    platform::GdiDc dc(painter);
    EraseBackground(dc);
    const QRect dirty = event->rect();
    if (dirty.intersects(layout_.cardArea.ToQRect())) {
        DrawCardRow(dc);
    }
    if (dirty.intersects(header_.Rect().ToQRect())) {
        header_.Draw(dc, GetCurrentStudent());
    }
    if (dirty.intersects(layout_.statusBox.ToQRect())) {
        DrawStatusBox(dc);
    }
}

void CTestingWnd::EraseBackground(platform::GdiDc& dc) {
    dc.FillSolidRect(platform::GdiRect::FromQRect(rect()), kWindowColour);
    header_.DrawBackground(dc, GetCurrentStudent());
    DrawWhiteBox(dc, layout_.cardArea);
    DrawWhiteBox(dc, layout_.statusBox);
    dc.FillSolidRect(layout_.padArea, kPanelColour);
    dc.FillSolidRect(layout_.buttonArea, kPanelColour);
}

void CTestingWnd::DrawCardRow(platform::GdiDc& dc) {
    DrawWhiteBox(dc, layout_.cardArea);
    if (!running_) {
        return;
    }
    const int first = currentIndex_ - currentIndex_ % kCardsPerRow;
    for (int i = first; i < first + kCardsPerRow && i < test_.GetCount(); ++i) {
        DrawCard(dc, i);
    }
}

platform::GdiRect CTestingWnd::CardRect(int index) const {
    const QPoint place =
        CardPlace(layout_.cardArea, index, platform::GetBitmapSize(cardBackground_));
    return platform::GdiRect::FromQRect(QRect(place, platform::GetBitmapSize(cardBackground_)));
}

platform::GdiRect CTestingWnd::DrawCard(platform::GdiDc& dc, int index) {
    const platform::GdiRect card = CardRect(index);
    platform::DrawBitmap(dc, cardBackground_, card.left, card.top);
    platform::GdiRect answerBox;
    DrawProblem(test_.GetProblem(index), dc, cardFont_, card.ToQRect(), kTestProblemColour,
                kTestAnswerColour, answerBox);
    return answerBox;
}

// The card drawn where nothing shows: only the answer box it reports is wanted.
platform::GdiRect CTestingWnd::AnswerBoxOf(int index) {
    QImage nowhere(1, 1, QImage::Format_RGB32);
    QPainter painter(&nowhere);
    painter.setClipRect(QRect(0, 0, 0, 0));
    platform::GdiDc dc(painter);
    return DrawCard(dc, index);
}

void CTestingWnd::DrawStatusBox(platform::GdiDc& dc) {
    const QFont oldFont = dc.SelectFont(statusFont_);
    const platform::BkMode oldMode = dc.SetBkMode(platform::BkMode::Opaque);
    const QColor oldBackground = dc.SetBkColor(Qt::white);
    const QColor oldText = dc.SetTextColor(Qt::black);
    const platform::GdiRect& box = layout_.statusBox;
    // The status texts line up as if they were this wide.
    const QSize sample = dc.GetTextExtent(tr("Remaining: %1").arg(QStringLiteral("00")));
    const int textHeight = sample.height();
    const int x0 = Truncate((box.Width() - sample.width()) * 0.5 + box.left);
    const int iconX = x0 - platform::GetBitmapSize(remainingIcon_).width();
    if (remaining_ == -1) {
        platform::GdiRect inside{box.left + 2, box.top + 2, box.right - 2, box.bottom - 2};
        dc.DrawText(tr("Click Begin to start the test"), inside,
                    platform::dt::kCenter | platform::dt::kVCenter | platform::dt::kSingleLine);
    } else if (running_) {
        const int y = Truncate((box.Height() - textHeight) * 0.5 + box.top);
        dc.TextOut(x0, y, tr("Remaining: %1").arg(remaining_));
        platform::DrawBitmap(dc, remainingIcon_, iconX, Truncate(y - 0.4 * textHeight));
    } else {
        const int y = Truncate((box.Height() - 4 * textHeight) * 0.5 + box.top);
        const int missedY = y + 2 * textHeight;
        dc.TextOut(x0, y, tr("Correct: %1").arg(correct_) + QStringLiteral("   "));
        dc.TextOut(x0, missedY, tr("Missed: %1").arg(missed_) + QStringLiteral("   "));
        platform::DrawBitmap(dc, correctIcon_, iconX, Truncate(y - 0.4 * textHeight));
        platform::DrawBitmap(dc, missedIcon_, iconX, Truncate(missedY - 0.4 * textHeight));
    }
    dc.SetTextColor(oldText);
    dc.SetBkColor(oldBackground);
    dc.SetBkMode(oldMode);
    dc.SelectFont(oldFont);
}
