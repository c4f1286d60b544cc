#include "AccessibleObjects.h"

#include "CPictureButton.h"
#include "PasswordBox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QDialog>
#include <QScreen>
#include <utility>

namespace {

constexpr const char* kRoleProperty = "accessibleRole";

// A widget of ours as Qt describes widgets, with its rectangle cut to the part that shows.
class VisiblePartAccessible : public QAccessibleWidget {
public:
    VisiblePartAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}

    QRect rect() const override { return VisiblePart(*widget()); }
};

// A widget of ours with one action of its own before Qt's (a button's press).
class ActionAccessible : public VisiblePartAccessible {
public:
    ActionAccessible(QWidget* widget, QAccessible::Role role, QString action)
        : VisiblePartAccessible(widget, role), action_(std::move(action)) {}

    QStringList actionNames() const override {
        return QStringList{action_} + VisiblePartAccessible::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == action_) {
            Act();
        } else {
            VisiblePartAccessible::doAction(action);
        }
    }

protected:
    virtual void Act() = 0;

private:
    QString action_;
};

// A picture button: pressed like any button.
class PictureButtonAccessible final : public ActionAccessible {
public:
    explicit PictureButtonAccessible(CPictureButton* button)
        : ActionAccessible(button, QAccessible::Button, pressAction()) {}

    QAccessible::State state() const override {
        QAccessible::State state = ActionAccessible::state();
        state.pressed = Button()->isDown();
        return state;
    }

protected:
    void Act() override { Button()->click(); }

private:
    CPictureButton* Button() const { return static_cast<CPictureButton*>(widget()); }
};

// A password box with no text to read: its value is the dots it shows, and no event carries
// what was typed.
class PasswordAccessible final : public VisiblePartAccessible {
public:
    explicit PasswordAccessible(PasswordBox* box)
        : VisiblePartAccessible(box, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State state = VisiblePartAccessible::state();
        state.editable = true;
        state.passwordEdit = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return static_cast<QLineEdit*>(widget())->displayText();
        }
        return VisiblePartAccessible::text(kind);
    }
};

// A list to choose from: its name says what is chosen ("Name"), its value the choice ("Lee,
// Sam"). (Qt names a combo box on Linux by its current text, so the question was lost.) Each
// choice made with the arrow keys while the list is closed is said: the entry takes the
// screen reader's focus, as the entries of an open list do.
class ChoiceListAccessible final : public ActionAccessible {
public:
    explicit ChoiceListAccessible(QComboBox* list)
        : ActionAccessible(list, QAccessible::ComboBox, showMenuAction()) {
        QObject::connect(list, &QComboBox::currentIndexChanged, list,
                         [list](int index) { SayChoice(*list, index); });
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return List()->currentText();
        }
        return VisiblePartAccessible::text(kind);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == List()->view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State state = VisiblePartAccessible::state();
        state.expandable = true;
        state.expanded = List()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

protected:
    void Act() override { List()->showPopup(); }

private:
    QComboBox* List() const { return static_cast<QComboBox*>(widget()); }

    static void SayChoice(QComboBox& list, int index) {
        if (index < 0 || !list.hasFocus() || list.view()->isVisible()) {
            return;
        }
        QAccessibleInterface* entries = QAccessible::queryAccessibleInterface(list.view());
        QAccessibleInterface* entry = entries != nullptr ? entries->child(index) : nullptr;
        if (entry != nullptr) {
            QAccessibleEvent focus(entry, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
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
    if (const QVariant role = widget->property(kRoleProperty); role.isValid()) {
        return new VisiblePartAccessible(widget, role.value<QAccessible::Role>());
    }
    if (auto* password = qobject_cast<PasswordBox*>(widget); password != nullptr) {
        return new PasswordAccessible(password);
    }
    if (auto* list = qobject_cast<QComboBox*>(widget); list != nullptr && !list->isEditable()) {
        return new ChoiceListAccessible(list);
    }
    const bool plainWindow = className == QLatin1String("QWidget");
    if ((plainWindow || className == QLatin1String("QDialog")) && IsProgramWindow(*widget)) {
        // Named by its accessible name, else (Qt's way) by its title.
        return new VisiblePartAccessible(widget,
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

void SetAccessibleRole(QWidget& widget, QAccessible::Role role) {
    widget.setProperty(kRoleProperty, QVariant::fromValue(role));
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
