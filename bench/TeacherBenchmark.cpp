#include "DataFolderWriter.h"
#include "data/CTeacher.h"
#include "data/CUserManager.h"
#include "data/MistakeFile.h"
#include "data/OperationFacts.h"
#include "data/StudentRecordFile.h"
#include "gui/classreport/ClassReportList.h"
#include "gui/classreport/ClassReportWnd.h"
#include "gui/controls/StudentListCtl.h"
#include "gui/fakes/StillHome.h"
#include "gui/teacher/CTeacherWnd.h"
#include "platform/Files.h"
#include "platform/fakes/FakeServices.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <functional>

namespace {

// The students of a class of `size`: "Kid Pupil01", "Kid Pupil02", …
std::vector<std::string> ClassNames(int size) {
    std::vector<std::string> names;
    for (int index = 1; index <= size; ++index) {
        names.push_back((index < 10 ? "Kid Pupil0" : "Kid Pupil") + std::to_string(index));
    }
    return names;
}

// A full class of `size` students (the folder's class size), each with `sessions` sessions (300:
// a year of history), the teacher signed in.
void SignInTeacherOfFullClass(const platform::fakes::FakePlatform& fakes, int size, int sessions) {
    std::filesystem::create_directory_symlink(TALLYHOP_PROGRAM_DIR "/Graphics",
                                              fakes.Path("/Graphics"));
    std::filesystem::create_directory_symlink(TALLYHOP_PROGRAM_DIR "/Test Data",
                                              fakes.Path("/Test Data"));
    DataFolderOptions options{
        .programFolder = fakes.BaseFolder(), .teachers = {{}}, .classSize = size};
    for (const std::string& name : ClassNames(size)) {
        options.teachers[0].students.push_back({name, "hop", 3, 1});
    }
    std::string message;
    WriteDataFolder(options, message);
    for (const StudentToAdd& student : options.teachers[0].students) {
        data::StudentRecord record;
        record.idType = CUserManager::kStudentId;
        record.password = student.password;
        record.classKey = "Class TeacherUsers";
        record.level = student.level;
        record.testsPassed = student.testsPassed;
        for (int n = 0; n < sessions; ++n) {
            SessionRecord session;
            session.time = 1'157'112'000u + static_cast<std::uint32_t>(n) * 86'400u;
            session.type = static_cast<std::uint32_t>(1 + n % 3);
            session.correctCount = 90;
            session.answeredCount = 100;
            session.level = 3;
            record.sessions.push_back(session);
        }
        platform::WriteFileBytes(CUserManager::GetInfoFilePath(student.name),
                                 data::SerializeStudentRecord(record));
    }
    GetCurrentTeacher().Load("Class Teacher");
    GetCurrentTeacher().SelectClass("Users");
}

// Every multiplication fact tried five times, and ten of them on the mistake list.
void GiveFluencyAndMistakes(const std::string& name) {
    data::FactFluency fluency;
    const std::vector<Problem> facts = data::ReadOperationFacts(kMultiplication).facts;
    for (const Problem& fact : facts) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            fluency.RecordFirstTry(fact, attempt != 0, 1500 + 400 * fact.firstOperand);
        }
    }
    data::WriteFluencyFile(CUserManager::GetFluencyFilePath(name), fluency);
    data::WriteMistakeList(CUserManager::GetMistakeFilePath(name),
                           std::vector<Problem>(facts.begin(), facts.begin() + 10));
}

// Times opening a window with `open` and painting it; `rows` says how many students it shows,
// which must be the whole class of state.range(0).
template <typename Window>
void TimeOpening(benchmark::State& state, const std::function<Window*()>& open,
                 const std::function<int(const Window&)>& rows) {
    QImage screen(801, 601, QImage::Format_RGB32);
    for (auto _ : state) {
        Window* window = open();
        QPainter painter(&screen);
        window->render(&painter);
        painter.end();
        state.PauseTiming();
        const int shown = rows(*window);
        delete window;
        if (shown != state.range(0)) {
            state.SkipWithError("the class was not shown");
            break;
        }
        state.ResumeTiming();
    }
}

// From a teacher's sign-in to the painted window: the class file read, every student's record
// (300 sessions each) loaded for the list, the window built and painted; a class of 8 and one of
// 40.
void BM_TeacherWindow(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    fakes.display.current = {800, 600};
    SignInTeacherOfFullClass(fakes, static_cast<int>(state.range(0)), 300);
    gui::fakes::StillHome home;
    TimeOpening<CTeacherWnd>(
        state, [&] { return new CTeacherWnd(home); },
        [](const CTeacherWnd& window) { return window.StudentList()->rowCount(); });
}
BENCHMARK(BM_TeacherWindow)->Arg(8)->Arg(40)->ArgName("students")->Unit(benchmark::kMillisecond);

// From Class Report pressed to the painted report: every student's record (sessions: the second
// argument), mistake list and fluency record read, the test files' facts counted, the window
// built and painted; a class of 8 with long histories and one of 40 with a year's.
void BM_ClassReport(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    fakes.display.current = {800, 600};
    const int size = static_cast<int>(state.range(0));
    SignInTeacherOfFullClass(fakes, size, static_cast<int>(state.range(1)));
    for (const std::string& name : ClassNames(size)) {
        GiveFluencyAndMistakes(name);
    }
    QWidget teacher;
    TimeOpening<ClassReportWnd>(
        state, [&] { return new ClassReportWnd(&teacher); },
        [](const ClassReportWnd& window) { return window.List()->RowCount(); });
}
BENCHMARK(BM_ClassReport)
    ->Args({8, 1000})
    ->Args({40, 300})
    ->ArgNames({"students", "sessions"})
    ->Unit(benchmark::kMillisecond);

} // namespace
