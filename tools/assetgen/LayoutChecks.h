// Places the drawn pictures the way the screens do at 800 x 600 and reports every picture that
// would not fit: the build fails rather than ship a screen with gaps or overlapping buttons.
#pragma once

#include "PictureSet.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace assetgen {

// Empty when everything fits; otherwise one line per problem.
QStringList checkLayouts(const PictureSet& set);

// The parts of the checks that need pixels rather than sizes.
QStringList checkHomeTiling(const PictureSet& set);
QStringList checkSmallPad(const PictureSet& set);

// Where the home screen places each of its pictures, from their sizes (help last).
std::vector<std::pair<std::string_view, QRect>> homePlacement(const PictureSet& set);

// Where the number pad places its keys, in the multiplication layout (ring of digits and
// Enter, in "Numbers/Small") and in the standard layout (keys 0 to 18, in "Numbers").
std::vector<std::pair<std::string, QPoint>> smallPadPlacement(const PictureSet& set);
std::vector<std::pair<std::string, QPoint>> standardPadPlacement(const PictureSet& set);

// Size of a picture that the catalog guarantees exists.
QSize pictureSize(const PictureSet& set, std::string_view folder, std::string_view name);

} // namespace assetgen
