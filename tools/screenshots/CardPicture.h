#pragma once

#include "data/Problem.h"
#include "platform/qt/GdiDc.h"

#include <QColor>
#include <QImage>

namespace screenshots {

struct CardStyle {
    const char* caption;
    const char* screenFolder; // whose "flashCardBackground" the card is drawn on
    int points;
    QColor problemColour;
    QColor answerColour;
};

Problem Fact(int a, ProblemOperation operation, int b, int answer);

// The card background with the problem drawn on it as the screens draw their cards.
QImage CardPicture(const CardStyle& style, const Problem& problem, platform::GdiRect& answerBox);

} // namespace screenshots
