#include "Style.h"

#include <algorithm>

namespace assetgen::style {

QFont sans(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    // Hinting differs between font back ends; pictures must come out the same everywhere.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont serif(int pixelSize, bool bold) {
    QFont font(QStringLiteral("P052"));
    font.setBold(bold);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QColor shade(const QColor& colour, double amount) {
    const int target = amount >= 0 ? 255 : 0;
    const double t = std::clamp(amount < 0 ? -amount : amount, 0.0, 1.0);
    auto mix = [&](int c) {
        return static_cast<int>(c + (target - c) * t + 0.5);
    };
    return QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue()));
}

} // namespace assetgen::style
