#pragma once

#include <QFont>
#include <QRect>

namespace platform {

// Converts dialog-template units to pixels from the dialog font: x · average character width / 4
// and y · character height / 8, rounded, so templates' numbers are used as they stand.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& dialogFont);
    int X(int units) const;
    int Y(int units) const;
    // A template rectangle given as left, top, width, height in dialog units.
    QRect Rect(int x, int y, int width, int height) const;
    int AverageCharWidth() const { return averageWidth_; }
    int CharHeight() const { return height_; }

private:
    int averageWidth_;
    int height_;
};

} // namespace platform
