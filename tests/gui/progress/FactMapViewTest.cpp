#include "gui/progress/FactMapView.h"
#include "GuiTestSupport.h"
#include "data/ProblemLine.h"
#include "gui/progress/FactMapColours.h"
#include "gui/progress/FactSummaryTile.h"

#include <QHelpEvent>
#include <QToolTip>
#include <filesystem>

using namespace guitest;

namespace {

Problem Read(const std::string& line) {
    Problem fact;
    EXPECT_TRUE(data::ReadProblemLine(line, fact)) << line;
    return fact;
}

// The pictures and test files are in place before the view loads its buttons.
bool Install(platform::fakes::FakePlatform& fakes) {
    fakes.display.current = {800, 600};
    LinkInstalledGraphics(fakes);
    CopyInstalledTestFiles(fakes);
    return true;
}

class FactMapViewTest : public testing::Test {
protected:
    FactMapViewTest() { view.resize(795, 356); }
    platform::fakes::FakePlatform fakes;
    bool installed = Install(fakes);
    FactMapView view{nullptr};
};

} // namespace

// A file that is missing or holds no facts shows an empty grid that says why, and is logged.
TEST_F(FactMapViewTest, OpensOnTheOperationOfTheLevelAndItsButtonsSwitchOperations) {
    const auto lit = [this] {
        std::vector<std::int32_t> kinds;
        for (const std::int32_t kind :
             {kAddition, kSubtraction, kMultiplication, kDivision, kMixed}) {
            if (view.KindButton(kind)->ShowsRollOver()) {
                kinds.push_back(kind);
            }
        }
        return kinds;
    };
    for (const std::int32_t level : {0, 1, 2, 3, 4, 5}) { // 0: no level, Addition shown
        view.ShowStudent(level, {}, {});
        const std::int32_t shown = level == 0 ? kAddition : level;
        EXPECT_EQ(std::pair(view.Operation(), lit()), std::pair(shown, std::vector{shown}))
            << level;
    }
    std::filesystem::remove(fakes.Path("/Test Data/division.txt"));
    WriteTestFile(fakes, "subtraction.txt", {"nine minus four", "", "7 ? 2"});
    guitest::Click(view.KindButton(kDivision));
    EXPECT_EQ(lit(), std::vector<std::int32_t>{kDivision});
    EXPECT_TRUE(view.Grid().Cells().empty());
    EXPECT_EQ(view.Headline(), "Division: no facts to show");
    EXPECT_TRUE(view.Message().contains("\"Test Data/division.txt\""))
        << view.Message().toStdString();
    EXPECT_EQ(CountRecords(ReadErrorLog(fakes), "division.txt"), 1);
    EXPECT_EQ(view.ToolTipAt(view.rect().center()), "");
    Snapshot(view); // paints without a grid
    guitest::Click(view.KindButton(kSubtraction));
    EXPECT_TRUE(view.Grid().Cells().empty());
    EXPECT_TRUE(view.Message().contains("holds no Subtraction facts"))
        << view.Message().toStdString();
    guitest::Click(view.KindButton(kMultiplication));
    EXPECT_EQ(std::pair(view.Message(), view.Headline()),
              std::pair(QString(), QString("Multiplication: 0 of 91 fluent")));
}

// A child looks for 6 x 0 in row 6, column 0 as well as for 0 x 6 in row 0, column 6.
TEST_F(FactMapViewTest, EachFactIsPaintedInItsColourAndItsTooltipGivesItsTimeTriesAndLastDay) {
    constexpr std::uint32_t kSeptemberFirst = 1'157'112'000; // noon UTC
    data::FactFluency fluency;
    fluency.RecordFirstTry(Read("7 x 8"), true, 2400, kSeptemberFirst);
    fluency.RecordFirstTry(Read("6 x 7"), true, 4000);
    fluency.RecordFirstTry(Read("3 x 4"), false, 1000, kSeptemberFirst);
    fluency.RecordFirstTry(Read("5 x 5"), true, 900, kSeptemberFirst);
    fluency.RecordFirstTry(Read("6 x 0"), true, 1300, kSeptemberFirst);
    fluency.RecordFirstTry(Read("0 x 6"), true, 1100, kSeptemberFirst + 86'400);
    Problem listed = Read("9 x 9");
    listed.missCount = 1;
    view.ShowStudent(kMultiplication, fluency, {listed, Read("5 x 5")});
    struct Row {
        int row, column;
        QColor colour;
        const char* tip;
    };
    const Row rows[] = {
        {7, 8, kFluentColour, "7 × 8 = 56 — usually 2.4 s; 1 try, the last on 09/01/2006"},
        {6, 7, kSlowColour, "6 × 7 = 42 — usually 4.0 s; 1 try"},
        {3, 4, kMissedColour, "3 × 4 = 12 — wrong last time; 1 try, the last on 09/01/2006"},
        {5, 5, kMissedColour,
         "5 × 5 = 25 — usually 0.9 s, on the mistake list; 1 try, the last on 09/01/2006"},
        {9, 9, kMissedColour, "9 × 9 = 81 — on the mistake list"},
        {9, 0, kNotSeenColour, "9 × 0 = 0 — not tried yet"},
        {6, 0, kFluentColour, "6 × 0 = 0 — usually 1.2 s; 2 tries, the last on 09/02/2006"},
        {0, 6, kFluentColour, "0 × 6 = 0 — usually 1.2 s; 2 tries, the last on 09/02/2006"},
    };
    const QImage shot = Snapshot(view);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.tip);
        const QRect face = view.Layout().CellRect(row.row, row.column);
        EXPECT_EQ(shot.pixelColor(face.left() + 2, face.center().y()), row.colour);
        EXPECT_EQ(view.ToolTipAt(face.center()), QString::fromUtf8(row.tip));
    }
    EXPECT_EQ(view.Headline(), "Multiplication: 2 of 91 fluent") << "6 x 0 counts once";
    const QRect face = view.Layout().CellRect(7, 8);
    EXPECT_EQ(view.ToolTipAt({face.right() + 1, face.center().y()}), "") << "between two cells";
    EXPECT_EQ(view.ToolTipAt({2, 2}), "") << "outside the grid";
    QHelpEvent help(QEvent::ToolTip, face.center(), view.mapToGlobal(face.center()));
    QCoreApplication::sendEvent(&view, &help);
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8(rows[0].tip));
    QToolTip::hideText();
}

// A Mixed student's map opens on the four operations side by side; each opens its grid, and the
// Mixed button comes back to them.
TEST_F(FactMapViewTest, AMixedStudentSeesTheFourOperationsCountedSideBySide) {
    std::filesystem::remove(fakes.Path("/Test Data/division.txt"));
    data::FactFluency fluency;
    fluency.RecordFirstTry(Read("2 + 2"), true, 1000);
    fluency.RecordFirstTry(Read("9 - 4"), true, 5000);
    fluency.RecordFirstTry(Read("6 x 0"), false, 1000);
    view.ShowStudent(kMixed, fluency, {Read("3 + 3")});
    EXPECT_EQ(std::pair(view.Operation(), view.Grid().Cells().size()),
              (std::pair<std::int32_t, std::size_t>(kMixed, 0)));
    EXPECT_EQ(view.Headline(), "Mixed: 1 of 291 fluent");
    EXPECT_EQ(view.Counts(),
              (data::FluencyCounts{.fluent = 1, .slow = 1, .missed = 2, .notSeen = 287}));
    struct Tile {
        std::int32_t kind;
        data::FluencyCounts counts;
        const char* name;
    };
    const Tile tiles[] = {
        {kAddition, {.fluent = 1, .missed = 1, .notSeen = 98}, "Addition: 1 of 100 fluent"},
        {kSubtraction, {.slow = 1, .notSeen = 99}, "Subtraction: 0 of 100 fluent"},
        {kMultiplication, {.missed = 1, .notSeen = 90}, "Multiplication: 0 of 91 fluent"},
        {kDivision, {}, "Division: no facts to show"},
    };
    int left = -1;
    for (const Tile& tile : tiles) {
        SCOPED_TRACE(tile.name);
        const FactSummaryTile* shown = view.SummaryTile(tile.kind);
        ASSERT_TRUE(shown != nullptr && shown->isVisibleTo(&view));
        EXPECT_EQ(std::pair(shown->Counts(), shown->accessibleName()),
                  std::pair(tile.counts, QString(tile.name)));
        EXPECT_GT(shown->x(), left) << "side by side";
        EXPECT_TRUE(view.Layout().gridArea.contains(shown->geometry()));
        left = shown->geometry().right();
    }
    Snapshot(view);
    guitest::Click(view.SummaryTile(kSubtraction));
    EXPECT_EQ(std::pair(view.Operation(), view.Grid().Cells().size()),
              (std::pair<std::int32_t, std::size_t>(kSubtraction, 100)));
    EXPECT_FALSE(view.SummaryTile(kSubtraction)->isVisibleTo(&view));
    guitest::Click(view.KindButton(kMixed));
    EXPECT_EQ(view.Operation(), kMixed);
    EXPECT_TRUE(view.SummaryTile(kAddition)->isVisibleTo(&view));
}
