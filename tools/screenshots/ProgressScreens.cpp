#include "Screenshots.h"
#include "Sheet.h"

#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "data/OperationFacts.h"
#include "data/StudentRecordFile.h"
#include "gui/common/TrainingSessionGraph.h"
#include "gui/controls/CBasicLineGraph.h"
#include "gui/controls/CMasteryGraph.h"
#include "gui/controls/CPictureButton.h"
#include "gui/progress/CStudentProgressWnd.h"
#include "gui/progress/FactMapView.h"
#include "platform/Files.h"
#include "platform/fakes/FakeServices.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace screenshots {
namespace {

constexpr std::uint32_t kFirstDay = 1'157'112'000; // 1 September 2006, noon UTC
constexpr std::uint32_t kDay = 86'400;

SessionRecord Session(std::uint32_t type, std::uint32_t day) {
    SessionRecord record;
    record.type = type;
    record.time = kFirstDay + day * kDay;
    return record;
}

// Thirteen tests through Addition and Subtraction into Multiplication (where Mary Ann stands,
// one test passed), with training sessions of one and four minutes and three reviews between
// them: more training sessions than the graph shows at once.
std::vector<SessionRecord> RichHistory() {
    const int scores[] = {97, 100, 99, 100, 100, 95, 100, 100, 98, 100, 88, 96, 100};
    std::vector<SessionRecord> history;
    int level = 1;
    int passed = 0;
    std::uint32_t day = 0;
    for (const int score : scores) {
        SessionRecord test = Session(kTestSession, day);
        test.correctCount = static_cast<std::int16_t>(score);
        test.answeredCount = 100;
        test.level = static_cast<std::int16_t>(level);
        test.testsPassedBefore = static_cast<std::int16_t>(passed);
        test.duration = 330;
        history.push_back(test);
        if (score == 100 && ++passed == 3) {
            passed = 0;
            ++level;
        }
        for (int extra = 0; extra < 2; ++extra) {
            SessionRecord training = Session(kTrainingSession, day);
            const bool oneMinute = (day + extra) % 3 == 0;
            training.level = static_cast<std::int16_t>(level);
            training.duration = oneMinute ? 60 : 240;
            training.correctCount =
                static_cast<std::int16_t>(oneMinute ? 9 + day / 2 + extra : 30 + day + 2 * extra);
            training.answeredCount = training.correctCount;
            training.goal = static_cast<std::int16_t>(oneMinute ? 12 + day / 2 : 32 + day);
            history.push_back(training);
        }
        if (day % 5 == 4) {
            SessionRecord review = Session(kReviewSession, day);
            review.duration = static_cast<std::int16_t>(300 + 60 * day);
            review.mistakesAtStart = 10;
            review.problemsCompleted = 34;
            review.mistakesLeft = static_cast<std::int16_t>(day == 9 ? 3 : 0);
            history.push_back(review);
        }
        day += 2;
    }
    return history;
}

// A thousand sessions over four years: a test every few days working through the levels and
// round again, training sessions of one and four minutes between them, a review now and then.
std::vector<SessionRecord> LongHistory() {
    std::vector<SessionRecord> history;
    int level = 1;
    int passed = 0;
    for (std::uint32_t n = 0; history.size() < 1000; ++n) {
        const std::uint32_t day = n * 3 / 2;
        if (n % 3 == 0) {
            SessionRecord test = Session(kTestSession, day);
            const int score = n % 4 == 0 ? 100 : 88 + static_cast<int>(n * 7 % 12);
            test.answeredCount = level == kDivision ? 90 : 100;
            test.correctCount = static_cast<std::int16_t>(std::min<int>(score, test.answeredCount));
            test.level = static_cast<std::int16_t>(level);
            test.testsPassedBefore = static_cast<std::int16_t>(passed);
            test.duration = 330;
            history.push_back(test);
            if (test.correctCount == test.answeredCount && ++passed == 3) {
                passed = 0;
                level = level == kMixed ? kAddition : level + 1;
            }
        } else if (n % 10 == 5) {
            SessionRecord review = Session(kReviewSession, day);
            review.duration = static_cast<std::int16_t>(240 + n % 7 * 30);
            review.mistakesAtStart = 10;
            review.problemsCompleted = static_cast<std::int16_t>(30 + n % 9);
            review.mistakesLeft = static_cast<std::int16_t>(n % 4 == 1 ? 2 : 0);
            history.push_back(review);
        } else {
            SessionRecord training = Session(kTrainingSession, day);
            const bool oneMinute = n % 3 == 1;
            const int practice = static_cast<int>(n / 25);
            training.level = static_cast<std::int16_t>(1 + n % 4);
            training.duration = oneMinute ? 60 : 240;
            training.correctCount = static_cast<std::int16_t>(
                oneMinute ? 8 + practice / 4 + n % 5 : 25 + practice / 2 + n % 9);
            training.answeredCount = training.correctCount;
            training.goal =
                static_cast<std::int16_t>(oneMinute ? 10 + practice / 4 : 28 + practice / 2);
            history.push_back(training);
        }
    }
    return history;
}

// The progress window over a stand-in opener, switched to a view by its button; on the fact map,
// to the facts of `kind`.
QImage ProgressView(CStudentProgressWnd::CommandId button, std::int32_t kind = kMultiplication) {
    QWidget opener;
    auto* window = new CStudentProgressWnd(&opener);
    QCoreApplication::processEvents();
    window->Button(button)->click();
    if (button == CStudentProgressWnd::kFactMap && window->FactMap()->Operation() != kind) {
        window->FactMap()->KindButton(kind)->click();
    }
    QCoreApplication::processEvents();
    const QImage picture = window->grab().toImage();
    delete window;
    return picture;
}

// How a student who has practised the times tables for a while stands: the small tables and the
// fives quick, the sixes and sevens slow, a few facts of those still missed, the eights and
// nines hardly tried.
void PartlyPractised(data::FactFluency& fluency, const Problem& fact) {
    const int larger = std::max(fact.firstOperand, fact.secondOperand);
    const int smaller = std::min(fact.firstOperand, fact.secondOperand);
    if (larger >= 8 && smaller >= 3) {
        return;
    }
    const bool quick = smaller <= 2 || smaller == 5 || larger <= 5;
    const bool missed = !quick && (fact.firstOperand + fact.secondOperand) % 5 == 0;
    fluency.RecordFirstTry(fact, true, quick ? 1400 + 100 * larger : 4200);
    fluency.RecordFirstTry(fact, !missed, quick ? 1800 : 3900);
}

void AllPractised(data::FactFluency& fluency, const Problem& fact) {
    fluency.RecordFirstTry(fact, true, 1500 + 100 * fact.firstOperand);
}

struct FactMapScene {
    std::function<void(data::FactFluency&, const Problem&)> practise;
    std::int32_t kind = kMultiplication;
    bool withMistakeList = true; // the student's list as the review screens left it
    platform::ScreenSize screen{800, 600};
    std::int32_t level = kMultiplication;
};

// The fact map of the signed-in student (on Multiplication, the level reached, or `kind`) after
// `practise` was given every fact of `kind`.
QImage FactMap(const FactMapScene& scene) {
    GiveHistory(RichHistory(), scene.level);
    CStudent& student = GetCurrentStudent();
    data::FactFluency fluency;
    for (const std::int32_t kind : {kAddition, kSubtraction, kMultiplication, kDivision}) {
        if (scene.kind != kind && scene.kind != kMixed) {
            continue;
        }
        for (const Problem& fact : data::ReadOperationFacts(kind).facts) {
            scene.practise(fluency, fact);
        }
    }
    data::WriteFluencyFile(CUserManager::GetFluencyFilePath(student.GetName()), fluency);
    student.Load(student.GetName());
    const std::string list = CUserManager::GetMistakeFilePath(student.GetName());
    const auto listBytes = platform::ReadFileBytes(list);
    if (!scene.withMistakeList) {
        platform::WriteFileBytes(list, {});
    }
    auto& display = dynamic_cast<platform::fakes::FakeDisplay&>(platform::GetDisplay());
    const platform::ScreenSize usual = display.current;
    display.current = scene.screen;
    const QImage picture = ProgressView(CStudentProgressWnd::kFactMap, scene.kind);
    display.current = usual;
    if (listBytes) {
        platform::WriteFileBytes(list, *listBytes);
    }
    return picture;
}

QImage Graph(CBasicLineGraph& graph) {
    graph.resize(420, 280);
    graph.show();
    return graph.grab().toImage();
}

} // namespace

void GiveHistory(const std::vector<SessionRecord>& history, std::int32_t level) {
    CStudent& student = GetCurrentStudent();
    const std::string path = CUserManager::GetInfoFilePath(student.GetName());
    const auto bytes = platform::ReadFileBytes(path);
    auto record = bytes ? data::ParseStudentRecord(*bytes) : std::nullopt;
    if (!record) {
        std::fprintf(stderr, "tallyhop_screenshots: cannot read %s\n", path.c_str());
        return;
    }
    record->sessions = history;
    record->level = level;
    record->testsPassed = 1;
    if (!platform::WriteFileBytes(path, data::SerializeStudentRecord(*record)) ||
        !student.Load(student.GetName())) {
        std::fprintf(stderr, "tallyhop_screenshots: cannot write %s\n", path.c_str());
    }
}

void GiveRichHistory() {
    GiveHistory(RichHistory(), kMultiplication);
}

QImage RenderGraphModes() {
    Sheet sheet(1300);
    const QString face = QStringLiteral("Book Antiqua");

    CBasicLineGraph line(nullptr);
    line.SetXTitle(QStringLiteral("Days"));
    line.SetYTitle(QStringLiteral("Score"));
    line.SetXLabelFont(84, face);
    line.SetYLabelFont(84, face);
    line.SetXLabels(true);
    line.SetYScale(true);
    line.SetMinorInterval(5);
    line.ModifyFlags(CBasicLineGraph::kFrame, 0);
    for (const int value : {42, 55, 51, 63, 70, 68, 77, 85, 83, 92, 95}) {
        line.AddPoint(value, 0, 0);
    }
    line.SetMaximum(100);
    sheet.Add(QStringLiteral("line, framed, grid"), Graph(line));

    CBasicLineGraph bars(nullptr);
    ConfigureTrainingGraph(bars, 84);
    bars.SetRedraw(false);
    for (int session = 0; session < 24; ++session) {
        bars.AddPoint(30 + session * 2 + (session % 4) * 5, 40 + session, session % 4);
    }
    bars.SetMaximum(100);
    bars.SetGoal(60);
    bars.SetRedraw(true);
    sheet.Add(QStringLiteral("bars of each category, marks, goal 60, scrolled"), Graph(bars));

    CMasteryGraph mastery(nullptr);
    mastery.SetXLabelFont(84, face);
    mastery.SetXTitle(QStringLiteral("Tests"));
    mastery.SetYTitle(QStringLiteral("Progress"));
    mastery.SetXLabels(true);
    mastery.SetYScale(true);
    mastery.ModifyFlags(CBasicLineGraph::kFrame, 0);
    const int levels[][3] = {{1, 0, 0}, {1, 0, 1}, {1, 1, 1}, {1, 2, 1}, {2, 0, 0},
                             {2, 0, 1}, {2, 1, 1}, {2, 2, 1}, {3, 0, 0}, {3, 0, 1}};
    for (const auto& [level, passed, category] : levels) {
        mastery.AddLevelPoint(level, passed, category);
    }
    mastery.SetMaximum(15);
    sheet.Add(QStringLiteral("mastery bands"), Graph(mastery));
    return sheet.Render();
}

// Each view of the progress window as it is with no history, with a few weeks of it and with a
// thousand sessions, the three side by side.
QImage ProgressViewThreeWays(CStudentProgressWnd::CommandId button) {
    std::vector<QImage> pictures;
    for (const auto& history : {std::vector<SessionRecord>{}, RichHistory(), LongHistory()}) {
        GiveHistory(history, kMultiplication);
        pictures.push_back(ProgressView(button));
    }
    GiveRichHistory();
    return SideBySide(pictures);
}

QImage RenderProgressMastery() {
    return ProgressViewThreeWays(CStudentProgressWnd::kMastery);
}

QImage RenderProgressCurrent() {
    return ProgressViewThreeWays(CStudentProgressWnd::kCurrentProgress);
}

QImage RenderProgressReport() {
    return ProgressViewThreeWays(CStudentProgressWnd::kReport);
}

QImage RenderProgressTrainingReport() {
    return ProgressViewThreeWays(CStudentProgressWnd::kTrainingReport);
}

QImage RenderProgressTrainingGraph() {
    return ProgressViewThreeWays(CStudentProgressWnd::kTrainingProgress);
}

// A history with damaged values (a score of 32767, a level-6 test, a negative time): the graphs
// keep their scales.
QImage RenderProgressDamaged() {
    std::vector<SessionRecord> history = RichHistory();
    history[0].correctCount = 32767;
    history[3].level = 6;
    history[1].duration = -20;
    history[1].correctCount = 250;
    GiveHistory(history, kMultiplication);
    std::vector<QImage> pictures;
    for (const auto button : {CStudentProgressWnd::kCurrentProgress, CStudentProgressWnd::kMastery,
                              CStudentProgressWnd::kTrainingReport}) {
        pictures.push_back(ProgressView(button));
    }
    GiveRichHistory();
    return SideBySide(pictures);
}

QImage RenderFactMapEmpty() {
    return FactMap(
        {.practise = [](data::FactFluency&, const Problem&) {}, .withMistakeList = false});
}

QImage RenderFactMapPartly() {
    return FactMap({.practise = PartlyPractised});
}

// Another kind, on a larger screen.
QImage RenderFactMapPartlyLarge() {
    return FactMap({.practise = PartlyPractised, .kind = kAddition, .screen = {1024, 768}});
}

QImage RenderFactMapComplete() {
    return FactMap({.practise = AllPractised, .withMistakeList = false});
}

// A Mixed student's map opens on the four operations side by side.
QImage RenderFactMapMixed() {
    return FactMap({.practise = PartlyPractised, .kind = kMixed, .level = kMixed});
}

} // namespace screenshots
