#include "FrogPainter.h"

#include "Style.h"

#include <QPainterPath>

namespace assetgen {

namespace {

// All coordinates below are in a frog space 100 units wide, feet at (0, 0), up is negative y.

void drawLegs(QPainter& p, FrogPose pose) {
    p.setPen(Qt::NoPen);
    p.setBrush(style::kFrogDark);
    if (pose == FrogPose::Leaping) {
        // Back legs kicked out in a wide V below, front feet reaching up.
        for (int side : {-1, 1}) {
            p.save();
            p.translate(side * 20, -14);
            p.rotate(side * 40);
            p.drawEllipse(QRectF(-9, -4, 18, 38));
            p.drawEllipse(QRectF(-12, 28, 24, 9));
            p.restore();
            p.drawEllipse(QRectF(side * 34 - 8, -70, 16, 12));
        }
        return;
    }
    const qreal spread = pose == FrogPose::Crouching ? 40 : 34;
    for (int side : {-1, 1}) {
        p.drawEllipse(QRectF(side * spread - 19, -28, 38, 28));
        p.drawEllipse(QRectF(side * (spread + 8) - 12, -8, 24, 9));
        p.drawEllipse(QRectF(side * 15 - 9, -8, 18, 9));
    }
}

void drawEye(QPainter& p, qreal x, qreal y) {
    p.setBrush(style::kFrog);
    p.drawEllipse(QPointF(x, y), 15, 15);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x, y - 1), 10.5, 10.5);
    p.setBrush(QColor(30, 34, 40));
    p.drawEllipse(QPointF(x + (x < 0 ? 1.5 : -1.5), y), 5.5, 6.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x + (x < 0 ? 3.0 : 0.0), y - 3), 2, 2);
}

void drawBodyAndFace(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(style::kFrog);
    p.drawEllipse(QRectF(-40, -64, 80, 58));
    p.setBrush(style::kFrogBelly);
    p.drawEllipse(QRectF(-23, -38, 46, 32));
    drawEye(p, -20, -62);
    drawEye(p, 20, -62);

    QPainterPath smile;
    smile.moveTo(-18, -44);
    smile.quadTo(0, -32, 18, -44);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(style::kFrogDark, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(smile);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 150, 120));
    p.drawEllipse(QPointF(-28, -42), 5, 4);
    p.drawEllipse(QPointF(28, -42), 5, 4);
}

} // namespace

void drawFrog(QPainter& painter, QPointF feet, qreal width, FrogPose pose) {
    painter.save();
    painter.translate(feet);
    painter.scale(width / 100.0, width / 100.0);
    drawLegs(painter, pose);
    // A crouch squashes the body before the jump; a leap stretches it.
    const bool crouching = pose == FrogPose::Crouching;
    const bool leaping = pose == FrogPose::Leaping;
    painter.scale(crouching ? 1.06 : leaping ? 0.96 : 1.0, crouching ? 0.86 : leaping ? 1.08 : 1.0);
    drawBodyAndFace(painter);
    painter.restore();
}

} // namespace assetgen
