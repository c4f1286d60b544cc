#include "Header.h"

#include "Button.h"
#include "PictureSizes.h"
#include "Shapes.h"
#include "Style.h"

#include <QLinearGradient>

namespace assetgen {

namespace {

void fillBar(QImage& image) {
    QPainter painter;
    beginPainting(painter, image);
    QLinearGradient gradient(0, 0, 0, image.height());
    gradient.setColorAt(0.0, style::kHeaderTop);
    gradient.setColorAt(1.0, style::kHeaderBottom);
    painter.fillRect(image.rect(), gradient);
    painter.fillRect(QRect(0, 0, image.width(), 1), style::shade(style::kHeaderTop, 0.3));
    painter.fillRect(QRect(0, image.height() - 2, image.width(), 2),
                     style::shade(style::kHeaderBottom, -0.3));
    painter.end();
}

} // namespace

QImage paintHeaderBackground() {
    QImage image = canvas(800, sizes::kHeaderHeight, style::kHeaderBottom);
    fillBar(image);
    return image;
}

QImage paintHeaderBadge(Icon icon, const QColor& colour) {
    QImage image = canvas(sizes::kHeaderIcon.width(), sizes::kHeaderIcon.height(), Qt::black);
    fillBar(image);
    QPainter painter;
    beginPainting(painter, image);
    const QRectF badge(5, 4, 32, 31);
    painter.setPen(QPen(style::shade(colour, -0.3), 1.5));
    painter.setBrush(colour);
    painter.drawRoundedRect(badge, 8, 8);
    drawIcon(painter, icon, badge.adjusted(5, 5, -5, -5), inkOn(colour), colour);
    painter.end();
    return image;
}

} // namespace assetgen
