#include "CTestData.h"

#include "ProblemLine.h"
#include "TestFileShuffle.h"

#include "platform/BaseFolder.h"
#include "platform/Files.h"
#include "platform/Logs.h"
#include "platform/Services.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <utility>

namespace {

constexpr const char* kSource = "Data classes\\Ctestdata";

struct TestFile {
    const char* name;
    std::size_t problemsPerTest;
};

std::optional<TestFile> TestFileOf(int fileNumber) {
    static constexpr std::array<TestFile, 6> kFiles = {{{"addition.txt", 100},
                                                        {"subtraction.txt", 100},
                                                        {"multiplication.txt", 100},
                                                        {"multiplication.txt", 100},
                                                        {"division.txt", 90},
                                                        {"mixed.txt", 100}}};
    if (fileNumber < 1 || fileNumber > static_cast<int>(kFiles.size())) {
        return std::nullopt;
    }
    return kFiles[static_cast<std::size_t>(fileNumber - 1)];
}

bool IsBlank(const std::string& line) {
    return std::all_of(line.begin(), line.end(),
                       [](unsigned char c) { return std::isspace(c) != 0; });
}

} // namespace

CTestData::CTestData()
    : created_(static_cast<std::uint32_t>(platform::GetClock().SecondsSince1970())) {
}

bool CTestData::Load(int fileNumber) {
    const auto file = TestFileOf(fileNumber);
    if (!file) {
        return false;
    }
    const std::string path = InstalledTestFilePath(fileNumber);
    const auto lines = data::ShuffleTestFile(path);
    if (!lines) {
        return false;
    }
    std::vector<Problem> loaded(file->problemsPerTest);
    std::size_t usable = 0;
    for (const std::string& line : *lines) {
        if (usable == loaded.size()) {
            break;
        }
        if (IsBlank(line)) {
            continue;
        }
        Problem problem;
        if (!data::ReadProblemLine(line, problem) || problem.operation == kNoOperation) {
            // No card can be made of it; the file's other lines fill the test.
            platform::WriteErrorLog(kSource, __LINE__,
                                    "  " + path + ": the line \"" + line +
                                        "\" holds no fact and is passed over.");
            continue;
        }
        loaded[usable++] = problem;
    }
    if (usable < loaded.size()) {
        platform::WriteErrorLog(kSource, __LINE__,
                                "  " + path + " holds " + std::to_string(usable) +
                                    " usable problems; a test needs " +
                                    std::to_string(loaded.size()) + ".");
        return false;
    }
    problems_ = std::move(loaded);
    return true;
}

Problem CTestData::GetProblem(int index) const {
    if (!InRange(index)) {
        platform::WriteErrorLog("GetProblem", 0, "index out of bounds");
        return {};
    }
    return problems_[static_cast<std::size_t>(index)];
}

bool CTestData::SetAnswer(int index, std::int16_t answer) {
    if (!InRange(index)) {
        return false;
    }
    Problem& problem = problems_[static_cast<std::size_t>(index)];
    problem.enteredAnswer = answer;
    return answer == problem.correctAnswer;
}

std::int32_t CTestData::GetCorrectCount() const {
    return static_cast<std::int32_t>(
        std::count_if(problems_.begin(), problems_.end(), [](const Problem& problem) {
            return problem.enteredAnswer == problem.correctAnswer;
        }));
}

std::int32_t CTestData::GetAnsweredCount() const {
    return static_cast<std::int32_t>(
        std::count_if(problems_.begin(), problems_.end(),
                      [](const Problem& problem) { return problem.enteredAnswer != kNoValue; }));
}

void CTestData::SetProblem(int index, const Problem& problem) {
    if (InRange(index)) {
        problems_[static_cast<std::size_t>(index)] = problem;
    } else if (index == GetCount()) {
        problems_.push_back(problem);
    }
}

void CTestData::SortByOperation() {
    std::stable_sort(
        problems_.begin(), problems_.end(),
        [](const Problem& left, const Problem& right) { return left.operation < right.operation; });
}

std::size_t ProblemsPerTest(int fileNumber) {
    const auto file = TestFileOf(fileNumber);
    return file ? file->problemsPerTest : 0;
}

std::string TestFileName(int fileNumber) {
    const auto file = TestFileOf(fileNumber);
    return file ? file->name : "";
}

std::string InstalledTestFilePath(int fileNumber) {
    const auto file = TestFileOf(fileNumber);
    return file ? platform::ResolveInstalledPath(platform::GetBaseFolder() + "/Test Data/" +
                                                 file->name)
                : "";
}

int TestFileNumber(std::int32_t kind) {
    return kind >= kDivision ? kind + 1 : kind;
}

std::uint32_t TestTimeLimitMs(int fileNumber) {
    constexpr std::uint32_t kDivisionLimitMs = 360'000;
    constexpr std::uint32_t kLimitMs = 330'000;
    return fileNumber == TestFileNumber(kDivision) ? kDivisionLimitMs : kLimitMs;
}
