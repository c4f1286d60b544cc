#include "Icons.h"

#include "FrogPainter.h"
#include "Style.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace assetgen {

namespace {

// Every icon is drawn in a 100 x 100 design square.

QPen stroke(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void person(QPainter& p, QPointF head, qreal scale, const QColor& ink) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(head, 17 * scale, 17 * scale);
    QPainterPath body;
    const QPointF base = head + QPointF(0, 60 * scale);
    body.moveTo(base + QPointF(-32 * scale, 0));
    body.cubicTo(base + QPointF(-32 * scale, -40 * scale), base + QPointF(32 * scale, -40 * scale),
                 base + QPointF(32 * scale, 0));
    body.closeSubpath();
    p.drawPath(body);
}

void clipboard(QPainter& p, const QColor& ink, const QColor& detail) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(18, 12, 64, 84), 8, 8);
    p.setBrush(detail);
    p.drawRoundedRect(QRectF(26, 24, 48, 64), 4, 4);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(36, 4, 28, 16), 5, 5);
    for (int row = 0; row < 3; ++row) {
        const qreal y = 38 + row * 18;
        p.setPen(stroke(ink, 4));
        p.drawPolyline(QPolygonF({QPointF(31, y), QPointF(35, y + 4), QPointF(41, y - 4)}));
        p.drawLine(QPointF(47, y), QPointF(67, y));
    }
}

void stopwatch(QPainter& p, const QColor& ink, const QColor& detail) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(42, 4, 16, 12), 3, 3);
    p.drawEllipse(QPointF(50, 57), 39, 39);
    p.setBrush(detail);
    p.drawEllipse(QPointF(50, 57), 29, 29);
    p.setPen(stroke(ink, 6));
    p.drawLine(QPointF(50, 57), QPointF(50, 36));
    p.drawLine(QPointF(50, 57), QPointF(64, 64));
    p.drawLine(QPointF(76, 22), QPointF(82, 16));
}

void barChart(QPainter& p, const QColor& ink, const QColor& detail) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(12, 58, 20, 34), 4, 4);
    p.drawRoundedRect(QRectF(40, 38, 20, 54), 4, 4);
    p.drawRoundedRect(QRectF(68, 14, 20, 78), 4, 4);
    p.setBrush(detail);
    p.drawRoundedRect(QRectF(6, 90, 88, 7), 3, 3);
}

// Three rows of three tiles, two of them still open: facts known and facts to learn.
void factGrid(QPainter& p, const QColor& ink) {
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF tile(10 + column * 28, 10 + row * 28, 24, 24);
            const bool open = (row == 1 && column == 2) || (row == 2 && column == 0);
            p.setPen(open ? stroke(ink, 4) : QPen(Qt::NoPen));
            p.setBrush(open ? QBrush(Qt::NoBrush) : QBrush(ink));
            p.drawRoundedRect(open ? tile.adjusted(2, 2, -2, -2) : tile, 5, 5);
        }
    }
}

// A sheet with a heading row and three rows of cells, in `sheet` of the design square.
void table(QPainter& p, const QColor& ink, const QColor& detail, const QRectF& sheet) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(sheet, 8, 8);
    const qreal pad = sheet.width() * 0.1;
    const QRectF inside = sheet.adjusted(pad, pad, -pad, -pad);
    const qreal rowHeight = inside.height() / 4;
    p.setBrush(detail);
    for (int row = 1; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const qreal cellWidth = inside.width() / 3;
            p.drawRect(QRectF(inside.left() + column * cellWidth + 2,
                              inside.top() + row * rowHeight + 2, cellWidth - 4, rowHeight - 4));
        }
    }
}

void exportSheet(QPainter& p, const QColor& ink, const QColor& detail) {
    table(p, ink, detail, QRectF(4, 16, 62, 76));
    p.setPen(stroke(ink, 11));
    p.drawLine(QPointF(56, 54), QPointF(88, 54));
    p.drawPolyline(QPolygonF({QPointF(76, 40), QPointF(92, 54), QPointF(76, 68)}));
}

void star(QPainter& p, const QColor& ink) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 == 0 ? 46 : 20;
        points << QPointF(50 + radius * std::cos(angle), 54 + radius * std::sin(angle));
    }
    p.setPen(stroke(ink, 6));
    p.setBrush(ink);
    p.drawPolygon(points);
}

void list(QPainter& p, const QColor& ink) {
    for (int row = 0; row < 3; ++row) {
        const qreal y = 22 + row * 28;
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(16, y), 8, 8);
        p.setPen(stroke(ink, 10));
        p.drawLine(QPointF(36, y), QPointF(90, y));
    }
}

void check(QPainter& p, const QColor& ink) {
    p.setPen(stroke(ink, 15));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(16, 52), QPointF(40, 76), QPointF(84, 26)}));
}

void cross(QPainter& p, const QColor& ink) {
    p.setPen(stroke(ink, 15));
    p.drawLine(QPointF(24, 24), QPointF(76, 76));
    p.drawLine(QPointF(76, 24), QPointF(24, 76));
}

void hourglass(QPainter& p, const QColor& ink, const QColor& detail) {
    QPainterPath glass;
    glass.moveTo(24, 12);
    glass.lineTo(76, 12);
    glass.cubicTo(76, 40, 56, 44, 56, 50);
    glass.cubicTo(56, 56, 76, 60, 76, 88);
    glass.lineTo(24, 88);
    glass.cubicTo(24, 60, 44, 56, 44, 50);
    glass.cubicTo(44, 44, 24, 40, 24, 12);
    p.setPen(stroke(ink, 6));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(detail);
    QPainterPath sand;
    sand.moveTo(32, 24);
    sand.lineTo(68, 24);
    sand.cubicTo(66, 36, 52, 42, 50, 48);
    sand.cubicTo(48, 42, 34, 36, 32, 24);
    p.drawPath(sand);
    p.drawPolygon(QPolygonF({QPointF(30, 84), QPointF(70, 84), QPointF(50, 66)}));
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(16, 4, 68, 10), 4, 4);
    p.drawRoundedRect(QRectF(16, 86, 68, 10), 4, 4);
}

void house(QPainter& p, const QColor& ink, const QColor& detail) {
    p.setPen(stroke(ink, 6));
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({QPointF(8, 50), QPointF(50, 10), QPointF(92, 50)}));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(20, 46, 60, 46));
    p.setBrush(detail);
    p.drawRoundedRect(QRectF(41, 62, 18, 30), 4, 4);
}

void play(QPainter& p, const QColor& ink) {
    p.setPen(stroke(ink, 10));
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({QPointF(28, 16), QPointF(84, 50), QPointF(28, 84)}));
}

void printer(QPainter& p, const QColor& ink, const QColor& detail) {
    p.setPen(Qt::NoPen);
    p.setBrush(detail);
    p.drawRect(QRectF(26, 8, 48, 34));
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(8, 34, 84, 40), 10, 10);
    p.setBrush(detail);
    p.drawRect(QRectF(26, 60, 48, 34));
    p.setPen(stroke(ink, 5));
    p.drawLine(QPointF(34, 72), QPointF(66, 72));
    p.drawLine(QPointF(34, 84), QPointF(58, 84));
}

void door(QPainter& p, const QColor& ink, const QColor& detail) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(10, 8, 46, 86), 5, 5);
    p.setBrush(detail);
    p.drawEllipse(QPointF(46, 52), 5, 5);
    p.setPen(stroke(ink, 10));
    p.drawLine(QPointF(64, 50), QPointF(90, 50));
    p.drawPolyline(QPolygonF({QPointF(78, 36), QPointF(92, 50), QPointF(78, 64)}));
}

void question(QPainter& p, const QColor& ink) {
    QPainterPath hook;
    hook.moveTo(30, 34);
    hook.cubicTo(30, 8, 74, 6, 72, 32);
    hook.cubicTo(70, 48, 50, 48, 50, 66);
    p.setPen(stroke(ink, 13));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(50, 88), 8, 8);
}

void pencil(QPainter& p, const QColor& ink, const QColor& detail) {
    p.save();
    p.translate(50, 50);
    p.rotate(45);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(-13, -46, 26, 66), 4, 4);
    p.setBrush(detail);
    p.drawPolygon(QPolygonF({QPointF(-13, 20), QPointF(13, 20), QPointF(0, 44)}));
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({QPointF(-5, 35), QPointF(5, 35), QPointF(0, 44)}));
    p.restore();
}

void trash(QPainter& p, const QColor& ink, const QColor& detail) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(36, 4, 28, 12), 4, 4);
    p.drawRoundedRect(QRectF(12, 14, 76, 12), 4, 4);
    p.drawPolygon(QPolygonF({QPointF(20, 30), QPointF(80, 30), QPointF(74, 96), QPointF(26, 96)}));
    p.setPen(stroke(detail, 5));
    for (qreal x : {38.0, 50.0, 62.0})
        p.drawLine(QPointF(x, 42), QPointF(x, 84));
}

void retry(QPainter& p, const QColor& ink) {
    p.setPen(stroke(ink, 12));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(18, 18, 64, 64), 100 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({QPointF(34, 4), QPointF(58, 20), QPointF(32, 36)}));
}

void bulb(QPainter& p, const QColor& ink, const QColor& detail) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(50, 40), 32, 32);
    p.drawRect(QRectF(36, 60, 28, 16));
    p.setBrush(detail);
    p.drawRoundedRect(QRectF(36, 78, 28, 8), 3, 3);
    p.drawRoundedRect(QRectF(40, 88, 20, 8), 3, 3);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(40, 30), 9, 12);
}

} // namespace

void drawIcon(QPainter& painter, Icon icon, const QRectF& box, const QColor& ink,
              const QColor& detail) {
    painter.save();
    const qreal side = qMin(box.width(), box.height());
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / 100.0, side / 100.0);
    switch (icon) {
    case Icon::User:
        person(painter, {50, 28}, 1.0, ink);
        break;
    case Icon::Classes:
        person(painter, {24, 30}, 0.7, style::shade(ink, -0.15));
        person(painter, {76, 30}, 0.7, style::shade(ink, -0.15));
        person(painter, {50, 38}, 0.9, ink);
        break;
    case Icon::AddUser:
        person(painter, {40, 30}, 0.95, ink);
        painter.setPen(stroke(detail, 10));
        painter.drawLine(QPointF(82, 30), QPointF(82, 62));
        painter.drawLine(QPointF(66, 46), QPointF(98, 46));
        break;
    case Icon::Clipboard:
        clipboard(painter, ink, detail);
        break;
    case Icon::Stopwatch:
        stopwatch(painter, ink, detail);
        break;
    case Icon::BarChart:
        barChart(painter, ink, detail);
        break;
    case Icon::Star:
        star(painter, ink);
        break;
    case Icon::List:
        list(painter, ink);
        break;
    case Icon::Check:
        check(painter, ink);
        break;
    case Icon::Cross:
        cross(painter, ink);
        break;
    case Icon::Hourglass:
        hourglass(painter, ink, detail);
        break;
    case Icon::House:
        house(painter, ink, detail);
        break;
    case Icon::Play:
        play(painter, ink);
        break;
    case Icon::Printer:
        printer(painter, ink, detail);
        break;
    case Icon::Door:
        door(painter, ink, detail);
        break;
    case Icon::Question:
        question(painter, ink);
        break;
    case Icon::Pencil:
        pencil(painter, ink, detail);
        break;
    case Icon::Trash:
        trash(painter, ink, detail);
        break;
    case Icon::Retry:
        retry(painter, ink);
        break;
    case Icon::Bulb:
        bulb(painter, ink, detail);
        break;
    case Icon::Frog:
        drawFrog(painter, {50, 92}, 84, FrogPose::Sitting);
        break;
    case Icon::FactGrid:
        factGrid(painter, ink);
        break;
    case Icon::Table:
        table(painter, ink, detail, QRectF(8, 10, 84, 80));
        break;
    case Icon::Export:
        exportSheet(painter, ink, detail);
        break;
    }
    painter.restore();
}

void drawIconDisc(QPainter& painter, Icon icon, const QRectF& disc, const QColor& colour) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(disc);
    const qreal pad = disc.width() * 0.2;
    drawIcon(painter, icon, disc.adjusted(pad, pad, -pad, -pad), style::kWhite, colour);
    painter.restore();
}

} // namespace assetgen
