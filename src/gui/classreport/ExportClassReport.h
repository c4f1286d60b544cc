#pragma once

#include "data/ClassReport.h"

#include <span>
#include <string>

namespace platform {
class ISaveFileDialog;
}

// The name the file dialog proposes: "Class report YYYY-MM-DD.csv" with today's date.
std::string DefaultReportFileName();

// Export CSV…: the report as a file for a spreadsheet program, where the teacher chooses. Says
// where it was saved, or that it could not be and why (also in the error log); a cancelled
// dialog writes nothing.
void ExportClassReport(std::span<const data::ClassReportRow> rows,
                       platform::ISaveFileDialog& dialog);
