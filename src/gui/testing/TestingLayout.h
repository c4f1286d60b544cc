#pragma once

#include "platform/qt/GdiDc.h"

#include <QPoint>
#include <QSize>

// Where the testing window puts things, from its client size. Fractions are truncated to whole
// pixels, as the screen's pictures were laid out that way (at 800 x 600 the card area is 240
// pixels tall and the left column ends at x 592).
struct TestingLayout {
    int columnRight =
        0; // where the card, pad and level text end; the right column starts 2 past it
    platform::GdiRect cardArea;
    platform::GdiRect statusBox;
    platform::GdiRect padArea;
    platform::GdiRect buttonArea;
};

inline constexpr int kCardsPerRow = 7;

// `headerHeight`: the height of the header bar above everything else.
TestingLayout ComputeTestingLayout(int width, int height, int headerHeight);

// The top-left corner of card `index` of a test: its row of seven spreads over the card area,
// each card centred in its share of the width and vertically in the area.
QPoint CardPlace(const platform::GdiRect& cardArea, int index, QSize cardSize);
