#include "ReviewLayout.h"

ReviewLayout ComputeReviewLayout(int width, int height, int headerHeight) {
    ReviewLayout layout;
    layout.buddyArea = {1, headerHeight + 3, kReviewColumnRight - 1, headerHeight + 106};
    layout.cardArea = {1, layout.buddyArea.bottom, kReviewColumnRight - 1,
                       layout.buddyArea.bottom + static_cast<int>(0.36 * height)};
    layout.listFrame = {layout.cardArea.right + 3, layout.buddyArea.top, width - 1,
                        layout.cardArea.bottom};
    layout.padArea = {0, layout.cardArea.bottom + 2, kReviewColumnRight, height};
    layout.buttonArea = {kReviewColumnRight + 2, layout.padArea.top, width, height};
    return layout;
}
