#include "DebugAnswerFile.h"

#include "data/CTestData.h"

#include <fstream>

std::string AnswerKeyPresses(const Problem& problem) {
    const std::string answer = std::to_string(problem.correctAnswer);
    if (problem.operation != kTimes) {
        return answer;
    }
    std::string keys;
    for (std::size_t i = 0; i < answer.size() && i < 2; ++i) {
        keys += answer[i];
        keys += ',';
    }
    return keys + 'E';
}

bool WriteDebugAnswerFile(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) {
        file << line << "\r\n";
    }
    return static_cast<bool>(file.flush());
}

bool WriteDebugAnswerFile(const std::string& path, const CTestData& problems) {
    std::vector<std::string> lines;
    for (int i = 0; i < problems.GetCount(); ++i) {
        lines.push_back(AnswerKeyPresses(problems.GetProblem(i)));
    }
    return WriteDebugAnswerFile(path, lines);
}
