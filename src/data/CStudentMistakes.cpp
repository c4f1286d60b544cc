// The mistake list of CStudent: every operation reads S.mtk afresh and writes it back whole.
#include "CStudent.h"

#include "CUserManager.h"
#include "MistakeFile.h"

#include "platform/Files.h"
#include "platform/Logs.h"

#include <algorithm>
#include <limits>

namespace {

constexpr const char* kSource = "Data classes\\Cstudent";
constexpr std::int16_t kRightAnswersToRemove = 3;
constexpr std::int32_t kMistakesForReview = 10;

std::int16_t CountedOnce(std::int16_t count) {
    return count < std::numeric_limits<std::int16_t>::max() ? static_cast<std::int16_t>(count + 1)
                                                            : count;
}

std::vector<Problem>::iterator FindSameFact(std::vector<Problem>& mistakes,
                                            const Problem& problem) {
    return std::find_if(mistakes.begin(), mistakes.end(),
                        [&](const Problem& listed) { return IsSameFact(listed, problem); });
}

// Removes the first entry that is the same fact as `problem` by moving the last entry into its
// place.
bool RemoveFirstSameFact(std::vector<Problem>& mistakes, const Problem& problem) {
    const auto found = FindSameFact(mistakes, problem);
    if (found == mistakes.end()) {
        return false;
    }
    *found = mistakes.back();
    mistakes.pop_back();
    return true;
}

} // namespace

std::int32_t CStudent::GetMistakeCount() {
    const auto size = platform::FileSize(CUserManager::GetMistakeFilePath(name_));
    if (!size) {
        platform::WriteErrorLog(kSource, __LINE__, "Mistake file does not appear to exist.");
        return 0;
    }
    return static_cast<std::int32_t>(*size / static_cast<std::int64_t>(kProblemSize));
}

std::vector<Problem> CStudent::ReadMistakes() {
    auto mistakes = data::ReadMistakeList(CUserManager::GetMistakeFilePath(name_));
    if (!mistakes) {
        platform::WriteErrorLog(kSource, __LINE__, "Failed to open the mistake file!");
        return {};
    }
    return std::move(*mistakes);
}

std::vector<Problem> CStudent::GetMistakes() {
    // Looking never writes: a missing list is an empty one and stays missing.
    if (!platform::FileExists(CUserManager::GetMistakeFilePath(name_))) {
        return {};
    }
    return ReadMistakes();
}

Problem CStudent::GetMistake(int index) {
    const std::vector<Problem> mistakes = ReadMistakes();
    if (index < 0 || static_cast<std::size_t>(index) >= mistakes.size()) {
        return {};
    }
    return mistakes[static_cast<std::size_t>(index)];
}

bool CStudent::IsMistake(const Problem& problem) {
    const std::string path = CUserManager::GetMistakeFilePath(name_);
    if (!platform::FileExists(path)) {
        return false;
    }
    const auto mistakes = data::ReadMistakeList(path);
    return mistakes && std::any_of(mistakes->begin(), mistakes->end(), [&](const Problem& listed) {
               return IsSameFact(listed, problem);
           });
}

bool CStudent::ChangeMistakes(const std::function<ListChange(std::vector<Problem>&)>& change) {
    const std::string path = CUserManager::GetMistakeFilePath(name_);
    auto mistakes = data::ReadMistakeList(path);
    if (!mistakes) {
        platform::WriteErrorLog(kSource, __LINE__, "Failed to open the mistake file!");
        return false;
    }
    const ListChange result = change(*mistakes);
    if (result == ListChange::None) {
        return false;
    }
    if (!data::WriteMistakeList(path, *mistakes)) {
        platform::WriteErrorLog(kSource, __LINE__, "Failed to open the mistake file!");
        return false;
    }
    if (result == ListChange::Removed && mistakes->empty()) {
        SetReviewDue(false);
    }
    return true;
}

void CStudent::AddMistake(const Problem& problem) {
    const bool added = ChangeMistakes([&](std::vector<Problem>& mistakes) {
        const auto found = FindSameFact(mistakes, problem);
        if (found != mistakes.end()) {
            found->missCount = CountedOnce(found->missCount);
            found->correctStreak = 0;
        } else {
            Problem added = problem;
            added.missCount = 1;
            added.correctStreak = 0;
            mistakes.push_back(added);
        }
        return ListChange::Changed;
    });
    // A list that could not be changed makes no review due.
    if (added && GetMistakeCount() >= kMistakesForReview && !IsReviewDue()) {
        SetReviewDue(true);
    }
}

void CStudent::RecordCorrectAnswer(const Problem& problem) {
    ChangeMistakes([&](std::vector<Problem>& mistakes) {
        const auto found = FindSameFact(mistakes, problem);
        if (found == mistakes.end()) {
            return ListChange::None;
        }
        found->correctStreak = CountedOnce(found->correctStreak);
        if (found->correctStreak >= kRightAnswersToRemove) {
            RemoveFirstSameFact(mistakes, problem);
            return ListChange::Removed;
        }
        return ListChange::Changed;
    });
}

void CStudent::RemoveMistake(const Problem& problem) {
    ChangeMistakes([&](std::vector<Problem>& mistakes) {
        return RemoveFirstSameFact(mistakes, problem) ? ListChange::Removed : ListChange::None;
    });
}

void CStudent::PurgeEmptyMistakes() {
    if (GetMistakeCount() == 0) {
        return;
    }
    ChangeMistakes([](std::vector<Problem>& mistakes) {
        ListChange result = ListChange::None;
        while (RemoveFirstSameFact(mistakes, Problem{})) {
            result = ListChange::Removed;
        }
        return result;
    });
}
