#pragma once

#include "gui/common/TemplateDialog.h"

#include <string>

class QLineEdit;
class QPushButton;

// Asks which of the teacher's students is to be changed. OK ends with kFound only for the exact
// name (capitals count) of one of the current teacher's students; otherwise a message says why
// and the dialog stays open. Cancel or Escape ends with kCancelled.
class CEditStudentInfoDlg final : public TemplateDialog {
    Q_OBJECT
public:
    enum Result { kCancelled = 0, kFound = 1 };

    // `name` (file form, may be empty) is proposed, all of it selected.
    explicit CEditStudentInfoDlg(const std::string& name, QWidget* parent = nullptr);

    std::string Name() const;

    QLineEdit* NameBox() const { return nameBox_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnOk();

    QLineEdit* nameBox_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
