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

// A full class: eight students, each with `sessions` sessions (300: a year of history), the teacher
// signed in.
void SignInTeacherOfFullClass(const platform::fakes::FakePlatform& fakes, int sessions) {
    std::filesystem::create_directory_symlink(TALLYHOP_PROGRAM_DIR "/Graphics",
                                              fakes.Path("/Graphics"));
    std::filesystem::create_directory_symlink(TALLYHOP_PROGRAM_DIR "/Test Data",
                                              fakes.Path("/Test Data"));
    DataFolderOptions options{.programFolder = fakes.BaseFolder(), .teachers = {{}}};
    std::vector<StudentToAdd>& students = options.teachers[0].students;
    for (const char* name :
         {"Ann Lee", "Bo Ng", "Cy Park", "Di Ruiz", "Ed Fox", "Flo Hart", "Gus Ito", "Hal Jung"}) {
        students.push_back({name, "hop", 3, 1});
    }
    std::string message;
    WriteDataFolder(options, message);
    for (const StudentToAdd& student : students) {
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
// which must be the whole class.
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
        if (shown != 8) {
            state.SkipWithError("the class was not shown");
            break;
        }
        state.ResumeTiming();
    }
}

// From a teacher's sign-in to the painted window: the class file read, every student's record
// loaded for the list, the window built and painted.
void BM_TeacherWindowWithEightStudents(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    fakes.display.current = {800, 600};
    SignInTeacherOfFullClass(fakes, 300);
    gui::fakes::StillHome home;
    TimeOpening<CTeacherWnd>(
        state, [&] { return new CTeacherWnd(home); },
        [](const CTeacherWnd& window) { return window.StudentList()->rowCount(); });
}
BENCHMARK(BM_TeacherWindowWithEightStudents)->Unit(benchmark::kMillisecond);

// From Class Report pressed to the painted report: every student's record (1,000 sessions each),
// mistake list and fluency record read, the test files' facts counted, the window built and
// painted.
void BM_ClassReportWithEightStudents(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    fakes.display.current = {800, 600};
    SignInTeacherOfFullClass(fakes, 1000);
    for (const char* name :
         {"Ann Lee", "Bo Ng", "Cy Park", "Di Ruiz", "Ed Fox", "Flo Hart", "Gus Ito", "Hal Jung"}) {
        GiveFluencyAndMistakes(name);
    }
    QWidget teacher;
    TimeOpening<ClassReportWnd>(
        state, [&] { return new ClassReportWnd(&teacher); },
        [](const ClassReportWnd& window) { return window.List()->RowCount(); });
}
BENCHMARK(BM_ClassReportWithEightStudents)->Unit(benchmark::kMillisecond);

} // namespace
