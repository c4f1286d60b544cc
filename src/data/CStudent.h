#pragma once

#include "FactFluency.h"
#include "Problem.h"
#include "SessionRecord.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CTestData;

namespace data {
struct StudentRecord;
}

// Everything the program keeps about one student: the record file S.nfo (password, level, tests
// passed on the level, history), the option file S.opt (review due), the mistake list S.mtk and
// the fluency record S.flu. Every change is written to the files at once by the operation that
// makes it, except first tries: those are many and small, and a session window writes them when
// it ends or is left.
class CStudent {
public:
    void Reset();
    // Reads the record of `name` (file form), taking it back from its "tmp" copy when it is
    // missing; then makes the option file one byte and purges empty mistakes. A record that
    // cannot be read leaves the object as it was.
    bool Load(const std::string& name);

    const std::string& GetName() const { return name_; }
    const std::string& GetPassword() const { return password_; }
    std::int32_t GetLevel() const { return level_; }
    std::int32_t GetTestsPassed() const { return testsPassed_; }
    std::string GetLevelName() const;
    // Memory only; UpdateInfo writes them.
    void SetLevel(std::int32_t level) { level_ = level; }
    void SetTestsPassed(std::int32_t testsPassed) { testsPassed_ = testsPassed; }

    // Rewrites the record with `newPassword` and the level and tests passed held here.
    bool UpdateInfo(const std::string& newPassword);
    // Records a test (type 1, level −1: the level it was taken on) or a training session
    // (type 2, level: the kind practised). A perfect test counts toward the level first.
    bool AddSession(const CTestData& session, std::uint32_t type, std::int32_t level);
    bool AddReviewSession(std::int16_t mistakesAtStart, std::int16_t problemsCompleted,
                          std::int16_t mistakesLeft, std::int16_t seconds);
    std::int32_t GetSessionCount() const { return static_cast<std::int32_t>(sessions_.size()); }
    // Outside the history: an error record and an empty record.
    SessionRecord GetSession(int index) const;

    bool IsReviewDue();
    void SetReviewDue(bool due);

    // The mistake list, read from S.mtk afresh by each operation.
    std::int32_t GetMistakeCount();
    Problem GetMistake(int index);
    bool IsMistake(const Problem& problem);
    // A wrong answer: the fact is listed, or its miss count rises; ten facts make a review due.
    void AddMistake(const Problem& problem);
    // A right answer: a listed fact answered right three times in a row leaves the list.
    void RecordCorrectAnswer(const Problem& problem);
    void RemoveMistake(const Problem& problem);
    // The whole list; empty when there is none or it cannot be read. Never creates the file.
    std::vector<Problem> GetMistakes();

    // Read by Load; a record that cannot be read is logged and started afresh.
    const data::FactFluency& GetFluency() const { return fluency_; }
    // A first try at `fact`, `ms` milliseconds after its card was ready; kept until SaveFluency.
    void RecordFirstTry(const Problem& fact, bool right, std::uint32_t ms);
    // Writes the first tries not yet written; true when none are left unwritten.
    bool SaveFluency();

private:
    // Rewrites S.nfo through S.nfotmp with this object's level, tests passed and reserved values
    // and whatever `change` does to the stored record.
    bool RewriteRecord(const std::function<void(data::StudentRecord&)>& change);
    bool AppendSession(const SessionRecord& session);
    // A perfect test: one more passed, and after three the next level (after Mixed, Addition).
    void CountPassedTest();
    enum class ListChange { None, Changed, Removed };
    // Reads the list, lets `change` edit it and writes it back when it changed; a list emptied
    // by a removal clears the review-due flag. True when a changed list was written.
    bool ChangeMistakes(const std::function<ListChange(std::vector<Problem>&)>& change);
    void PurgeEmptyMistakes();
    // The whole list, a missing one first created empty; empty when it cannot be read.
    std::vector<Problem> ReadMistakes();
    void LoadFluency();

    std::string name_;
    std::string password_;
    std::int32_t level_ = -1;
    std::int32_t testsPassed_ = -1;
    std::int32_t reserved1_ = 0;
    std::int32_t reserved2_ = 0;
    std::vector<SessionRecord> sessions_;
    data::FactFluency fluency_;
};

// "Addition" … "Mixed" for kinds 1 to 5, in the program's language; empty for any other number.
std::string GetOperationName(std::int32_t kind);
// The same in English, for the logs.
std::string GetEnglishOperationName(std::int32_t kind);

// The program's one current student.
CStudent& GetCurrentStudent();
