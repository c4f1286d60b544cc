#pragma once

#include "gui/controls/GraphCanvas.h"

#include <QFontMetrics>
#include <functional>
#include <string>
#include <vector>

namespace guitest {

// Keeps every call a graph's paint makes.
class RecordingCanvas final : public GraphCanvas {
public:
    struct Line {
        platform::GdiPen pen;
        QPoint from, to; // a dot: both its centre
    };
    struct Text {
        QFont font;
        QString text;
        platform::GdiRect rect;
    };
    struct Fill {
        platform::GdiRect rect;
        QColor colour;
    };
    using Where = std::function<bool(const platform::GdiRect&)>;

    QSize TextExtent(const QFont& font, const QString& text) override {
        const QFontMetrics metrics(font);
        return {metrics.horizontalAdvance(text), metrics.height()};
    }
    void Line(const platform::GdiPen& pen, QPoint from, QPoint to) override {
        lines.push_back({pen, from, to});
    }
    void Dot(const platform::GdiPen& pen, QPoint at) override { dots.push_back({pen, at, at}); }
    void Fill(const platform::GdiRect& rect, QColor colour) override {
        fills.push_back({rect, colour});
    }
    void Rectangle(const platform::GdiPen&, std::optional<QColor> fill,
                   const platform::GdiRect& rect) override {
        if (fill) {
            fills.push_back({rect, *fill});
        }
    }
    void Text(const QFont& font, const QString& text, const platform::GdiRect& rect,
              unsigned) override {
        texts.push_back({font, text, rect});
    }
    void TextUpwards(const QFont& font, const QString& text, QPoint) override {
        texts.push_back({font, text, {}});
    }

    // The texts whose rectangle `where` accepts, in drawing order.
    std::vector<std::string> TextsWhere(const Where& where) const {
        std::vector<std::string> found;
        for (const auto& text : texts) {
            if (where(text.rect)) {
                found.push_back(text.text.toStdString());
            }
        }
        return found;
    }

    // The colours of the fills whose rectangle `where` accepts, in drawing order.
    std::vector<QColor> FillsWhere(const Where& where) const {
        std::vector<QColor> found;
        for (const auto& fill : fills) {
            if (where(fill.rect)) {
                found.push_back(fill.colour);
            }
        }
        return found;
    }

    std::vector<struct Line> lines, dots;
    std::vector<struct Text> texts;
    std::vector<struct Fill> fills;
};

} // namespace guitest
