#include "StudentSupport.h"

#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "platform/Files.h"

#include <filesystem>
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
    ASSERT_TRUE(platform::WriteFileBytes(
        path.string(), data::SerializeStudentRecord(NewStudentRecord(level, testsPassed))));
    ASSERT_TRUE(GetCurrentStudent().Load(name));
}

} // namespace guitest
