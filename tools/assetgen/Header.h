// The header bar across the top of the activity screens and the badges drawn on it.
#pragma once

#include "Icons.h"

#include <QColor>
#include <QImage>

namespace assetgen {

// The bar's background; the screens stretch it to their width, so it only varies downward.
QImage paintHeaderBackground();

// A title or user badge: the icon in white on a rounded square of the screen's colour,
// on the bar's own background so it sits seamlessly at the bar's left or right end.
QImage paintHeaderBadge(Icon icon, const QColor& colour);

} // namespace assetgen
