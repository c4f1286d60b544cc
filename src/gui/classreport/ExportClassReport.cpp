#include "ExportClassReport.h"

#include "data/ClassReportCsv.h"
#include "platform/ErrorText.h"
#include "platform/Logs.h"
#include "platform/SaveFileDialog.h"
#include "platform/Services.h"

#include <QCoreApplication>

namespace {

constexpr const char* kSource = "Gui classes\\Classreportwnd";

} // namespace

std::string DefaultReportFileName() {
    const platform::LocalTime today = platform::GetClock().Now();
    return QCoreApplication::translate("ExportClassReport", "Class report %1.csv")
        .arg(QString::asprintf("%04d-%02d-%02d", today.year, today.month, today.day))
        .toStdString();
}

void ExportClassReport(std::span<const data::ClassReportRow> rows,
                       platform::ISaveFileDialog& dialog) {
    platform::WriteTraceLog(kSource, __LINE__);
    const auto path = dialog.Choose(
        {.title = QCoreApplication::translate("ExportClassReport", "Export CSV").toStdString(),
         .defaultName = DefaultReportFileName(),
         .filter =
             QCoreApplication::translate("ExportClassReport", "CSV files (*.csv)").toStdString(),
         .extension = "csv"});
    if (!path) {
        return;
    }
    const QString shownPath = QString::fromStdString(*path);
    if (const auto error = data::WriteClassReportCsv(*path, rows)) {
        platform::WriteErrorLog(kSource, __LINE__,
                                "  Could not write " + *path + ": " +
                                    platform::GetErrorText(*error));
        platform::GetMessageBoxes().Show(
            {.text = QCoreApplication::translate("ExportClassReport",
                                                 "The class report could not be saved as %1: %2.")
                         .arg(shownPath, QString::fromStdString(platform::ShownErrorText(*error)))
                         .toStdString(),
             .icon = platform::MbIcon::Exclamation});
        return;
    }
    platform::GetMessageBoxes().Show(
        {.text =
             QCoreApplication::translate("ExportClassReport", "The class report was saved as %1.")
                 .arg(shownPath)
                 .toStdString(),
         .icon = platform::MbIcon::Information});
}
