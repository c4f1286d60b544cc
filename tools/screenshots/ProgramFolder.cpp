#include "ProgramFolder.h"

#include "DataFolderWriter.h"
#include "data/CStudent.h"

#include <cstdio>
#include <filesystem>

namespace screenshots {
namespace {

bool Failed(const char* what, const std::string& why) {
    std::fprintf(stderr, "tallyhop_screenshots: %s: %s\n", what, why.c_str());
    return false;
}

} // namespace

bool PrepareProgramFolder(const platform::fakes::FakePlatform& fakes,
                          const std::string& programFolder) {
    // The pictures, sounds and translations are shared; the test files are copied because every
    // test that begins reshuffles its file on disk.
    std::error_code error;
    for (const char* content : {"Graphics", "Audio", "translations"}) {
        std::filesystem::create_directory_symlink(programFolder + "/" + content,
                                                  fakes.Path(std::string("/") + content), error);
        if (error) {
            return Failed(content, error.message());
        }
    }
    std::filesystem::copy(programFolder + "/Test Data", fakes.Path("/Test Data"), error);
    if (error) {
        return Failed("Test Data", error.message());
    }
    const DataFolderOptions options{
        .programFolder = fakes.BaseFolder(),
        .teachers = {{.students = {{"Mary Ann Smith", "Hop2it", 3, 1}}}}};
    std::string message;
    if (WriteDataFolder(options, message) != DataFolderResult::Written ||
        !GetCurrentStudent().Load("Mary Ann Smith")) {
        return Failed("data folder", message);
    }
    return true;
}

} // namespace screenshots
