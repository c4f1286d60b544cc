#include "ArchiveReader.h"

#include "Windows1252.h"

namespace data {

bool ArchiveReader::Take(std::size_t size) {
    if (Failed()) {
        return false;
    }
    if (size > Remaining()) {
        Fail(ArchiveFault::EndOfFile);
        return false;
    }
    return true;
}

void ArchiveReader::Fail(ArchiveFault fault) {
    if (!Failed()) {
        fault_ = fault;
    }
}

std::uint8_t ArchiveReader::ReadUInt8() {
    if (!Take(1)) {
        return 0;
    }
    return bytes_[position_++];
}

std::uint16_t ArchiveReader::ReadUInt16() {
    const std::uint16_t low = ReadUInt8();
    const std::uint16_t high = ReadUInt8();
    return static_cast<std::uint16_t>(low | (high << 8));
}

std::uint32_t ArchiveReader::ReadUInt32() {
    const std::uint32_t low = ReadUInt16();
    const std::uint32_t high = ReadUInt16();
    return low | (high << 16);
}

std::span<const std::uint8_t> ArchiveReader::ReadBytes(std::size_t size) {
    if (!Take(size)) {
        return {};
    }
    const auto block = bytes_.subspan(position_, size);
    position_ += size;
    return block;
}

std::string ArchiveReader::ReadString() {
    std::uint32_t length = ReadUInt8();
    if (length == 0xFF) {
        length = ReadUInt16();
        if (length == 0xFFFE) {
            Fail(ArchiveFault::BadString);
        } else if (length == 0xFFFF) {
            length = ReadUInt32();
        }
    }
    const auto text = ReadBytes(length);
    return Windows1252ToUtf8({reinterpret_cast<const char*>(text.data()), text.size()});
}

std::uint32_t ArchiveReader::ReadCount(std::size_t smallestItemSize) {
    const std::uint32_t count = ReadUInt32();
    if (smallestItemSize > 0 && count > Remaining() / smallestItemSize) {
        Fail(ArchiveFault::EndOfFile);
    }
    return Failed() ? 0 : count;
}

} // namespace data
