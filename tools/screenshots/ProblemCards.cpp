#include "CardPicture.h"
#include "Screenshots.h"
#include "Sheet.h"
#include "gui/common/ScreenColours.h"

namespace screenshots {

// One card of each operation, without and with an answer, as the testing window's small cards and
// the review and training windows' large card.
QImage RenderProblemCards() {
    const CardStyle styles[] = {
        {"testing", "Testing", 18, kTestProblemColour, kTestAnswerColour},
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
                platform::GdiRect answerBox;
                sheet.Add(QString("%1 %2 pt").arg(style.caption).arg(style.points),
                          CardPicture(style, problem, answerBox));
            }
        }
        sheet.NewRow();
    }
    return sheet.Render();
}

} // namespace screenshots
