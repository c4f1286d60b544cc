#pragma once

#include <vector>

struct GraphPoint {
    int value = 0;
    int mark = 0;     // a bar's mark line; 0 = none
    int category = 0; // a bar's colour class; the mastery graph's passed tests
};

// The values a graph plots, the top of its scale and the window of positions it shows. Every
// point given is kept, however many there are; the window follows the newest point as points
// are added and is moved a position at a time by the scroll buttons.
class GraphSeries {
public:
    // Whether the scroll buttons can move the window back (towards the oldest point) and forward.
    struct ScrollButtons {
        bool back = false;
        bool forward = false;
        bool operator==(const ScrollButtons&) const = default;
    };

    // No points, maximum 0, the window at the start.
    void Clear();
    // Appends, raises the maximum to the value, and moves the window on once the new point
    // would fall past its end.
    void Add(const GraphPoint& point);

    int Count() const { return static_cast<int>(points_.size()); }
    const GraphPoint& Point(int index) const { return points_[static_cast<std::size_t>(index)]; }
    int Maximum() const { return maximum_; }
    void SetMaximum(int maximum) { maximum_ = maximum; }
    int VisibleCount() const { return visible_; }
    void SetVisibleCount(int visible) { visible_ = visible; }
    // The index of the first point shown.
    int First() const { return first_; }
    // One past the last point shown.
    int End() const;

    void Scroll(int positions) { first_ += positions; }
    // Moves the window by `positions`, no further than the first or the last full window.
    void ScrollWithin(int positions);
    // Which ways the buttons may scroll, judged on the window as it stands; then pulls the window
    // back inside the points, full when there are enough of them.
    ScrollButtons FitWindow();

private:
    std::vector<GraphPoint> points_;
    int maximum_ = 0;
    int visible_ = 20;
    int first_ = 0;
};
