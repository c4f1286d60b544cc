#pragma once

#include "data/ClassReport.h"
#include "gui/common/ActivityWindow.h"

#include <QPointer>
#include <array>
#include <memory>
#include <string>
#include <vector>

class ClassReportList;
class CPictureButton;
class IPrinterSetup;

namespace platform {
class ISaveFileDialog;
}

// The teacher's class at a glance: a row per student with the level, this week's practice, the
// facts known by heart and the mistakes waiting, and who needs attention, sortable by any column;
// the same table exported for a spreadsheet program or printed. A double-clicked student's
// progress opens over it (its opener opens it). It reads the records and never changes them.
//
// Opened over the hidden teacher window, which Home shows again; it deletes itself.
class ClassReportWnd final : public ActivityWindow {
    Q_OBJECT
public:
    enum CommandId {
        kHome = 2000,
        kExportCsv = 2001,
        kPrint = 2002,
    };

    explicit ClassReportWnd(QWidget* opener);
    ~ClassReportWnd() override;

    CPictureButton* Button(CommandId id) const;
    ClassReportList* List() const { return list_; }
    // Tests choose the file and the printer in place of the dialogs.
    void SetSaveFileDialog(std::unique_ptr<platform::ISaveFileDialog> dialog);
    void SetPrinterSetup(std::unique_ptr<IPrinterSetup> setup);

signals:
    // A student's row was double-clicked: `name` (file form) asks for that student's progress.
    void StudentProgressAsked(const std::string& name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool CreateUIElements() override;
    void PositionUIElements() override;
    void OnCommand(int id);
    void OnHome() override;
    void OnStudentDoubleClicked(int row);

    QPointer<QWidget> opener_;
    std::vector<data::ClassReportRow> rows_;
    ClassReportList* list_ = nullptr;
    std::array<CPictureButton*, 3> buttons_{};
    std::unique_ptr<platform::ISaveFileDialog> saveFileDialog_;
    std::unique_ptr<IPrinterSetup> printerSetup_;
    platform::GdiRect listArea_;
    platform::GdiRect panel_;
};
