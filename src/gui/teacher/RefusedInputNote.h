#pragma once

#include <QLabel>

class QLineEdit;

// A short line under a text box that says why a key or a paste was not taken, instead of letting
// the name change without a word: the box is full, or a letter cannot be stored in a record
// ("Łukasz" would otherwise become "ukasz"). It goes again once the text changes.
class RefusedInputNote final : public QLabel {
    Q_OBJECT
public:
    explicit RefusedInputNote(QLineEdit& box);

    static QString FullText(int limit);
    static QString LetterText();

private:
    void OnRefused();

    QLineEdit& box_;
};
