#include "PrintMistakes.h"

#include "MistakeSheet.h"
#include "data/CStudent.h"
#include "platform/Logs.h"

#include <QPrinter>

namespace {
constexpr const char* kSource = "Gui classes\\Cmistakereviewwnd";
}

void PrintMistakes(CStudent& student, IPrinterSetup& setup) {
    platform::WriteTraceLog(kSource, __LINE__);
    const CTestData sheet = BuildMistakeSheet(student);
    QPrinter printer(QPrinter::HighResolution);
    if (!setup.Choose(printer)) {
        return;
    }
    if (!PrintSheet(sheet, printer, student.GetName())) {
        ReportPrinterFailure(kSource, __LINE__);
    }
}
