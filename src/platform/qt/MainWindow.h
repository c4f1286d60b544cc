#pragma once

class QWidget;

namespace platform {

// "The application's main window": the window that owns message boxes shown without an explicit
// owner. The home screen sets itself; an activity window takes over while it is open.
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

} // namespace platform
