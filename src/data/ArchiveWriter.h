#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace data {

// Builds the bytes of a record file: little-endian integers, byte blocks and counted strings
// with no header, padding or end marker.
class ArchiveWriter {
public:
    void WriteUInt8(std::uint8_t value);
    void WriteUInt16(std::uint16_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteInt16(std::int16_t value) { WriteUInt16(static_cast<std::uint16_t>(value)); }
    void WriteInt32(std::int32_t value) { WriteUInt32(static_cast<std::uint32_t>(value)); }
    void WriteBytes(std::span<const std::uint8_t> bytes);
    // `text` is UTF-8; it is stored as a counted Windows-1252 string.
    void WriteString(std::string_view text);

    // One field of a fixed-size record; ArchiveReader has the same calls, so a single field list
    // serves both directions.
    void Field(std::uint8_t value) { WriteUInt8(value); }
    void Field(std::int16_t value) { WriteInt16(value); }
    void Field(std::int32_t value) { WriteInt32(value); }
    void Field(std::uint32_t value) { WriteUInt32(value); }

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace data
