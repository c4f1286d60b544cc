#include "TestingLayout.h"

namespace {

int Truncate(double value) {
    return static_cast<int>(value);
}

} // namespace

TestingLayout ComputeTestingLayout(int width, int height, int headerHeight) {
    const int cardHeight = Truncate(0.4 * height);
    const int column = Truncate(0.74 * width);
    const int top = headerHeight + 3;
    const int padTop = top + cardHeight + 2;
    return {
        .columnRight = column,
        .cardArea = {1, top, column - 1, top + cardHeight},
        .statusBox = {column + 2, top, width - 1, top + cardHeight},
        .padArea = {0, padTop, column, height},
        .buttonArea = {column + 2, padTop, width, height},
    };
}

QPoint CardPlace(const platform::GdiRect& cardArea, int index, QSize cardSize) {
    const int share = (cardArea.Width() - 4) / kCardsPerRow;
    return {Truncate((index % kCardsPerRow) * share + cardArea.left + 2 +
                     (share - cardSize.width()) * 0.5),
            Truncate((cardArea.Height() - cardSize.height()) * 0.5 + cardArea.top)};
}
