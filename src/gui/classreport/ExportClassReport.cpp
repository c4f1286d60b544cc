#include "ExportClassReport.h"

#include "data/ClassReportCsv.h"
#include "platform/Logs.h"
#include "platform/SaveFileDialog.h"
#include "platform/Services.h"

#include <cstdio>

namespace {

constexpr const char* kSource = "Gui classes\\Classreportwnd";

} // namespace

std::string DefaultReportFileName() {
    const platform::LocalTime today = platform::GetClock().Now();
    char name[64];
    std::snprintf(name, sizeof name, "Class report %04d-%02d-%02d.csv", today.year, today.month,
                  today.day);
    return name;
}

void ExportClassReport(std::span<const data::ClassReportRow> rows,
                       platform::ISaveFileDialog& dialog) {
    platform::WriteTraceLog(kSource, __LINE__);
    const auto path = dialog.Choose({.title = "Export CSV",
                                     .defaultName = DefaultReportFileName(),
                                     .filter = "CSV files (*.csv)",
                                     .extension = "csv"});
    if (!path) {
        return;
    }
    if (const auto reason = data::WriteClassReportCsv(*path, rows)) {
        platform::WriteErrorLog(kSource, __LINE__, "  Could not write " + *path + ": " + *reason);
        platform::GetMessageBoxes().Show(
            {.text = "The class report could not be saved as " + *path + ": " + *reason + ".",
             .icon = platform::MbIcon::Exclamation});
        return;
    }
    platform::GetMessageBoxes().Show({.text = "The class report was saved as " + *path + ".",
                                      .icon = platform::MbIcon::Information});
}
