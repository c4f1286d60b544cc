// Drawing primitives shared by all pictures: canvases, rounded "toy" buttons, fitted labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QStringList>

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

// The smallest letters a word may be drawn in: 14 px, 10.5 pt at 96 dpi. Run full-screen at
// 800 x 600 on a school's 17 to 19 inch monitor, a pixel is about 0.45 mm, so its letters stand
// 6 mm tall, the size of print in first readers; centred unscaled on a larger screen they are
// still no smaller than a book's body text. Below that a beginning reader spells rather than
// reads a caption.
inline constexpr int kSmallestWordPixels = 14;

// Text in a rectangle, as large as fits, up to the asked size: on one line down to 60 % of it,
// then broken into lines between words, down to `smallest` pixels. Text that would not fit even
// so would be cut: it is drawn at `smallest` and named in takeFitProblems().
void drawFittedText(QPainter& painter, const QRectF& rect, const QString& text, QFont font,
                    const QColor& colour, int flags = Qt::AlignCenter,
                    int smallest = kSmallestWordPixels);

// The texts drawFittedText could not fit since the last call, one line each.
QStringList takeFitProblems();

// Text with a soft dark outline, readable on any colour.
void drawOutlinedText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                      const QColor& fill, const QColor& outline, qreal outlineWidth);

} // namespace assetgen
