#include "PrinterSetup.h"

#include "platform/Logs.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

bool PrintDialogSetup::Choose(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

void ReportPrinterFailure(const char* source, int line) {
    platform::WriteErrorLog(source, line, "Failed CreatePrinterDC()");
    platform::GetMessageBoxes().Show(
        {.text =
             QCoreApplication::translate(
                 "PrinterSetup",
                 "An error occurred while printing.\nCheck your printer settings and try again.")
                 .toStdString()});
}
