#pragma once

#include "../OpenFileDialog.h"

class QWidget;

namespace platform {

// Qt's file dialog over `parent`, opening in the user's documents folder (the home folder when
// there is none), taking only a file that exists.
class QtOpenFileDialog final : public IOpenFileDialog {
public:
    explicit QtOpenFileDialog(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> Choose(const OpenFileRequest& request) override;

private:
    QWidget* parent_;
};

} // namespace platform
