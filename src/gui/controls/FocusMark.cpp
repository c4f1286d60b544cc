#include "FocusMark.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QWidget>

namespace {

constexpr int kRingWidth = 3;
constexpr qreal kCornerRadius = 9;
const QColor kDarkRing(20, 20, 20);

bool marksShown = false;

// Sees every key and mouse press of the program before the control it is for.
class KeyboardUseWatcher final : public QObject {
public:
    explicit KeyboardUseWatcher(QObject* application) : QObject(application) {
        application->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress) {
            Show(type == QEvent::KeyPress);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void Show(bool shown) {
        if (marksShown == shown) {
            return;
        }
        marksShown = shown;
        if (QWidget* focused = QApplication::focusWidget()) {
            focused->update();
        }
    }
};

} // namespace

bool FocusMarksShown() {
    return marksShown;
}

void WatchForKeyboardUse() {
    static bool watching = false;
    if (!watching && qApp != nullptr) {
        watching = true;
        new KeyboardUseWatcher(qApp);
    }
}

void DrawFocusMark(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // Pens are centred on their path: each ring lies wholly inside the one around it.
    const QRectF outer = QRectF(area).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(kDarkRing, kRingWidth));
    painter.drawRoundedRect(outer, kCornerRadius, kCornerRadius);
    const qreal inset = kRingWidth - 0.5;
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRoundedRect(outer.adjusted(inset, inset, -inset, -inset), kCornerRadius - inset,
                            kCornerRadius - inset);
    painter.restore();
}
