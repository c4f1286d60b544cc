#pragma once

#include "platform/qt/GdiDc.h"

#include <QPoint>
#include <QSize>

// The top-left corner that centres `size` in `area`, half pixels truncated as the screens' pictures
// were laid out: where the activity windows put their number pad and cards.
inline QPoint CentreIn(const platform::GdiRect& area, QSize size) {
    return {static_cast<int>((area.Width() - size.width()) * 0.5 + area.left),
            static_cast<int>((area.Height() - size.height()) * 0.5 + area.top)};
}
