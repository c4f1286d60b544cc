// Simple pictograms drawn with paths, so that a child who cannot read yet knows each button.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace assetgen {

enum class Icon {
    User,
    Classes,
    AddUser,
    Clipboard,
    Stopwatch,
    BarChart,
    Star,
    List,
    Check,
    Cross,
    Hourglass,
    House,
    Play,
    Printer,
    Door,
    Question,
    Pencil,
    Trash,
    Retry,
    Bulb,
    Frog,
    FactGrid,
    Table,  // a sheet of rows and columns: the class report
    Export, // the sheet with an arrow leaving it: saved as a file
};

// Draws the icon centred in box, keeping its square proportions. ink is the main colour,
// detail the colour of inner parts (paper, sand, a door knob).
void drawIcon(QPainter& painter, Icon icon, const QRectF& box, const QColor& ink,
              const QColor& detail);

// The icon in white on a disc of the given colour, as on status and feedback pictures.
void drawIconDisc(QPainter& painter, Icon icon, const QRectF& disc, const QColor& colour);

} // namespace assetgen
