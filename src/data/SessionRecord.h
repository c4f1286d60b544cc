#pragma once

#include <cstddef>
#include <cstdint>

namespace data {
class ArchiveReader;
class ArchiveWriter;
} // namespace data

enum SessionType : std::uint32_t {
    kTestSession = 1,
    kTrainingSession = 2,
    kReviewSession = 3,
};

// One entry of a student's history: 28 bytes, fields in declaration order. Tests and training
// sessions use the first block and the goal; reviews use the review block instead. A field a
// session type does not use is 0 and carries no meaning.
struct SessionRecord {
    std::uint32_t time = 0; // seconds since 1970: start of a test or training, end of a review
    std::int16_t correctCount = 0;
    std::int16_t answeredCount = 0;
    std::int16_t level = 0;
    std::int16_t testsPassedBefore = 0;
    std::int16_t duration = 0; // seconds
    std::uint8_t flag = 0;
    std::uint8_t spare = 0;
    std::int16_t mistakesAtStart = 0;   // review
    std::int16_t problemsCompleted = 0; // review
    std::int16_t mistakesLeft = 0;      // review; 0 = the review was completed
    std::int16_t goal = 0;              // training; 0 = none
    std::uint32_t type = 0;

    bool operator==(const SessionRecord&) const = default;
};

inline constexpr std::size_t kSessionRecordSize = 28;

void WriteSessionRecord(data::ArchiveWriter& writer, const SessionRecord& record);
SessionRecord ReadSessionRecord(data::ArchiveReader& reader);
