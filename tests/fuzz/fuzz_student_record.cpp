// A student record S.nfo as any bytes: loading it and every rewrite of it.
#include "FuzzSupport.h"

#include "data/CStudent.h"
#include "data/CTestData.h"

#include "platform/Files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartInput();
    WriteInputFile("/Data/Bo.nfo", {data, size});
    WriteInputFile("/Data/Bo.mtk", {});
    CStudent student;
    if (!student.Load("Bo")) {
        const auto after = platform::ReadFileBytes(FuzzPath("/Data/Bo.nfo"));
        Require(after && after->size() == size, "a record that does not load is left alone");
        return 0;
    }
    const int sessions = student.GetSessionCount();
    Require(static_cast<std::size_t>(sessions) * 28 <= size, "only whole sessions are loaded");
    student.GetSession(sessions);

    CTestData test;
    test.SetProblem(
        0, {.firstOperand = 1, .secondOperand = 2, .operation = kPlus, .correctAnswer = 3});
    test.SetAnswer(0, 3);
    Require(student.AddSession(test, kTestSession, -1), "a loadable record takes a session");
    Require(student.AddReviewSession(3, 4, 0, 60), "a loadable record takes a review");
    Require(student.UpdateInfo("new"), "a loadable record takes a new password");

    CStudent reloaded;
    Require(reloaded.Load("Bo"), "a rewritten record loads");
    Require(reloaded.GetSessionCount() == sessions + 2, "no session is lost");
    Require(reloaded.GetPassword() == "new", "the new password is kept");
    Require(reloaded.GetLevel() == student.GetLevel(), "the level is kept");
    return 0;
}
