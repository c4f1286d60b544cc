#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace data {

// Why reading stopped, numbered as the archive causes that error records report.
enum class ArchiveFault : int { None = 0, BadString = 1, EndOfFile = 3 };

// Reads the fields that ArchiveWriter writes from the bytes of a whole file. The first field
// that cannot be read marks the reader failed; from then on every read yields zero or empty, so
// a caller checks Failed() once after reading a whole record. Nothing is allocated for a length
// or count the rest of the file cannot hold.
class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    // The reader keeps a view of the bytes: they must outlive it.
    explicit ArchiveReader(std::vector<std::uint8_t>&&) = delete;

    std::uint8_t ReadUInt8();
    std::uint16_t ReadUInt16();
    std::uint32_t ReadUInt32();
    std::int16_t ReadInt16() { return static_cast<std::int16_t>(ReadUInt16()); }
    std::int32_t ReadInt32() { return static_cast<std::int32_t>(ReadUInt32()); }
    std::span<const std::uint8_t> ReadBytes(std::size_t size);
    // A counted Windows-1252 string, returned as UTF-8.
    std::string ReadString();
    // A count of items that each take at least `smallestItemSize` bytes; a count the rest of the
    // file cannot hold fails the reader and yields 0.
    std::uint32_t ReadCount(std::size_t smallestItemSize);

    // One field of a fixed-size record, as ArchiveWriter::Field writes it.
    void Field(std::uint8_t& value) { value = ReadUInt8(); }
    void Field(std::int16_t& value) { value = ReadInt16(); }
    void Field(std::int32_t& value) { value = ReadInt32(); }
    void Field(std::uint32_t& value) { value = ReadUInt32(); }

    std::size_t Remaining() const { return bytes_.size() - position_; }
    bool Failed() const { return fault_ != ArchiveFault::None; }
    ArchiveFault Fault() const { return fault_; }

private:
    bool Take(std::size_t size);
    void Fail(ArchiveFault fault);

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    ArchiveFault fault_ = ArchiveFault::None;
};

// Reads one record with `readFields(reader, record)`; nothing when the bytes end before its fields
// do. `fault`, when given, receives why reading stopped.
template <typename Record, typename ReadFields>
std::optional<Record> ReadRecord(std::span<const std::uint8_t> bytes, ReadFields readFields,
                                 ArchiveFault* fault = nullptr) {
    ArchiveReader reader(bytes);
    Record record{};
    readFields(reader, record);
    if (fault != nullptr) {
        *fault = reader.Fault();
    }
    if (reader.Failed()) {
        return std::nullopt;
    }
    return record;
}

} // namespace data
