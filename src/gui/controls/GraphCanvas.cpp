#include "GraphCanvas.h"

namespace {

constexpr int kUpwards = 900; // tenths of a degree, counter-clockwise

} // namespace

GdiGraphCanvas::GdiGraphCanvas(platform::GdiDc& dc) : dc_(dc) {
    dc_.SetBkMode(platform::BkMode::Transparent);
    dc_.SetTextColor(Qt::black);
}

QSize GdiGraphCanvas::TextExtent(const QFont& font, const QString& text) {
    dc_.SelectFont(font);
    return dc_.GetTextExtent(text);
}

void GdiGraphCanvas::Line(const platform::GdiPen& pen, QPoint from, QPoint to) {
    dc_.SelectPen(pen);
    dc_.MoveTo(from.x(), from.y());
    dc_.LineTo(to.x(), to.y());
}

void GdiGraphCanvas::Dot(const platform::GdiPen& pen, QPoint at) {
    const int corner = pen.width / 2;
    dc_.SelectPen({.style = platform::PenStyle::Null});
    dc_.SelectBrush({.color = pen.color});
    dc_.Ellipse({at.x() - corner, at.y() - corner, at.x() - corner + pen.width,
                 at.y() - corner + pen.width});
}

void GdiGraphCanvas::Fill(const platform::GdiRect& rect, QColor colour) {
    dc_.FillSolidRect(rect, colour);
}

void GdiGraphCanvas::Rectangle(const platform::GdiPen& pen, std::optional<QColor> fill,
                               const platform::GdiRect& rect) {
    dc_.SelectPen(pen);
    dc_.SelectBrush({.hollow = !fill.has_value(), .color = fill.value_or(Qt::white)});
    dc_.Rectangle(rect);
}

void GdiGraphCanvas::Text(const QFont& font, const QString& text, const platform::GdiRect& rect,
                          unsigned format) {
    dc_.SelectFont(font);
    platform::GdiRect place = rect;
    dc_.DrawText(text, place, format);
}

void GdiGraphCanvas::TextUpwards(const QFont& font, const QString& text, QPoint at) {
    dc_.SelectFont(font);
    dc_.TextOutRotated(at.x(), at.y(), text, kUpwards);
}
