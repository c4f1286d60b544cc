#include "FactFluency.h"

#include "ArchiveReader.h"
#include "ArchiveWriter.h"
#include "RecordFile.h"

#include "platform/Files.h"

#include <algorithm>
#include <filesystem>
#include <limits>

namespace data {

// The record, all numbers little-endian:
//   "TLYF", 16-bit version, 32-bit count of facts, then each fact in the version's fixed size.
//   Version 2 (written now), 47 bytes a fact: operation (32-bit), first and second operand
//   (16-bit each), first tries (32-bit), right first tries (32-bit), last first try right
//   (0 or 1), kept tries (0 to 5), date of the last first try (32-bit seconds since 1970, 0 =
//   not known), then five kept tries of a time in ms (32-bit) and how it went (0 wrong, 1 right,
//   2 not known), oldest first; slots past the kept ones carry no meaning.
//   Version 1, 38 bytes a fact: the same up to the kept tries, no date, then five times alone.
//   How each kept try went is worked out from the counts where they tell it (see
//   DeriveOutcomes) and is not known otherwise.
namespace {

constexpr std::array<std::uint8_t, 4> kMagic{'T', 'L', 'Y', 'F'};
constexpr std::uint16_t kFirstVersion = 1;
constexpr std::size_t kFactStart = 4 + 2 + 2 + 4 + 4 + 1 + 1;
constexpr std::size_t kFirstVersionFactSize = kFactStart + 4 * kKeptTimes;
constexpr std::size_t kFactSize = kFactStart + 4 + (4 + 1) * kKeptTimes;

bool IsFactOperation(std::int32_t operation) {
    return operation == kPlus || operation == kMinus || operation == kTimes ||
           operation == kDividedBy;
}

TryOutcome OutcomeOf(bool right) {
    return right ? TryOutcome::Right : TryOutcome::Wrong;
}

// The counts of a fact that this program could have written.
bool IsConsistent(const FactTimes& times) {
    if (times.keptCount > kKeptTimes) {
        return false;
    }
    const auto outcomes = times.KeptOutcomes();
    const auto rightKept = std::ranges::count(outcomes, TryOutcome::Right);
    return times.rightFirstTry <= times.shown && times.keptCount <= times.shown &&
           (times.shown > 0 || !times.lastFirstTryRight) &&
           (!times.lastFirstTryRight || times.rightFirstTry > 0) &&
           rightKept <= static_cast<std::int64_t>(times.rightFirstTry) &&
           std::ranges::all_of(
               outcomes, [](TryOutcome outcome) { return outcome <= TryOutcome::NotKnown; }) &&
           (outcomes.empty() || outcomes.back() == OutcomeOf(times.lastFirstTryRight));
}

// A version-1 fact kept times alone. The last kept try is the last first try; the earlier ones
// are all right when no other try was wrong, all wrong when no other was right, and not known
// otherwise.
void DeriveOutcomes(FactTimes& times) {
    if (times.keptCount == 0 || times.keptCount > kKeptTimes) {
        return;
    }
    const std::int64_t wrongBefore = static_cast<std::int64_t>(times.shown) - times.rightFirstTry -
                                     (times.lastFirstTryRight ? 0 : 1);
    const std::int64_t rightBefore =
        static_cast<std::int64_t>(times.rightFirstTry) - (times.lastFirstTryRight ? 1 : 0);
    TryOutcome earlier = TryOutcome::NotKnown;
    if (wrongBefore == 0) {
        earlier = TryOutcome::Right;
    } else if (rightBefore == 0) {
        earlier = TryOutcome::Wrong;
    }
    std::fill(times.keptOutcomes.begin(), times.keptOutcomes.begin() + times.keptCount - 1,
              earlier);
    times.keptOutcomes[times.keptCount - 1U] = OutcomeOf(times.lastFirstTryRight);
}

// Reads one fact of `version`; nothing for values this program could not have written.
std::optional<std::pair<FactKey, FactTimes>> ReadFact(ArchiveReader& reader,
                                                      std::uint16_t version) {
    FactKey key;
    FactTimes times;
    key.operation = reader.ReadInt32();
    key.firstOperand = reader.ReadInt16();
    key.secondOperand = reader.ReadInt16();
    times.shown = reader.ReadUInt32();
    times.rightFirstTry = reader.ReadUInt32();
    const std::uint8_t lastRight = reader.ReadUInt8();
    times.lastFirstTryRight = lastRight == 1;
    times.keptCount = reader.ReadUInt8();
    if (version == kFirstVersion) {
        for (std::uint32_t& ms : times.keptMs) {
            ms = reader.ReadUInt32();
        }
        DeriveOutcomes(times);
    } else {
        times.lastTried = reader.ReadUInt32();
        for (std::size_t index = 0; index < kKeptTimes; ++index) {
            times.keptMs[index] = reader.ReadUInt32();
            times.keptOutcomes[index] = static_cast<TryOutcome>(reader.ReadUInt8());
        }
    }
    if (reader.Failed() || lastRight > 1 || !IsFactOperation(key.operation) ||
        !IsConsistent(times)) {
        return std::nullopt;
    }
    std::fill(times.keptMs.begin() + times.keptCount, times.keptMs.end(), 0U);
    std::fill(times.keptOutcomes.begin() + times.keptCount, times.keptOutcomes.end(),
              TryOutcome::Wrong);
    return std::pair{key, times};
}

std::optional<std::uint32_t> MedianOf(std::vector<std::uint32_t> values) {
    if (values.empty()) {
        return std::nullopt;
    }
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) {
        return values[middle];
    }
    // In 64 bits: two times near the 32-bit limit must not wrap.
    return static_cast<std::uint32_t>(
        (static_cast<std::uint64_t>(values[middle - 1]) + values[middle]) / 2);
}

// Whether the right tries' median is within kFluentMs whichever of the tries of unknown outcome
// were right: every choice of them is tried (at most 2 to the 4th).
bool SurelyFluent(const FactTimes& times) {
    std::vector<std::uint32_t> right;
    std::vector<std::uint32_t> notKnown;
    for (std::size_t index = 0; index < times.keptCount; ++index) {
        if (times.keptOutcomes[index] == TryOutcome::Right) {
            right.push_back(times.keptMs[index]);
        } else if (times.keptOutcomes[index] == TryOutcome::NotKnown) {
            notKnown.push_back(times.keptMs[index]);
        }
    }
    for (std::size_t choice = 0; choice < (std::size_t{1} << notKnown.size()); ++choice) {
        std::vector<std::uint32_t> chosen = right;
        for (std::size_t index = 0; index < notKnown.size(); ++index) {
            if ((choice >> index & 1U) != 0) {
                chosen.push_back(notKnown[index]);
            }
        }
        const auto median = MedianOf(std::move(chosen));
        if (!median || *median > kFluentMs) {
            return false;
        }
    }
    return true;
}

} // namespace

FactKey KeyOf(const Problem& fact) {
    return {.operation = fact.operation,
            .firstOperand = fact.firstOperand,
            .secondOperand = fact.secondOperand};
}

std::optional<std::uint32_t> MedianMs(const FactTimes& times) {
    std::vector<std::uint32_t> right;
    const std::size_t count = std::min<std::size_t>(times.keptCount, kKeptTimes);
    for (std::size_t index = 0; index < count; ++index) {
        if (times.keptOutcomes[index] == TryOutcome::Right) {
            right.push_back(times.keptMs[index]);
        }
    }
    return MedianOf(std::move(right));
}

Fluency FluencyOf(const FactTimes* times, bool listed) {
    if (listed) {
        return Fluency::Missed;
    }
    if (times == nullptr || times->shown == 0) {
        return Fluency::NotSeen;
    }
    if (!times->lastFirstTryRight) {
        return Fluency::Missed;
    }
    return SurelyFluent(*times) ? Fluency::Fluent : Fluency::Slow;
}

void FactFluency::RecordFirstTry(const Problem& fact, bool right, std::uint32_t ms,
                                 std::uint32_t when) {
    FactTimes& times = facts_[KeyOf(fact)];
    // Counts stop at their limit rather than wrap to none.
    if (times.shown < std::numeric_limits<std::uint32_t>::max()) {
        ++times.shown;
    }
    if (right && times.rightFirstTry < times.shown) {
        ++times.rightFirstTry;
    }
    times.lastFirstTryRight = right;
    times.lastTried = when;
    if (times.keptCount == kKeptTimes) {
        std::shift_left(times.keptMs.begin(), times.keptMs.end(), 1);
        std::shift_left(times.keptOutcomes.begin(), times.keptOutcomes.end(), 1);
        --times.keptCount;
    }
    times.keptMs[times.keptCount] = ms;
    times.keptOutcomes[times.keptCount] = OutcomeOf(right);
    ++times.keptCount;
    unsaved_ = true;
}

const FactTimes* FactFluency::Find(const FactKey& key) const {
    const auto found = facts_.find(key);
    return found == facts_.end() ? nullptr : &found->second;
}

std::vector<std::uint8_t> EncodeFluency(const FactFluency& fluency) {
    ArchiveWriter writer;
    writer.WriteBytes(kMagic);
    writer.WriteUInt16(kFluencyVersion);
    writer.WriteUInt32(static_cast<std::uint32_t>(fluency.Facts().size()));
    for (const auto& [key, times] : fluency.Facts()) {
        writer.WriteInt32(key.operation);
        writer.WriteInt16(key.firstOperand);
        writer.WriteInt16(key.secondOperand);
        writer.WriteUInt32(times.shown);
        writer.WriteUInt32(times.rightFirstTry);
        writer.WriteUInt8(times.lastFirstTryRight ? 1 : 0);
        writer.WriteUInt8(times.keptCount);
        writer.WriteUInt32(times.lastTried);
        for (std::size_t index = 0; index < kKeptTimes; ++index) {
            writer.WriteUInt32(times.keptMs[index]);
            writer.WriteUInt8(static_cast<std::uint8_t>(times.keptOutcomes[index]));
        }
    }
    return writer.Bytes();
}

std::optional<DecodedFluency> DecodeFluency(std::span<const std::uint8_t> bytes) {
    ArchiveReader reader(bytes);
    const auto magic = reader.ReadBytes(kMagic.size());
    const std::uint16_t version = reader.ReadUInt16();
    if (reader.Failed() || !std::equal(magic.begin(), magic.end(), kMagic.begin()) ||
        (version != kFirstVersion && version != kFluencyVersion)) {
        return std::nullopt;
    }
    const std::size_t factSize = version == kFirstVersion ? kFirstVersionFactSize : kFactSize;
    const std::uint32_t count = reader.ReadCount(factSize);
    if (reader.Failed() || reader.Remaining() != count * factSize) {
        return std::nullopt;
    }
    std::map<FactKey, FactTimes> facts;
    DecodedFluency decoded{.version = version};
    for (std::uint32_t place = 1; place <= count; ++place) {
        const auto fact = ReadFact(reader, version);
        if (!fact || !facts.insert(*fact).second) {
            decoded.badFacts.push_back(place);
        }
    }
    decoded.fluency = FactFluency(std::move(facts));
    return decoded;
}

FluencyFile ReadFluencyFile(const std::string& path) {
    if (!platform::FileExists(path)) {
        return {};
    }
    if (platform::FileSize(path).value_or(0) > kMostFluencyBytes) {
        return {.state = FluencyFileState::TooLarge};
    }
    const auto bytes = platform::ReadFileBytes(path);
    if (!bytes) {
        return {.state = FluencyFileState::NotOpened};
    }
    auto decoded = DecodeFluency(*bytes);
    if (!decoded) {
        return {.state = FluencyFileState::Damaged};
    }
    return {.fluency = std::move(decoded->fluency),
            .state = FluencyFileState::Read,
            .badFacts = std::move(decoded->badFacts)};
}

bool WriteFluencyFile(const std::string& path, const FactFluency& fluency) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return false;
    }
    platform::ClearReadOnly(path);
    return ReplaceRecordFile(path, EncodeFluency(fluency)) == ReplaceOutcome::Replaced;
}

} // namespace data
