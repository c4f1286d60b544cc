#include "MainWindow.h"

#include <QPointer>
#include <QWidget>

namespace platform {
namespace {
QPointer<QWidget> mainWindow;
}

void SetMainWindow(QWidget* window) {
    mainWindow = window;
}

QWidget* MainWindow() {
    return mainWindow.data();
}

} // namespace platform
