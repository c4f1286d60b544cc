#include "CStudent.h"

#include "CTestData.h"
#include "CUserManager.h"
#include "OptionFile.h"
#include "RecordFile.h"
#include "StudentRecordFile.h"

#include "platform/Files.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/ShownText.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr const char* kSource = "Data classes\\Cstudent";
constexpr int kTestsToPass = 3;
// A damaged record may hold thousands of bad facts; the log names the first few.
constexpr std::size_t kBadFactsNamed = 10;

std::string BadFactsMessage(const std::string& path, const std::vector<std::uint32_t>& places) {
    std::string named;
    for (std::size_t index = 0; index < std::min(places.size(), kBadFactsNamed); ++index) {
        named += (index == 0 ? "" : ", ") + std::to_string(places[index]);
    }
    if (places.size() > kBadFactsNamed) {
        named += ", ...";
    }
    return "Left out " + std::to_string(places.size()) + " damaged fact" +
           (places.size() == 1 ? "" : "s") + " of " + path + " (number " + named +
           "); its other facts were read.";
}

} // namespace

void CStudent::Reset() {
    name_.clear();
    password_.clear();
    level_ = -1;
    testsPassed_ = -1;
    reserved1_ = 0;
    reserved2_ = 0;
    sessions_.clear();
    fluency_ = {};
}

bool CStudent::Load(const std::string& name) {
    const std::string path = CUserManager::GetInfoFilePath(name);
    const auto bytes = data::ReadRecordOrItsCopy(path);
    if (!bytes) {
        platform::WriteErrorLog(kSource, __LINE__, "Could not open " + path);
        return false;
    }
    auto record = data::ParseStudentRecord(*bytes);
    if (!record) {
        platform::WriteErrorLog(kSource, __LINE__, "Could not read " + path);
        return false;
    }
    name_ = name;
    password_ = std::move(record->password);
    level_ = record->level;
    testsPassed_ = record->testsPassed;
    reserved1_ = record->reserved1;
    reserved2_ = record->reserved2;
    sessions_ = std::move(record->sessions);
    data::RepairOptionFile(CUserManager::GetOptionFilePath(name));
    PurgeEmptyMistakes();
    LoadFluency();
    return true;
}

void CStudent::LoadFluency() {
    const std::string path = CUserManager::GetFluencyFilePath(name_);
    auto file = data::ReadFluencyFile(path);
    const std::string afresh = "; its response times start afresh.";
    switch (file.state) {
    case data::FluencyFileState::NotOpened:
        platform::WriteErrorLog(kSource, __LINE__, "Could not open " + path + afresh);
        break;
    case data::FluencyFileState::TooLarge:
        platform::WriteErrorLog(
            kSource, __LINE__, "Did not read " + path + ", over 1 MB: no record of times" + afresh);
        break;
    case data::FluencyFileState::Damaged:
        platform::WriteErrorLog(kSource, __LINE__, "Could not read " + path + afresh);
        break;
    case data::FluencyFileState::Read:
    case data::FluencyFileState::Missing:
        break;
    }
    if (!file.badFacts.empty()) {
        platform::WriteErrorLog(kSource, __LINE__, BadFactsMessage(path, file.badFacts));
    }
    fluency_ = std::move(file.fluency);
}

void CStudent::RecordFirstTry(const Problem& fact, bool right, std::uint32_t ms) {
    fluency_.RecordFirstTry(fact, right, ms,
                            static_cast<std::uint32_t>(platform::GetClock().SecondsSince1970()));
}

bool CStudent::SaveFluency() {
    if (!fluency_.Unsaved()) {
        return true;
    }
    const std::string path = CUserManager::GetFluencyFilePath(name_);
    if (!data::WriteFluencyFile(path, fluency_)) {
        platform::WriteErrorLog(kSource, __LINE__, "Could not write " + path);
        return false;
    }
    fluency_.MarkSaved();
    return true;
}

std::string CStudent::GetLevelName() const {
    return GetOperationName(level_);
}

bool CStudent::RewriteRecord(const std::function<void(data::StudentRecord&)>& change) {
    const std::string path = CUserManager::GetInfoFilePath(name_);
    const auto bytes = platform::ReadFileBytes(path);
    if (!bytes) {
        platform::WriteErrorLog(kSource, __LINE__, data::FileFailureText("Could not read", path));
        return false;
    }
    auto record = data::ParseStudentRecord(*bytes);
    if (!record) {
        platform::WriteErrorLog(kSource, __LINE__, "  Could not read " + path + ": it is damaged");
        return false;
    }
    record->level = level_;
    record->testsPassed = testsPassed_;
    record->reserved1 = reserved1_;
    record->reserved2 = reserved2_;
    change(*record);
    if (data::ReplaceRecordFile(path, data::SerializeStudentRecord(*record)) !=
        data::ReplaceOutcome::Replaced) {
        platform::WriteErrorLog(kSource, __LINE__,
                                data::FileFailureText("Could not replace", path));
        return false;
    }
    return true;
}

bool CStudent::UpdateInfo(const std::string& newPassword) {
    return RewriteRecord([&](data::StudentRecord& record) { record.password = newPassword; });
}

bool CStudent::AppendSession(const SessionRecord& session) {
    if (!RewriteRecord([&](data::StudentRecord& record) { record.sessions.push_back(session); })) {
        return false;
    }
    sessions_.push_back(session);
    return true;
}

// Written so that no stored value, however odd, makes the counting overflow.
void CStudent::CountPassedTest() {
    if (testsPassed_ < kTestsToPass - 1) {
        ++testsPassed_;
        return;
    }
    testsPassed_ = 0;
    if (level_ < kMixed) {
        ++level_;
        return;
    }
    platform::GetMessageBoxes().Show(
        {.text = platform::Say(platform::ShownText(
             "CStudent", "Congratulations, you have mastered your basic math facts!!")),
         .icon = platform::MbIcon::Information});
    level_ = kAddition;
}

bool CStudent::AddSession(const CTestData& session, std::uint32_t type, std::int32_t level) {
    const std::int32_t levelBefore = level_;
    const std::int32_t testsPassedBefore = testsPassed_;
    if (type == kTestSession && session.GetCorrectCount() == session.GetCount()) {
        CountPassedTest();
    }
    return AppendSession({
        .time = session.GetCreated(),
        .correctCount = static_cast<std::int16_t>(session.GetCorrectCount()),
        .answeredCount = static_cast<std::int16_t>(session.GetAnsweredCount()),
        .level = static_cast<std::int16_t>(level == -1 ? levelBefore : level),
        .testsPassedBefore = static_cast<std::int16_t>(testsPassedBefore),
        .duration = session.GetDuration(),
        .flag = session.GetFlag(),
        .goal = session.GetGoal(),
        .type = type,
    });
}

bool CStudent::AddReviewSession(std::int16_t mistakesAtStart, std::int16_t problemsCompleted,
                                std::int16_t mistakesLeft, std::int16_t seconds) {
    return AppendSession({
        .time = static_cast<std::uint32_t>(platform::GetClock().SecondsSince1970()),
        .correctCount = kNoValue,
        .answeredCount = kNoValue,
        .level = static_cast<std::int16_t>(level_),
        .testsPassedBefore = static_cast<std::int16_t>(testsPassed_),
        .duration = seconds,
        .mistakesAtStart = mistakesAtStart,
        .problemsCompleted = problemsCompleted,
        .mistakesLeft = mistakesLeft,
        .type = kReviewSession,
    });
}

SessionRecord CStudent::GetSession(int index) const {
    if (index < 0 || index >= GetSessionCount()) {
        platform::WriteErrorLog(kSource, __LINE__, "Attempted to retrieve an invalid test.");
        return {.correctCount = kNoValue, .answeredCount = kNoValue};
    }
    return sessions_[static_cast<std::size_t>(index)];
}

bool CStudent::IsReviewDue() {
    const auto due = data::ReadReviewFlag(CUserManager::GetOptionFilePath(name_));
    if (!due) {
        platform::WriteErrorLog(kSource, __LINE__, "Failed to open optional data file");
        return false;
    }
    if (GetMistakeCount() == 0) {
        SetReviewDue(false);
        return false;
    }
    return *due;
}

void CStudent::SetReviewDue(bool due) {
    if (!data::WriteReviewFlag(CUserManager::GetOptionFilePath(name_), due)) {
        platform::WriteErrorLog(kSource, __LINE__, "Failed to open optional data file");
    }
}

namespace {

// The names of kinds 1 to 5; none for any other number.
std::optional<platform::TextToShow> OperationName(std::int32_t kind) {
    static constexpr std::array<platform::TextToShow, 5> kNames = {
        platform::ShownText("CStudent", "Addition"), platform::ShownText("CStudent", "Subtraction"),
        platform::ShownText("CStudent", "Multiplication"),
        platform::ShownText("CStudent", "Division"), platform::ShownText("CStudent", "Mixed")};
    if (kind < kAddition || kind > kMixed) {
        return std::nullopt;
    }
    return kNames[static_cast<std::size_t>(kind - kAddition)];
}

} // namespace

std::string GetOperationName(std::int32_t kind) {
    const auto name = OperationName(kind);
    return name ? platform::Say(*name) : std::string();
}

std::string GetEnglishOperationName(std::int32_t kind) {
    const auto name = OperationName(kind);
    return name ? platform::English(*name) : std::string();
}

CStudent& GetCurrentStudent() {
    static CStudent student;
    return student;
}
