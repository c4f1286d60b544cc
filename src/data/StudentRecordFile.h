#pragma once

#include "SessionRecord.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace data {

// The content of a student's record file S.nfo.
struct StudentRecord {
    std::uint32_t idType = 0;
    std::string password;
    std::string classKey; // the creating teacher's name followed by the class name
    std::int32_t level = 0;
    std::int32_t testsPassed = 0;
    std::int32_t reserved1 = 0;
    std::int32_t reserved2 = 0;
    std::vector<SessionRecord> sessions;
};

// Nothing comes back when the bytes end before the session count. A history cut short yields
// the sessions that are whole; bytes after the counted sessions are not part of the record.
std::optional<StudentRecord> ParseStudentRecord(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> SerializeStudentRecord(const StudentRecord& record);

} // namespace data
