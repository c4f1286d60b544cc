#include "StudentSupport.h"

#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "data/StudentRecordFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace guitest {

void SignInStudent(const std::string& name, std::int32_t level, std::int32_t testsPassed) {
    data::StudentRecord record;
    record.password = "pw";
    record.classKey = "Pat JonesUsers";
    record.level = level;
    record.testsPassed = testsPassed;
    const std::filesystem::path path = CUserManager::GetInfoFilePath(name);
    std::filesystem::create_directories(path.parent_path());
    const std::vector<std::uint8_t> bytes = data::SerializeStudentRecord(record);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(GetCurrentStudent().Load(name));
}

} // namespace guitest
