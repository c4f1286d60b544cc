#include "Shapes.h"

#include "Style.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

namespace assetgen {

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(fill);
    return image;
}

void beginPainting(QPainter& painter, QImage& image) {
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPainterPath roundedRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QRectF drawButtonFace(QPainter& painter, const QRectF& rect, const QColor& colour, qreal radius,
                      bool lit) {
    painter.save();
    const qreal depth = qMax<qreal>(2.0, rect.height() * 0.07);
    QRectF face = rect.adjusted(kFaceMargin, kFaceMargin, -kFaceMargin, -kFaceMargin - depth);
    const QColor base = lit ? style::shade(colour, 0.12) : colour;

    if (lit) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(style::kGlow);
        painter.drawPath(roundedRect(rect, radius + kFaceMargin));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::shade(base, -0.35));
    painter.drawPath(roundedRect(face.translated(0, depth), radius));

    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    gradient.setColorAt(0.0, style::shade(base, lit ? 0.35 : 0.22));
    gradient.setColorAt(0.5, base);
    gradient.setColorAt(1.0, style::shade(base, -0.06));
    painter.setBrush(gradient);
    painter.drawPath(roundedRect(face, radius));
    if (lit) {
        // A bright rim inside the glow: the button looks switched on.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 255, 255, 170), qMax<qreal>(1.5, rect.height() / 30)));
        painter.drawPath(roundedRect(face.adjusted(1, 1, -1, -1), radius - 1));
    }
    painter.restore();
    return face;
}

void drawFittedText(QPainter& painter, const QRectF& rect, const QString& text, QFont font,
                    const QColor& colour, int flags) {
    const int asked = font.pixelSize();
    for (int size = asked; size > asked * 6 / 10; --size) {
        font.setPixelSize(size);
        QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(text) <= rect.width() && metrics.height() <= rect.height())
            break;
    }
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
    painter.restore();
}

void drawOutlinedText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                      const QColor& fill, const QColor& outline, qreal outlineWidth) {
    QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    const QPointF baseline(rect.center().x() - width / 2,
                           rect.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    QPainterPath path;
    path.addText(baseline, font, text);
    painter.save();
    painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

} // namespace assetgen
