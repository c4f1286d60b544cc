#pragma once

#include "platform/qt/GdiDc.h"

// Where the review window puts things, from its client size: the frog's strip, the flash card
// and the mistake list under the header bar, the number pad and the buttons below. The left
// column ends at x 575, as the screen's pictures were drawn for an 800 x 600 screen; heights are
// fractions of the window's, truncated.
struct ReviewLayout {
    platform::GdiRect buddyArea;
    platform::GdiRect cardArea;
    platform::GdiRect listFrame; // the list control lies 2 pixels inside it
    platform::GdiRect padArea;
    platform::GdiRect buttonArea;
};

inline constexpr int kReviewColumnRight = 575;

ReviewLayout ComputeReviewLayout(int width, int height, int headerHeight);
