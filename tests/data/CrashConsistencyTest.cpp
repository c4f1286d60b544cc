// Every rewrite of a record is stopped after each of its file steps in turn, as a crash would
// stop it; whatever is on disk then must load as the old or the new content, with nothing else
// lost.
#include "data/FactFluency.h"
#include "data/NameListFiles.h"

#include "DataTestSupport.h"

#include <functional>
#include <utility>

using testing::AnyOf;
using testing::Eq;

namespace {

const Strings kUsersBefore = {"Jones, Pat", "Lee, Ann", "Ng, Bo"};

// Bo's response times before his test: one slow first try at 7 + 5.
data::FactFluency FluencyBefore() {
    data::FactFluency fluency;
    fluency.RecordFirstTry(Fact(7, 5), true, 5000);
    return fluency;
}

// Bo and Ann with a history and two listed mistakes, in Pat Jones's class.
void WriteClassroom() {
    std::filesystem::create_directories(DataPath(""));
    WriteFile(DataPath("Admin.nfo"), AdminFile("root", kUsersBefore));
    WriteFile(DataPath("Pat Jones.nfo"), TeacherFile("Owl", {"Users"}));
    WriteFile(DataPath("Pat JonesUsers.nfo"), ClassFile({"Ann Lee", "Bo Ng"}));
    const std::vector<Bytes> history(200, SessionBytes(7, {3}, 2));
    for (const std::string name : {"Ann Lee", "Bo Ng"}) {
        WriteStudent(
            name, StudentFile("Kiwi", 1, 2, history),
            Join({ProblemBytes(7, 5, 1, 11, 12, 1, 2), ProblemBytes(2, 2, 1, 5, 4, 1, 0)}));
        WriteFile(DataPath(name + ".opt"), {0});
    }
    WriteFile(DataPath("Bo Ng.flu"), data::EncodeFluency(FluencyBefore()));
}

// Runs `operation` on a fresh classroom, stopped after step 1, 2, … until it runs through; after
// each run `check` looks at what is on disk.
void StopAfterEveryStep(const std::function<void()>& operation,
                        const std::function<void()>& check) {
    for (int stopAfter = 1;; ++stopAfter) {
        platform::fakes::FakePlatform fakes;
        WriteClassroom();
        const bool stopped = RunStoppedAfterStep(stopAfter, operation);
        SCOPED_TRACE(stopAfter);
        check();
        if (!stopped) {
            ASSERT_GT(stopAfter, 3) << "every rewrite has steps to stop at";
            return;
        }
    }
}

} // namespace

// Bo's answers of a test go to his mistake list, then the test and a new password to his record.
TEST(CrashConsistencyTest, StudentRewritesLeaveTheOldOrTheNewRecordAndList) {
    StopAfterEveryStep(
        [] {
            CStudent bo = *LoadedStudent("Bo Ng");
            bo.AddMistake(Fact(9, 9, kTimes, 80));
            bo.RecordCorrectAnswer(Fact(7, 5));
            CTestData test;
            test.SetProblem(0, Fact(1, 1));
            test.SetAnswer(0, 2);
            bo.RecordFirstTry(Fact(1, 1), true, 900);
            bo.AddSession(test, kTestSession, -1);
            bo.SaveFluency();
            bo.UpdateInfo("Mango");
        },
        [] {
            auto bo = LoadedStudent("Bo Ng");
            const auto ann = LoadedStudent("Ann Lee");
            ASSERT_TRUE(bo && ann);
            EXPECT_EQ(ann->GetSessionCount(), 200);
            // 2 at first, 3 after the addition, 2 again once 7 + 5 has left.
            EXPECT_THAT(bo->GetMistakeCount(), AnyOf(2, 3));
            EXPECT_TRUE(bo->IsMistake(Fact(2, 2)));
            EXPECT_THAT(bo->GetSessionCount(), AnyOf(200, 201));
            EXPECT_EQ(std::pair(bo->GetLevel(), bo->GetTestsPassed()),
                      bo->GetSessionCount() == 201 ? std::pair(2, 0) : std::pair(1, 2))
                << "the new level comes with the new session";
            EXPECT_THAT(bo->GetPassword(), AnyOf(Eq("Kiwi"), Eq("Mango")));
            EXPECT_THAT(bo->GetFluency().Facts().size(), AnyOf(1u, 2u));
            EXPECT_TRUE(bo->GetFluency().Find(data::KeyOf(Fact(7, 5))));
            EXPECT_THAT(ErrorRecords(), IsEmpty());
        });
}

// The class file and the user list change as a student is added and another deleted.
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
            const auto admin = data::ParseUserWithNames(ReadFile(DataPath("Admin.nfo")));
            const auto classFile = data::ParseClassFile(ReadFile(DataPath("Pat JonesUsers.nfo")));
            ASSERT_TRUE(admin && classFile);
            const Strings& students = classFile->students;
            EXPECT_EQ(admin->password, "root");
            EXPECT_THAT(admin->names,
                        AnyOf(Eq(kUsersBefore),
                              Eq(Strings{"Jones, Pat", "Lee, Ann", "Ng, Bo", "Ruiz, Di"}),
                              Eq(Strings{"Jones, Pat", "Ng, Bo", "Ruiz, Di"})));
            EXPECT_THAT(students, AnyOf(Eq(Strings{"Ann Lee", "Bo Ng"}),
                                        Eq(Strings{"Ann Lee", "Bo Ng", "Di Ruiz"}),
                                        Eq(Strings{"Bo Ng", "Di Ruiz"})));
            const bool listed = std::ranges::count(admin->names, "Ruiz, Di") > 0 ||
                                std::ranges::count(students, "Di Ruiz") > 0;
            EXPECT_TRUE(!listed || LoadedStudent("Di Ruiz").has_value());
            EXPECT_TRUE(LoadedStudent("Bo Ng").has_value());
        });
}

// A power cut must not undo a rewrite either: each record's new content is flushed to the disk
// before it takes the record's name, and the folder is flushed after the rename.
TEST(CrashConsistencyTest, EveryRecordRewriteIsFlushedBeforeItsRenameAndItsFolderAfter) {
    using enum platform::FileStep;
    platform::fakes::FakePlatform fakes;
    WriteClassroom();
    std::filesystem::create_directories(TestDataPath(""));
    WriteFile(TestDataPath("addition.txt"), BytesOf("1 + 1\r\n2 + 2\r\n"));
    std::vector<std::pair<platform::FileStep, std::string>> steps;
    platform::SetFileStepHook([&](platform::FileStep step, const std::string& path) {
        if (step != PieceWritten) {
            steps.emplace_back(step, path);
        }
    });
    CStudent bo = *LoadedStudent("Bo Ng");
    bo.AddMistake(Fact(9, 9, kTimes, 80));
    bo.SetReviewDue(true);
    bo.AddReviewSession(2, 1, 1, 60);
    bo.RecordFirstTry(Fact(9, 9, kTimes), false, 4000);
    bo.SaveFluency();
    CTeacher teacher;
    teacher.Load("Pat Jones");
    teacher.SelectClass("Users");
    teacher.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0);
    CTestData().Load(1);
    platform::SetFileStepHook(nullptr);

    // Each target is written through a temporary file of this process's own.
    for (const std::string& target :
         {DataPath("Bo Ng.mtk"), DataPath("Bo Ng.nfo"), DataPath("Bo Ng.flu"),
          DataPath("Di Ruiz.nfo"), DataPath("Pat JonesUsers.nfo"), DataPath("Admin.nfo"),
          TestDataPath("addition.txt")}) {
        const std::string temporary = platform::TemporaryPathFor(target);
        const std::pair<platform::FileStep, std::string> rewrite[] = {
            {Flushed, temporary},
            {Closed, temporary},
            {Renamed, target},
            {FolderFlushed, target.substr(0, target.rfind('/'))}};
        EXPECT_NE(std::ranges::search(steps, rewrite).begin(), steps.end()) << target;
    }
    EXPECT_EQ(std::ranges::count(steps, std::pair(Flushed, DataPath("Bo Ng.opt"))), 1)
        << "the review-due byte, rewritten in place";
}
