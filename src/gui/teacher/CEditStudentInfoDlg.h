#pragma once

#include "NameDialog.h"

// Asks which of the teacher's students is to be changed. OK ends with kFound only for the name of
// one of the current teacher's students (whatever its capitals, when only one student has it);
// otherwise a message says why and the dialog stays open. Cancel or Escape ends with kCancelled.
class CEditStudentInfoDlg final : public NameDialog {
    Q_OBJECT
public:
    enum Result { kCancelled = 0, kFound = 1 };

    // `name` (file form, may be empty) is proposed, all of it selected.
    explicit CEditStudentInfoDlg(const std::string& name, QWidget* parent = nullptr);

protected:
    bool Accept(const std::string& name) override;
};
