#include "MistakeSheet.h"

#include "data/CStudent.h"
#include "gui/controls/ProblemCard.h"
#include "platform/Services.h"
#include "platform/qt/Fonts.h"

#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace {

constexpr double kMarginInches = 0.75;
constexpr int kCellsAcross = 9;
constexpr int kCellsDown = 7;
const QString kSheetTitle = QStringLiteral("Review Sheet");

// A font of `points` as the printer measures them.
QFont PrinterFont(const QString& face, int points, const SheetLayout& layout) {
    return platform::MakeFont(
        face, static_cast<int>(std::lround(points * layout.dotsPerInchDown / 72.0)));
}

int TextHeight(platform::GdiDc& dc) {
    return dc.GetTextExtent(QStringLiteral("X")).height();
}

QString TodayText() {
    const platform::LocalTime today = platform::GetClock().Now();
    return QString::asprintf("%02d/%02d/%04d", today.month, today.day, today.year);
}

} // namespace

SheetLayout MeasureSheet(const QPaintDevice& device) {
    const int marginAcross = static_cast<int>(kMarginInches * device.logicalDpiX());
    const int marginDown = static_cast<int>(kMarginInches * device.logicalDpiY());
    return {
        .left = marginAcross,
        .top = marginDown,
        .right = device.width() - marginAcross,
        .bottom = device.height() - marginDown,
        .cellWidth = device.width() / kCellsAcross,
        .cellHeight = device.height() / kCellsDown,
        .firstRowTop = marginDown + device.logicalDpiY(),
        .dotsPerInchDown = device.logicalDpiY(),
    };
}

CTestData BuildMistakeSheet(CStudent& student) {
    CTestData sheet;
    const int count = student.GetMistakeCount();
    for (int index = 0; index < count; ++index) {
        sheet.SetProblem(index, student.GetMistake(index));
    }
    sheet.SortByOperation();
    return sheet;
}

void DrawPageHeader(platform::GdiDc& dc, const SheetLayout& layout, const QString& studentName,
                    const QString& title) {
    using namespace platform;
    dc.SelectFont(PrinterFont("Book Antiqua", 21, layout));
    dc.SelectPen({PenStyle::Solid, 3, Qt::black});
    dc.SetTextColor(Qt::black);
    dc.SetBkMode(BkMode::Transparent);
    const int bandBottom = layout.top + TextHeight(dc);
    GdiRect band{layout.left, layout.top, layout.right, bandBottom};
    dc.DrawText(QStringLiteral("Tallyhop\u2122"), band, dt::kLeft | dt::kVCenter | dt::kSingleLine);

    dc.SelectFont(PrinterFont("Book Antiqua", 17, layout));
    dc.DrawText(title, band, dt::kCenter | dt::kVCenter | dt::kSingleLine);

    // The name over the date, right-aligned under the band.
    dc.SelectFont(PrinterFont("Book Antiqua", 12, layout));
    const int lineHeight = TextHeight(dc);
    GdiRect nameLine{layout.left, bandBottom, layout.right, bandBottom + lineHeight};
    dc.DrawText(studentName, nameLine, dt::kRight | dt::kSingleLine);
    GdiRect dateLine{layout.left, nameLine.bottom, layout.right, nameLine.bottom + lineHeight};
    dc.DrawText(TodayText(), dateLine, dt::kRight | dt::kSingleLine);

    dc.MoveTo(layout.left, bandBottom);
    dc.LineTo(layout.right, bandBottom);
}

bool PrintSheet(const CTestData& sheet, QPrinter& printer, const std::string& studentName) {
    printer.setDocName(QString::fromStdString("Tallyhop - Mistake sheet for" + studentName));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    platform::GdiDc dc(painter);
    const SheetLayout layout = MeasureSheet(printer);
    const QString name = QString::fromStdString(studentName);
    const QFont cellFont = PrinterFont("Symbol", 22, layout);
    DrawPageHeader(dc, layout, name, kSheetTitle);

    int x = layout.left;
    int y = layout.firstRowTop;
    for (int index = 0; index < sheet.GetCount(); ++index) {
        if (x > layout.right - layout.cellWidth) {
            x = layout.left;
            y += layout.cellHeight;
        }
        if (y > layout.bottom - layout.cellHeight) {
            printer.newPage();
            x = layout.left;
            y = layout.firstRowTop;
            DrawPageHeader(dc, layout, name, kSheetTitle);
        }
        dc.Rectangle({x, y, x + layout.cellWidth, y + layout.cellHeight});
        // The sheet is for working on paper: whatever was entered stays off it.
        Problem fact = sheet.GetProblem(index);
        fact.enteredAnswer = kNoValue;
        platform::GdiRect answerBox;
        DrawProblem(fact, dc, cellFont, QRect(x, y, layout.cellWidth, layout.cellHeight), Qt::black,
                    Qt::white, answerBox);
        x += layout.cellWidth;
    }
    painter.end();
    return true;
}
