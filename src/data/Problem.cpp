#include "Problem.h"

#include "ArchiveReader.h"
#include "ArchiveWriter.h"

bool IsSameFact(const Problem& left, const Problem& right) {
    return left.firstOperand == right.firstOperand && left.secondOperand == right.secondOperand &&
           left.operation == right.operation && left.correctAnswer == right.correctAnswer;
}

void WriteProblem(data::ArchiveWriter& writer, const Problem& problem) {
    writer.WriteInt16(problem.firstOperand);
    writer.WriteInt16(problem.secondOperand);
    writer.WriteInt32(problem.operation);
    writer.WriteInt16(problem.enteredAnswer);
    writer.WriteInt16(problem.correctAnswer);
    writer.WriteInt16(problem.missCount);
    writer.WriteInt16(problem.correctStreak);
}

Problem ReadProblem(data::ArchiveReader& reader) {
    Problem problem;
    problem.firstOperand = reader.ReadInt16();
    problem.secondOperand = reader.ReadInt16();
    problem.operation = reader.ReadInt32();
    problem.enteredAnswer = reader.ReadInt16();
    problem.correctAnswer = reader.ReadInt16();
    problem.missCount = reader.ReadInt16();
    problem.correctStreak = reader.ReadInt16();
    return problem;
}
