#include "TemplateDialog.h"

#include "platform/Display.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/ScreenStage.h"

#include <QPainter>

namespace {

const QColor kFrameColour(90, 90, 90);
constexpr int kFrameWidth = 2;

QFont DialogFont(const QString& face, int points) {
    return platform::MakeFont(face, platform::PointsToPixels(points));
}

} // namespace

TemplateDialog::TemplateDialog(QWidget* parent, const QString& fontFace, int points, int widthUnits,
                               int heightUnits)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), units_(DialogFont(fontFace, points)) {
    setModal(true);
    setFont(DialogFont(fontFace, points));
    resize(units_.X(widthUnits), units_.Y(heightUnits));
}

void TemplateDialog::PlaceWidget(QWidget* control, int x, int y, int width, int height) {
    control->setParent(this);
    control->setGeometry(units_.Rect(x, y, width, height));
}

void TemplateDialog::showEvent(QShowEvent* event) {
    const platform::ScreenSize screen = platform::GetScreenSize();
    platform::PlaceOnScreen(*this, QRect((screen.width - width()) / 2,
                                         (screen.height - height()) / 2, width(), height()));
    QDialog::showEvent(event);
    // The keyboard goes to the dialog also where no window manager gives it.
    activateWindow();
}

// Without a caption bar the dialog needs a frame of its own to stand out from the screen behind.
void TemplateDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(kFrameColour, kFrameWidth));
    painter.drawRect(
        rect().adjusted(kFrameWidth / 2, kFrameWidth / 2, -kFrameWidth / 2, -kFrameWidth / 2));
}
