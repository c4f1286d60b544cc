#include "ProgramFolder.h"

#include "DataFolderWriter.h"
#include "data/CStudent.h"

#include <cstdio>
#include <filesystem>

namespace screenshots {

bool PrepareProgramFolder(const platform::fakes::FakePlatform& fakes,
                          const std::string& programFolder) {
    // The pictures and sounds are shared; the test files are copied because every test that
    // begins reshuffles its file on disk.
    std::error_code error;
    for (const char* content : {"Graphics", "Audio"}) {
        std::filesystem::create_directory_symlink(programFolder + "/" + content,
                                                  fakes.Path(std::string("/") + content), error);
        if (error) {
            std::fprintf(stderr, "tallyhop_screenshots: %s: %s\n", content,
                         error.message().c_str());
            return false;
        }
    }
    std::filesystem::copy(programFolder + "/Test Data", fakes.Path("/Test Data"), error);
    if (error) {
        std::fprintf(stderr, "tallyhop_screenshots: Test Data: %s\n", error.message().c_str());
        return false;
    }
    DataFolderOptions options{.programFolder = fakes.BaseFolder()};
    options.students.push_back({"Mary Ann Smith", "Hop2it", 3, 1});
    std::string message;
    if (WriteDataFolder(options, message) != DataFolderResult::Written ||
        !GetCurrentStudent().Load("Mary Ann Smith")) {
        std::fprintf(stderr, "tallyhop_screenshots: data folder: %s\n", message.c_str());
        return false;
    }
    return true;
}

} // namespace screenshots
