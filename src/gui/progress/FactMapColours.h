#pragma once

#include "data/FactFluency.h"

#include <QColor>

// The fact map's colours, one for each way a fact can be known; the legend, the screenshots and
// the tests take them from here too.
inline const QColor kNotSeenColour(222, 222, 222);
inline const QColor kFluentColour(92, 190, 92);
inline const QColor kSlowColour(250, 212, 70);
inline const QColor kMissedColour(232, 86, 74);
// Dark enough to read on every one of them.
inline const QColor kFactInkColour(28, 28, 28);

inline QColor FluencyColour(data::Fluency fluency) {
    switch (fluency) {
    case data::Fluency::Fluent:
        return kFluentColour;
    case data::Fluency::Slow:
        return kSlowColour;
    case data::Fluency::Missed:
        return kMissedColour;
    case data::Fluency::NotSeen:
        break;
    }
    return kNotSeenColour;
}
