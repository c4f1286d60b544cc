// A mistake list S.mtk as any bytes: the purge at load and every list operation.
#include "FuzzSupport.h"

#include "data/CStudent.h"
#include "data/StudentRecordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartInput();
    WriteInputFile("/Data/Bo.nfo", data::SerializeStudentRecord({.idType = 3, .level = 1}));
    WriteInputFile("/Data/Bo.mtk", {data, size});
    CStudent student;
    Require(student.Load("Bo"), "the record loads");
    const int listed = student.GetMistakeCount();
    Require(static_cast<std::size_t>(listed) <= size / kProblemSize, "only whole facts count");
    for (int i = 0; i <= listed; ++i) {
        student.GetMistake(i);
    }

    // The first listed fact, or one of its own when the list is empty.
    const Problem sevenPlusFive{
        .firstOperand = 7, .secondOperand = 5, .operation = kPlus, .correctAnswer = 12};
    const Problem fact = listed > 0 ? student.GetMistake(0) : sevenPlusFive;
    const int before = student.GetMistakeCount();
    student.AddMistake(fact);
    const int added = student.GetMistakeCount();
    Require(student.IsMistake(fact), "a missed fact is listed");
    Require(added == before || added == before + 1, "a miss lists a fact at most once");
    for (int right = 0; right < 3; ++right) {
        student.RecordCorrectAnswer(fact);
    }
    Require(student.GetMistakeCount() == added - 1, "three right answers remove one entry");
    student.RemoveMistake(fact);
    student.IsReviewDue();
    return 0;
}
