#pragma once

#include "../SaveFileDialog.h"

#include <QString>

class QWidget;

namespace platform {

// Where the file dialogs open: the user's documents folder, or the home folder when there is none.
QString DocumentsFolder();

// Qt's file dialog over `parent`, opening in the user's documents folder (the home folder when
// there is none); a name without an extension gets the request's; a file that exists is replaced
// only after the dialog's own question.
class QtSaveFileDialog final : public ISaveFileDialog {
public:
    explicit QtSaveFileDialog(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> Choose(const SaveFileRequest& request) override;

private:
    QWidget* parent_;
};

} // namespace platform
