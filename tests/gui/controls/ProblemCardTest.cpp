#include "gui/controls/ProblemCard.h"
#include "StudentSupport.h"
#include "platform/qt/Fonts.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using platform::GdiRect;

namespace {

const QColor kInk(0, 0, 160);
const QColor kAnswerInk(200, 0, 0);

// "a op b", unanswered unless `entered` is given.
Problem Fact(int a, char op, int b, int entered = kNoValue) {
    Problem problem = guitest::Mistake(a, op, b);
    problem.enteredAnswer = static_cast<std::int16_t>(entered);
    return problem;
}

// Draws one card into a white 300 x 300 image and keeps what it reported.
class ProblemCardTest : public testing::Test {
protected:
    ProblemCardTest() : image(300, 300, QImage::Format_RGB32) { image.fill(Qt::white); }

    GdiRect Draw(const Problem& problem, const QRect& target = QRect(50, 40, 200, 220)) {
        GdiRect box{-1, -1, -1, -1};
        QPainter painter(&image);
        platform::GdiDc dc(painter);
        DrawProblem(problem, dc, font, target, kInk, kAnswerInk, box);
        return box;
    }

    QSize Extent(const QString& text) {
        QPainter painter(&image);
        platform::GdiDc dc(painter);
        dc.SelectFont(font);
        return dc.GetTextExtent(text);
    }

    // Bounding box of the pixels inside `area` that are near `colour`.
    QRect InkIn(const QRect& area, const QColor& colour = kInk) const {
        const QRect inside = area & image.rect();
        QRect box;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                const int distance = std::abs(pixel.red() - colour.red()) +
                                     std::abs(pixel.green() - colour.green()) +
                                     std::abs(pixel.blue() - colour.blue());
                box |= distance < 120 ? QRect(x, y, 1, 1) : QRect();
            }
        }
        return box;
    }

    // How many of the pixels of row y between left and right (exclusive) carry ink.
    int InkedInRow(int y, int left, int right) const {
        int count = 0;
        for (int x = left; x < right; ++x) {
            count += image.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
        }
        return count;
    }

    QFont font = platform::MakeFont("Symbol", platform::PointsToPixels(28));
    QImage image;
};

} // namespace

TEST_F(ProblemCardTest, MultiplicationStandsInOneRightAlignedColumn) {
    const QSize row = Extent(QString::fromUtf8("\u00D7 7"));
    const GdiRect box = Draw(Fact(6, 'x', 7));

    // The answer box is the third row of a block as wide as "× 7".
    EXPECT_EQ(QSize(box.Width(), box.Height()), row);
    const int left = box.left;
    const int top = box.top - 2 * row.height();

    const QRect six = InkIn(QRect(left, top, row.width(), row.height()));
    const QRect secondRow = InkIn(QRect(left, top + row.height(), row.width(), row.height() - 2));
    const QRect seven = InkIn(
        QRect(secondRow.right() - six.width(), top + row.height(), six.width(), row.height() - 2));
    ASSERT_FALSE(six.isEmpty());
    EXPECT_NEAR(six.right(), seven.right(), 2) << "6 stands right-aligned above the 7";
    EXPECT_GT(six.left(), secondRow.left() + row.width() / 3) << "the sign lies left of the 6";
    EXPECT_TRUE(InkIn(QRect(0, top + 2 * row.height() + 2, 300, 300)).isEmpty())
        << "no answer row without an answer";
}

TEST_F(ProblemCardTest, AdditionShowsTheRuleOverTheAnswerBoxAndTheAnswerOnlyOnceGiven) {
    const QSize row = Extent("+ 5");
    const GdiRect box = Draw(Fact(3, '+', 5));

    EXPECT_EQ(box.Width(), row.width());
    EXPECT_EQ(box.Height(), row.height());
    // The 2-pixel rule lies on the answer box's top edge, across the whole row.
    const int ruleRow = InkedInRow(box.top, box.left, box.right) > 0 ? box.top : box.top - 1;
    EXPECT_GE(InkedInRow(ruleRow, box.left, box.right), row.width() - 2);
    EXPECT_EQ(InkIn(QRect(box.left, box.top + 2, box.Width(), 300)), QRect()) << "row three";
    const QRect rowsAbove(box.left, box.top - 2 * row.height(), box.Width(), 2 * row.height() - 2);
    EXPECT_FALSE(InkIn(rowsAbove).isEmpty());

    // Answered, the same card writes the answer right-aligned in that box, in its own colour.
    EXPECT_EQ(Draw(Fact(3, '+', 5, 8)), box);
    const QRect answer = InkIn(QRect(0, 0, 300, 300), kAnswerInk);
    EXPECT_TRUE(box.ToQRect().contains(answer));
    EXPECT_NEAR(answer.right(), box.right - 1, 4);
}

TEST_F(ProblemCardTest, LongDivisionPutsTheDivisorLeftOfTheBracketAndTheQuotientAbove) {
    const QSize dividend = Extent(")56");
    const QSize divisor = Extent("8");
    const GdiRect box = Draw(Fact(56, '/', 8, 7));

    // The quotient's box spans the bracket and 56 and ends a fifth of the way down them.
    EXPECT_EQ(box.Width(), dividend.width());
    const int dividendTop = box.bottom - static_cast<int>(0.2 * dividend.height());
    const QRect dividendRect(box.left, dividendTop, dividend.width(), dividend.height());
    const int bar = InkedInRow(box.bottom, box.left, box.right) > 0 ? box.bottom : box.bottom - 1;
    EXPECT_GE(InkedInRow(bar, box.left, box.right), dividend.width() - 2) << "the bracket's bar";

    const QRect divisorInk =
        InkIn(QRect(box.left - divisor.width(), dividendTop, divisor.width(), dividend.height()));
    EXPECT_FALSE(divisorInk.isEmpty());
    EXPECT_TRUE(InkIn(QRect(0, 0, box.left - divisor.width() - 1, 300)).isEmpty())
        << "nothing further left than the divisor";
    const QRect quotient = InkIn(QRect(0, 0, 300, 300), kAnswerInk);
    EXPECT_TRUE(box.ToQRect().contains(quotient));
    EXPECT_LT(quotient.top(), dividendRect.top() + 2) << "the quotient stands above 56";
}

TEST_F(ProblemCardTest, BlockIsCentredWithTheOddPixelLeftEvenWhenItOverhangs) {
    const int width = Extent(QString::fromUtf8("\u00D7 7")).width();
    for (const int spare : {5, -5, -6}) {
        SCOPED_TRACE(spare);
        const GdiRect box = Draw(Fact(6, 'x', 7), QRect(100, 10, width + spare, 280));
        const int leftGap = box.left - 100;
        const int rightGap = (100 + width + spare) - box.right;
        EXPECT_EQ(leftGap + rightGap, spare);
        EXPECT_EQ(leftGap - rightGap, spare % 2)
            << "the odd pixel, spare or overhang, is on the left";
    }
}

TEST_F(ProblemCardTest, EmptyProblemDrawsNothingAndEveryCardRestoresTheDc) {
    QPainter painter(&image);
    platform::GdiDc dc(painter);
    const QFont before = platform::MakeFont("Verdana", 11);
    dc.SelectFont(before);
    dc.SetTextColor(Qt::green);
    dc.SelectPen({platform::PenStyle::Dot, 1, Qt::magenta});

    for (const Problem& problem : {Problem(), Fact(56, '/', 8, 7)}) {
        GdiRect box{1, 2, 3, 4};
        DrawProblem(problem, dc, font, QRect(0, 0, 300, 300), kInk, kAnswerInk, box);
        EXPECT_EQ(dc.TextColor(), QColor(Qt::green));
        EXPECT_EQ(dc.CurrentFont(), before);
        EXPECT_EQ(dc.CurrentPen().style, platform::PenStyle::Dot);
        EXPECT_EQ(dc.CurrentPen().color, QColor(Qt::magenta));
        EXPECT_EQ(dc.SetBkMode(platform::BkMode::Opaque), platform::BkMode::Transparent);
        if (problem.secondOperand == kNoValue) {
            EXPECT_EQ(box, (GdiRect{1, 2, 3, 4}));
            EXPECT_TRUE(InkIn(QRect(0, 0, 300, 300), kInk).isEmpty());
        }
    }
}
