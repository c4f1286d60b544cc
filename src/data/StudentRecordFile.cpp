#include "StudentRecordFile.h"

#include "ArchiveReader.h"
#include "ArchiveWriter.h"

#include <algorithm>

namespace data {

std::optional<StudentRecord> ParseStudentRecord(std::span<const std::uint8_t> bytes) {
    return ReadRecord<StudentRecord>(bytes, [](ArchiveReader& reader, StudentRecord& record) {
        record.idType = reader.ReadUInt32();
        record.password = reader.ReadString();
        record.classKey = reader.ReadString();
        record.level = reader.ReadInt32();
        record.testsPassed = reader.ReadInt32();
        record.reserved1 = reader.ReadInt32();
        record.reserved2 = reader.ReadInt32();
        const std::size_t stored = reader.ReadUInt32();
        const std::size_t whole = std::min(stored, reader.Remaining() / kSessionRecordSize);
        record.sessions.reserve(whole);
        for (std::size_t i = 0; i < whole; ++i) {
            record.sessions.push_back(ReadSessionRecord(reader));
        }
    });
}

std::vector<std::uint8_t> SerializeStudentRecord(const StudentRecord& record) {
    ArchiveWriter writer;
    writer.WriteUInt32(record.idType);
    writer.WriteString(record.password);
    writer.WriteString(record.classKey);
    writer.WriteInt32(record.level);
    writer.WriteInt32(record.testsPassed);
    writer.WriteInt32(record.reserved1);
    writer.WriteInt32(record.reserved2);
    writer.WriteUInt32(static_cast<std::uint32_t>(record.sessions.size()));
    for (const SessionRecord& session : record.sessions) {
        WriteSessionRecord(writer, session);
    }
    return writer.Bytes();
}

} // namespace data
