#include "Button.h"

#include "Shapes.h"
#include "Style.h"

namespace assetgen {

QColor inkOn(const QColor& face) {
    const int luminance = (face.red() * 299 + face.green() * 587 + face.blue() * 114) / 1000;
    return luminance > 170 ? style::kInk : style::kWhite;
}

QImage paintButton(const ButtonDesign& design, bool lit) {
    QImage image = canvas(design.width, design.height, design.surface);
    QPainter painter;
    beginPainting(painter, image);
    drawButton(painter, QRectF(0, 0, design.width, design.height), design, lit);
    painter.end();
    return image;
}

void drawButton(QPainter& painter, const QRectF& whole, const ButtonDesign& design, bool lit) {
    const qreal radius =
        design.round ? whole.height() / 2.0 : qMin<qreal>(whole.height() * 0.3, 28);
    const QColor face = lit ? style::shade(design.colour, 0.12) : design.colour;
    QRectF content = drawButtonFace(painter, whole, design.colour, radius, lit);
    const QColor ink = inkOn(design.colour);
    if (design.icon) {
        const qreal side = content.height() * 0.66;
        const qreal inset = (content.height() - side) / 2;
        QRectF iconBox(content.left() + inset + radius * 0.3, content.top() + inset, side, side);
        if (design.label.isEmpty())
            iconBox.moveCenter(content.center());
        if (design.iconOnDisc) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(style::kWhite);
            painter.drawEllipse(iconBox);
            const qreal pad = side * 0.17;
            drawIcon(painter, *design.icon, iconBox.adjusted(pad, pad, -pad, -pad),
                     style::shade(design.colour, -0.1), style::kWhite);
        } else {
            drawIcon(painter, *design.icon, iconBox, ink, face);
        }
        content.setLeft(iconBox.right() + inset * 0.6);
    }
    if (!design.label.isEmpty()) {
        const QRectF textBox = content.adjusted(radius * 0.3, 0, -radius * 0.3, 0);
        drawFittedText(painter, textBox, design.label, style::sans(design.fontPixels), ink,
                       Qt::AlignCenter, design.smallestPixels);
    }
}

} // namespace assetgen
