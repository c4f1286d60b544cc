#include "LayoutChecks.h"

#include "PictureSizes.h"
#include "Style.h"

#include <QRect>
#include <cmath>
#include <vector>

namespace assetgen {

QSize pictureSize(const PictureSet& set, std::string_view folder, std::string_view name) {
    const QImage* image = set.find(folder, name);
    return image ? image->size() : QSize();
}

std::vector<std::pair<std::string_view, QRect>> homePlacement(const PictureSet& set) {
    auto size = [&](std::string_view name) {
        return pictureSize(set, "Login", name);
    };
    // Positions as the home screen computes them from the pictures' sizes.
    const int w = size("Testing").width();
    const int logoHeight = size("TallyhopLogoHome").height();
    const QRect testing(QPoint(-30, -60), size("Testing"));
    const QRect training(QPoint(-30, testing.top() + testing.height()), size("Training"));
    const QRect review(QPoint(-30, training.top() + training.height()), size("Review"));
    const QRect progress(QPoint(-30, review.top() + review.height()), size("Progress"));
    const QSize help = size("helpButton");
    return {
        {"Testing", testing},
        {"Training", training},
        {"Review", review},
        {"Progress", progress},
        {"TallyhopLogoHome", QRect(QPoint(w - 30, -60), size("TallyhopLogoHome"))},
        {"LogoutHome",
         QRect(QPoint(size("Progress").width() - 30, logoHeight - 60), size("LogoutHome"))},
        {"KorvanelogoHome", QRect(QPoint(w - 30, -60 + logoHeight + size("LogoutHome").height()),
                                  size("KorvanelogoHome"))},
        {"helpButton", QRect(QPoint(800 - help.width(), 600 - help.height()), help)},
    };
}

QStringList checkHomeTiling(const PictureSet& set) {
    const auto placement = homePlacement(set);
    const QRect help = placement.back().second;
    std::vector<int> cover(800 * 600, 0);
    for (const auto& [name, rect] : placement) {
        if (name == "helpButton")
            continue;
        const QRect on = rect.intersected(QRect(0, 0, 800, 600));
        for (int y = on.top(); y <= on.bottom(); ++y)
            for (int x = on.left(); x <= on.right(); ++x)
                ++cover[y * 800 + x];
    }
    int gaps = 0;
    int overlaps = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            const int count = cover[y * 800 + x];
            gaps += count == 0 && !help.contains(x, y);
            overlaps += count > 1;
        }
    }
    QStringList problems;
    if (gaps > 0)
        problems
            << QString("home screen: %1 pixels of 800x600 are covered by no picture").arg(gaps);
    if (overlaps > 0)
        problems << QString("home screen: %1 pixels are covered by two pictures").arg(overlaps);
    return problems;
}

namespace {

// Pixels of a key picture that are not the pad's own background.
bool drawnAt(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) != style::kPanel;
}

} // namespace

std::vector<std::pair<std::string, QPoint>> smallPadPlacement(const PictureSet& set) {
    const QSize key = pictureSize(set, "Numbers/Small", "0");
    std::vector<std::pair<std::string, QPoint>> placed;
    for (int k = 0; k <= 9; ++k) {
        const double angle = -1.570796325 + k * 0.62831853;
        placed.emplace_back(std::to_string(k),
                            QPoint(static_cast<int>(std::cos(angle) * 90 + 145),
                                   static_cast<int>((std::sin(angle) + 1) * 90)));
    }
    placed.emplace_back("Enter", QPoint(key.width() + 72, key.height() + 15));
    return placed;
}

std::vector<std::pair<std::string, QPoint>> standardPadPlacement(const PictureSet& set) {
    const QSize key = pictureSize(set, "Numbers", "0");
    std::vector<std::pair<std::string, QPoint>> placed;
    for (int k = 1; k <= 18; ++k)
        placed.emplace_back(std::to_string(k),
                            QPoint((k - 1) % 6 * key.width(), (k - 1) / 6 * key.height()));
    placed.emplace_back("0", QPoint(static_cast<int>(2.5 * key.width()), 3 * key.height()));
    return placed;
}

QStringList checkSmallPad(const PictureSet& set) {
    const QSize pad(6 * pictureSize(set, "Numbers", "0").width(),
                    4 * pictureSize(set, "Numbers", "0").height());
    const auto placed = smallPadPlacement(set);
    QStringList problems;
    std::vector<int> owner(pad.width() * pad.height(), -1);
    for (int i = 0; i < static_cast<int>(placed.size()); ++i) {
        const auto& [name, at] = placed[i];
        for (const char* suffix : {"", "Roll"}) {
            const QImage* image = set.find("Numbers/Small", name + suffix);
            if (!QRect(QPoint(0, 0), pad).contains(QRect(at, image->size()))) {
                problems << QString("small pad: key %1 leaves the pad").arg(name.c_str());
                continue;
            }
            for (int y = 0; y < image->height(); ++y) {
                for (int x = 0; x < image->width(); ++x) {
                    if (!drawnAt(*image, x, y))
                        continue;
                    int& cell = owner[(at.y() + y) * pad.width() + at.x() + x];
                    if (cell >= 0 && cell != i) {
                        problems << QString("small pad: key %1 overlaps key %2")
                                        .arg(name.c_str(), placed[cell].first.c_str());
                        return problems;
                    }
                    cell = i;
                }
            }
        }
    }
    return problems;
}

} // namespace assetgen
