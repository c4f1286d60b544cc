#include "StudentSupport.h"

#include "data/CStudent.h"
#include "data/CUserManager.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace guitest {

data::StudentRecord NewStudentRecord(std::int32_t level, std::int32_t testsPassed) {
    data::StudentRecord record;
    record.password = "pw";
    record.classKey = "Pat JonesUsers";
    record.level = level;
    record.testsPassed = testsPassed;
    return record;
}

void SignInStudent(const std::string& name, std::int32_t level, std::int32_t testsPassed) {
    const std::filesystem::path path = CUserManager::GetInfoFilePath(name);
    std::filesystem::create_directories(path.parent_path());
    const std::vector<std::uint8_t> bytes =
        data::SerializeStudentRecord(NewStudentRecord(level, testsPassed));
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(GetCurrentStudent().Load(name));
}

} // namespace guitest
