#pragma once

class QPrinter;
class QWidget;

// The printer set-up step before printing: which printer, paper and orientation. Tests put a
// scripted choice in its place.
class IPrinterSetup {
public:
    virtual ~IPrinterSetup() = default;
    // Lets the user set `printer` up; false when the user cancels.
    virtual bool Choose(QPrinter& printer) = 0;
};

// The platform's print dialog over `parent`; its print-to-file choice works like any printer.
class PrintDialogSetup final : public IPrinterSetup {
public:
    explicit PrintDialogSetup(QWidget* parent) : parent_(parent) {}
    bool Choose(QPrinter& printer) override;

private:
    QWidget* parent_;
};

// A printer that could not be opened: the error record "Failed CreatePrinterDC()" under `source`
// and a message that asks to check the printer settings.
void ReportPrinterFailure(const char* source, int line);
