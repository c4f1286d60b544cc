#include "MistakeSheet.h"

#include "data/CStudent.h"
#include "gui/controls/ProblemCard.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

namespace {

constexpr int kCellsAcross = 9;
constexpr int kCellsDown = 7;

} // namespace

SheetLayout MeasureSheet(const QPaintDevice& device) {
    SheetLayout layout{MeasurePageFrame(device)};
    layout.cellWidth = device.width() / kCellsAcross;
    layout.cellHeight = device.height() / kCellsDown;
    layout.firstRowTop = layout.top + device.logicalDpiY();
    return layout;
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

bool PrintSheet(const CTestData& sheet, QPrinter& printer, const std::string& studentName) {
    const QString name = QString::fromStdString(studentName);
    printer.setDocName(
        QCoreApplication::translate("MistakeSheet", "Tallyhop - Mistake sheet for %1").arg(name));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    platform::GdiDc dc(painter);
    const SheetLayout layout = MeasureSheet(printer);
    const QString title = QCoreApplication::translate("MistakeSheet", "Review Sheet");
    const QFont cellFont = PrinterFont("Symbol", 22, layout);
    DrawPageHeader(dc, layout, name, title);

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
            DrawPageHeader(dc, layout, name, title);
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
