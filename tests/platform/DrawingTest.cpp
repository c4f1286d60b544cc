#include "platform/qt/DialogUnits.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/GdiDc.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <gtest/gtest.h>
#include <optional>

using platform::GdiDc;
using platform::GdiRect;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

QImage Canvas(int width = 40, int height = 30) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The bounding box of every pixel that is not white, or that has exactly the colour `only`.
QRect Inked(const QImage& image, std::optional<QRgb> only = std::nullopt) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (only ? image.pixel(x, y) == *only : image.pixel(x, y) != kWhite) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

} // namespace

TEST(GdiDc, LinesLeaveOutTheirEndPointInEveryDirection) {
    const struct {
        QPoint from, to;
        QRect inked;
    } cases[] = {
        {{2, 5}, {10, 5}, QRect(2, 5, 8, 1)}, {{10, 5}, {2, 5}, QRect(3, 5, 8, 1)},
        {{4, 1}, {4, 9}, QRect(4, 1, 1, 8)},  {{4, 9}, {4, 1}, QRect(4, 2, 1, 8)},
        {{0, 0}, {6, 6}, QRect(0, 0, 6, 6)},
    };
    for (const auto& c : cases) {
        QImage image = Canvas();
        {
            QPainter painter(&image);
            GdiDc dc(painter);
            dc.MoveTo(c.from.x(), c.from.y());
            dc.LineTo(c.to.x(), c.to.y());
            EXPECT_EQ(dc.CurrentPosition(), c.to);
        }
        EXPECT_EQ(Inked(image), c.inked) << c.from.x() << "," << c.from.y();
        EXPECT_EQ(image.pixel(c.to), kWhite);
    }
}

TEST(GdiDc, RectangleOutlinesAndFillsInsideRightAndBottomExclusive) {
    QImage image = Canvas();
    {
        QPainter painter(&image);
        GdiDc dc(painter);
        dc.SelectPen({platform::PenStyle::Solid, 1, Qt::black});
        dc.SelectBrush({false, Qt::red});
        dc.Rectangle({5, 4, 15, 10});
    }
    EXPECT_EQ(Inked(image), QRect(5, 4, 10, 6));
    EXPECT_EQ(image.pixel(14, 9), kBlack) << "bottom-right corner closed";
    EXPECT_EQ(image.pixel(6, 5), QColor(Qt::red).rgb());
}

TEST(GdiDc, DottedPenDrawsEveryOtherPixel) {
    QImage image = Canvas();
    {
        QPainter painter(&image);
        GdiDc dc(painter);
        dc.SelectPen({platform::PenStyle::Dot, 1, Qt::black});
        dc.MoveTo(0, 0);
        dc.LineTo(10, 0);
    }
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(image.pixel(x, 0) == kBlack, x % 2 == 0) << x;
    }
}

TEST(GdiDc, TextIsPlacedByItsTopLeftAndCentredWithinRectangles) {
    QImage image = Canvas(200, 60);
    const QFont font = platform::MakeFont("Arial", 20);
    QSize extent;
    {
        QPainter painter(&image);
        GdiDc dc(painter);
        dc.SelectFont(font);
        dc.SetBkMode(platform::BkMode::Opaque);
        dc.SetBkColor(Qt::yellow);
        extent = dc.GetTextExtent("Hop");
        dc.TextOut(10, 5, "Hop");
    }
    EXPECT_EQ(extent.height(), QFontMetrics(font).height());
    const QRgb yellow = QColor(Qt::yellow).rgb();
    EXPECT_EQ(Inked(image, yellow), QRect(QPoint(10, 5), extent))
        << "opaque background covers the extent";

    image = Canvas(200, 60);
    GdiRect box{0, 0, 200, 60};
    {
        QPainter painter(&image);
        GdiDc dc(painter);
        dc.SelectFont(font);
        dc.SetBkMode(platform::BkMode::Opaque);
        dc.SetBkColor(Qt::yellow);
        dc.DrawText("Hop", box,
                    platform::dt::kCenter | platform::dt::kVCenter | platform::dt::kSingleLine);
    }
    EXPECT_EQ(Inked(image, yellow),
              QRect(QPoint((200 - extent.width()) / 2, (60 - extent.height()) / 2), extent));
}

TEST(GdiDc, CalcRectMeasuresWithoutDrawing) {
    QImage image = Canvas(200, 60);
    QPainter painter(&image);
    GdiDc dc(painter);
    dc.SelectFont(platform::MakeFont("Verdana", 16));
    GdiRect box{3, 4, 5, 6};
    const int height =
        dc.DrawText("Tallyhop", box, platform::dt::kCalcRect | platform::dt::kSingleLine);
    EXPECT_EQ(box, (GdiRect{3, 4, 3 + dc.GetTextExtent("Tallyhop").width(), 4 + height}));
    painter.end();
    EXPECT_TRUE(Inked(image).isNull());
}

TEST(Fonts, PointSizesBecomePixelHeightsAt96Dpi) {
    EXPECT_EQ(platform::PointsToPixels(10), 13);
    EXPECT_EQ(platform::PointsToPixels(12), 16);
    EXPECT_EQ(platform::PointsToPixels(26), 35);
    EXPECT_EQ(platform::TenthPointsToPixels(85), 11);
}

TEST(Fonts, WindowsFacesAreSubstitutedWithInstalledOnes) {
    EXPECT_EQ(platform::SubstituteFace("Book Antiqua"), "P052");
    EXPECT_EQ(platform::SubstituteFace("verdana"), "DejaVu Sans");
    EXPECT_EQ(platform::SubstituteFace("Comic Sans"), "Comic Sans");
    const QFont symbol = platform::MakeFont("Symbol", 30);
    EXPECT_EQ(QFontInfo(symbol).family(), "DejaVu Serif");
    EXPECT_TRUE(QFontMetrics(symbol).inFont(QChar(0x00D7)));
    EXPECT_TRUE(QFontMetrics(symbol).inFont(QChar(0x00F7)));
}

TEST(DialogUnits, ScaleByAverageCharacterWidthAndHeight) {
    const QFont font = platform::MakeFont("Microsoft Sans Serif", platform::PointsToPixels(10));
    const platform::DialogUnits units(font);
    const QFontMetrics metrics(font);
    EXPECT_EQ(units.CharHeight(), metrics.height());
    EXPECT_GT(units.AverageCharWidth(), 4);
    EXPECT_EQ(units.X(4), units.AverageCharWidth());
    EXPECT_EQ(units.Y(8), units.CharHeight());
    EXPECT_EQ(units.Rect(0, 0, 8, 16),
              QRect(0, 0, 2 * units.AverageCharWidth(), 2 * units.CharHeight()));
}
