#include "QtSaveFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace platform {
namespace {

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

std::optional<std::string> QtSaveFileDialog::Choose(const SaveFileRequest& request) {
    const QString proposed =
        QDir(DocumentsFolder()).filePath(QString::fromStdString(request.defaultName));
    const QString chosen =
        QFileDialog::getSaveFileName(parent_, QString::fromStdString(request.title), proposed,
                                     QString::fromStdString(request.filter));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen.toStdString();
}

} // namespace platform
