#pragma once

#include <QColor>

// The colours the activity screens are painted in.
namespace screen_colour {
inline const QColor kWindow(171, 171, 171);     // behind everything
inline const QColor kPanel(238, 238, 238);      // pad, button and set-up panels
inline const QColor kFrame(90, 90, 90);         // the 2-pixel outlines of areas
inline const QColor kSetupBlock(200, 200, 200); // the training set-up's blocks and their texts
} // namespace screen_colour
