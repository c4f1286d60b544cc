#pragma once

#include <QLabel>

// A text of the training set-up, its lines one letter height apart: the height of the font,
// without the leading a plain label adds between lines, so that the texts take the room the
// set-up panel measures for them in letter heights. Line breaks in the text start new lines; with
// word wrap on, long lines wrap at the width. Everything else is a label's, its name for screen
// readers too.
class SetupText final : public QLabel {
    Q_OBJECT
public:
    SetupText(const QString& text, QWidget* parent) : QLabel(text, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};
