#include "Screenshots.h"
#include "Sheet.h"

#include "gui/ProblemCard.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QPainter>

namespace screenshots {
namespace {

struct CardStyle {
    const char* caption;
    const char* screenFolder; // whose "flashCardBackground" the card is drawn on
    int points;
    QColor problemColour;
    QColor answerColour;
};

Problem Fact(int a, ProblemOperation operation, int b, int answer) {
    Problem problem;
    problem.firstOperand = static_cast<std::int16_t>(a);
    problem.secondOperand = static_cast<std::int16_t>(b);
    problem.operation = operation;
    problem.correctAnswer = static_cast<std::int16_t>(answer);
    return problem;
}

QImage Card(const CardStyle& style, const Problem& problem) {
    QImage card = platform::LoadScreenBitmap(style.screenFolder, "flashCardBackground");
    QPainter painter(&card);
    platform::GdiDc dc(painter);
    platform::GdiRect answerBox;
    DrawProblem(problem, dc, platform::MakeFont("Symbol", platform::PointsToPixels(style.points)),
                card.rect(), style.problemColour, style.answerColour, answerBox);
    return card;
}

} // namespace

// One card of each operation, without and with an answer, in the testing window's small cards
// and the review window's large card.
QImage RenderProblemCards() {
    const CardStyle styles[] = {
        {"testing", "Testing", 18, QColor(50, 50, 50), QColor(12, 71, 147)},
        {"review", "Review", 26, Qt::black, QColor(0, 0, 255)},
        {"training", "Review", 28, Qt::black, QColor(0, 160, 0)},
    };
    const Problem facts[] = {Fact(7, kPlus, 5, 12), Fact(15, kMinus, 8, 7), Fact(6, kTimes, 7, 42),
                             Fact(56, kDividedBy, 8, 7)};
    Sheet sheet(1500);
    for (const CardStyle& style : styles) {
        for (const bool answered : {false, true}) {
            for (Problem problem : facts) {
                if (answered) {
                    problem.enteredAnswer = problem.correctAnswer;
                }
                sheet.Add(QString("%1 %2 pt").arg(style.caption).arg(style.points),
                          Card(style, problem));
            }
        }
        sheet.NewRow();
    }
    return sheet.Render();
}

} // namespace screenshots
