#pragma once

#include "platform/qt/GdiDc.h"

// Where the teacher window puts things on a W × H screen: the top band with the title, the
// welcome panel on the left with the class box at its top and the welcome picture below, the
// student list's panel top right and the box of buttons below it. The right column takes
// teacher_geometry::kRightColumnShare of the width; the button box is
// teacher_geometry::kButtonBoxSteps buttons high.
struct TeacherLayout {
    platform::GdiRect topBand;
    platform::GdiRect title;
    platform::GdiRect welcomePanel;
    platform::GdiRect classBox;       // the class chooser and its buttons
    platform::GdiRect welcomePicture; // where the welcome picture is centred
    platform::GdiRect listPanel;
    platform::GdiRect buttonBox;
    platform::GdiRect list; // the list control, just inside its panel
    int buttonStep = 0;     // a button's height: the buttons' spacing and half the top margin
};

// `buttonHeight`: the height of a button picture; `bandHeight`: the top band's picture;
// `iconWidth`: the class icon's, at the band's left end.
TeacherLayout ComputeTeacherLayout(int width, int height, int buttonHeight, int bandHeight,
                                   int iconWidth);
