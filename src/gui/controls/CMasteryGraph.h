#pragma once

#include "CBasicLineGraph.h"

// A student's way through the levels, one point per test: the point's height is the mastery
// step of the test (three steps per level), green for a passed test and black otherwise, over
// bands that name the levels instead of a numbered y axis.
class CMasteryGraph final : public CBasicLineGraph {
    Q_OBJECT
public:
    explicit CMasteryGraph(QWidget* parent);

    // False, adding nothing, for a level outside 1 to 6 or a count outside 0 to 3. A step above
    // the top band (level 6, or three passed on Mixed: never recorded) stands on the top band.
    bool AddLevelPoint(int level, int testsPassedBefore, int category);

protected:
    platform::GdiPen PointPen(const GraphPoint& point) const override;
    void DrawYAxis(GraphCanvas& canvas) const override;
    // The bands are named beside them: nothing stands above the top one.
    bool LabelsMaximum() const override { return false; }
};
