#pragma once

#include "Problem.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace data {

// A fact as the fluency record tells facts apart: its operation and operands.
struct FactKey {
    std::int32_t operation = kNoOperation;
    std::int16_t firstOperand = 0;
    std::int16_t secondOperand = 0;

    auto operator<=>(const FactKey&) const = default;
};

FactKey KeyOf(const Problem& fact);

// How many response times a fact keeps: the last first tries only, so old habits fade.
inline constexpr std::size_t kKeptTimes = 5;

// What the first tries at one fact have shown so far.
struct FactTimes {
    std::uint32_t shown = 0; // first tries
    std::uint32_t rightFirstTry = 0;
    bool lastFirstTryRight = false;
    std::uint8_t keptCount = 0;
    // Milliseconds from the card being ready for input to the answer, oldest first.
    std::array<std::uint32_t, kKeptTimes> keptMs{};

    std::span<const std::uint32_t> Kept() const { return {keptMs.data(), keptCount}; }
    bool operator==(const FactTimes&) const = default;
};

// The middle of the kept times (of an even number, the mean of the two middle ones); nothing
// when none are kept.
std::optional<std::uint32_t> MedianMs(const FactTimes& times);

// Recall is automatic when the answer comes within about three seconds.
inline constexpr std::uint32_t kFluentMs = 3000;

enum class Fluency { NotSeen, Fluent, Slow, Missed };

// A fact is missed while it is on the mistake list (`listed`) or its last first try was wrong;
// otherwise fluent when the median of its kept times is at most kFluentMs, else slow. `times`
// is none for a fact never tried.
Fluency FluencyOf(const FactTimes* times, bool listed);

// Every first try of one student at every fact, kept in memory between the writes at the end
// of a session.
class FactFluency;
std::optional<FactFluency> DecodeFluency(std::span<const std::uint8_t> bytes);

class FactFluency {
public:
    // A first try at `fact` answered right or not (a try that ran out counts as wrong) after
    // `ms` milliseconds.
    void RecordFirstTry(const Problem& fact, bool right, std::uint32_t ms);

    const FactTimes* Find(const FactKey& key) const;
    const std::map<FactKey, FactTimes>& Facts() const { return facts_; }

    // Whether a first try came since the record was read or last written.
    bool Unsaved() const { return unsaved_; }
    void MarkSaved() { unsaved_ = false; }

    bool operator==(const FactFluency& other) const { return facts_ == other.facts_; }

private:
    friend std::optional<FactFluency> DecodeFluency(std::span<const std::uint8_t> bytes);

    std::map<FactKey, FactTimes> facts_;
    bool unsaved_ = false;
};

// The file: "TLYF", a 16-bit version, a 32-bit count of facts, then each fact in a fixed size.
std::vector<std::uint8_t> EncodeFluency(const FactFluency& fluency);
// Nothing for bytes that are not a whole record of a version this program knows.
std::optional<FactFluency> DecodeFluency(std::span<const std::uint8_t> bytes);

enum class FluencyFileState { Read, Missing, Damaged };

struct FluencyFile {
    FactFluency fluency;
    FluencyFileState state = FluencyFileState::Missing;
};

// A missing file, or one that is not a fluency record this program can read, gives an empty
// record; the file itself is left alone until the next write replaces it.
FluencyFile ReadFluencyFile(const std::string& path);
// Replaces the file whole through a temporary copy, flushed before its rename.
bool WriteFluencyFile(const std::string& path, const FactFluency& fluency);

} // namespace data
