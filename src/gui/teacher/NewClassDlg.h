#pragma once

#include "NameDialog.h"

// Asks for the name of a new class of the current teacher and adds the class (its class file and
// the teacher record's entry). The name is checked as a student's is, and refused when the
// teacher has a class of that name in any capitals; a class that cannot be written is said so.
// Ends with kCreated, the class added, or kCancelled.
class NewClassDlg final : public NameDialog {
    Q_OBJECT
public:
    enum Result { kCancelled = 0, kCreated = 1 };

    explicit NewClassDlg(QWidget* parent = nullptr);

protected:
    bool Accept(const std::string& name) override;
};
