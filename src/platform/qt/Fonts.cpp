#include "Fonts.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace platform {
namespace {

constexpr std::array<std::pair<const char*, const char*>, 7> kSubstitutes{{
    {"Book Antiqua", "P052"},
    {"Verdana", "DejaVu Sans"},
    {"Arial", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Microsoft Sans Serif", "Liberation Sans"},
    {"Small Fonts", "DejaVu Sans"},
    // The Windows "Symbol" face's private codes are drawn as Unicode in a face that has them;
    // the real symbol-encoded face would draw × and ÷ as other glyphs.
    {"Symbol", "DejaVu Serif"},
}};

} // namespace

QString SubstituteFace(const QString& face) {
    for (const auto& [windowsName, installed] : kSubstitutes) {
        if (face.compare(QLatin1String(windowsName), Qt::CaseInsensitive) == 0) {
            return QString::fromLatin1(installed);
        }
    }
    return face;
}

void InstallFontSubstitutions() {
    for (const auto& [windowsName, installed] : kSubstitutes) {
        QFont::insertSubstitution(QString::fromLatin1(windowsName), QString::fromLatin1(installed));
    }
}

int PointsToPixels(int points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

int TenthPointsToPixels(int tenths) {
    return static_cast<int>(std::lround(tenths * 96.0 / 720.0));
}

QFont MakeFont(const QString& face, int pixelHeight, int weight, bool italic) {
    QFont font;
    font.setFamilies(QStringList{SubstituteFace(face)});
    font.setPixelSize(std::max(pixelHeight, 1));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont FontToFit(const QFont& font, const QStringList& texts, int width, int smallestPixels) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& text : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(text.trimmed()));
    }
    if (widest <= width || font.pixelSize() <= 0) {
        return font;
    }
    QFont smaller = font;
    smaller.setPixelSize(std::max(smallestPixels, font.pixelSize() * width / widest));
    return smaller;
}

} // namespace platform
