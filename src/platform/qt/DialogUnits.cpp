#include "DialogUnits.h"

#include <QFontMetrics>
#include <cmath>

namespace platform {
namespace {

int MulDiv(int value, int multiplier, int divisor) {
    return static_cast<int>(std::lround(static_cast<double>(value) * multiplier / divisor));
}

} // namespace

DialogUnits::DialogUnits(const QFont& dialogFont) {
    const QFontMetrics metrics(dialogFont);
    // The average width of the 52 letters, rounded, as the dialog manager measures it.
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    averageWidth_ = (alphabet / 26 + 1) / 2;
    height_ = metrics.height();
}

int DialogUnits::X(int units) const {
    return MulDiv(units, averageWidth_, 4);
}

int DialogUnits::Y(int units) const {
    return MulDiv(units, height_, 8);
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
}

} // namespace platform
