#pragma once

#include "data/Problem.h"
#include "platform/qt/GdiDc.h"

#include <QColor>
#include <QFont>
#include <QRect>

// Draws a fact as it is written on paper, centred in `target`: +, - and x in one right-aligned
// column with a rule under the second operand (the answer row only once answered), / as a long
// division with the divisor left of the bracket and the quotient above it (always drawn, blank
// without an answer). Works on any target the dc paints (widget, image, printer).
//
// `answerBox` receives where the answer stands, or would stand; the empty problem draws nothing
// and leaves it as it was. On return the dc's text colour, font and pen are what they were; its
// background mode is transparent.
void DrawProblem(const Problem& problem, platform::GdiDc& dc, const QFont& font,
                 const QRect& target, const QColor& problemColour, const QColor& answerColour,
                 platform::GdiRect& answerBox);
