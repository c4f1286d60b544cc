#include "NameListFiles.h"

#include "ArchiveReader.h"
#include "ArchiveWriter.h"

namespace data {
namespace {

std::vector<std::string> ReadNames(ArchiveReader& reader) {
    const std::uint32_t count = reader.ReadCount(1); // a counted string takes at least a byte
    std::vector<std::string> names;
    names.reserve(count);
    for (std::uint32_t i = 0; i < count && !reader.Failed(); ++i) {
        names.push_back(reader.ReadString());
    }
    return names;
}

void WriteNames(ArchiveWriter& writer, const std::vector<std::string>& names) {
    writer.WriteUInt32(static_cast<std::uint32_t>(names.size()));
    for (const std::string& name : names) {
        writer.WriteString(name);
    }
}

} // namespace

std::optional<UserWithNames> ParseUserWithNames(std::span<const std::uint8_t> bytes,
                                                ArchiveFault* fault) {
    return ReadRecord<UserWithNames>(
        bytes,
        [](ArchiveReader& reader, UserWithNames& record) {
            record.idType = reader.ReadUInt32();
            record.password = reader.ReadString();
            record.names = ReadNames(reader);
        },
        fault);
}

std::vector<std::uint8_t> SerializeUserWithNames(const UserWithNames& record) {
    ArchiveWriter writer;
    writer.WriteUInt32(record.idType);
    writer.WriteString(record.password);
    WriteNames(writer, record.names);
    return writer.Bytes();
}

std::optional<ClassFile> ParseClassFile(std::span<const std::uint8_t> bytes) {
    return ReadRecord<ClassFile>(bytes, [](ArchiveReader& reader, ClassFile& file) {
        file.reserved = reader.ReadUInt32();
        file.students = ReadNames(reader);
    });
}

std::vector<std::uint8_t> SerializeClassFile(const ClassFile& file) {
    ArchiveWriter writer;
    writer.WriteUInt32(file.reserved);
    WriteNames(writer, file.students);
    return writer.Bytes();
}

} // namespace data
