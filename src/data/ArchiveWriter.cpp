#include "ArchiveWriter.h"

#include "Windows1252.h"

namespace data {

void ArchiveWriter::WriteUInt8(std::uint8_t value) {
    bytes_.push_back(value);
}

void ArchiveWriter::WriteUInt16(std::uint16_t value) {
    WriteUInt8(static_cast<std::uint8_t>(value));
    WriteUInt8(static_cast<std::uint8_t>(value >> 8));
}

void ArchiveWriter::WriteUInt32(std::uint32_t value) {
    WriteUInt16(static_cast<std::uint16_t>(value));
    WriteUInt16(static_cast<std::uint16_t>(value >> 16));
}

void ArchiveWriter::WriteBytes(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void ArchiveWriter::WriteString(std::string_view text) {
    const std::string stored = Utf8ToWindows1252(text);
    const std::size_t length = stored.size();
    if (length < 0xFF) {
        WriteUInt8(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        WriteUInt8(0xFF);
        WriteUInt16(static_cast<std::uint16_t>(length));
    } else {
        WriteUInt8(0xFF);
        WriteUInt16(0xFFFF);
        WriteUInt32(static_cast<std::uint32_t>(length));
    }
    bytes_.insert(bytes_.end(), stored.begin(), stored.end());
}

} // namespace data
