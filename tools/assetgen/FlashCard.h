// The blank flash card on which the screens write a fact.
#pragma once

#include <QImage>
#include <QSize>

namespace assetgen {

// A cream card with rounded corners, a coloured rim and a soft shadow, on a white area.
QImage paintFlashCard(QSize size);

} // namespace assetgen
