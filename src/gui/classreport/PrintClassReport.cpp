#include "PrintClassReport.h"

#include "ClassReportList.h"
#include "gui/common/ClassNames.h"
#include "gui/common/LanguageForms.h"
#include "gui/common/PrintedPage.h"
#include "gui/common/PrinterSetup.h"
#include "gui/common/ScreenColours.h"
#include "gui/controls/ReportList.h"
#include "platform/Logs.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr const char* kSource = "Gui classes\\Classreportwnd";
constexpr const char* kFace = "Arial";
constexpr int kLargestPoints = 10;
constexpr int kSmallestPoints = 6;
const QColor kHeadingFill(210, 210, 210);

struct Table {
    QFont font;
    QFont headingFont;
    int lineHeight = 0;
    int padding = 0;
    std::vector<int> widths; // together the page's width
    int headingHeight = 0;
    int rowHeight = 0;
};

unsigned Flags(int column) {
    using namespace platform;
    const bool centred = (ClassReportList::Alignment(column) & Qt::AlignHCenter) != 0;
    return dt::kSingleLine | dt::kVCenter | (centred ? dt::kCenter : dt::kLeft);
}

// Each column as wide as its widest text and its padding, in the largest size at which the
// columns fit the page; the width left over is shared out. Even the smallest size too wide, the
// columns are narrowed in proportion (their texts cut at the cell's edge).
Table MeasureTable(platform::GdiDc& dc, const PageFrame& frame,
                   const std::vector<QStringList>& cells) {
    const QStringList headings = ClassReportList::Headings();
    const int available = frame.right - frame.left;
    Table table;
    for (int points = kLargestPoints; points >= kSmallestPoints; --points) {
        table.font = PrinterFont(kFace, points, frame);
        table.headingFont = table.font;
        table.headingFont.setBold(true);
        table.padding = frame.dotsPerInchDown / 20;
        dc.SelectFont(table.font);
        table.lineHeight = dc.GetTextExtent(QStringLiteral("X")).height();
        table.widths.assign(static_cast<std::size_t>(headings.size()), 0);
        for (const QStringList& row : cells) {
            for (int column = 0; column < row.size(); ++column) {
                int& width = table.widths[static_cast<std::size_t>(column)];
                width = std::max(width, dc.GetTextExtent(row[column]).width());
            }
        }
        dc.SelectFont(table.headingFont);
        for (int column = 0; column < headings.size(); ++column) {
            int& width = table.widths[static_cast<std::size_t>(column)];
            for (const QString& line : headings[column].split('\n')) {
                width = std::max(width, dc.GetTextExtent(line).width());
            }
            width += 2 * table.padding;
        }
        int total = 0;
        for (const int width : table.widths) {
            total += width;
        }
        if (total <= available || points == kSmallestPoints) {
            const int columns = static_cast<int>(table.widths.size());
            for (int& width : table.widths) {
                width = total <= available ? width + (available - total) / columns
                                           : width * available / total;
            }
            break;
        }
    }
    table.headingHeight = 2 * table.lineHeight + 2 * table.padding;
    table.rowHeight = table.lineHeight + 2 * table.padding;
    return table;
}

// One row of cells from `top`, each in its column, on `fill`, framed with the current pen.
void DrawRow(platform::GdiDc& dc, const Table& table, const PageFrame& frame, int top, int height,
             const QColor& fill, const std::function<void(int, platform::GdiRect)>& drawCell) {
    int left = frame.left;
    for (std::size_t column = 0; column < table.widths.size(); ++column) {
        const platform::GdiRect cell{left, top, left + table.widths[column], top + height};
        dc.SelectBrush({.hollow = false, .color = fill});
        dc.Rectangle(cell);
        drawCell(static_cast<int>(column),
                 {cell.left + table.padding, cell.top, cell.right - table.padding, cell.bottom});
        left = cell.right;
    }
}

int DrawHeadings(platform::GdiDc& dc, const Table& table, const PageFrame& frame, int top) {
    const QStringList headings = ClassReportList::Headings();
    dc.SelectFont(table.headingFont);
    DrawRow(dc, table, frame, top, table.headingHeight, kHeadingFill,
            [&](int column, platform::GdiRect inside) {
                const QStringList lines = headings[column].split('\n');
                int lineTop = inside.top + table.padding +
                              (2 - static_cast<int>(lines.size())) * table.lineHeight / 2;
                for (const QString& line : lines) {
                    platform::GdiRect lineRect{inside.left, lineTop, inside.right,
                                               lineTop + table.lineHeight};
                    dc.DrawText(line, lineRect, Flags(column));
                    lineTop += table.lineHeight;
                }
            });
    return top + table.headingHeight;
}

// The page header and the table's headings; where the first row goes.
int StartPage(platform::GdiDc& dc, const Table& table, const PageFrame& frame, const QString& who) {
    const int headerBottom = DrawPageHeader(
        dc, frame, who, QCoreApplication::translate("PrintClassReport", "Class Report"));
    dc.SelectPen(
        {platform::PenStyle::Solid, std::max(frame.dotsPerInchDown / 150, 1), QColor(90, 90, 90)});
    return DrawHeadings(dc, table, frame, headerBottom + frame.dotsPerInchDown / 4);
}

} // namespace

void PrintClassReport(std::span<const data::ClassReportRow> rows, const std::string& teacherName,
                      const std::string& className, IPrinterSetup& setup) {
    platform::WriteTraceLog(kSource, __LINE__);
    QPrinter printer(QPrinter::HighResolution);
    // Nine columns read best across the page.
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!setup.Choose(printer)) {
        return;
    }
    const QString who = TeacherAndClassText(teacherName, className);
    if (!PrintReportTable(rows, printer, who)) {
        ReportPrinterFailure(kSource, __LINE__);
    }
}

bool PrintReportTable(std::span<const data::ClassReportRow> rows, QPrinter& printer,
                      const QString& who) {
    printer.setDocName(QCoreApplication::translate("PrintClassReport", "Tallyhop - Class report"));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    platform::GdiDc dc(painter);
    const PageFrame frame = MeasurePageFrame(printer);
    std::vector<QStringList> cells;
    for (const data::ClassReportRow& row : rows) {
        QStringList texts;
        for (const std::string& cell : data::ClassReportCells(row, LanguageForms())) {
            texts << QString::fromStdString(cell);
        }
        cells.push_back(texts);
    }
    const Table table = MeasureTable(dc, frame, cells);
    int top = StartPage(dc, table, frame, who);
    for (std::size_t index = 0; index < cells.size(); ++index) {
        if (top + table.rowHeight > frame.bottom) {
            printer.newPage();
            top = StartPage(dc, table, frame, who);
        }
        dc.SelectFont(table.font);
        DrawRow(dc, table, frame, top, table.rowHeight, index % 2 == 0 ? kReportGreyRow : Qt::white,
                [&](int column, platform::GdiRect inside) {
                    dc.DrawText(cells[index][column], inside, Flags(column));
                });
        top += table.rowHeight;
    }
    painter.end();
    return true;
}
