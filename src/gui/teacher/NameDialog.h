#pragma once

#include "gui/common/TemplateDialog.h"

#include <string>

class QLineEdit;
class QPushButton;

// A small dialog that asks for one name under a titled frame, with OK and Cancel: the name of
// the student to change, or of a new class. OK ends with 1 only when Accept takes the name;
// otherwise the name box gets the focus again with all of its text selected. Cancel or Escape
// ends with 0.
class NameDialog : public TemplateDialog {
    Q_OBJECT
public:
    // `name` (may be empty) is proposed, all of it selected; `boxName` is what a screen reader
    // calls the box.
    NameDialog(const QString& title, const QString& boxName, const std::string& name,
               QWidget* parent);

    // The name typed, blanks made single.
    std::string Name() const;

    QLineEdit* NameBox() const { return nameBox_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

protected:
    // Whether the typed name (normalised) ends the dialog; a refusal has said why.
    virtual bool Accept(const std::string& name) = 0;
    void showEvent(QShowEvent* event) override;

private:
    void OnOk();

    QLineEdit* nameBox_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
