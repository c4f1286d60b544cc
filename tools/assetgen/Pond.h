// Pond scenery shared by the home screen, the teacher's welcome and the frog animation.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace assetgen {

// Water filling rect, lighter toward the top, with a few gentle ripple lines.
void drawPondWater(QPainter& painter, const QRectF& rect);

// A lily pad seen from the side: a flat disc with a notch; width is its diameter.
void drawLilyPad(QPainter& painter, QPointF centre, qreal width);

// A small pink water lily flower.
void drawWaterLily(QPainter& painter, QPointF centre, qreal size);

} // namespace assetgen
