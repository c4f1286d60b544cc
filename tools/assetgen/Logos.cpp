#include "Logos.h"

#include "FrogPainter.h"
#include "Style.h"

#include <QFontMetricsF>
#include <QPainterPath>

namespace assetgen {

void drawTallyhopLogo(QPainter& painter, QPointF centre, int letterHeight) {
    const QString word = QStringLiteral("Tallyhop");
    const QColor colours[] = {style::kCoral, style::kOrange, style::kSun,   style::kLeaf,
                              style::kSky,   style::kGrape,  style::kCoral, style::kOrange};
    const QFont font = style::sans(letterHeight);
    QFontMetricsF metrics(font);
    const qreal frogWidth = letterHeight * 0.9;
    const qreal gap = letterHeight * 0.12;
    const qreal textWidth = metrics.horizontalAdvance(word);
    const qreal left = centre.x() - (frogWidth + gap + textWidth) / 2;
    const qreal baseline = centre.y() + metrics.capHeight() / 2;

    drawFrog(painter, QPointF(left + frogWidth / 2, baseline), frogWidth, FrogPose::Sitting);

    qreal x = left + frogWidth + gap;
    painter.save();
    for (int i = 0; i < word.size(); ++i) {
        // Letters bob up and down a little, like hops.
        const qreal lift = (i % 2 == 0 ? 0.0 : -0.06) * letterHeight;
        QPainterPath letter;
        letter.addText(QPointF(x, baseline + lift), font, word.mid(i, 1));
        painter.setPen(
            QPen(style::kInk, letterHeight * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(letter);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours[i % std::size(colours)]);
        painter.drawPath(letter);
        x += metrics.horizontalAdvance(word.mid(i, 1));
    }
    painter.restore();
}

void drawKorvaneLogo(QPainter& painter, QPointF centre, int markSize) {
    const QFont nameFont = style::serif(markSize * 55 / 100, true);
    const QFont lineFont = style::serif(markSize * 32 / 100, false);
    QFontMetricsF nameMetrics(nameFont);
    const QString name = QStringLiteral("Korvane");
    const QString line = QStringLiteral("L E A R N I N G");
    const qreal textWidth =
        qMax(nameMetrics.horizontalAdvance(name), QFontMetricsF(lineFont).horizontalAdvance(line));
    const qreal gap = markSize * 0.25;
    const qreal left = centre.x() - (markSize + gap + textWidth) / 2;
    const QRectF mark(left, centre.y() - markSize / 2.0, markSize, markSize);

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::kTeal);
    painter.drawEllipse(mark);
    // A sprouting leaf over the K: learning that grows.
    QPainterPath leaf;
    const QPointF stem(mark.center().x() + markSize * 0.12, mark.top() + markSize * 0.3);
    leaf.moveTo(stem);
    leaf.quadTo(stem + QPointF(markSize * 0.05, -markSize * 0.22),
                stem + QPointF(markSize * 0.28, -markSize * 0.2));
    leaf.quadTo(stem + QPointF(markSize * 0.2, markSize * 0.02), stem);
    painter.setBrush(style::kSun);
    painter.drawPath(leaf);
    painter.setPen(style::kWhite);
    painter.setFont(style::serif(markSize * 62 / 100, true));
    painter.drawText(mark.translated(0, markSize * 0.04), Qt::AlignCenter, QStringLiteral("K"));

    const qreal textLeft = mark.right() + gap;
    painter.setPen(style::kInk);
    painter.setFont(nameFont);
    painter.drawText(QPointF(textLeft, centre.y() + markSize * 0.05), name);
    painter.setPen(style::shade(style::kTeal, -0.2));
    painter.setFont(lineFont);
    painter.drawText(QPointF(textLeft + 2, centre.y() + markSize * 0.42), line);
    painter.restore();
}

} // namespace assetgen
