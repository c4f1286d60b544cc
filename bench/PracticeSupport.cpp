#include "PracticeSupport.h"

#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "data/StudentRecordFile.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/CPictureButton.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

void SignInNewStudent() {
    data::StudentRecord record;
    record.password = "pw";
    record.level = kAddition;
    const std::string path = CUserManager::GetInfoFilePath("Pat Lee");
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const auto bytes = data::SerializeStudentRecord(record);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    GetCurrentStudent().Load("Pat Lee");
}

void PreparePracticeFolder(const platform::fakes::FakePlatform& fakes) {
    std::filesystem::create_directory_symlink(TALLYHOP_PROGRAM_DIR "/Graphics",
                                              fakes.Path("/Graphics"));
    std::filesystem::create_directories(fakes.Path("/Test Data"));
    std::ofstream facts(fakes.Path("/Test Data/addition.txt"), std::ios::binary);
    for (int a = 0; a <= 9; ++a) {
        for (int b = 0; b <= 9; ++b) {
            facts << a << " + " << b << "\r\n";
        }
    }
    SignInNewStudent();
}

CPictureButton& StandardKey(CNumberPadCtl& pad, int answer) {
    for (CPictureButton* key : pad.findChildren<CPictureButton*>()) {
        if (key->CommandId() == answer + 1) {
            return *key;
        }
    }
    std::abort();
}
