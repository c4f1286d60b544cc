#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace platform {

// Full-screen windows are placed in screen coordinates with (0, 0) at the top left of the
// program's screen. When the display could not really be switched, that screen is a stage
// centred on the larger real screen, and this origin says where it lies.
void SetStageOrigin(QPoint origin);
QPoint StageOrigin();

// Places a top-level window at `screenRect`, given in the program's screen coordinates.
void PlaceOnScreen(QWidget& window, const QRect& screenRect);

} // namespace platform
