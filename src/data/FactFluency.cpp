#include "FactFluency.h"

#include "ArchiveReader.h"
#include "ArchiveWriter.h"
#include "RecordFile.h"

#include "platform/Files.h"

#include <algorithm>
#include <limits>

namespace data {

namespace {

constexpr std::array<std::uint8_t, 4> kMagic{'T', 'L', 'Y', 'F'};
constexpr std::uint16_t kVersion = 1;
// operation, two operands, shown, right first try, last right, kept count, kept times.
constexpr std::size_t kFactSize = 4 + 2 + 2 + 4 + 4 + 1 + 1 + 4 * kKeptTimes;

bool IsFactOperation(std::int32_t operation) {
    return operation == kPlus || operation == kMinus || operation == kTimes ||
           operation == kDividedBy;
}

// The counts of a fact that this program could have written.
bool IsConsistent(const FactTimes& times) {
    return times.rightFirstTry <= times.shown && times.keptCount <= kKeptTimes &&
           times.keptCount <= times.shown && (times.shown > 0 || !times.lastFirstTryRight) &&
           (!times.lastFirstTryRight || times.rightFirstTry > 0);
}

std::optional<std::pair<FactKey, FactTimes>> ReadFact(ArchiveReader& reader) {
    FactKey key;
    FactTimes times;
    key.operation = reader.ReadInt32();
    key.firstOperand = reader.ReadInt16();
    key.secondOperand = reader.ReadInt16();
    times.shown = reader.ReadUInt32();
    times.rightFirstTry = reader.ReadUInt32();
    const std::uint8_t lastRight = reader.ReadUInt8();
    times.keptCount = reader.ReadUInt8();
    for (std::uint32_t& ms : times.keptMs) {
        ms = reader.ReadUInt32();
    }
    times.lastFirstTryRight = lastRight == 1;
    if (reader.Failed() || lastRight > 1 || !IsFactOperation(key.operation) ||
        !IsConsistent(times)) {
        return std::nullopt;
    }
    std::fill(times.keptMs.begin() + times.keptCount, times.keptMs.end(), 0U);
    return std::pair{key, times};
}

} // namespace

FactKey KeyOf(const Problem& fact) {
    return {.operation = fact.operation,
            .firstOperand = fact.firstOperand,
            .secondOperand = fact.secondOperand};
}

std::optional<std::uint32_t> MedianMs(const FactTimes& times) {
    const std::size_t count = std::min<std::size_t>(times.keptCount, kKeptTimes);
    if (count == 0) {
        return std::nullopt;
    }
    std::array<std::uint32_t, kKeptTimes> sorted = times.keptMs;
    std::sort(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(count));
    const std::size_t middle = count / 2;
    if (count % 2 == 1) {
        return sorted[middle];
    }
    // In 64 bits: two times near the 32-bit limit must not wrap.
    return static_cast<std::uint32_t>(
        (static_cast<std::uint64_t>(sorted[middle - 1]) + sorted[middle]) / 2);
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
    const auto median = MedianMs(*times);
    return median && *median <= kFluentMs ? Fluency::Fluent : Fluency::Slow;
}

void FactFluency::RecordFirstTry(const Problem& fact, bool right, std::uint32_t ms) {
    FactTimes& times = facts_[KeyOf(fact)];
    // Counts stop at their limit rather than wrap to none.
    if (times.shown < std::numeric_limits<std::uint32_t>::max()) {
        ++times.shown;
    }
    if (right && times.rightFirstTry < times.shown) {
        ++times.rightFirstTry;
    }
    times.lastFirstTryRight = right;
    if (times.keptCount == kKeptTimes) {
        std::shift_left(times.keptMs.begin(), times.keptMs.end(), 1);
        times.keptMs.back() = ms;
    } else {
        times.keptMs[times.keptCount++] = ms;
    }
    unsaved_ = true;
}

const FactTimes* FactFluency::Find(const FactKey& key) const {
    const auto found = facts_.find(key);
    return found == facts_.end() ? nullptr : &found->second;
}

std::vector<std::uint8_t> EncodeFluency(const FactFluency& fluency) {
    ArchiveWriter writer;
    writer.WriteBytes(kMagic);
    writer.WriteUInt16(kVersion);
    writer.WriteUInt32(static_cast<std::uint32_t>(fluency.Facts().size()));
    for (const auto& [key, times] : fluency.Facts()) {
        writer.WriteInt32(key.operation);
        writer.WriteInt16(key.firstOperand);
        writer.WriteInt16(key.secondOperand);
        writer.WriteUInt32(times.shown);
        writer.WriteUInt32(times.rightFirstTry);
        writer.WriteUInt8(times.lastFirstTryRight ? 1 : 0);
        writer.WriteUInt8(times.keptCount);
        for (const std::uint32_t ms : times.keptMs) {
            writer.WriteUInt32(ms);
        }
    }
    return writer.Bytes();
}

std::optional<FactFluency> DecodeFluency(std::span<const std::uint8_t> bytes) {
    ArchiveReader reader(bytes);
    const auto magic = reader.ReadBytes(kMagic.size());
    if (reader.Failed() || !std::equal(magic.begin(), magic.end(), kMagic.begin()) ||
        reader.ReadUInt16() != kVersion) {
        return std::nullopt;
    }
    const std::uint32_t count = reader.ReadCount(kFactSize);
    if (reader.Failed() || reader.Remaining() != count * kFactSize) {
        return std::nullopt;
    }
    std::map<FactKey, FactTimes> facts;
    for (std::uint32_t index = 0; index < count; ++index) {
        const auto fact = ReadFact(reader);
        if (!fact || !facts.insert(*fact).second) {
            return std::nullopt;
        }
    }
    FactFluency fluency;
    fluency.facts_ = std::move(facts);
    return fluency;
}

FluencyFile ReadFluencyFile(const std::string& path) {
    if (!platform::FileExists(path) && !platform::FileExists(path + "tmp")) {
        return {};
    }
    const auto bytes = ReadRecordOrItsCopy(path);
    auto fluency = bytes ? DecodeFluency(*bytes) : std::nullopt;
    if (!fluency) {
        return {.state = FluencyFileState::Damaged};
    }
    return {.fluency = std::move(*fluency), .state = FluencyFileState::Read};
}

bool WriteFluencyFile(const std::string& path, const FactFluency& fluency) {
    platform::ClearReadOnly(path);
    return ReplaceRecordFile(path, EncodeFluency(fluency)) == ReplaceOutcome::Replaced;
}

} // namespace data
