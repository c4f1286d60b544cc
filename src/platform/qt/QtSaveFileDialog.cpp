#include "QtSaveFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace platform {

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

std::optional<std::string> QtSaveFileDialog::Choose(const SaveFileRequest& request) {
    const QString proposed =
        QDir(DocumentsFolder()).filePath(QString::fromStdString(request.defaultName));
    QFileDialog dialog(parent_, QString::fromStdString(request.title), proposed,
                       QString::fromStdString(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Added before the dialog asks whether to replace a file, so it asks about the right one.
    dialog.setDefaultSuffix(QString::fromStdString(request.extension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace platform
