#include "FlashCard.h"

#include "Shapes.h"
#include "Style.h"

namespace assetgen {

QImage paintFlashCard(QSize size) {
    QImage image = canvas(size.width(), size.height(), style::kWhite);
    QPainter painter;
    beginPainting(painter, image);
    const qreal radius = size.width() * 0.1;
    const QRectF card(2, 2, size.width() - 6, size.height() - 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 200, 200));
    painter.drawPath(roundedRect(card.translated(3, 3), radius));
    painter.setBrush(style::kCardFace);
    painter.setPen(QPen(style::kSky, qMax(2.0, size.width() / 40.0)));
    painter.drawPath(roundedRect(card, radius));
    // A thin second rim inside, like a printed card's border.
    const qreal inset = size.width() * 0.07;
    painter.setPen(QPen(style::shade(style::kSky, 0.6), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roundedRect(card.adjusted(inset, inset, -inset, -inset), radius * 0.6));
    painter.end();
    return image;
}

} // namespace assetgen
