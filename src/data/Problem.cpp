#include "Problem.h"

#include "ArchiveReader.h"
#include "ArchiveWriter.h"

namespace {

template <typename Archive, typename AnyProblem>
void ProblemFields(Archive& archive, AnyProblem& problem) {
    archive.Field(problem.firstOperand);
    archive.Field(problem.secondOperand);
    archive.Field(problem.operation);
    archive.Field(problem.enteredAnswer);
    archive.Field(problem.correctAnswer);
    archive.Field(problem.missCount);
    archive.Field(problem.correctStreak);
}

} // namespace

bool IsSameFact(const Problem& left, const Problem& right) {
    return left.firstOperand == right.firstOperand && left.secondOperand == right.secondOperand &&
           left.operation == right.operation && left.correctAnswer == right.correctAnswer;
}

void WriteProblem(data::ArchiveWriter& writer, const Problem& problem) {
    ProblemFields(writer, problem);
}

Problem ReadProblem(data::ArchiveReader& reader) {
    Problem problem;
    ProblemFields(reader, problem);
    return problem;
}
