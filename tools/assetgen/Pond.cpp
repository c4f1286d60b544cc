#include "Pond.h"

#include "Style.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

namespace assetgen {

void drawPondWater(QPainter& painter, const QRectF& rect) {
    painter.save();
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, style::shade(style::kWater, 0.25));
    gradient.setColorAt(1.0, style::kWaterDeep);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(rect);
    painter.setClipRegion(QRegion(rect.toRect(), QRegion::Ellipse));
    painter.setPen(QPen(QColor(255, 255, 255, 90), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const qreal y = rect.top() + rect.height() * (0.25 + 0.15 * i);
        const qreal x = rect.left() + rect.width() * (0.12 + 0.17 * ((i * 3) % 5));
        painter.drawLine(QPointF(x, y), QPointF(x + rect.width() * 0.08, y));
    }
    painter.restore();
}

void drawLilyPad(QPainter& painter, QPointF centre, qreal width) {
    painter.save();
    const qreal height = width * 0.32;
    QRectF pad(centre.x() - width / 2, centre.y() - height / 2, width, height);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::kPadDark);
    painter.drawEllipse(pad.translated(0, height * 0.18));
    QPainterPath top;
    top.moveTo(centre);
    top.arcTo(pad, 80, 340); // leaves a wedge open: the pad's notch
    top.closeSubpath();
    painter.setBrush(style::kPad);
    painter.drawPath(top);
    painter.setPen(QPen(style::shade(style::kPad, 0.25), qMax(1.0, width / 40)));
    painter.drawLine(centre, centre + QPointF(-width * 0.3, height * 0.1));
    painter.drawLine(centre, centre + QPointF(width * 0.3, height * 0.12));
    painter.restore();
}

void drawWaterLily(QPainter& painter, QPointF centre, qreal size) {
    painter.save();
    painter.setPen(QPen(QColor(214, 90, 140), 1));
    painter.setBrush(QColor(255, 170, 200));
    for (int i = 0; i < 5; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(-60 + i * 30);
        painter.drawEllipse(QRectF(-size * 0.16, -size * 0.55, size * 0.32, size * 0.6));
        painter.restore();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::kSun);
    painter.drawEllipse(centre + QPointF(0, -size * 0.08), size * 0.14, size * 0.1);
    painter.restore();
}

} // namespace assetgen
