#pragma once

#include "ArchiveReader.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace data {

// Admin.nfo and a teacher record share one layout: ID type, password, then a counted list of
// names (the users who may sign in, or the teacher's classes).
struct UserWithNames {
    std::uint32_t idType = 0;
    std::string password;
    std::vector<std::string> names;
};

// A class file: a reserved number, then the counted list of its students' names.
struct ClassFile {
    std::uint32_t reserved = 0;
    std::vector<std::string> students;
};

// Nothing comes back from bytes that end before their fields do; `fault`, when given, receives
// why.
std::optional<UserWithNames> ParseUserWithNames(std::span<const std::uint8_t> bytes,
                                                ArchiveFault* fault = nullptr);
std::vector<std::uint8_t> SerializeUserWithNames(const UserWithNames& record);
std::optional<ClassFile> ParseClassFile(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> SerializeClassFile(const ClassFile& file);

} // namespace data
