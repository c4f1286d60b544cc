#include "ScreenStage.h"

#include <QWidget>

namespace platform {
namespace {
QPoint stageOrigin;
}

void SetStageOrigin(QPoint origin) {
    stageOrigin = origin;
}

QPoint StageOrigin() {
    return stageOrigin;
}

void PlaceOnScreen(QWidget& window, const QRect& screenRect) {
    window.setGeometry(screenRect.translated(stageOrigin));
}

} // namespace platform
