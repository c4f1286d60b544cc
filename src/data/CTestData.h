#pragma once

#include "Problem.h"

#include <cstdint>
#include <string>
#include <vector>

// The problem set of one test, training session or printed mistake sheet, with the header the
// session window fills in (duration, goal, flag) and the time the set was created.
class CTestData {
public:
    CTestData();

    // `fileNumber`: 1 addition, 2 subtraction, 3 and 4 multiplication, 5 division, 6 mixed.
    // Shuffles the file on disk and takes the problems of one test from its first lines (100, or
    // 90 for division). False, with nothing changed, for another number, a file that cannot be
    // read, and a file that cannot fill every problem of the test with a fact (an empty problem
    // would count as a right answer nobody gave); the last is logged with the file and its count.
    bool Load(int fileNumber);

    std::int32_t GetCount() const { return static_cast<std::int32_t>(problems_.size()); }
    // A copy of problem `index`; outside the set, an error record and the empty problem.
    Problem GetProblem(int index) const;
    // Stores `answer` as entered; true when it is the correct answer.
    bool SetAnswer(int index, std::int16_t answer);
    std::int32_t GetCorrectCount() const;
    std::int32_t GetWrongCount() const { return GetCount() - GetCorrectCount(); }
    std::int32_t GetAnsweredCount() const;
    // Replaces problem `index`, or appends when `index` is the count; other indexes are ignored.
    void SetProblem(int index, const Problem& problem);
    void SortByOperation();
    std::uint32_t GetCreated() const { return created_; }

    std::int16_t GetDuration() const { return duration_; }
    void SetDuration(std::int16_t seconds) { duration_ = seconds; }
    std::int16_t GetGoal() const { return goal_; }
    void SetGoal(std::int16_t goal) { goal_ = goal; }
    std::uint8_t GetFlag() const { return flag_; }
    void SetFlag(std::uint8_t flag) { flag_ = flag; }

private:
    bool InRange(int index) const { return index >= 0 && index < GetCount(); }

    std::int16_t duration_ = 0;
    std::int16_t goal_ = 0;
    std::uint8_t flag_ = 0;
    std::uint32_t created_;
    std::vector<Problem> problems_;
};

// The file number (for Load) of a kind of fact: division and mixed facts live one file further
// on than their kind's number, as multiplication has two files.
int TestFileNumber(std::int32_t kind);

// How many problems a test or training session of file `fileNumber` holds: 100, or 90 for
// division; 0 for another number.
std::size_t ProblemsPerTest(int fileNumber);

// How long a test of file `fileNumber` may run: six minutes for division, five and a half for
// every other test.
std::uint32_t TestTimeLimitMs(int fileNumber);

// The name of test file `fileNumber` ("addition.txt" …), and where the installed one is; both
// empty for another number.
std::string TestFileName(int fileNumber);
std::string InstalledTestFilePath(int fileNumber);
