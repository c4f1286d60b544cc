#include "PrintedPage.h"

#include "LanguageForms.h"
#include "platform/Services.h"
#include "platform/qt/Fonts.h"

#include <QPaintDevice>
#include <cmath>

namespace {

constexpr double kMarginInches = 0.75;

int TextHeight(platform::GdiDc& dc) {
    return dc.GetTextExtent(QStringLiteral("X")).height();
}

QString TodayText() {
    const platform::LocalTime today = platform::GetClock().Now();
    return LanguageDate(today.year, today.month, today.day, '/');
}

} // namespace

PageFrame MeasurePageFrame(const QPaintDevice& device) {
    const int marginAcross = static_cast<int>(kMarginInches * device.logicalDpiX());
    const int marginDown = static_cast<int>(kMarginInches * device.logicalDpiY());
    return {.left = marginAcross,
            .top = marginDown,
            .right = device.width() - marginAcross,
            .bottom = device.height() - marginDown,
            .dotsPerInchDown = device.logicalDpiY()};
}

QFont PrinterFont(const QString& face, int points, const PageFrame& frame) {
    return platform::MakeFont(face,
                              static_cast<int>(std::lround(points * frame.dotsPerInchDown / 72.0)));
}

int DrawPageHeader(platform::GdiDc& dc, const PageFrame& frame, const QString& who,
                   const QString& title) {
    using namespace platform;
    dc.SelectFont(PrinterFont("Book Antiqua", 21, frame));
    dc.SelectPen({PenStyle::Solid, 3, Qt::black});
    dc.SetTextColor(Qt::black);
    dc.SetBkMode(BkMode::Transparent);
    const int bandBottom = frame.top + TextHeight(dc);
    GdiRect band{frame.left, frame.top, frame.right, bandBottom};
    dc.DrawText(QStringLiteral("Tallyhop\u2122"), band, dt::kLeft | dt::kVCenter | dt::kSingleLine);

    dc.SelectFont(PrinterFont("Book Antiqua", 17, frame));
    dc.DrawText(title, band, dt::kCenter | dt::kVCenter | dt::kSingleLine);

    // Who over the date, right-aligned under the band.
    dc.SelectFont(PrinterFont("Book Antiqua", 12, frame));
    const int lineHeight = TextHeight(dc);
    GdiRect whoLine{frame.left, bandBottom, frame.right, bandBottom + lineHeight};
    dc.DrawText(who, whoLine, dt::kRight | dt::kSingleLine);
    GdiRect dateLine{frame.left, whoLine.bottom, frame.right, whoLine.bottom + lineHeight};
    dc.DrawText(TodayText(), dateLine, dt::kRight | dt::kSingleLine);

    dc.MoveTo(frame.left, bandBottom);
    dc.LineTo(frame.right, bandBottom);
    return dateLine.bottom;
}
