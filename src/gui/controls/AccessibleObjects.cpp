#include "AccessibleObjects.h"

#include "CPictureButton.h"
#include "SpokenName.h"
#include "SpokenText.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QScreen>

namespace {

// A widget of ours as Qt describes widgets, with its rectangle cut to the part that shows.
class VisiblePartAccessible : public QAccessibleWidget {
public:
    VisiblePartAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}

    QRect rect() const override { return VisiblePart(*widget()); }
};

// A window or dialog, named by its title in words unless it has a name of its own.
class WindowAccessible final : public VisiblePartAccessible {
public:
    using VisiblePartAccessible::VisiblePartAccessible;

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return SpokenName(widget()->windowTitle());
        }
        return VisiblePartAccessible::text(kind);
    }
};

// A picture button: pressed like any button.
class PictureButtonAccessible final : public VisiblePartAccessible {
public:
    explicit PictureButtonAccessible(CPictureButton* button)
        : VisiblePartAccessible(button, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = VisiblePartAccessible::state();
        state.pressed = Button()->isDown();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + VisiblePartAccessible::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            Button()->click();
        } else {
            VisiblePartAccessible::doAction(action);
        }
    }

private:
    CPictureButton* Button() const { return static_cast<CPictureButton*>(widget()); }
};

bool IsProgramWindow(const QWidget& widget) {
    return widget.isWindow() &&
           (widget.windowType() == Qt::Window || widget.windowType() == Qt::Dialog);
}

// Asked for every class of an object, the most derived first, before Qt's own factory for the
// same class: top-level widgets reach "QWidget" or "QDialog" only when no class of Qt's below
// them (a message box, a file dialog) has an interface of its own.
QAccessibleInterface* MakeAccessible(const QString& className, QObject* object) {
    if (!object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (auto* button = qobject_cast<CPictureButton*>(widget); button != nullptr) {
        return new PictureButtonAccessible(button);
    }
    if (auto* spoken = qobject_cast<SpokenText*>(widget); spoken != nullptr) {
        return new VisiblePartAccessible(spoken, spoken->Role());
    }
    const bool plainWindow = className == QLatin1String("QWidget");
    if ((plainWindow || className == QLatin1String("QDialog")) && IsProgramWindow(*widget)) {
        return new WindowAccessible(widget,
                                    plainWindow ? QAccessible::Window : QAccessible::Dialog);
    }
    return nullptr;
}

} // namespace

void InstallAccessibleObjects() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(MakeAccessible);
        installed = true;
    }
}

QRect VisiblePart(const QWidget& widget) {
    QRect part(widget.mapToGlobal(QPoint(0, 0)), widget.size());
    for (const QWidget* parent = widget.parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
        part &= QRect(parent->mapToGlobal(QPoint(0, 0)), parent->size());
    }
    if (const QScreen* screen = widget.screen(); screen != nullptr) {
        part &= screen->geometry();
    }
    return part;
}
