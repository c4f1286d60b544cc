#include "GdiDc.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

namespace platform {
namespace {

// On/off lengths in pixels of the patterned one-pixel pens.
bool PatternOn(PenStyle style, int index) {
    switch (style) {
    case PenStyle::Dot:
        return index % 2 == 0;
    case PenStyle::Dash:
        return index % 24 < 18;
    default:
        return true;
    }
}

} // namespace

GdiDc::GdiDc(QPainter& painter) : painter_(painter), font_(painter.font()) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

QColor GdiDc::SetTextColor(const QColor& color) {
    return std::exchange(textColor_, color);
}

QColor GdiDc::SetBkColor(const QColor& color) {
    return std::exchange(bkColor_, color);
}

BkMode GdiDc::SetBkMode(BkMode mode) {
    return std::exchange(bkMode_, mode);
}

QFont GdiDc::SelectFont(const QFont& font) {
    painter_.setFont(font);
    return std::exchange(font_, font);
}

GdiPen GdiDc::SelectPen(const GdiPen& pen) {
    return std::exchange(pen_, pen);
}

GdiBrush GdiDc::SelectBrush(const GdiBrush& brush) {
    return std::exchange(brush_, brush);
}

void GdiDc::MoveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void GdiDc::LineTo(int x, int y) {
    const QPoint to(x, y);
    if (pen_.style != PenStyle::Null && pen_.width <= 1) {
        PlotLine(position_, to);
    } else if (pen_.style != PenStyle::Null) {
        ApplyPainterPen();
        painter_.drawLine(position_, to);
    }
    position_ = to;
}

// One-pixel lines pixel by pixel (Bresenham), leaving out the end point so that joined lines
// never draw a pixel twice and a frame drawn corner to corner closes exactly.
void GdiDc::PlotLine(QPoint from, QPoint to) {
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    if (dx == 0 && dy == 0) {
        return;
    }
    if (pen_.style == PenStyle::Solid && (dx == 0 || dy == 0)) {
        const int left = std::min(from.x(), to.x() + (to.x() < from.x() ? 1 : 0));
        const int top = std::min(from.y(), to.y() + (to.y() < from.y() ? 1 : 0));
        painter_.fillRect(QRect(left, top, std::max(dx, 1), std::max(-dy, 1)), pen_.color);
        return;
    }
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint at = from;
    for (int index = 0; at != to; ++index) {
        if (PatternOn(pen_.style, index)) {
            painter_.fillRect(QRect(at, QSize(1, 1)), pen_.color);
        }
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            at.rx() += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            at.ry() += stepY;
        }
    }
}

void GdiDc::ApplyPainterPen() {
    if (pen_.style == PenStyle::Null) {
        painter_.setPen(Qt::NoPen);
        return;
    }
    QPen pen(pen_.color, std::max(pen_.width, 1));
    pen.setCapStyle(pen_.width > 1 ? Qt::RoundCap : Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (pen_.style == PenStyle::Dot) {
        pen.setStyle(Qt::DotLine);
    } else if (pen_.style == PenStyle::Dash) {
        pen.setStyle(Qt::DashLine);
    }
    painter_.setPen(pen);
}

void GdiDc::Rectangle(const GdiRect& rect) {
    if (rect.IsEmpty()) {
        return;
    }
    if (!brush_.hollow) {
        painter_.fillRect(rect.ToQRect(), brush_.color);
    }
    if (pen_.style == PenStyle::Null) {
        return;
    }
    if (pen_.width <= 1) {
        MoveTo(rect.left, rect.top);
        LineTo(rect.right - 1, rect.top);
        LineTo(rect.right - 1, rect.bottom - 1);
        LineTo(rect.left, rect.bottom - 1);
        LineTo(rect.left, rect.top);
        return;
    }
    ApplyPainterPen();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1));
}

void GdiDc::Ellipse(const GdiRect& rect) {
    if (rect.IsEmpty()) {
        return;
    }
    ApplyPainterPen();
    painter_.setBrush(brush_.hollow ? QBrush(Qt::NoBrush) : QBrush(brush_.color));
    painter_.drawEllipse(QRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1));
    painter_.setBrush(Qt::NoBrush);
}

void GdiDc::FillSolidRect(const GdiRect& rect, const QColor& color) {
    if (!rect.IsEmpty()) {
        painter_.fillRect(rect.ToQRect(), color);
    }
}

void GdiDc::FrameRect(const GdiRect& rect, const QColor& color) {
    if (rect.IsEmpty()) {
        return;
    }
    const QRect r = rect.ToQRect();
    painter_.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
    painter_.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
    painter_.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    painter_.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
}

QSize GdiDc::GetTextExtent(const QString& text) const {
    const QFontMetrics metrics(font_, painter_.device());
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

void GdiDc::TextOut(int x, int y, const QString& text) {
    const QFontMetrics metrics(font_, painter_.device());
    if (bkMode_ == BkMode::Opaque) {
        painter_.fillRect(QRect(QPoint(x, y), GetTextExtent(text)), bkColor_);
    }
    painter_.setFont(font_);
    painter_.setPen(textColor_);
    painter_.drawText(QPoint(x, y + metrics.ascent()), text);
}

void GdiDc::TextOutRotated(int x, int y, const QString& text, int tenthsOfDegree) {
    painter_.save();
    painter_.translate(x, y);
    painter_.rotate(-tenthsOfDegree / 10.0);
    TextOut(0, 0, text);
    painter_.restore();
}

int GdiDc::DrawText(const QString& text, GdiRect& rect, unsigned format) {
    const bool singleLine = (format & dt::kSingleLine) != 0;
    QSize extent = GetTextExtent(text);
    if (!singleLine && (format & dt::kWordBreak) != 0) {
        const QFontMetrics metrics(font_, painter_.device());
        extent = metrics
                     .boundingRect(QRect(0, 0, std::max(rect.Width(), 1), 1 << 20),
                                   Qt::TextWordWrap, text)
                     .size();
    }
    if ((format & dt::kCalcRect) != 0) {
        rect.right = rect.left + extent.width();
        rect.bottom = rect.top + extent.height();
        return extent.height();
    }
    int x = rect.left;
    if ((format & dt::kCenter) != 0) {
        x = (rect.left + rect.right - extent.width()) / 2;
    } else if ((format & dt::kRight) != 0) {
        x = rect.right - extent.width();
    }
    int y = rect.top;
    if (singleLine && (format & dt::kVCenter) != 0) {
        y = (rect.top + rect.bottom - extent.height()) / 2;
    } else if (singleLine && (format & dt::kBottom) != 0) {
        y = rect.bottom - extent.height();
    }
    painter_.save();
    if ((format & dt::kNoClip) == 0) {
        painter_.setClipRect(rect.ToQRect(), Qt::IntersectClip);
    }
    if (singleLine || (format & dt::kWordBreak) == 0) {
        TextOut(x, y, text);
    } else {
        const int alignment = Qt::TextWordWrap | ((format & dt::kCenter) != 0  ? Qt::AlignHCenter
                                                  : (format & dt::kRight) != 0 ? Qt::AlignRight
                                                                               : Qt::AlignLeft);
        if (bkMode_ == BkMode::Opaque) {
            painter_.fillRect(QRect(rect.left, y, rect.Width(), extent.height()), bkColor_);
        }
        painter_.setFont(font_);
        painter_.setPen(textColor_);
        painter_.drawText(QRect(rect.left, y, rect.Width(), extent.height()), alignment, text);
    }
    painter_.restore();
    return y - rect.top + extent.height();
}

void GdiDc::DrawImage(int x, int y, const QImage& image) {
    if (!image.isNull()) {
        painter_.drawImage(QPoint(x, y), image);
    }
}

void GdiDc::StretchImage(const GdiRect& target, const QImage& image) {
    if (!image.isNull() && !target.IsEmpty()) {
        painter_.drawImage(target.ToQRect(), image);
    }
}

} // namespace platform
