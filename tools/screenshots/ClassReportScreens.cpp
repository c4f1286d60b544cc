#include "Screenshots.h"

#include "data/CStudent.h"
#include "data/CTeacher.h"
#include "data/CUserManager.h"
#include "data/MistakeFile.h"
#include "data/OperationFacts.h"
#include "data/StudentRecordFile.h"
#include "gui/classreport/ClassReportList.h"
#include "gui/classreport/ClassReportWnd.h"
#include "gui/classreport/PrintClassReport.h"
#include "gui/common/ClassNames.h"
#include "platform/Files.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

namespace screenshots {
namespace {

constexpr const char* kClassTeacher = "Class Teacher";
constexpr const char* kReportTeacher = "Report Teacher";
constexpr std::uint32_t kDay = 86'400;
constexpr std::uint32_t kHour = 3'600;

std::uint32_t Ago(std::uint32_t seconds) {
    return static_cast<std::uint32_t>(platform::GetClock().SecondsSince1970()) - seconds;
}

SessionRecord Test(int level, int correct, std::uint32_t time) {
    const int problems = level == kDivision ? 90 : 100;
    return {.time = time,
            .correctCount = static_cast<std::int16_t>(correct),
            .answeredCount = static_cast<std::int16_t>(problems),
            .level = static_cast<std::int16_t>(level),
            .type = kTestSession};
}

SessionRecord Training(int kind, int seconds, std::uint32_t time) {
    return {.time = time,
            .correctCount = 30,
            .answeredCount = 32,
            .level = static_cast<std::int16_t>(kind),
            .duration = static_cast<std::int16_t>(seconds),
            .goal = 25,
            .type = kTrainingSession};
}

SessionRecord Review(int seconds, std::uint32_t time) {
    return {.time = time,
            .correctCount = kNoValue,
            .answeredCount = kNoValue,
            .duration = static_cast<std::int16_t>(seconds),
            .mistakesAtStart = 10,
            .problemsCompleted = 10,
            .type = kReviewSession};
}

// A student of the report's class: the level, the history, how many of the level's facts come
// quickly, and how many facts are listed as mistakes.
struct Pupil {
    const char* name;
    std::int32_t level;
    std::int32_t testsPassed;
    std::vector<SessionRecord> history;
    int quickFacts = 0;
    int mistakes = 0;
};

void WriteFiles(const Pupil& pupil) {
    const std::string path = CUserManager::GetInfoFilePath(pupil.name);
    auto record = data::ParseStudentRecord(*platform::ReadFileBytes(path));
    record->sessions = pupil.history;
    platform::WriteFileBytes(path, data::SerializeStudentRecord(*record));

    std::vector<Problem> facts;
    for (std::int32_t kind = kAddition; kind <= kDivision; ++kind) {
        if (kind == pupil.level || pupil.level == kMixed) {
            const auto own = data::ReadOperationFacts(kind).facts;
            facts.insert(facts.end(), own.begin(), own.end());
        }
    }
    data::FactFluency fluency;
    for (std::size_t index = 0; index < facts.size(); ++index) {
        const bool quick = static_cast<int>(index) < pupil.quickFacts;
        fluency.RecordFirstTry(facts[index], true, quick ? 1500 : 5200);
    }
    data::WriteFluencyFile(CUserManager::GetFluencyFilePath(pupil.name), fluency);
    const std::vector<Problem> mistakes(
        facts.end() - std::min<std::ptrdiff_t>(pupil.mistakes, std::ssize(facts)), facts.end());
    data::WriteMistakeList(CUserManager::GetMistakeFilePath(pupil.name), mistakes);
}

// Eight students with names as long as names get and every kind of history: busy this week, stuck
// on a level, gone quiet, never started, stuck and gone quiet, a record that cannot be read.
void SignInReportTeacher() {
    static bool written = false;
    if (written) {
        GetCurrentTeacher().Load(kReportTeacher);
        GetCurrentTeacher().SelectClass("Users");
        return;
    }
    SignInTeacherWithEmptyClass(kReportTeacher);
    const std::vector<Pupil> pupils = {
        {"Alessandra Margherita Bellucci",
         kMultiplication,
         1,
         {Test(2, 100, Ago(9 * kDay)), Test(3, 97, Ago(3 * kDay)), Training(3, 240, Ago(2 * kDay)),
          Review(190, Ago(2 * kDay)), Test(3, 100, Ago(kDay)), Training(3, 60, Ago(5 * kHour))},
         62,
         4},
        {"Konstantinos Papadopoulos-Ray",
         kSubtraction,
         0,
         {Test(1, 100, Ago(8 * kDay)), Test(2, 96, Ago(4 * kDay)), Test(2, 98, Ago(3 * kDay)),
          Test(2, 99, Ago(kDay)), Training(2, 240, Ago(kDay))},
         41,
         12},
        {"Guðrún Sigurðardóttir",
         kMixed,
         2,
         {Test(5, 100, Ago(20 * kDay)), Training(5, 240, Ago(12 * kDay))},
         250,
         0},
        {"Maximilian Schwarzenegger-Li", kAddition, 0, {}, 0, 0},
        {"Éloïse Dubois-Fontaine",
         kDivision,
         1,
         {Test(4, 90, Ago(30 * kDay)), Test(4, 88, Ago(10 * kDay)), Test(4, 85, Ago(10 * kDay)),
          Test(4, 89, Ago(9 * kDay))},
         30,
         7},
        {"Tobias Fredriksson", kAddition, 0, {}, 0, 0},
        {"Priyanka Venkataraman",
         kAddition,
         2,
         {Test(1, 100, Ago(6 * kDay)), Training(1, 60, Ago(6 * kDay)), Test(1, 100, Ago(kHour))},
         88,
         1},
        {"Bo Ng", kSubtraction, 1, {Training(2, 60, Ago(kDay)), Review(45, Ago(kDay))}, 15, 2},
    };
    CTeacher& teacher = GetCurrentTeacher();
    for (const Pupil& pupil : pupils) {
        teacher.AddStudent(pupil.name, "hop", pupil.level, pupil.testsPassed, 0, 0);
        WriteFiles(pupil);
    }
    platform::WriteFileBytes(CUserManager::GetInfoFilePath("Tobias Fredriksson"), {'?'});
    written = true;
}

// The report as the teacher sees it, after `act` (a click on a heading); the tool's own teacher
// is signed in again afterwards.
QImage RenderReport(const std::function<void()>& signIn,
                    const std::function<void(ClassReportWnd&)>& act = {}) {
    signIn();
    QWidget opener;
    auto* window = new ClassReportWnd(&opener);
    QCoreApplication::processEvents();
    if (act) {
        act(*window);
    }
    const QImage picture = window->grab().toImage();
    delete window;
    GetCurrentTeacher().Load(kClassTeacher);
    return picture;
}

QImage PrintedPage(QPageSize::PageSizeId size, QPageLayout::Orientation orientation) {
    SignInReportTeacher();
    const auto rows =
        data::ReadClassReport(GetCurrentTeacher(), platform::GetClock().SecondsSince1970());
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("report.pdf"));
    printer.setPageSize(QPageSize(size));
    printer.setPageOrientation(orientation);
    PrintReportTable(*rows, printer, TeacherAndClassText("Report Teacher", "4B"));
    QProcess::execute("pdftoppm", {"-r", "80", "-f", "1", "-l", "1", "-singlefile", "-png",
                                   folder.filePath("report.pdf"), folder.filePath("page")});
    GetCurrentTeacher().Load(kClassTeacher);
    return QImage(folder.filePath("page.png"));
}

} // namespace

QImage RenderClassReportEmpty() {
    return RenderReport([] { SignInTeacherWithEmptyClass("New Teacher"); });
}

QImage RenderClassReportFull() {
    return RenderReport(SignInReportTeacher);
}

// Sorted by the minutes of this week, most first.
QImage RenderClassReportSorted() {
    return RenderReport(SignInReportTeacher, [](ClassReportWnd& window) {
        window.List()->sortByColumn(5, Qt::DescendingOrder);
    });
}

QImage RenderClassReportPrintedLetter() {
    return PrintedPage(QPageSize::Letter, QPageLayout::Landscape);
}

QImage RenderClassReportPrintedA4() {
    return PrintedPage(QPageSize::A4, QPageLayout::Portrait);
}

} // namespace screenshots
