#include "DataFolderWriter.h"
#include "data/CTeacher.h"
#include "data/CUserManager.h"
#include "data/StudentRecordFile.h"
#include "gui/controls/StudentListCtl.h"
#include "gui/fakes/StillHome.h"
#include "gui/teacher/CTeacherWnd.h"
#include "platform/Files.h"
#include "platform/fakes/FakeServices.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

// A full class: eight students, each with a year of history (300 sessions), the teacher signed
// in.
void SignInTeacherOfFullClass(const platform::fakes::FakePlatform& fakes) {
    std::filesystem::create_directory_symlink(TALLYHOP_PROGRAM_DIR "/Graphics",
                                              fakes.Path("/Graphics"));
    DataFolderOptions options{.programFolder = fakes.BaseFolder()};
    for (const char* name :
         {"Ann Lee", "Bo Ng", "Cy Park", "Di Ruiz", "Ed Fox", "Flo Hart", "Gus Ito", "Hal Jung"}) {
        options.students.push_back({name, "hop", 3, 1});
    }
    std::string message;
    WriteDataFolder(options, message);
    for (const StudentToAdd& student : options.students) {
        data::StudentRecord record;
        record.idType = CUserManager::kStudentId;
        record.password = student.password;
        record.classKey = "Class TeacherUsers";
        record.level = student.level;
        record.testsPassed = student.testsPassed;
        for (int n = 0; n < 300; ++n) {
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
}

// From a teacher's sign-in to the painted window: the class file read, every student's record
// loaded for the list, the window built and painted.
void BM_TeacherWindowWithEightStudents(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    fakes.display.current = {800, 600};
    SignInTeacherOfFullClass(fakes);
    gui::fakes::StillHome home;
    QImage screen(801, 601, QImage::Format_RGB32);
    for (auto _ : state) {
        auto* window = new CTeacherWnd(home);
        QPainter painter(&screen);
        window->render(&painter);
        painter.end();
        state.PauseTiming();
        const int rows = window->StudentList()->rowCount();
        delete window;
        if (rows != 8) {
            state.SkipWithError("the class was not listed");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TeacherWindowWithEightStudents)->Unit(benchmark::kMillisecond);

} // namespace
