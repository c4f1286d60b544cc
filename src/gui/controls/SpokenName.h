#pragma once

#include <QString>

// What a screen reader says for a control named `caption`. Picture buttons carry captions built
// for the window code ("CTestingWndBegin", "CMistakeReviewWndPrintMistakes"): the window's class
// is dropped and run-together words are spoken apart ("Begin", "Print mistakes"); so are window
// titles built the same way ("SignInDlg": "Sign in"). Plain captions ("Testing", "Current
// Progress", "7") stay as they are.
QString SpokenName(const QString& caption);
