#include "Shapes.h"

#include "Style.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <optional>
#include <utility>

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

namespace {

QStringList& fitProblems() {
    static QStringList problems;
    return problems;
}

bool fits(const QFont& font, const QRectF& rect, const QString& text, int flags) {
    const QFontMetricsF metrics(font);
    if (!(flags & Qt::TextWordWrap))
        return metrics.horizontalAdvance(text) <= rect.width() && metrics.height() <= rect.height();
    const QRectF needed = metrics.boundingRect(rect, flags, text);
    return needed.width() <= rect.width() && needed.height() <= rect.height();
}

// The largest size from `largest` down to `smallest` at which the text fits; nothing if none.
std::optional<int> fittingSize(QFont font, const QRectF& rect, const QString& text, int flags,
                               int largest, int smallest) {
    for (int size = largest; size >= smallest; --size) {
        font.setPixelSize(size);
        if (fits(font, rect, text, flags))
            return size;
    }
    return std::nullopt;
}

} // namespace

void drawFittedText(QPainter& painter, const QRectF& rect, const QString& text, QFont font,
                    const QColor& colour, int flags, int smallest) {
    const int asked = font.pixelSize();
    // A short caption stays on one line while it can keep most of its size; longer text, or
    // text asked to wrap, is broken between words before its letters get smaller.
    std::optional<int> size;
    if (!(flags & Qt::TextWordWrap))
        size = fittingSize(font, rect, text, flags, asked, std::max(asked * 6 / 10 + 1, smallest));
    if (!size) {
        flags |= Qt::TextWordWrap;
        size = fittingSize(font, rect, text, flags, asked, smallest);
    }
    if (!size) {
        fitProblems() << QString("\"%1\" does not fit %2 x %3 px even in letters of %4 px")
                             .arg(text)
                             .arg(rect.width())
                             .arg(rect.height())
                             .arg(smallest);
    }
    font.setPixelSize(size.value_or(smallest));
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
    painter.restore();
}

QStringList takeFitProblems() {
    return std::exchange(fitProblems(), {});
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
