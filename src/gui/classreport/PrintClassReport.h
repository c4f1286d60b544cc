#pragma once

#include "data/ClassReport.h"

#include <QString>
#include <span>
#include <string>

class IPrinterSetup;
class QPrinter;

// Print…: the class report's table on the printer the teacher chooses, under the page header
// with the class, the teacher and the date. The columns take the page's width; their text is
// made smaller where a page is too narrow for it, so eight students fit on one A4 or Letter page
// either way round. A cancelled set-up prints nothing; a printer that cannot be opened is logged
// and reported.
void PrintClassReport(std::span<const data::ClassReportRow> rows, const std::string& teacherName,
                      const std::string& className, IPrinterSetup& setup);

// Prints the table onto `printer` as one document, `who` in the page header; a new page, with the
// header and the headings again, whenever a row would not fit. False when the printer cannot be
// opened.
bool PrintReportTable(std::span<const data::ClassReportRow> rows, QPrinter& printer,
                      const QString& who);
