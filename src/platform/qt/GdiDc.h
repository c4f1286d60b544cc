#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace platform {

// A rectangle as the drawing code thinks of it: right and bottom are outside it.
struct GdiRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    QRect ToQRect() const { return QRect(left, top, Width(), Height()); }
    static GdiRect FromQRect(const QRect& r) {
        return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
    bool operator==(const GdiRect&) const = default;
};

enum class BkMode { Transparent, Opaque };
enum class PenStyle { Solid, Dash, Dot, Null };

struct GdiPen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    QColor color = Qt::black;
};

struct GdiBrush {
    bool hollow = false;
    QColor color = Qt::white;
};

// Text layout flags, with the values of the drawing API the screens were laid out for.
namespace dt {
inline constexpr unsigned kLeft = 0x0;
inline constexpr unsigned kCenter = 0x1;
inline constexpr unsigned kRight = 0x2;
inline constexpr unsigned kVCenter = 0x4;
inline constexpr unsigned kBottom = 0x8;
inline constexpr unsigned kWordBreak = 0x10;
inline constexpr unsigned kSingleLine = 0x20;
inline constexpr unsigned kNoClip = 0x100;
inline constexpr unsigned kCalcRect = 0x400;
} // namespace dt

// Device-context semantics over a QPainter, so screens, graphs, cards and printed sheets keep the
// coordinates they were designed with: one current pen, brush, font, text colour and background
// mode; lines that leave out their end point; text placed by its top-left corner and measured with
// the font that draws it. Works on any paint device (widget, image, printer) in device pixels.
class GdiDc {
public:
    explicit GdiDc(QPainter& painter);

    QPainter& Painter() { return painter_; }

    QColor SetTextColor(const QColor& color);
    QColor TextColor() const { return textColor_; }
    QColor SetBkColor(const QColor& color);
    BkMode SetBkMode(BkMode mode);

    // Each Select returns what was selected before, so callers can put it back.
    QFont SelectFont(const QFont& font);
    QFont CurrentFont() const { return font_; }
    GdiPen SelectPen(const GdiPen& pen);
    GdiPen CurrentPen() const { return pen_; }
    GdiBrush SelectBrush(const GdiBrush& brush);

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint CurrentPosition() const { return position_; }

    // Outlined with the pen and filled with the brush.
    void Rectangle(const GdiRect& rect);
    void Ellipse(const GdiRect& rect);
    void FillSolidRect(const GdiRect& rect, const QColor& color);
    // A one-pixel frame just inside the rectangle.
    void FrameRect(const GdiRect& rect, const QColor& color);

    QSize GetTextExtent(const QString& text) const;
    void TextOut(int x, int y, const QString& text);
    // Text turned counter-clockwise by `tenthsOfDegree` around its top-left corner.
    void TextOutRotated(int x, int y, const QString& text, int tenthsOfDegree);
    // Lays `text` out in `rect` by the dt flags; with kCalcRect only measures, widening or
    // heightening `rect`. Returns the height of the text.
    int DrawText(const QString& text, GdiRect& rect, unsigned format);

    // Opaque copy of the whole picture with its top-left corner at (x, y), clipped by the target.
    void DrawImage(int x, int y, const QImage& image);
    void StretchImage(const GdiRect& target, const QImage& image);

private:
    void PlotLine(QPoint from, QPoint to);
    void ApplyPainterPen();

    QPainter& painter_;
    QColor textColor_ = Qt::black;
    QColor bkColor_ = Qt::white;
    BkMode bkMode_ = BkMode::Opaque;
    QFont font_;
    GdiPen pen_;
    GdiBrush brush_;
    QPoint position_;
};

} // namespace platform
