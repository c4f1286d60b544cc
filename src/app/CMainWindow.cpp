#include "CMainWindow.h"

#include "platform/Display.h"
#include "platform/Logs.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/ScreenStage.h"

#include <QKeyEvent>
#include <QPainter>

namespace {
// Shared screen colour of every window's background.
const QColor kWindowBackground(171, 171, 171);
} // namespace

CMainWindow::CMainWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    platform::WriteTraceLog("CMainWindow()", 0);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tallyhop"));
    const platform::ScreenSize screen = platform::GetScreenSize();
    platform::PlaceOnScreen(*this, QRect(0, 0, screen.width, screen.height));
    platform::SetMainWindow(this);
    show();
}

void CMainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CMainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kWindowBackground);
}
