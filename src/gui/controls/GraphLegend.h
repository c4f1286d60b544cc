#pragma once

#include "GraphCanvas.h"

#include <QFont>
#include <QString>
#include <span>

// One sample of a graph's legend and what it stands for.
struct GraphLegendEntry {
    enum class Sample {
        Bar,      // a bar of the category's colour
        Mark,     // a bar of the category's colour with a mark across it
        Dot,      // a line graph's dot of the category's colour
        GoalLine, // the dotted goal line; shown only while the graph draws one
    };
    Sample sample = Sample::Bar;
    QColor colour;
    QString text;
};

// Draws the samples and their texts in one row, from the right end `right` leftwards, centred on
// `centreY`: the small band above a graph's plot holds it.
void DrawGraphLegend(GraphCanvas& canvas, const QFont& font,
                     std::span<const GraphLegendEntry> entries, int right, int centreY);
