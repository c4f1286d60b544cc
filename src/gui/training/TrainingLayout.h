#pragma once

#include "platform/qt/GdiDc.h"

#include <QPoint>
#include <QSize>
#include <array>

// Where the training window puts things, from its client size; fractions are truncated. The
// left column (card area, pad area) is 0.7 of the width, the card area 0.52 of the height.
struct TrainingLayout {
    int columnRight = 0; // where the card and pad areas and the level text end
    platform::GdiRect cardArea;
    platform::GdiRect setupPanel;
    platform::GdiRect padArea;
    platform::GdiRect buttonArea;
    // The flash card's top-left corner: centred across the card area, a little below its middle
    // to leave room for the feedback picture above it.
    QPoint cardPlace;
};

// `headerHeight`: the header bar's height; `cardSize`: the flash card picture's size.
TrainingLayout ComputeTrainingLayout(int width, int height, int headerHeight, QSize cardSize);

// The set-up panel's three grey blocks (kind, length, goal) and the controls in them.
struct SetupPanelLayout {
    std::array<platform::GdiRect, 3> blocks;
    platform::GdiRect kindTitle;
    // Addition, Subtraction, Multiplication, Division in two rows and two columns; Mixed and My
    // Facts in a third column, Mixed on the first row.
    std::array<QPoint, 6> kindButtons;
    platform::GdiRect lengthText;
    platform::GdiRect lengthList; // including its dropped-down list
    platform::GdiRect minutesLabel;
    platform::GdiRect goalText;
    platform::GdiRect goalField;
};

// `letter`: the size of "X" in the set-up font, the unit the panel is measured in;
// `kindButton`: the size of a kind button.
SetupPanelLayout ComputeSetupPanel(const platform::GdiRect& panel, QSize letter, QSize kindButton);
