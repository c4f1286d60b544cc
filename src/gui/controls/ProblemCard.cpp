#include "ProblemCard.h"

#include "FactText.h"

#include <algorithm>

namespace {

// The card's three texts and where each goes; rectangles are laid out from the origin and then
// moved as one block.
struct CardLayout {
    QString texts[3];
    platform::GdiRect boxes[3];
    int ruleY = 0; // from the right to the left end of boxes[ruleBox]
    int ruleBox = 0;
    bool answerDrawn = true;
};

constexpr int kFirst = 0;
constexpr int kSecond = 1;
constexpr int kAnswer = 2;

QString AnswerText(const Problem& problem) {
    return problem.enteredAnswer == kNoValue ? QStringLiteral(" ")
                                             : QString::number(problem.enteredAnswer);
}

platform::GdiRect Extent(platform::GdiDc& dc, const QString& text) {
    const QSize size = dc.GetTextExtent(text);
    return {0, 0, size.width(), size.height()};
}

platform::GdiRect Moved(platform::GdiRect box, int dx, int dy) {
    return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

// a over "op b", answer below, all as wide and high as the second row.
CardLayout ColumnLayout(platform::GdiDc& dc, const Problem& problem) {
    CardLayout layout;
    layout.texts[kFirst] = QString::number(problem.firstOperand);
    layout.texts[kSecond] =
        OperatorSign(problem.operation) + " " + QString::number(problem.secondOperand);
    layout.texts[kAnswer] = AnswerText(problem);
    const platform::GdiRect row = Extent(dc, layout.texts[kSecond]);
    for (int index : {kFirst, kSecond, kAnswer}) {
        layout.boxes[index] = Moved(row, 0, index * row.Height());
    }
    layout.ruleBox = kSecond;
    layout.ruleY = layout.boxes[kAnswer].top;
    layout.answerDrawn = problem.enteredAnswer != kNoValue;
    return layout;
}

// ")a" with b left of the bracket and the quotient over the dividend's top fifth.
CardLayout DivisionLayout(platform::GdiDc& dc, const Problem& problem) {
    CardLayout layout;
    layout.texts[kFirst] = ")" + QString::number(problem.firstOperand);
    layout.texts[kSecond] = QString::number(problem.secondOperand);
    layout.texts[kAnswer] = AnswerText(problem);
    const platform::GdiRect dividend = Extent(dc, layout.texts[kFirst]);
    const platform::GdiRect divisor = Extent(dc, layout.texts[kSecond]);
    const int quotientHeight = Extent(dc, layout.texts[kAnswer]).Height();
    const int barY = static_cast<int>(0.2 * dividend.Height());
    layout.boxes[kFirst] = dividend;
    layout.boxes[kSecond] = Moved(divisor, -divisor.Width(), 0);
    layout.boxes[kAnswer] = {0, barY - quotientHeight, dividend.right, barY};
    layout.ruleBox = kFirst;
    layout.ruleY = barY;
    return layout;
}

// Moves the block so it is centred in the target; an odd spare pixel goes left or on top.
void Centre(CardLayout& layout, const QRect& target) {
    platform::GdiRect block = layout.boxes[0];
    for (const platform::GdiRect& box : layout.boxes) {
        block = {std::min(block.left, box.left), std::min(block.top, box.top),
                 std::max(block.right, box.right), std::max(block.bottom, box.bottom)};
    }
    const int dx = target.x() + target.width() - (target.width() - block.Width()) / 2 - block.right;
    const int dy =
        target.y() + target.height() - (target.height() - block.Height()) / 2 - block.bottom;
    for (platform::GdiRect& box : layout.boxes) {
        box = Moved(box, dx, dy);
    }
    layout.ruleY += dy;
}

void DrawRightAligned(platform::GdiDc& dc, const QString& text, platform::GdiRect box,
                      const QColor& colour) {
    dc.SetTextColor(colour);
    // Not clipped: a first operand a little wider than the row below must not lose a digit.
    dc.DrawText(text, box,
                platform::dt::kRight | platform::dt::kSingleLine | platform::dt::kNoClip);
}

} // namespace

void DrawProblem(const Problem& problem, platform::GdiDc& dc, const QFont& font,
                 const QRect& target, const QColor& problemColour, const QColor& answerColour,
                 platform::GdiRect& answerBox) {
    dc.SetBkMode(platform::BkMode::Transparent);
    const QColor previousColour = dc.TextColor();
    const QFont previousFont = dc.SelectFont(font);
    const platform::GdiPen previousPen =
        dc.SelectPen({platform::PenStyle::Solid, 2, problemColour});

    if (problem.secondOperand != kNoValue) {
        CardLayout layout = problem.operation == kDividedBy ? DivisionLayout(dc, problem)
                                                            : ColumnLayout(dc, problem);
        Centre(layout, target);
        DrawRightAligned(dc, layout.texts[kFirst], layout.boxes[kFirst], problemColour);
        DrawRightAligned(dc, layout.texts[kSecond], layout.boxes[kSecond], problemColour);
        if (layout.answerDrawn) {
            DrawRightAligned(dc, layout.texts[kAnswer], layout.boxes[kAnswer], answerColour);
        }
        const platform::GdiRect& ruled = layout.boxes[layout.ruleBox];
        dc.MoveTo(ruled.right, layout.ruleY);
        dc.LineTo(ruled.left, layout.ruleY);
        answerBox = layout.boxes[kAnswer];
    }

    dc.SetTextColor(previousColour);
    dc.SelectFont(previousFont);
    dc.SelectPen(previousPen);
}
