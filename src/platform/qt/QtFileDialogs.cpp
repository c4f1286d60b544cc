#include "QtFileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace platform {
namespace {

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

std::optional<std::string> ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace

std::optional<std::string> QtOpenFileDialog::Choose(const OpenFileRequest& request) {
    QFileDialog dialog(parent_, QString::fromStdString(request.title), DocumentsFolder(),
                       QString::fromStdString(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ChosenFile(dialog);
}

std::optional<std::string> QtSaveFileDialog::Choose(const SaveFileRequest& request) {
    const QString proposed =
        QDir(DocumentsFolder()).filePath(QString::fromStdString(request.defaultName));
    QFileDialog dialog(parent_, QString::fromStdString(request.title), proposed,
                       QString::fromStdString(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Added before the dialog asks whether to replace a file, so it asks about the right one.
    dialog.setDefaultSuffix(QString::fromStdString(request.extension));
    return ChosenFile(dialog);
}

} // namespace platform
