// Drawing primitives shared by all pictures: canvases, rounded "toy" buttons, fitted labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace assetgen {

// An opaque 24-bit canvas filled with one colour.
QImage canvas(int width, int height, const QColor& fill);

// Antialiased painter for a canvas.
void beginPainting(QPainter& painter, QImage& image);

QPainterPath roundedRect(const QRectF& rect, qreal radius);

// A chunky rounded button face: a darker base below, a gradient face and a soft shine.
// Lit faces are brighter and ringed in warm yellow, so roll-over is unmistakable.
// Returns the face's upper surface, where its icon and label go.
QRectF drawButtonFace(QPainter& painter, const QRectF& rect, const QColor& colour, qreal radius,
                      bool lit);

// Space a face leaves around itself so that its glow ring fits inside the picture.
inline constexpr qreal kFaceMargin = 3.0;

// Text centred in a rectangle, shrunk until it fits (never below 60 % of the asked size).
void drawFittedText(QPainter& painter, const QRectF& rect, const QString& text, QFont font,
                    const QColor& colour, int flags = Qt::AlignCenter);

// Text with a soft dark outline, readable on any colour.
void drawOutlinedText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                      const QColor& fill, const QColor& outline, qreal outlineWidth);

} // namespace assetgen
