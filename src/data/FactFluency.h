#pragma once

#include "Problem.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
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

// How many first tries a fact keeps with their times: the last ones only, so old habits fade.
inline constexpr std::size_t kKeptTimes = 5;

// How a kept first try went. NotKnown comes only from records written before right and wrong
// were kept with each time.
enum class TryOutcome : std::uint8_t { Wrong = 0, Right = 1, NotKnown = 2 };

// What the first tries at one fact have shown so far.
struct FactTimes {
    std::uint32_t shown = 0; // first tries
    std::uint32_t rightFirstTry = 0;
    bool lastFirstTryRight = false;
    std::uint32_t lastTried = 0; // seconds since 1970 of the last first try; 0 = not known
    std::uint8_t keptCount = 0;
    // Milliseconds from the card being ready for input to the answer, oldest first, and how each
    // of those tries went.
    std::array<std::uint32_t, kKeptTimes> keptMs{};
    std::array<TryOutcome, kKeptTimes> keptOutcomes{};

    std::span<const std::uint32_t> Kept() const { return {keptMs.data(), keptCount}; }
    std::span<const TryOutcome> KeptOutcomes() const { return {keptOutcomes.data(), keptCount}; }
    bool operator==(const FactTimes&) const = default;
};

// The middle of the kept times of right first tries (of an even number, the mean of the two
// middle ones); nothing when none is kept.
std::optional<std::uint32_t> MedianMs(const FactTimes& times);

// Recall is automatic when the answer comes within about three seconds.
inline constexpr std::uint32_t kFluentMs = 3000;

enum class Fluency { NotSeen, Fluent, Slow, Missed };

// A fact is missed while it is on the mistake list (`listed`) or its last first try was wrong.
// Otherwise it is fluent when the median time of its kept right first tries is at most
// kFluentMs, however the kept tries of unknown outcome went; else slow. Wrong tries never make
// a fact fluent, however fast. `times` is none for a fact never tried.
Fluency FluencyOf(const FactTimes* times, bool listed);

// Every first try of one student at every fact, kept in memory between the writes at the end
// of a session.
class FactFluency {
public:
    FactFluency() = default;
    // A record of these facts, as read from a file.
    explicit FactFluency(std::map<FactKey, FactTimes> facts) : facts_(std::move(facts)) {}

    // A first try at `fact` answered right or not (a try that ran out counts as wrong) after
    // `ms` milliseconds, `when` seconds since 1970 (0 when not known).
    void RecordFirstTry(const Problem& fact, bool right, std::uint32_t ms, std::uint32_t when = 0);

    const FactTimes* Find(const FactKey& key) const;
    const std::map<FactKey, FactTimes>& Facts() const { return facts_; }

    // Whether a first try came since the record was read or last written.
    bool Unsaved() const { return unsaved_; }
    void MarkSaved() { unsaved_ = false; }

    bool operator==(const FactFluency& other) const { return facts_ == other.facts_; }

private:
    std::map<FactKey, FactTimes> facts_;
    bool unsaved_ = false;
};

// The file: "TLYF", a 16-bit version, a 32-bit count of facts, then each fact in a fixed size
// (see FactFluency.cpp). Always written in the newest version.
inline constexpr std::uint16_t kFluencyVersion = 2;
std::vector<std::uint8_t> EncodeFluency(const FactFluency& fluency);

struct DecodedFluency {
    FactFluency fluency;
    std::uint16_t version = kFluencyVersion;
    // The places (1 for the first) of facts left out because their values make no sense.
    std::vector<std::uint32_t> badFacts;

    bool operator==(const DecodedFluency&) const = default;
};

// Nothing when the bytes are not framed as a record of a version this program knows (another
// kind of file, an unknown version, a count of facts the bytes do not hold exactly). Within a
// well-framed record a fact whose values this program could not have written is left out and
// the others are kept.
std::optional<DecodedFluency> DecodeFluency(std::span<const std::uint8_t> bytes);

// A real record is a few KB; anything near this is not one, and is not read.
inline constexpr std::int64_t kMostFluencyBytes = 1 << 20;

enum class FluencyFileState { Read, Missing, NotOpened, TooLarge, Damaged };

struct FluencyFile {
    FactFluency fluency;
    FluencyFileState state = FluencyFileState::Missing;
    std::vector<std::uint32_t> badFacts; // as DecodedFluency's
};

// The record at `path`, read quietly: a file that is missing, cannot be opened (no permission, a
// folder in its place), is over kMostFluencyBytes or is not a record this program can read gives
// an empty record, and the file itself is left alone until the next write replaces it. A copy
// left by an interrupted write is never taken: the record itself is only ever replaced whole.
FluencyFile ReadFluencyFile(const std::string& path);
// Replaces the file whole through a temporary copy, flushed before its rename. A folder in the
// file's place is refused without a word: the caller logs the failure.
bool WriteFluencyFile(const std::string& path, const FactFluency& fluency);

} // namespace data
