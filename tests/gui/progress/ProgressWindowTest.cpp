#include "FolderContent.h"
#include "GuiTestSupport.h"
#include "SessionRecords.h"
#include "StudentSupport.h"
#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "gui/controls/CBasicLineGraph.h"
#include "gui/controls/CMasteryGraph.h"
#include "gui/controls/FactText.h"
#include "gui/controls/ReportList.h"
#include "gui/progress/CStudentProgressWnd.h"
#include "gui/progress/FactMapView.h"

#include <QAccessible>
#include <QHeaderView>

using namespace guitest;

namespace {

using namespace testrecords;
using enum CStudentProgressWnd::CommandId;

constexpr const char* kName = "Pat Jones";

// Pixels of text (nearly black) in `area`; without one, in the middle fifth of the image across
// half its width, where an empty view says so.
int DarkPixels(const QImage& image, QRect area = {}) {
    area = area.isNull() ? QRect(image.width() / 4, image.height() * 2 / 5, image.width() / 2,
                                 image.height() / 5)
                         : area;
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            dark += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
        }
    }
    return dark;
}

// The top of a graph's scale, then its points as value, mark and category.
using Plot = std::vector<std::array<int, 3>>;
constexpr int kLight = CBasicLineGraph::kLightCategory;
Plot Plotted(const GraphSeries& series) {
    Plot plot{{series.Maximum(), 0, 0}};
    for (int index = 0; index < series.Count(); ++index) {
        const GraphPoint& point = series.Point(index);
        plot.push_back({point.value, point.mark, point.category});
    }
    return plot;
}

class ProgressWindowTest : public WindowTest<CStudentProgressWnd> {
protected:
    ProgressWindowTest() { CopyInstalledTestFiles(fakes); }

    void Open(const std::vector<SessionRecord>& history) {
        delete window.data();
        CloseDeleted();
        SignInStudent(kName, kSubtraction, 1, history);
        home.window->hide();
        window = new CStudentProgressWnd(home.window.get());
        QCoreApplication::processEvents();
    }

    void Click(CStudentProgressWnd::CommandId id) { guitest::Click(window->Button(id)); }
};

const std::vector<SessionRecord> kRichHistory{
    TestRecord(97, 100, 1, 0, kNoon),
    TrainingRecord(20, 240, 25, 2),
    TestRecord(100, 100, 1, 0, kNoon + kDay),
    ReviewRecord(12, 30, 0, 150),
    TrainingRecord(30, 60, 0, 2),
    TestRecord(90, 90, 4, 2, kNoon + 2 * kDay),
};

} // namespace

// Passed tests in green: the mastery graph's dots, the score graph's bars (one not passed
// lighter) and the test report's rows; training sessions as bars of their length with their goal;
// the fact map the first tries on the level's facts. It opens on the mastery view. Looking changes
// no file of the student, makes no mistake list and shuffles no test file.
TEST_F(ProgressWindowTest, TheViewsShowTheRecordsAndLookingChangesNoFile) {
    Open(kRichHistory);
    EXPECT_TRUE(window->View(kMasteryGraph)->isVisible());
    GetCurrentStudent().RecordFirstTry(Mistake(9, '-', 4), true, 1200);
    GetCurrentStudent().RecordFirstTry(Mistake(8, '-', 8), false, 1500);
    ASSERT_TRUE(GetCurrentStudent().SaveFluency());
    std::filesystem::remove(CUserManager::GetMistakeFilePath(kName));
    const auto before = FolderContent(fakes.Path("/Data"));
    const std::string subtractions = ReadFile(fakes, "/Test Data/subtraction.txt");
    // 90 of 90 on Division is passed.
    EXPECT_EQ(Plotted(window->MasteryGraph()->Series()),
              (Plot{{15, 0, 0}, {1, 0, 0}, {1, 0, 1}, {12, 0, 1}}));
    Click(kCurrentProgress);
    EXPECT_EQ(Plotted(window->ScoreGraph()->Series()),
              (Plot{{100, 0, 0}, {97, 0, kLight}, {100, 0, 0}, {90, 0, 0}}));
    Click(kTrainingProgress);
    EXPECT_EQ(Plotted(window->TrainingGraph()->Series()),
              (Plot{{100, 0, 0}, {20, 25, 3}, {30, 0, 2}}));
    EXPECT_TRUE(window->TrainingGraph()->Flags() & CBasicLineGraph::kMarksAndGoal);

    // The same in words, as a screen reader reads each graph.
    const std::pair<QWidget*, const char*> spoken[] = {
        {window->MasteryGraph(),
         "The level reached by each test. Test 1 of 3: Addition, not passed. Test 2 of 3: "
         "Addition, passed. Test 3 of 3: Division, passed."},
        {window->ScoreGraph(),
         "The number right in each test at the current level. Test 1 of 3: 97 correct, not "
         "passed. Test 2 of 3: 100 correct, passed. Test 3 of 3: 90 correct, passed."},
        {window->TrainingGraph(),
         "Right answers in each training session, against its goal. Session 1 of 2: 20 correct, "
         "goal 25, 4 minutes. Session 2 of 2: 30 correct, goal 0, 1 minute."},
    };
    for (const auto& [graph, words] : spoken) {
        EXPECT_EQ(graph->accessibleDescription(), words);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(graph)->role(), QAccessible::Chart);
    }

    Click(kReport);
    const ReportList& tests = *window->TestReport();
    ASSERT_EQ(tests.RowCount(), 3);
    EXPECT_EQ(tests.RowTexts(0), (QStringList{"3", "03/09/2003", "Division", "90 / 90", "passed"}));
    EXPECT_EQ(tests.RowTexts(2).back(), "not passed");
    EXPECT_EQ(tests.topLevelItem(0)->foreground(4).color(), QColor(0, 200, 0));
    EXPECT_EQ(tests.topLevelItem(2)->foreground(0).color(), QColor(Qt::black));
    // A screen reader reads it as a table with its columns' headings.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->TestReport())
                  ->tableInterface()
                  ->columnDescription(3),
              "Score");
    EXPECT_EQ(tests.header()->length(), tests.viewport()->width())
        << "the result column fills the rest";
    const QImage shot = Snapshot(*tests.viewport());
    EXPECT_GT(CountColour(shot, shot.rect(), QColor(235, 235, 235)), 100) << "grey rows";
    EXPECT_EQ(DarkPixels(shot, QRect(0, shot.height() / 2, shot.width(), shot.height() / 2)), 0)
        << "three rows, nothing below";

    const ReportList& sessions = *window->TrainingReport();
    ASSERT_EQ(sessions.RowCount(), 3) << "reviews interleaved, not counted";
    EXPECT_EQ(sessions.RowTexts(0), (QStringList{"2", "03/07/2003", "Subtraction", "", "30", "",
                                                 "1 minute", "", "30.0", "", "7 minutes"}));
    Click(kFactMap);
    const FactMapView& map = *window->FactMap();
    EXPECT_EQ(map.Operation(), kSubtraction) << "the student's level";
    EXPECT_EQ(map.Grid().Counts(), (data::FluencyCounts{.fluent = 1, .missed = 1, .notSeen = 98}));
    EXPECT_TRUE(map.accessibleDescription().startsWith(
        "Subtraction: 1 of 100 fluent. Fluent: 9 minus 4. Missed: 8 minus 8. Not tried yet: "));
    Click(kMastery);
    EXPECT_TRUE(window->View(kMasteryGraph)->isVisible() && !map.isVisible());
    EXPECT_EQ(Played("navigate.wav"), 5);
    EXPECT_EQ(Logged("Failed to open "), 0) << "every picture of the window";
    Click(kHome);
    EXPECT_TRUE(home.window->isVisible());
    CloseDeleted();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(FolderContent(fakes.Path("/Data")), before);
    EXPECT_EQ(ReadFile(fakes, "/Test Data/subtraction.txt"), subtractions);
}

// A damaged record must not smear a graph: values a record can hold but the program never
// writes are drawn at the nearest value the graph shows, and the error log names them once for
// the window.
TEST_F(ProgressWindowTest, ValuesNeverRecordedAreShownWithinLimitsAndLoggedOncePerWindow) {
    const std::vector<SessionRecord> damaged{
        TestRecord(32767, 100, 6, 0), TestRecord(-5, 100, 1, 0), TrainingRecord(250, -20, 400),
        TrainingRecord(30, 60, 25), ReviewRecord(12, 30, 0, -90)};
    Open(damaged);
    EXPECT_EQ(Plotted(window->MasteryGraph()->Series()), (Plot{{15, 0, 0}, {15, 0, 0}, {1, 0, 0}}));
    Click(kCurrentProgress);
    EXPECT_EQ(Plotted(window->ScoreGraph()->Series()),
              (Plot{{100, 0, 0}, {100, 0, kLight}, {0, 0, kLight}}));
    Click(kTrainingProgress);
    EXPECT_EQ(Plotted(window->TrainingGraph()->Series()),
              (Plot{{100, 0, 0}, {100, 100, 3}, {30, 25, 2}}));

    for (const auto button : {kMastery, kCurrentProgress, kTrainingProgress, kReport}) {
        Click(button);
    }
    const std::string logged = "Values the program never records, shown within limits for " +
                               std::string(kName) + ": record 1: correct 32767 shown as 100";
    EXPECT_EQ(Logged(logged), 1);
    Open(damaged);
    EXPECT_EQ(Logged(logged), 2) << "once a window";
}

// An empty view says so in its middle, where a parent looks, instead of showing bare axes. Every
// fact of every operation in a cell inside the view, beside the legend, in a font that fits it and
// can be read. A close by the window system leaves like Home.
TEST_F(ProgressWindowTest, AnEmptyHistoryGivesEmptyViewsThatSayItAndEveryFactFitsItsCell) {
    for (const platform::ScreenSize screen : {platform::ScreenSize{800, 600}, {1024, 768}}) {
        fakes.display.current = screen;
        Open({});
        for (const auto button :
             {kMastery, kCurrentProgress, kReport, kTrainingReport, kTrainingProgress}) {
            Click(button);
            QWidget* view = window->View(CStudentProgressWnd::ViewOfButton(button));
            const auto* report = qobject_cast<ReportList*>(view);
            EXPECT_GT(DarkPixels(Snapshot(report ? *report->viewport() : *view)), 100) << button;
        }
        EXPECT_EQ(window->TestReport()->RowCount() + window->TrainingReport()->RowCount(), 0);
        Click(kFactMap);
        FactMapView& map = *window->FactMap();
        for (const std::int32_t kind : {kAddition, kSubtraction, kMultiplication, kDivision}) {
            SCOPED_TRACE(testing::Message() << screen.width << " " << kind);
            guitest::Click(map.KindButton(kind));
            const FactMapLayout& layout = map.Layout();
            const QFontMetrics metrics(map.CellFont());
            EXPECT_GE(map.CellFont().pixelSize(), 12);
            for (const data::FactCell& cell : map.Grid().Cells()) {
                const QRect face = layout.CellRect(cell.row, cell.column);
                ASSERT_TRUE(map.rect().contains(face));
                ASSERT_FALSE(face.intersects(layout.band));
                ASSERT_LT(face.right(), layout.legend[0].swatch.left());
                ASSERT_LE(metrics.horizontalAdvance(FactText(cell.fact)), face.width());
            }
        }
    }
    window->close();
    EXPECT_TRUE(home.window->isVisible());
    CloseDeleted();
    EXPECT_TRUE(window.isNull());
}
