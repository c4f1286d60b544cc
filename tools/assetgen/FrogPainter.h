// The frog buddy: the program's mascot in the logo, on the review tile and in the pond animation.
#pragma once

#include <QPainter>
#include <QPointF>

namespace assetgen {

enum class FrogPose { Sitting, Crouching, Leaping };

// Draws the frog with its feet at `feet`; `width` is the width of its body.
void drawFrog(QPainter& painter, QPointF feet, qreal width, FrogPose pose);

} // namespace assetgen
