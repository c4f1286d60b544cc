// The words drawn into the pictures. They are translated like the program's own texts, in the
// context "PictureCaption" of the translation files (so translators see them in Qt Linguist
// beside the rest, and the program speaks a button's name in the words its picture shows); the
// generator draws every language's pictures with them.
#pragma once

#include <QCoreApplication>

class PictureCaption {
    Q_DECLARE_TR_FUNCTIONS(PictureCaption)
};
