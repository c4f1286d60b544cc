#pragma once

#include "gui/common/PrinterSetup.h"

class CStudent;

// Print Mistakes: the student's mistakes as a practice sheet on the printer the user chooses.
// A cancelled set-up prints nothing; a printer that cannot be opened is logged and reported.
void PrintMistakes(CStudent& student, IPrinterSetup& setup);
