#pragma once

#include <QLabel>

class QLineEdit;

// A short line under a text box that says why a key or a paste was not taken, instead of letting
// the name change without a word: the box is full, a letter cannot be stored in a record
// ("Łukasz Żak" would otherwise become "ukasz ak" unnoticed) or a control character was pasted.
// It stays while the text lacks what was typed, naming every letter left out, until the box is
// emptied.
class RefusedInputNote final : public QLabel {
    Q_OBJECT
public:
    explicit RefusedInputNote(QLineEdit& box);

    static QString FullText(int limit);
    static QString LetterText(const QStringList& letters);
    static QString ControlText();

private:
    void OnRefused();

    QLineEdit& box_;
    QStringList letters_;
};
