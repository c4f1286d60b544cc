#include "CPictureButton.h"

#include "FocusMark.h"
#include "KeyboardNavigation.h"
#include "platform/Logs.h"
#include "platform/qt/GdiDc.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <string>

namespace {
constexpr std::string_view kSource = "Cbuttones";
} // namespace

CPictureButton::CPictureButton() {
    setFocusPolicy(Qt::TabFocus);
    WatchForKeyboardUse();
    connect(this, &QAbstractButton::clicked, this, [this] { emit commandClicked(commandId_); });
}

bool CPictureButton::Create(const QString& name, Visibility visibility, const QRect& rect,
                            QWidget* parent, int commandId) {
    if (parent == nullptr) {
        platform::WriteErrorLog(kSource, __LINE__, "Creation failed");
        return false;
    }
    setParent(parent);
    setText(name);
    // The picture says what the button does; a screen reader needs it in words. A tooltip, where
    // a screen sets one, is read as the description.
    setAccessibleName(name);
    setGeometry(rect);
    commandId_ = commandId;
    setVisible(visibility == Visibility::Visible);
    return true;
}

bool CPictureButton::LoadBitmaps(std::string_view screenFolder, std::string_view pictureName) {
    normal_ = {};
    rollOver_ = {};
    QImage normal = platform::LoadScreenBitmap(screenFolder, pictureName);
    QImage rollOver = platform::LoadScreenBitmap(screenFolder, std::string(pictureName) + "Roll");
    if (normal.isNull()) {
        platform::WriteErrorLog(kSource, __LINE__, "hReg = 0");
        update();
        return false;
    }
    normal_ = std::move(normal);
    rollOver_ = std::move(rollOver);
    const QSize size = PictureSize();
    if (!size.isEmpty()) {
        resize(size);
    }
    update();
    return true;
}

void CPictureButton::SetHighlight(bool on) {
    forcedHighlight_ = on;
    update();
}

QSize CPictureButton::PictureSize() const {
    return platform::GetBitmapSize(normal_);
}

bool CPictureButton::ShowsRollOver() const {
    const bool lit = forcedHighlight_ || (isEnabled() && (hovering_ || isDown()));
    return lit && !rollOver_.isNull();
}

void CPictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    platform::GdiDc dc(painter);
    platform::DrawBitmap(dc, ShowsRollOver() ? rollOver_ : normal_, 0, 0);
    if (hasFocus() && FocusMarksShown()) {
        // A button may reach past its window's edge (the home screen's column): the mark goes
        // round the part that is seen.
        const QRect window(mapFrom(this->window(), QPoint(0, 0)), this->window()->size());
        DrawFocusMark(painter, rect().intersected(window));
    }
}

void CPictureButton::enterEvent(QEnterEvent* event) {
    SetHovering(true);
    QAbstractButton::enterEvent(event);
}

void CPictureButton::leaveEvent(QEvent* event) {
    SetHovering(false);
    QAbstractButton::leaveEvent(event);
}

void CPictureButton::changeEvent(QEvent* event) {
    // No enter event comes for a button enabled again under a mouse that rests on it, and no
    // leave event may have come while it was disabled: ask where the mouse is.
    if (event->type() == QEvent::EnabledChange && isEnabled()) {
        SetHovering(underMouse());
    }
    QAbstractButton::changeEvent(event);
}

void CPictureButton::keyPressEvent(QKeyEvent* event) {
    if (!ClickOnReturn(*this, *event)) {
        QAbstractButton::keyPressEvent(event);
    }
}

void CPictureButton::SetHovering(bool hovering) {
    if (hovering_ != hovering) {
        hovering_ = hovering;
        update();
    }
}
