#include "gui/progress/FactMapView.h"
#include "GuiTestSupport.h"
#include "data/ProblemLine.h"
#include "gui/progress/FactMapColours.h"

#include <QHelpEvent>
#include <QToolTip>
#include <filesystem>

namespace {

Problem Read(const std::string& line) {
    Problem fact;
    EXPECT_TRUE(data::ReadProblemLine(line, fact)) << line;
    return fact;
}

// The pictures and test files are in place before the view loads its buttons.
struct InstalledProgram {
    InstalledProgram() {
        fakes.display.current = {800, 600};
        guitest::LinkInstalledGraphics(fakes);
        guitest::CopyInstalledTestFiles(fakes);
    }

    platform::fakes::FakePlatform fakes;
};

class FactMapViewTest : public testing::Test, protected InstalledProgram {
protected:
    FactMapViewTest() { view.resize(795, 356); }

    // The face of the cell showing the fact of `line`; an empty rectangle when none does.
    QRect FaceOf(const std::string& line) const {
        for (const data::FactCell& cell : view.Grid().Cells()) {
            if (cell.fact == Read(line)) {
                return view.Layout().CellRect(cell.row, cell.column);
            }
        }
        return {};
    }

    QString ToolTipOf(const std::string& line) const {
        return view.ToolTipAt(FaceOf(line).center());
    }

    // A point of the face clear of its text and its rounded corners.
    QColor PaintedColourOf(const std::string& line) {
        const QRect face = FaceOf(line);
        return guitest::Snapshot(view).pixelColor(face.left() + 2, face.center().y());
    }

    FactMapView view{nullptr};
};

} // namespace

TEST_F(FactMapViewTest, OpensOnTheOperationOfTheLevelAndItsButtonsSwitchOperations) {
    const std::pair<std::int32_t, std::int32_t> levels[] = {{kAddition, kAddition},
                                                            {kSubtraction, kSubtraction},
                                                            {kMultiplication, kMultiplication},
                                                            {kDivision, kDivision},
                                                            {kMixed, kAddition}};
    for (const auto& [level, shown] : levels) {
        view.ShowStudent(level, {}, {});
        EXPECT_EQ(view.Operation(), shown) << level;
        for (const std::int32_t kind : {kAddition, kSubtraction, kMultiplication, kDivision}) {
            EXPECT_EQ(view.KindButton(kind)->ShowsRollOver(), kind == shown) << level << kind;
        }
    }

    guitest::Click(view.KindButton(kDivision));
    EXPECT_EQ(view.Operation(), kDivision);
    EXPECT_EQ(view.Headline(), "Division: 0 of 90 fluent");
    EXPECT_TRUE(view.KindButton(kDivision)->ShowsRollOver());
    EXPECT_FALSE(view.KindButton(kAddition)->ShowsRollOver());
    for (const data::FactCell& cell : view.Grid().Cells()) {
        ASSERT_EQ(cell.fact.operation, kDividedBy);
    }
    EXPECT_EQ(view.KindButton(kSubtraction)->toolTip(), "Subtraction facts");
}

TEST_F(FactMapViewTest, EachFactIsPaintedInItsColourAndItsTooltipGivesItsUsualTime) {
    data::FactFluency fluency;
    fluency.RecordFirstTry(Read("7 x 8"), true, 2400);
    fluency.RecordFirstTry(Read("6 x 7"), true, 4000);
    fluency.RecordFirstTry(Read("3 x 4"), false, 1000);
    fluency.RecordFirstTry(Read("5 x 5"), true, 900);
    Problem listed = Read("9 x 9");
    listed.missCount = 1;
    view.ShowStudent(kMultiplication, fluency, {listed, Read("5 x 5")});

    struct Expected {
        const char* line;
        QColor colour;
        QString tip;
    };
    const Expected facts[] = {
        {"7 x 8", kFluentColour, "7 \u00d7 8 = 56 \u2014 usually 2.4 s"},
        {"6 x 7", kSlowColour, "6 \u00d7 7 = 42 \u2014 usually 4.0 s"},
        {"3 x 4", kMissedColour, "3 \u00d7 4 = 12 \u2014 usually 1.0 s, wrong last time"},
        {"5 x 5", kMissedColour, "5 \u00d7 5 = 25 \u2014 usually 0.9 s, on the mistake list"},
        {"9 x 9", kMissedColour, "9 \u00d7 9 = 81 \u2014 on the mistake list"},
        {"2 x 2", kNotSeenColour, "2 \u00d7 2 = 4 \u2014 not tried yet"},
    };
    for (const Expected& fact : facts) {
        EXPECT_EQ(PaintedColourOf(fact.line), fact.colour) << fact.line;
        EXPECT_EQ(ToolTipOf(fact.line), fact.tip) << fact.line;
    }
    EXPECT_EQ(view.Headline(), "Multiplication: 1 of 91 fluent");

    const QRect face = FaceOf("7 x 8");
    EXPECT_EQ(view.ToolTipAt({face.right() + 1, face.center().y()}), "") << "between two cells";
    EXPECT_EQ(view.ToolTipAt({2, 2}), "") << "outside the grid";

    QHelpEvent help(QEvent::ToolTip, face.center(), view.mapToGlobal(face.center()));
    QCoreApplication::sendEvent(&view, &help);
    EXPECT_EQ(QToolTip::text(), facts[0].tip);
    QToolTip::hideText();
}

TEST_F(FactMapViewTest, AMissingOrFactlessFileShowsAnEmptyGridThatSaysWhy) {
    std::filesystem::remove(fakes.Path("/Test Data/division.txt"));
    guitest::WriteTestFile(fakes, "subtraction.txt", {"nine minus four", "", "7 ? 2"});
    view.ShowStudent(kDivision, {}, {});
    EXPECT_TRUE(view.Grid().Cells().empty());
    EXPECT_EQ(view.Headline(), "Division: no facts to show");
    EXPECT_TRUE(view.Message().contains("\"Test Data/division.txt\""))
        << view.Message().toStdString();
    EXPECT_EQ(guitest::CountRecords(guitest::ReadErrorLog(fakes), "division.txt"), 1);
    EXPECT_EQ(view.ToolTipAt(view.rect().center()), "");
    guitest::Snapshot(view); // paints without a grid

    guitest::Click(view.KindButton(kSubtraction));
    EXPECT_TRUE(view.Grid().Cells().empty());
    EXPECT_TRUE(view.Message().contains("holds no Subtraction facts"))
        << view.Message().toStdString();

    guitest::Click(view.KindButton(kAddition));
    EXPECT_EQ(view.Message(), "");
    EXPECT_EQ(view.Grid().Cells().size(), 100u);
}
