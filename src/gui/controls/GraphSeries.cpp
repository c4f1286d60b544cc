#include "GraphSeries.h"

#include <algorithm>

void GraphSeries::Clear() {
    points_.clear();
    maximum_ = 0;
    first_ = 0;
}

void GraphSeries::Add(const GraphPoint& point) {
    if (Count() >= visible_ + first_) {
        ++first_;
    }
    points_.push_back(point);
    maximum_ = std::max(maximum_, point.value);
}

int GraphSeries::End() const {
    return std::min(first_ + visible_, Count());
}

GraphSeries::ScrollButtons GraphSeries::FitWindow() {
    const ScrollButtons buttons{.back = first_ >= 1, .forward = first_ + visible_ < Count()};
    first_ = std::max(first_, 0);
    if (first_ + visible_ >= Count() && Count() >= visible_) {
        first_ = Count() - visible_;
    }
    return buttons;
}

void GraphSeries::ScrollWithin(int positions) {
    const long long moved = static_cast<long long>(first_) + positions;
    first_ = static_cast<int>(std::clamp<long long>(moved, 0, std::max(0, Count() - visible_)));
}
