#include "PlatformTestSupport.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/GdiDc.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <functional>
#include <optional>

using platform::GdiDc;
using platform::GdiRect;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// What `draw` leaves on a white canvas.
QImage Drawn(const std::function<void(GdiDc&)>& draw, QSize size = {40, 30}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    GdiDc dc(painter);
    draw(dc);
    painter.end();
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
        const QImage image = Drawn([&c](GdiDc& dc) {
            dc.MoveTo(c.from.x(), c.from.y());
            dc.LineTo(c.to.x(), c.to.y());
            EXPECT_EQ(dc.CurrentPosition(), c.to);
        });
        EXPECT_EQ(Inked(image), c.inked) << c.from.x() << "," << c.from.y();
        EXPECT_EQ(image.pixel(c.to), kWhite);
    }
}

TEST(GdiDc, RectangleOutlinesAndFillsInsideRightAndBottomExclusive) {
    const QImage image = Drawn([](GdiDc& dc) {
        dc.SelectPen({platform::PenStyle::Solid, 1, Qt::black});
        dc.SelectBrush({false, Qt::red});
        dc.Rectangle({5, 4, 15, 10});
    });
    EXPECT_EQ(Inked(image), QRect(5, 4, 10, 6));
    EXPECT_EQ(image.pixel(14, 9), kBlack) << "bottom-right corner closed";
    EXPECT_EQ(image.pixel(6, 5), QColor(Qt::red).rgb());
}

TEST(GdiDc, DottedPenDrawsEveryOtherPixel) {
    const QImage image = Drawn([](GdiDc& dc) {
        dc.SelectPen({platform::PenStyle::Dot, 1, Qt::black});
        dc.MoveTo(0, 0);
        dc.LineTo(10, 0);
    });
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(image.pixel(x, 0) == kBlack, x % 2 == 0) << x;
    }
}

TEST(GdiDc, TextIsPlacedByItsTopLeftOrCentredWithinARectangleAndCalcRectOnlyMeasures) {
    const QFont font = platform::MakeFont("Arial", 20);
    const QRgb yellow = QColor(Qt::yellow).rgb();
    QSize extent;
    const auto drawnOnYellow = [&](const std::function<void(GdiDc&)>& draw) {
        return Drawn(
            [&](GdiDc& dc) {
                dc.SelectFont(font);
                dc.SetBkMode(platform::BkMode::Opaque);
                dc.SetBkColor(Qt::yellow);
                extent = dc.GetTextExtent("Hop");
                draw(dc);
            },
            {200, 60});
    };
    const QImage placed = drawnOnYellow([](GdiDc& dc) { dc.TextOut(10, 5, "Hop"); });
    EXPECT_EQ(extent.height(), QFontMetrics(font).height());
    EXPECT_EQ(Inked(placed, yellow), QRect(QPoint(10, 5), extent))
        << "opaque background covers the extent";

    GdiRect box{0, 0, 200, 60};
    const QImage centred = drawnOnYellow([&box](GdiDc& dc) {
        dc.DrawText("Hop", box,
                    platform::dt::kCenter | platform::dt::kVCenter | platform::dt::kSingleLine);
    });
    EXPECT_EQ(Inked(centred, yellow),
              QRect(QPoint((200 - extent.width()) / 2, (60 - extent.height()) / 2), extent));

    box = {3, 4, 5, 6};
    int height = 0;
    const QImage measured = drawnOnYellow([&](GdiDc& dc) {
        height = dc.DrawText("Hop", box, platform::dt::kCalcRect | platform::dt::kSingleLine);
    });
    EXPECT_EQ(box, (GdiRect{3, 4, 3 + extent.width(), 4 + height}));
    EXPECT_TRUE(Inked(measured).isNull());
}

TEST(Fonts, PointSizesBecomePixelHeightsAt96DpiAndWindowsFacesAreSubstitutedWithInstalledOnes) {
    EXPECT_EQ(platform::PointsToPixels(10), 13);
    EXPECT_EQ(platform::PointsToPixels(26), 35);
    EXPECT_EQ(platform::TenthPointsToPixels(85), 11);
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
