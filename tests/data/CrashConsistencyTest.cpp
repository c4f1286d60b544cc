// Every rewrite of a record is stopped after each of its file steps in turn, as a crash would
// stop it; whatever is on disk then must load as the old or the new content, with nothing else
// lost.
#include "data/CStudent.h"
#include "data/CTeacher.h"
#include "data/CTestData.h"
#include "data/CUserManager.h"
#include "data/NameListFiles.h"
#include "data/RecordFile.h"

#include "DataTestSupport.h"

#include "platform/BaseFolder.h"
#include "platform/Files.h"

#include <filesystem>
#include <functional>
#include <gmock/gmock.h>
#include <utility>

using testing::AnyOf;
using testing::Eq;

namespace {

struct SimulatedStop {};

const std::vector<std::string> kUsersBefore = {"Jones, Pat", "Lee, Ann", "Ng, Bo"};

// Bo and Ann with a history and two listed mistakes, in Pat Jones's class.
void WriteClassroom() {
    const auto path = [](const std::string& name) {
        return platform::GetBaseFolder() + "/Data/" + name;
    };
    std::filesystem::create_directories(platform::GetBaseFolder() + "/Data");
    std::vector<Bytes> history(200, SessionBytes({.time = 7, .correct = 3, .type = 2}));
    WriteFile(path("Admin.nfo"), Join({U32(0), Counted("root"), CountedNames(kUsersBefore)}));
    WriteFile(path("Pat Jones.nfo"), Join({U32(1), Counted("Owl"), CountedNames({"Users"})}));
    WriteFile(path("Pat JonesUsers.nfo"), Join({U32(0), CountedNames({"Ann Lee", "Bo Ng"})}));
    for (const std::string name : {"Ann Lee", "Bo Ng"}) {
        WriteFile(path(name + ".nfo"), StudentFile("Kiwi", 1, 2, history));
        WriteFile(path(name + ".mtk"),
                  Join({ProblemBytes(7, 5, 1, 11, 12, 1, 2), ProblemBytes(2, 2, 1, 5, 4, 1, 0)}));
        WriteFile(path(name + ".opt"), {0});
    }
}

std::optional<data::UserWithNames> AdminList() {
    const auto bytes = platform::ReadFileBytes(CUserManager::GetInfoFilePath("Admin"));
    return bytes ? data::ParseUserWithNames(*bytes) : std::nullopt;
}

std::optional<std::vector<std::string>> ClassList() {
    const auto bytes = platform::ReadFileBytes(CUserManager::GetInfoFilePath("Pat JonesUsers"));
    const auto classFile = bytes ? data::ParseClassFile(*bytes) : std::nullopt;
    return classFile ? std::optional(classFile->students) : std::nullopt;
}

// The student's record as a fresh load sees it.
std::optional<CStudent> Loaded(const std::string& name) {
    CStudent student;
    return student.Load(name) ? std::optional(student) : std::nullopt;
}

// Runs `operation` on a fresh classroom, stopped after step 1, 2, … until it runs through; after
// each run `check` looks at what is on disk.
void StopAfterEveryStep(const std::function<void()>& operation,
                        const std::function<void()>& check) {
    for (int stopAfter = 1;; ++stopAfter) {
        platform::fakes::FakePlatform fakes;
        WriteClassroom();
        int steps = 0;
        data::SetFileStepHook([&] {
            if (++steps == stopAfter) {
                throw SimulatedStop{};
            }
        });
        bool stopped = false;
        try {
            operation();
        } catch (const SimulatedStop&) {
            stopped = true;
        }
        data::SetFileStepHook(nullptr);
        SCOPED_TRACE("stopped after step " + std::to_string(stopAfter));
        check();
        if (!stopped) {
            ASSERT_GT(stopAfter, 3) << "every rewrite has steps to stop at";
            return;
        }
    }
}

// Bo's record, mistakes and Ann's record are whole whatever happened to Bo's record. Returns Bo
// as loaded.
std::optional<CStudent> ExpectBoWhole(const std::vector<int>& sessionCounts) {
    auto bo = Loaded("Bo Ng");
    const auto ann = Loaded("Ann Lee");
    EXPECT_TRUE(bo && ann);
    if (bo && ann) {
        EXPECT_THAT(bo->GetSessionCount(), testing::AnyOfArray(sessionCounts));
        EXPECT_EQ(bo->GetMistakeCount(), 2);
        EXPECT_EQ(ann->GetSessionCount(), 200);
    }
    return bo;
}

} // namespace

TEST(CrashConsistencyTest, AddSessionLeavesTheOldOrTheNewRecord) {
    StopAfterEveryStep(
        [] {
            CStudent bo;
            bo.Load("Bo Ng");
            CTestData test;
            test.SetProblem(
                0, {.firstOperand = 1, .secondOperand = 1, .operation = kPlus, .correctAnswer = 2});
            test.SetAnswer(0, 2);
            bo.AddSession(test, kTestSession, -1);
        },
        [] {
            if (const auto bo = ExpectBoWhole({200, 201})) {
                EXPECT_EQ(std::pair(bo->GetLevel(), bo->GetTestsPassed()),
                          bo->GetSessionCount() == 201 ? std::pair(2, 0) : std::pair(1, 2))
                    << "the new level comes with the new session";
            }
        });
}

TEST(CrashConsistencyTest, UpdateInfoLeavesTheOldOrTheNewPassword) {
    StopAfterEveryStep(
        [] {
            CStudent bo;
            bo.Load("Bo Ng");
            bo.UpdateInfo("Mango");
        },
        [] {
            if (const auto bo = ExpectBoWhole({200})) {
                EXPECT_THAT(bo->GetPassword(), AnyOf(Eq("Kiwi"), Eq("Mango")));
            }
        });
}

TEST(CrashConsistencyTest, MistakeListChangesLeaveTheOldOrTheNewList) {
    StopAfterEveryStep(
        [] {
            CStudent bo;
            bo.Load("Bo Ng");
            bo.AddMistake({.firstOperand = 9,
                           .secondOperand = 9,
                           .operation = kTimes,
                           .enteredAnswer = 80,
                           .correctAnswer = 81});
            bo.RecordCorrectAnswer(
                {.firstOperand = 7, .secondOperand = 5, .operation = kPlus, .correctAnswer = 12});
        },
        [] {
            auto bo = Loaded("Bo Ng");
            ASSERT_TRUE(bo.has_value());
            // 2 at first, 3 after the addition, 2 again once 7 + 5 has left.
            EXPECT_THAT(bo->GetMistakeCount(), AnyOf(2, 3));
            EXPECT_TRUE(bo->IsMistake(
                {.firstOperand = 2, .secondOperand = 2, .operation = kPlus, .correctAnswer = 4}));
        });
}

TEST(CrashConsistencyTest, UserListChangesLeaveTheOldOrTheNewList) {
    StopAfterEveryStep(
        [] {
            CUserManager::AddUserToList("Di Ruiz");
            CUserManager::RemoveUserFromList("Ann Lee");
        },
        [] {
            const auto admin = AdminList();
            ASSERT_TRUE(admin.has_value());
            EXPECT_EQ(admin->password, "root");
            EXPECT_THAT(
                admin->names,
                AnyOf(Eq(kUsersBefore),
                      Eq(std::vector<std::string>{"Jones, Pat", "Lee, Ann", "Ng, Bo", "Ruiz, Di"}),
                      Eq(std::vector<std::string>{"Jones, Pat", "Ng, Bo", "Ruiz, Di"})));
        });
}

TEST(CrashConsistencyTest, AddingAndDeletingStudentsNeverListsAStudentWithoutARecord) {
    StopAfterEveryStep(
        [] {
            CTeacher teacher;
            teacher.Load("Pat Jones");
            teacher.SelectClass("Users");
            teacher.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0);
            teacher.DeleteStudent("Ann Lee");
        },
        [] {
            const auto admin = AdminList();
            const auto students = ClassList();
            ASSERT_TRUE(admin && students);
            const bool listed =
                std::count(admin->names.begin(), admin->names.end(), "Ruiz, Di") > 0 ||
                std::count(students->begin(), students->end(), "Di Ruiz") > 0;
            EXPECT_TRUE(!listed || Loaded("Di Ruiz").has_value());
            EXPECT_TRUE(Loaded("Bo Ng").has_value());
            EXPECT_THAT(*students, testing::Contains("Bo Ng"));
        });
}
