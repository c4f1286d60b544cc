#include "data/ArchiveWriter.h"
#include "data/CStudent.h"
#include "data/CTestData.h"
#include "data/CUserManager.h"
#include "data/StudentRecordFile.h"
#include "platform/Files.h"
#include "platform/fakes/FakeServices.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

// A data folder holding Bo's record with `sessions` sessions and a mistake list of `mistakes`
// facts, all in one fresh base folder.
class RecordsFolder {
public:
    RecordsFolder(int sessions, int mistakes) {
        std::filesystem::create_directories(fakes.Path("/Data"));
        data::StudentRecord record{.idType = CUserManager::kStudentId,
                                   .password = "Kiwi",
                                   .classKey = "Pat JonesUsers",
                                   .level = kMultiplication};
        record.sessions.assign(static_cast<std::size_t>(sessions),
                               {.time = 1, .correctCount = 90, .answeredCount = 100, .type = 1});
        recordBytes = data::SerializeStudentRecord(record);
        data::ArchiveWriter list;
        for (int i = 0; i < mistakes; ++i) {
            WriteProblem(list, Fact(i));
        }
        mistakeBytes = list.Bytes();
        Restore();
    }

    // Puts Bo's files back as they were at the start.
    void Restore() {
        platform::WriteFileBytes(fakes.Path("/Data/Bo.nfo"), recordBytes);
        platform::WriteFileBytes(fakes.Path("/Data/Bo.mtk"), mistakeBytes);
    }

    // Distinct facts: i + 1, listed once with a streak of 0.
    static Problem Fact(int i) {
        return {.firstOperand = static_cast<std::int16_t>(i),
                .secondOperand = 1,
                .operation = kPlus,
                .enteredAnswer = 0,
                .correctAnswer = static_cast<std::int16_t>(i + 1),
                .missCount = 1,
                .correctStreak = 0};
    }

    platform::fakes::FakePlatform fakes;
    std::vector<std::uint8_t> recordBytes;
    std::vector<std::uint8_t> mistakeBytes;
};

} // namespace

// Shuffling the 390-line mixed file on disk and reading a test of 100 problems from it.
static void LoadMixedTest(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    std::filesystem::create_directories(fakes.Path("/Test Data"));
    std::string text;
    for (int a = 0; a < 390; ++a) {
        text += std::to_string(a / 10) + " + " + std::to_string(a % 10) + "\r\n";
    }
    platform::WriteFileBytes(fakes.Path("/Test Data/mixed.txt"), {text.begin(), text.end()});
    CTestData test;
    for (auto _ : state) {
        benchmark::DoNotOptimize(test.Load(6));
    }
}
BENCHMARK(LoadMixedTest)->Unit(benchmark::kMicrosecond);

// A student's sign-in: the password check and the whole load (100 sessions, 20 mistakes).
static void SignInStudent(benchmark::State& state) {
    RecordsFolder folder(100, 20);
    for (auto _ : state) {
        CUserManager::SignInStatus status{};
        benchmark::DoNotOptimize(CUserManager::SignIn("Bo", "Kiwi", status));
    }
}
BENCHMARK(SignInStudent)->Unit(benchmark::kMicrosecond);

// A wrong answer to a listed fact in the middle of a list of the given length.
static void AddMistake(benchmark::State& state) {
    const int length = static_cast<int>(state.range(0));
    RecordsFolder folder(0, length);
    GetCurrentStudent().Load("Bo");
    for (auto _ : state) {
        GetCurrentStudent().AddMistake(RecordsFolder::Fact(length / 2));
    }
}
BENCHMARK(AddMistake)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

// A right answer to a listed fact in the middle of a list of the given length.
static void RecordCorrectAnswer(benchmark::State& state) {
    const int length = static_cast<int>(state.range(0));
    RecordsFolder folder(0, length);
    GetCurrentStudent().Load("Bo");
    for (auto _ : state) {
        state.PauseTiming();
        folder.Restore(); // three right answers would take the fact out
        state.ResumeTiming();
        GetCurrentStudent().RecordCorrectAnswer(RecordsFolder::Fact(length / 2));
    }
}
BENCHMARK(RecordCorrectAnswer)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

// Recording a test for a student whose history already holds 1,000 sessions.
static void AddSessionToLongHistory(benchmark::State& state) {
    RecordsFolder folder(1000, 0);
    CTestData test;
    test.SetProblem(0, RecordsFolder::Fact(1));
    for (auto _ : state) {
        state.PauseTiming();
        folder.Restore();
        GetCurrentStudent().Load("Bo");
        state.ResumeTiming();
        benchmark::DoNotOptimize(GetCurrentStudent().AddSession(test, kTestSession, -1));
    }
}
BENCHMARK(AddSessionToLongHistory)->Unit(benchmark::kMicrosecond);

// Every fact of the four operations' files (390), each with five kept times.
static void FillFluency(CStudent& student) {
    for (int i = 0; i < 390; ++i) {
        for (int time = 0; time < 5; ++time) {
            student.RecordFirstTry(RecordsFolder::Fact(i), time % 2 == 0,
                                   static_cast<std::uint32_t>(1000 * time));
        }
    }
}

// One first try, as each answer records it: in memory only.
static void RecordFirstTry(benchmark::State& state) {
    RecordsFolder folder(0, 0);
    CStudent& student = GetCurrentStudent();
    student.Load("Bo");
    FillFluency(student);
    int i = 0;
    for (auto _ : state) {
        student.RecordFirstTry(RecordsFolder::Fact(i), true, 2000);
        i = (i + 7) % 390;
    }
}
BENCHMARK(RecordFirstTry)->Unit(benchmark::kMicrosecond);

// The write at a session's end of a full fluency record, flushed to the disk.
static void SaveFullFluency(benchmark::State& state) {
    RecordsFolder folder(0, 0);
    CStudent& student = GetCurrentStudent();
    student.Load("Bo");
    FillFluency(student);
    for (auto _ : state) {
        state.PauseTiming();
        student.RecordFirstTry(RecordsFolder::Fact(1), true, 2000);
        state.ResumeTiming();
        benchmark::DoNotOptimize(student.SaveFluency());
    }
}
BENCHMARK(SaveFullFluency)->Unit(benchmark::kMicrosecond);
