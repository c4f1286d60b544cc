#include "GuiTestSupport.h"
#include "SessionRecords.h"
#include "StudentSupport.h"
#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "data/ProblemLine.h"
#include "gui/controls/CBasicLineGraph.h"
#include "gui/controls/CMasteryGraph.h"
#include "gui/controls/FactText.h"
#include "gui/controls/ReportList.h"
#include "gui/progress/CStudentProgressWnd.h"
#include "gui/progress/FactMapView.h"
#include "platform/Files.h"

#include <QAccessible>
#include <QHeaderView>
#include <filesystem>
#include <map>

namespace {

using namespace testrecords;
using enum CStudentProgressWnd::CommandId;

constexpr const char* kName = "Pat Jones";

Problem Read(const std::string& line) {
    Problem fact;
    EXPECT_TRUE(data::ReadProblemLine(line, fact)) << line;
    return fact;
}

// Every file of the data folder with its bytes.
std::map<std::string, std::vector<std::uint8_t>> DataFiles() {
    std::map<std::string, std::vector<std::uint8_t>> files;
    const auto folder = std::filesystem::path(CUserManager::GetInfoFilePath(kName)).parent_path();
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files[entry.path().filename().string()] = *platform::ReadFileBytes(entry.path().string());
    }
    return files;
}

// Pixels of text: nearly black.
int DarkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            dark += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
        }
    }
    return dark;
}

class ProgressWindowTest : public guitest::WindowTest<CStudentProgressWnd> {
protected:
    void Open(const std::vector<SessionRecord>& history) {
        guitest::SignInStudent(kName, kSubtraction, 1, history);
        home.window->hide();
        window = new CStudentProgressWnd(home.window.get());
        QCoreApplication::processEvents();
    }

    void Click(CStudentProgressWnd::CommandId id) { guitest::Click(window->Button(id)); }

    std::vector<CStudentProgressWnd::CommandId> ShownViews() const {
        std::vector<CStudentProgressWnd::CommandId> shown;
        for (const auto view : {kCurrentProgressGraph, kMasteryGraph, kTestReport,
                                kTrainingReportList, kTrainingGraph, kFactMapView}) {
            if (window->View(view)->isVisible()) {
                shown.push_back(view);
            }
        }
        return shown;
    }

    static std::vector<std::string> Row(const ReportList& list, int row) {
        std::vector<std::string> texts;
        for (const QString& text : list.RowTexts(row)) {
            texts.push_back(text.toStdString());
        }
        return texts;
    }
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

TEST_F(ProgressWindowTest, OpensOnTheMasteryViewAndEachButtonShowsOnlyItsView) {
    Open(kRichHistory);
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(ShownViews(), std::vector{kMasteryGraph});
    EXPECT_EQ(window->Button(kFactMap)->toolTip(), "See which facts you know by heart");

    const std::pair<CStudentProgressWnd::CommandId, CStudentProgressWnd::CommandId> buttons[] = {
        {kCurrentProgress, kCurrentProgressGraph},
        {kReport, kTestReport},
        {kTrainingReport, kTrainingReportList},
        {kTrainingProgress, kTrainingGraph},
        {kFactMap, kFactMapView},
        {kMastery, kMasteryGraph},
    };
    int presses = 0;
    for (const auto& [button, view] : buttons) {
        Click(button);
        EXPECT_EQ(ShownViews(), std::vector{view}) << button;
        EXPECT_EQ(Played("navigate.wav"), ++presses);
    }
    EXPECT_EQ(guitest::CountRecords(guitest::ReadErrorLog(fakes), "Failed to open "), 0)
        << "every picture of the window";
}

TEST_F(ProgressWindowTest, TheGraphsTakeTheirRecords) {
    Open(kRichHistory);
    const GraphSeries& mastery = window->MasteryGraph()->Series();
    ASSERT_EQ(mastery.Count(), 3);
    EXPECT_EQ(mastery.Point(2).value, 12);
    EXPECT_EQ(mastery.Point(2).category, 1) << "90 of 90 on Division is passed";

    Click(kCurrentProgress);
    const GraphSeries& scores = window->ScoreGraph()->Series();
    ASSERT_EQ(scores.Count(), 3);
    EXPECT_EQ(scores.Point(0).value, 97);
    EXPECT_EQ(scores.Maximum(), 100);
    EXPECT_EQ(scores.Point(0).category, CBasicLineGraph::kLightCategory) << "not passed";
    EXPECT_EQ(scores.Point(1).category, 0) << "passed: the green of every score";
    EXPECT_EQ(scores.Point(2).category, 0);

    Click(kTrainingProgress);
    const GraphSeries& training = window->TrainingGraph()->Series();
    ASSERT_EQ(training.Count(), 2);
    EXPECT_EQ(training.Point(0).value, 20);
    EXPECT_EQ(training.Point(0).mark, 25);
    EXPECT_EQ(training.Point(1).category, 2) << "a one-minute session";
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
}

TEST_F(ProgressWindowTest, TheTestReportReadsNewestFirstWithPassedTestsInGreen) {
    Open(kRichHistory);
    Click(kReport);
    const ReportList& report = *window->TestReport();
    ASSERT_EQ(report.RowCount(), 3);
    EXPECT_EQ(Row(report, 0),
              (std::vector<std::string>{"3", "03/09/2003", "Division", "90 / 90", "passed"}));
    EXPECT_EQ(Row(report, 2).back(), "not passed");
    EXPECT_EQ(report.topLevelItem(0)->foreground(4).color(), QColor(0, 200, 0));
    EXPECT_EQ(report.topLevelItem(2)->foreground(0).color(), QColor(Qt::black));
    EXPECT_FALSE(report.header()->sectionsClickable());
    // A screen reader reads it as a table with its columns' headings.
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(window->TestReport())->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->columnDescription(3), "Score");
    EXPECT_EQ(table->cellAt(0, 3)->text(QAccessible::Name), "90 / 90");
    EXPECT_EQ(report.columnWidth(0) * 2, report.columnWidth(1)) << "the test number is narrow";
    int total = 0;
    for (int column = 0; column < report.columnCount(); ++column) {
        total += report.columnWidth(column);
    }
    EXPECT_EQ(total, report.viewport()->width()) << "the result column fills the rest";

    const QImage shot = guitest::Snapshot(*window->TestReport()->viewport());
    EXPECT_GT(guitest::CountColour(shot, shot.rect(), QColor(235, 235, 235)), 100)
        << "grey rows between the white ones";
}

TEST_F(ProgressWindowTest, TheTrainingReportInterleavesReviewsWithoutCountingThem) {
    Open(kRichHistory);
    Click(kTrainingReport);
    const ReportList& report = *window->TrainingReport();
    ASSERT_EQ(report.RowCount(), 3);
    EXPECT_EQ(Row(report, 0),
              (std::vector<std::string>{"2", "03/07/2003", "Subtraction", "", "30", "", "1 minute",
                                        "", "30.0", "", "7 minutes"}));
    EXPECT_EQ(Row(report, 1),
              (std::vector<std::string>{"Review", "03/07/2003", "", "", "", "12", "2 minutes",
                                        "Complete", "", "", "6 minutes"}));
    EXPECT_EQ(Row(report, 2).front(), "1");
}

// An empty view says so in its middle, where a parent looks, instead of showing bare axes.
TEST_F(ProgressWindowTest, AnEmptyHistoryGivesEmptyViewsThatSaySo) {
    Open({});
    EXPECT_EQ(window->MasteryGraph()->Series().Count(), 0);
    EXPECT_EQ(window->TrainingReport()->RowCount(), 0);
    for (const auto button :
         {kMastery, kCurrentProgress, kReport, kTrainingReport, kTrainingProgress}) {
        Click(button);
        QWidget* view = window->View(CStudentProgressWnd::ViewOfButton(button));
        QWidget& painted = view == window->TestReport() || view == window->TrainingReport()
                               ? *static_cast<ReportList*>(view)->viewport()
                               : *view;
        const QImage shot = guitest::Snapshot(painted);
        const QRect middle(shot.width() / 4, shot.height() * 2 / 5, shot.width() / 2,
                           shot.height() / 5);
        EXPECT_GT(DarkPixels(shot, middle), 100) << button;
    }
    EXPECT_EQ(window->TestReport()->RowCount(), 0);

    delete window.data();
    CloseDeleted();
    Open(kRichHistory);
    Click(kReport);
    const QImage shot = guitest::Snapshot(*window->TestReport()->viewport());
    const QRect middle(0, shot.height() / 2, shot.width(), shot.height() / 2);
    EXPECT_EQ(DarkPixels(shot, middle), 0) << "three rows, nothing below";
}

// A damaged record must not smear a graph: values a record can hold but the program never
// writes are drawn at the nearest value the graph shows, and the error log names them once for
// the window.
TEST_F(ProgressWindowTest, ValuesNeverRecordedAreShownWithinLimitsAndLoggedOncePerWindow) {
    const std::vector<SessionRecord> damaged{
        TestRecord(32767, 100, 6, 0), TestRecord(-5, 100, 1, 0), TrainingRecord(250, -20, 400),
        TrainingRecord(30, 60, 25), ReviewRecord(12, 30, 0, -90)};
    Open(damaged);
    const GraphSeries& mastery = window->MasteryGraph()->Series();
    ASSERT_EQ(mastery.Count(), 2);
    EXPECT_EQ(std::pair(mastery.Point(0).value, mastery.Maximum()), std::pair(15, 15));

    Click(kCurrentProgress);
    const GraphSeries& scores = window->ScoreGraph()->Series();
    ASSERT_EQ(scores.Count(), 2);
    EXPECT_EQ(std::tuple(scores.Point(0).value, scores.Point(1).value, scores.Maximum()),
              std::tuple(100, 0, 100));

    Click(kTrainingProgress);
    const GraphSeries& training = window->TrainingGraph()->Series();
    ASSERT_EQ(training.Count(), 2);
    EXPECT_EQ(std::tuple(training.Point(0).value, training.Point(0).mark, training.Maximum()),
              std::tuple(100, 100, 100));

    for (const auto button : {kMastery, kCurrentProgress, kTrainingProgress, kReport}) {
        Click(button);
    }
    const std::string logged = "Values the program never records, shown within limits for " +
                               std::string(kName) + ": record 1: correct 32767 shown as 100";
    EXPECT_EQ(guitest::CountRecords(guitest::ReadErrorLog(fakes), logged), 1);
    delete window.data();
    CloseDeleted();
    Open(damaged);
    EXPECT_EQ(guitest::CountRecords(guitest::ReadErrorLog(fakes), logged), 2) << "once a window";
}

TEST_F(ProgressWindowTest, HomeShowsTheOpenerAndClosesWithoutChangingTheStudentsFiles) {
    guitest::CopyInstalledTestFiles(fakes);
    Open(kRichHistory);
    GetCurrentStudent().RecordFirstTry(Read("4 - 2"), true, 1200);
    ASSERT_TRUE(GetCurrentStudent().SaveFluency());
    std::filesystem::remove(CUserManager::GetMistakeFilePath(kName));
    const auto before = DataFiles();
    const std::string subtractions = guitest::ReadFile(fakes, "/Test Data/subtraction.txt");
    for (const auto button :
         {kCurrentProgress, kReport, kTrainingReport, kTrainingProgress, kFactMap, kMastery}) {
        Click(button);
    }
    guitest::Click(window->FactMap()->KindButton(kDivision));
    Click(kHome);
    EXPECT_TRUE(home.window->isVisible());
    CloseDeleted();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(DataFiles(), before) << "no mistake list made either";
    EXPECT_EQ(guitest::ReadFile(fakes, "/Test Data/subtraction.txt"), subtractions)
        << "looking does not shuffle a test file";
}

TEST_F(ProgressWindowTest, TheFactMapShowsTheStudentsFirstTriesOnTheLevelsFacts) {
    guitest::CopyInstalledTestFiles(fakes);
    Open({});
    GetCurrentStudent().RecordFirstTry(Read("9 - 4"), true, 1500);
    GetCurrentStudent().RecordFirstTry(Read("8 - 8"), false, 1500);
    GetCurrentStudent().AddMistake(Read("7 - 0"));
    Click(kFactMap);
    const FactMapView& map = *window->FactMap();
    EXPECT_EQ(map.Operation(), kSubtraction) << "the student's level";
    EXPECT_EQ(map.Grid().Counts(), (data::FluencyCounts{.fluent = 1, .missed = 2, .notSeen = 97}));
    const QString said = map.accessibleDescription();
    EXPECT_TRUE(said.startsWith("Subtraction: 1 of 100 fluent. Fluent: 9 minus 4. Missed: "));
    EXPECT_TRUE(said.contains("8 minus 8") && said.contains("7 minus 0") &&
                said.contains("Not tried yet: "));
}

// Every fact of every operation in a cell inside the view, beside the legend, in a font that
// fits it and can be read.
TEST_F(ProgressWindowTest, EveryFactFitsItsCellOnSmallAndLargeScreens) {
    guitest::CopyInstalledTestFiles(fakes);
    for (const platform::ScreenSize screen : {platform::ScreenSize{800, 600}, {1024, 768}}) {
        fakes.display.current = screen;
        Open({});
        Click(kFactMap);
        FactMapView& map = *window->FactMap();
        for (const std::int32_t kind : {kAddition, kSubtraction, kMultiplication, kDivision}) {
            guitest::Click(map.KindButton(kind));
            const FactMapLayout& layout = map.Layout();
            const QFontMetrics metrics(map.CellFont());
            EXPECT_GE(map.CellFont().pixelSize(), 12) << screen.width << " " << kind;
            for (const data::FactCell& cell : map.Grid().Cells()) {
                const QRect face = layout.CellRect(cell.row, cell.column);
                ASSERT_TRUE(map.rect().contains(face)) << screen.width << " " << kind;
                ASSERT_FALSE(face.intersects(layout.band));
                ASSERT_LT(face.right(), layout.legend[0].swatch.left());
                ASSERT_LE(metrics.horizontalAdvance(FactText(cell.fact)), face.width());
            }
        }
        delete window.data();
        CloseDeleted();
    }
}

TEST_F(ProgressWindowTest, AWindowSystemCloseLeavesLikeHome) {
    Open({});
    window->close();
    EXPECT_TRUE(home.window->isVisible());
    CloseDeleted();
    EXPECT_TRUE(window.isNull());
}
