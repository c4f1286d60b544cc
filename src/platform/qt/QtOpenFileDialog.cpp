#include "QtOpenFileDialog.h"

#include "QtSaveFileDialog.h"

#include <QFileDialog>

namespace platform {

std::optional<std::string> QtOpenFileDialog::Choose(const OpenFileRequest& request) {
    QFileDialog dialog(parent_, QString::fromStdString(request.title), DocumentsFolder(),
                       QString::fromStdString(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace platform
