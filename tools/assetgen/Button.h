// The program's picture buttons: a rounded face in the action's colour, an icon and a label.
#pragma once

#include "Icons.h"
#include "Shapes.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <optional>

namespace assetgen {

struct ButtonDesign {
    int width;
    int height;
    QString label;            // may be empty: icon only
    std::optional<Icon> icon; // may be empty: label only, centred
    QColor colour;
    QColor surface; // what the screen paints around the button
    int fontPixels;
    bool round = false;                       // a disc rather than a rounded rectangle
    bool iconOnDisc = false;                  // the icon in the button's colour on a white disc
    int smallestPixels = kSmallestWordPixels; // the label never shrinks below this
};

// The normal picture, or the lit roll-over picture.
QImage paintButton(const ButtonDesign& design, bool lit);

// The same button drawn into rect of a larger picture (design's size and surface unused).
void drawButton(QPainter& painter, const QRectF& rect, const ButtonDesign& design, bool lit);

// Ink that reads well on a face of this colour: white on strong colours, dark on pale ones.
QColor inkOn(const QColor& face);

} // namespace assetgen
