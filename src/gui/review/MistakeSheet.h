#pragma once

#include "data/CTestData.h"
#include "gui/common/PrintedPage.h"

#include <QString>
#include <string>

class CStudent;
class QPaintDevice;
class QPrinter;

// The printed mistake sheet: every listed fact in a framed cell, as on the flash cards but
// without answers, under the page header with the title and the student's name.

// Where the cells go on a page, in device pixels: cells a ninth of the page's width and a seventh
// of its height, the first row an inch below the top margin.
struct SheetLayout : PageFrame {
    int cellWidth = 0;
    int cellHeight = 0;
    int firstRowTop = 0;
};

SheetLayout MeasureSheet(const QPaintDevice& device);

// The student's mistakes in list order, then ordered by operation (addition first). Every
// listed fact is taken, however long the list.
CTestData BuildMistakeSheet(CStudent& student);

// Prints `sheet` as one document on `printer`, a new page whenever a row would not fit. False
// when the printer cannot be opened; nothing is printed then.
bool PrintSheet(const CTestData& sheet, QPrinter& printer, const std::string& studentName);
