#include "LayoutChecks.h"

#include "Style.h"
#include "gui/classreport/ClassReportGeometry.h"
#include "gui/teacher/TeacherGeometry.h"
#include "gui/training/TrainingGeometry.h"

#include <QFontMetrics>
#include <QRect>

namespace assetgen {

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

class Checker {
public:
    explicit Checker(const PictureSet& set) : set_(set) {}

    QSize size(std::string_view folder, std::string_view name) const {
        return pictureSize(set_, folder, name);
    }
    void require(bool ok, const QString& problem) {
        if (!ok)
            problems_ << problem;
    }
    // Buttons stacked below each other every `stride` pixels from `top` inside `area`.
    void stack(const QString& screen, const QRect& area, int top, int stride,
               std::initializer_list<std::pair<std::string_view, std::string_view>> buttons) {
        int y = top;
        for (auto [folder, name] : buttons) {
            const QRect placed(QPoint(area.left(), y), size(folder, name));
            const QString what = screen + ": " + QString::fromLatin1(name.data(), name.size());
            require(area.contains(placed), what + " does not fit the button area");
            require(placed.height() <= stride, what + " is taller than the stack's spacing");
            y += stride;
        }
    }
    QStringList problems() const { return problems_; }

private:
    const PictureSet& set_;
    QStringList problems_;
};

// The pad area and button area of a screen with the pad in its lower part.
struct PadScreen {
    QString name;
    QRect padArea;
    QRect buttonArea;
};

QPoint padPlace(const Checker& c, const QRect& area) {
    const QSize key = c.size("Numbers", "0");
    return {(area.width() - 6 * key.width()) / 2 + area.left(),
            (area.height() - 4 * key.height()) / 2 + area.top()};
}

void checkPadScreens(Checker& c, int header) {
    const int testingRows = header + 3 + kHeight * 4 / 10 + 2;
    const int trainingRows = header + 3 + kHeight * 52 / 100 + 2;
    const int reviewRows = header + 106 + kHeight * 36 / 100 + 2;
    const PadScreen screens[] = {
        {"testing", QRect(0, testingRows, 592, kHeight - testingRows),
         QRect(594, testingRows, kWidth - 594, kHeight - testingRows)},
        {"training", QRect(0, trainingRows, 560, kHeight - trainingRows),
         QRect(562, trainingRows, kWidth - 562, kHeight - trainingRows)},
        {"review", QRect(0, reviewRows, 575, kHeight - reviewRows),
         QRect(577, reviewRows, kWidth - 577, kHeight - reviewRows)},
    };
    const QSize key = c.size("Numbers", "0");
    for (int k = 1; k <= 18; ++k)
        c.require(c.size("Numbers", std::to_string(k)) == key, "number keys differ in size");
    for (const PadScreen& screen : screens) {
        const QRect pad(padPlace(c, screen.padArea), QSize(6 * key.width(), 4 * key.height()));
        c.require(screen.padArea.contains(pad), screen.name + ": the number pad does not fit");
    }
    const int stride = c.size("Testing", "beginButton").height();
    c.stack("testing", screens[0].buttonArea, padPlace(c, screens[0].padArea).y(), stride,
            {{"Testing", "homeButton"}, {"Testing", "beginButton"}});
    c.stack("training", screens[1].buttonArea, padPlace(c, screens[1].padArea).y(), stride,
            {{"Testing", "homeButton"},
             {"Testing", "beginButton"},
             {"Progress", "currentProgressButton"},
             {"Training", "viewReport"}});
    c.stack(
        "review", screens[2].buttonArea, padPlace(c, screens[2].padArea).y(), stride,
        {{"Testing", "homeButton"}, {"Testing", "beginButton"}, {"Review", "printMistakesButton"}});
}

void checkCards(Checker& c, int header) {
    const QSize testCard = c.size("Testing", "flashCardBackground");
    c.require(testCard.width() <= (590 - 4) / 7 && testCard.height() <= kHeight * 4 / 10,
              "testing: seven flash cards do not fit in a row");

    const QSize card = c.size("Review", "flashCardBackground");
    const QRect reviewArea(1, header + 106, 573, kHeight * 36 / 100);
    const int reviewCardLeft = reviewArea.left() + (reviewArea.width() - card.width()) / 2;
    const QRect trainingArea(1, header + 3, 558, kHeight * 52 / 100);
    const int trainingCardTop = static_cast<int>((trainingArea.height() - card.height()) * 0.5 +
                                                 0.1 * trainingArea.height()) +
                                trainingArea.top();
    c.require(card.height() <= reviewArea.height(), "review: the flash card is too tall");
    c.require(trainingCardTop + card.height() <= trainingArea.bottom(),
              "training: the flash card is too tall");
    for (const char* name : {"correctText", "correctanswerText", "tryagainText", "almostText"}) {
        const QSize word = c.size("Review", name);
        c.require(word.width() <= reviewCardLeft - reviewArea.left() &&
                      word.height() + 2 <= trainingCardTop - trainingArea.top(),
                  QString("review/training: %1 does not fit beside or above the card").arg(name));
    }
    const QSize frame = c.size("Review/Buddy", "frog0001");
    c.require(frame.width() <= 570 && frame.height() <= 101,
              "review: the frog does not fit the buddy area");
}

void checkProgress(Checker& c, int header) {
    const int home = c.size("Testing", "homeButton").height();
    const int panelTop = header + 2 + kHeight * 6 / 10 + 2;
    const int y0 = (kHeight - panelTop - 4 * home) / 2 + panelTop;
    const int captionBottom = panelTop + 5 + QFontMetrics(style::serif(19, false)).height();
    const QRect right(kWidth * 3 / 4, captionBottom, kWidth / 4, kHeight - captionBottom);
    const QRect left(0, captionBottom, kWidth / 4, kHeight - captionBottom);
    c.stack("progress", right, y0 + home, home,
            {{"Progress", "masteryGraphButton"},
             {"Progress", "currentProgressButton"},
             {"Progress", "viewTestReport"}});
    c.stack("progress", left, y0 + home, home,
            {{"Progress", "currentProgressButton"},
             {"Training", "viewReport"},
             {"Progress", "factMapButton"}});
    c.require(c.size("Testing", "homeButton").width() <= kWidth / 2,
              "progress: Home is wider than the space between the button columns");
}

void checkTrainingSetup(Checker& c) {
    // The set-up panel's first block, measured with the set-up font as the screen does.
    const QFontMetrics setupFont(style::serif(15, false));
    const int cx = setupFont.horizontalAdvance('X');
    const int cy = setupFont.height();
    const int panelWidth = (kWidth - 1) - (kWidth * 7 / 10 + 1);
    const int r = kHeight * 52 / 100 - 5 * (cy / 2);
    const int blockWidth = panelWidth - 2 * cx;
    const int blockHeight = static_cast<int>(0.47 * r);
    const QSize kind = c.size("Training", "additionButton");
    c.require(training_geometry::kKindButtonsAcross * kind.width() <= blockWidth &&
                  2 * (cy + kind.height()) <= blockHeight,
              "training: the kind buttons do not fit the set-up block");
    // My Facts in the third column, below Mixed, ends within the room the block keeps.
    const QSize myFacts = c.size("Training", "myFactsButton");
    c.require(2 * kind.width() + myFacts.width() <=
                      training_geometry::kKindButtonsAcross * kind.width() &&
                  myFacts.height() == kind.height() && c.size("Training", "mixButton") == kind,
              "training: My Facts does not fit below Mixed in the set-up block");
}

void checkTeacher(Checker& c, int header) {
    const int hs = c.size("Teacher", "signOutButton").height();
    const int listBottom = kHeight - teacher_geometry::kButtonBoxSteps * hs - 4;
    const int panelRight = kWidth - static_cast<int>(teacher_geometry::kRightColumnShare * kWidth);
    const QRect box(panelRight + 3, listBottom + 3, kWidth + 1 - (panelRight + 3),
                    kHeight + 1 - listBottom - 3);
    c.require(listBottom - (header + 4) >= 150, "teacher: the buttons leave the list no room");
    c.stack("teacher", box, box.top() + hs / 2, hs,
            {{"Teacher", "homeButton"},
             {"Teacher", "addUserButton"},
             {"Teacher", "editUserInfoButton"},
             {"Teacher", "deleteUserButton"},
             {"Teacher", "classReportButton"},
             {"Teacher", "helpButton"}});
    const QSize welcome = c.size("Teacher", "welcomeBackground");
    // Below the class box at the top of the panel.
    const int classBoxBottom =
        header + 4 + teacher_geometry::kClassBoxMargin + teacher_geometry::kClassBoxHeight;
    c.require(welcome.width() + 4 <= panelRight - 1 &&
                  welcome.height() + 4 <= kHeight - 3 - classBoxBottom,
              "teacher: the welcome picture does not fit its panel below the class box");
}

// Home, Export CSV and Print in a row along the bottom, each in its share of the width.
void checkClassReport(Checker& c, int header) {
    using namespace class_report_geometry;
    const std::pair<std::string_view, std::string_view> buttons[] = {
        {"Testing", "homeButton"}, {"Teacher", "exportButton"}, {"Teacher", "printReportButton"}};
    const int panelHeight = c.size("Testing", "homeButton").height() + 2 * kPanelMargin;
    for (auto [folder, name] : buttons) {
        const QSize size = c.size(folder, name);
        c.require(size.width() <= kWidth / kButtonsAcross &&
                      size.height() + 2 * kPanelMargin <= panelHeight,
                  QString("class report: %1 does not fit its share of the panel").arg(name.data()));
    }
    c.require(kHeight - panelHeight - header >= kHeight / 2,
              "class report: the buttons leave the table no room");
}

void checkHeader(Checker& c, int header) {
    const std::pair<std::string_view, std::string_view> icons[] = {
        {"Testing", "testingIcon"},   {"Testing", "userIcon"},    {"Training", "trainingIcon"},
        {"Progress", "progressIcon"}, {"Teacher", "classesIcon"},
    };
    for (auto [folder, name] : icons)
        c.require(c.size(folder, name).height() <= header,
                  QString("%1 is taller than the header bar").arg(name.data()));
    const int iconWidth = c.size("Testing", "remaining").width();
    for (const char* name : {"correctIcon", "missedIcon"})
        c.require(c.size("Testing", name).width() == iconWidth,
                  QString("testing: %1 is not as wide as remaining").arg(name));
    const int textWidth = QFontMetrics(style::serif(16, false)).horizontalAdvance("Remaining: 00");
    c.require(iconWidth <= (kWidth - 1 - 594 - textWidth) / 2,
              "testing: the status icons do not fit left of the status text");
}

} // namespace

QStringList checkLayouts(const PictureSet& set) {
    Checker c(set);
    const int header = c.size("Testing", "topBackground").height();
    checkHeader(c, header);
    checkPadScreens(c, header);
    checkCards(c, header);
    checkProgress(c, header);
    checkTrainingSetup(c);
    checkTeacher(c, header);
    checkClassReport(c, header);
    return checkHomeTiling(set) + checkSmallPad(set) + c.problems();
}

} // namespace assetgen
