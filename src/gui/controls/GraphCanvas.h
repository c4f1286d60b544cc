#pragma once

#include "platform/qt/GdiDc.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>

// The drawing calls a graph makes, so that what it draws can be painted on a widget or watched
// call by call. Coordinates as the drawing adapter keeps them: right and bottom edges outside.
class GraphCanvas {
public:
    virtual ~GraphCanvas() = default;

    virtual QSize TextExtent(const QFont& font, const QString& text) = 0;
    // Leaves out its end point.
    virtual void Line(const platform::GdiPen& pen, QPoint from, QPoint to) = 0;
    // A round dot as wide as the pen.
    virtual void Dot(const platform::GdiPen& pen, QPoint at) = 0;
    virtual void Fill(const platform::GdiRect& rect, QColor colour) = 0;
    // Outlined with the pen just inside the rectangle; filled with `fill` when there is one.
    virtual void Rectangle(const platform::GdiPen& pen, std::optional<QColor> fill,
                           const platform::GdiRect& rect) = 0;
    // Black on a transparent background, placed in `rect` by the dt flags.
    virtual void Text(const QFont& font, const QString& text, const platform::GdiRect& rect,
                      unsigned format) = 0;
    // Black on a transparent background, running upwards from its top-left corner `at`.
    virtual void TextUpwards(const QFont& font, const QString& text, QPoint at) = 0;
};

// Draws through the drawing adapter.
class GdiGraphCanvas final : public GraphCanvas {
public:
    explicit GdiGraphCanvas(platform::GdiDc& dc);

    QSize TextExtent(const QFont& font, const QString& text) override;
    void Line(const platform::GdiPen& pen, QPoint from, QPoint to) override;
    void Dot(const platform::GdiPen& pen, QPoint at) override;
    void Fill(const platform::GdiRect& rect, QColor colour) override;
    void Rectangle(const platform::GdiPen& pen, std::optional<QColor> fill,
                   const platform::GdiRect& rect) override;
    void Text(const QFont& font, const QString& text, const platform::GdiRect& rect,
              unsigned format) override;
    void TextUpwards(const QFont& font, const QString& text, QPoint at) override;

private:
    platform::GdiDc& dc_;
};
