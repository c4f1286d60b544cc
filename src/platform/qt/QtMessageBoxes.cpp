#include "QtMessageBoxes.h"

#include "MainWindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace platform {
namespace {

QMessageBox::Icon ToQt(MbIcon icon) {
    switch (icon) {
    case MbIcon::Information:
        return QMessageBox::Information;
    case MbIcon::Exclamation:
        return QMessageBox::Warning;
    case MbIcon::Stop:
        return QMessageBox::Critical;
    case MbIcon::Question:
        return QMessageBox::Question;
    case MbIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MbButtons buttons) {
    switch (buttons) {
    case MbButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MbButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MbButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MbButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MbButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MbResult FromQt(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return MbResult::Cancel;
    case QMessageBox::Yes:
        return MbResult::Yes;
    case QMessageBox::No:
        return MbResult::No;
    case QMessageBox::Retry:
        return MbResult::Retry;
    default:
        return MbResult::Ok;
    }
}

} // namespace

QtMessageBoxes::QtMessageBoxes(std::string programName) : programName_(std::move(programName)) {
}

MbResult QtMessageBoxes::Show(const MessageBoxRequest& request) {
    const std::string& title = request.title.value_or(programName_);
    QWidget* owner = request.owner != nullptr ? request.owner : MainWindow();
    QMessageBox box(ToQt(request.icon), QString::fromStdString(title),
                    QString::fromStdString(request.text), ToQt(request.buttons), owner);
    // With the keyboard, also where no window manager gives it; and the keyboard back to the
    // window the user was in once the box has gone.
    const QPointer<QWidget> before = QApplication::activeWindow();
    box.show();
    box.activateWindow();
    const int button = box.exec();
    if (before != nullptr && before->isVisible()) {
        before->activateWindow();
    }
    return FromQt(button);
}

} // namespace platform
