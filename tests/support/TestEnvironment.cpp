#include "TestEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

void PrepareTestEnvironment() {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        const auto folder = std::filesystem::temp_directory_path() /
                            ("tallyhop-runtime-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    }
}
