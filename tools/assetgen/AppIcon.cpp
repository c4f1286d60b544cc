#include "AppIcon.h"

#include "FrogPainter.h"
#include "Pond.h"
#include "Style.h"

#include <QDir>
#include <QPainterPath>

namespace assetgen {

QImage drawAppIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // A small margin and corners like those of the other icons in a menu.
    const QRectF pond(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    QPainterPath shape;
    shape.addRoundedRect(pond, s * 0.2, s * 0.2);
    painter.setClipPath(shape);
    drawPondWater(painter, pond);
    drawLilyPad(painter, QPointF(s * 0.5, s * 0.8), s * 0.8);
    drawFrog(painter, QPointF(s * 0.5, s * 0.8), s * 0.62, FrogPose::Sitting);
    painter.setClipping(false);
    painter.setPen(QPen(style::kWaterDeep.darker(130), qMax(1.0, s / 48)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
    return icon;
}

bool writeAppIcons(const QString& folder, const QString& iconName, QString& error) {
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
        const QString path = dir + "/" + iconName + ".png";
        if (!QDir().mkpath(dir) || !drawAppIcon(size).save(path, "PNG")) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

} // namespace assetgen
