#pragma once

#include "../OpenFileDialog.h"
#include "../SaveFileDialog.h"

class QWidget;

// Qt's file dialogs over a window, opening in the user's documents folder (the home folder when
// there is none).
namespace platform {

// Takes only a file that exists.
class QtOpenFileDialog final : public IOpenFileDialog {
public:
    explicit QtOpenFileDialog(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> Choose(const OpenFileRequest& request) override;

private:
    QWidget* parent_;
};

// A name without an extension gets the request's; a file that exists is replaced only after the
// dialog's own question.
class QtSaveFileDialog final : public ISaveFileDialog {
public:
    explicit QtSaveFileDialog(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> Choose(const SaveFileRequest& request) override;

private:
    QWidget* parent_;
};

} // namespace platform
