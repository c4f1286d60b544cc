#include "CardPicture.h"

#include "gui/controls/ProblemCard.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QPainter>

namespace screenshots {

Problem Fact(int a, ProblemOperation operation, int b, int answer) {
    Problem problem;
    problem.firstOperand = static_cast<std::int16_t>(a);
    problem.secondOperand = static_cast<std::int16_t>(b);
    problem.operation = operation;
    problem.correctAnswer = static_cast<std::int16_t>(answer);
    return problem;
}

QImage CardPicture(const CardStyle& style, const Problem& problem, platform::GdiRect& answerBox) {
    QImage card = platform::LoadScreenBitmap(style.screenFolder, "flashCardBackground");
    QPainter painter(&card);
    platform::GdiDc dc(painter);
    DrawProblem(problem, dc, platform::MakeFont("Symbol", platform::PointsToPixels(style.points)),
                card.rect(), style.problemColour, style.answerColour, answerBox);
    return card;
}

} // namespace screenshots
