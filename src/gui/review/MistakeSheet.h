#pragma once

#include "data/CTestData.h"
#include "platform/qt/GdiDc.h"

#include <QString>
#include <string>

class CStudent;
class QPaintDevice;
class QPrinter;

// The printed mistake sheet: every listed fact in a framed cell, as on the flash cards but
// without answers, under a header with the program's name, the title, the student's name and
// today's date. Everything is measured in the printer's own pixels, so the sheet looks the same
// on any printer.

// Where things go on a page, in device pixels: margins of three quarters of an inch, cells a
// ninth of the printable width and a seventh of its height, the first row an inch below the top
// margin.
struct SheetLayout {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int cellWidth = 0;
    int cellHeight = 0;
    int firstRowTop = 0;
    int dotsPerInchDown = 0; // sizes the fonts
};

SheetLayout MeasureSheet(const QPaintDevice& device);

// The student's mistakes in list order, then ordered by operation (addition first). Every
// listed fact is taken, however long the list.
CTestData BuildMistakeSheet(CStudent& student);

// The header at the top of a page. Leaves the 3-pixel black pen of its rule selected: the cells
// are framed with it.
void DrawPageHeader(platform::GdiDc& dc, const SheetLayout& layout, const QString& studentName,
                    const QString& title);

// Prints `sheet` as one document on `printer`, a new page whenever a row would not fit. False
// when the printer cannot be opened; nothing is printed then.
bool PrintSheet(const CTestData& sheet, QPrinter& printer, const std::string& studentName);
