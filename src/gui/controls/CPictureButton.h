#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QRect>
#include <QString>
#include <string_view>

// A push button drawn as a picture from the graphics folder. It lights up (shows the picture
// "<name>Roll") while the mouse is over it, while it is held down and while its owner forces it;
// it sizes itself to its picture.
//
// Tab reaches it (a mouse click never moves the keyboard focus to it, so typed answers keep going
// where they went) and Space or Return presses it. While it has the focus and the keyboard is in
// use, the focus mark is drawn over the part of the picture its window shows.
//
// A click reaches the owner as commandClicked(id) with the id given to Create. Every screen
// connects its buttons' commandClicked to one command handler of its own and dispatches on the id.
class CPictureButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Visibility { Hidden, Visible };

    CPictureButton();

    // Makes this a child of `parent` at `rect`. The name, in the program's language, is what
    // screen readers say for the button (the words its picture shows, where it shows words).
    // Without a parent nothing is created: "Creation failed" is logged, false returned.
    bool Create(const QString& name, Visibility visibility, const QRect& rect, QWidget* parent,
                int commandId);

    // Replaces both pictures with "<name>" and "<name>Roll" of `screenFolder` and resizes the
    // button to the first, keeping its place. Without the normal picture the button keeps no
    // picture and its size: "hReg = 0" is logged, false returned. Without the roll-over picture
    // the button never changes its look.
    bool LoadBitmaps(std::string_view screenFolder, std::string_view pictureName);

    // Keeps the roll-over picture shown, whatever the mouse does (also while disabled, so a
    // chosen option stays visible while its buttons are locked).
    void SetHighlight(bool on);

    int CommandId() const { return commandId_; }
    // The size of the normal picture; 0 x 0 without one.
    QSize PictureSize() const;
    // Whether the roll-over picture is what the button shows now.
    bool ShowsRollOver() const;

signals:
    void commandClicked(int commandId);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetHovering(bool hovering);

    QImage normal_;
    QImage rollOver_;
    bool hovering_ = false;
    bool forcedHighlight_ = false;
    int commandId_ = 0;
};
