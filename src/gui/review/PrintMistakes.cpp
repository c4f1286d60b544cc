#include "PrintMistakes.h"

#include "MistakeSheet.h"
#include "data/CStudent.h"
#include "platform/Logs.h"
#include "platform/Services.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {
constexpr const char* kSource = "Gui classes\\Cmistakereviewwnd";
}

bool PrintDialogSetup::Choose(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

void PrintMistakes(CStudent& student, IPrinterSetup& setup) {
    platform::WriteTraceLog(kSource, __LINE__);
    const CTestData sheet = BuildMistakeSheet(student);
    QPrinter printer(QPrinter::HighResolution);
    if (!setup.Choose(printer)) {
        return;
    }
    if (!PrintSheet(sheet, printer, student.GetName())) {
        platform::WriteErrorLog(kSource, __LINE__, "Failed CreatePrinterDC()");
        platform::GetMessageBoxes().Show(
            {.text =
                 "An error occurred while printing.\nCheck your printer settings and try again."});
    }
}
