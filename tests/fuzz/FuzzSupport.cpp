#include "FuzzSupport.h"

#include "platform/Files.h"
#include "platform/fakes/FakeServices.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

platform::fakes::FakePlatform& Fakes() {
    static platform::fakes::FakePlatform fakes;
    return fakes;
}

} // namespace

void StartInput() {
    auto& fakes = Fakes();
    std::filesystem::remove_all(fakes.Path("/Data"));
    std::filesystem::create_directories(fakes.Path("/Data"));
    std::filesystem::create_directories(fakes.Path("/Test Data"));
    std::filesystem::remove(fakes.Path("/Error Log.txt"));
    std::filesystem::remove(fakes.Path("/Log.txt"));
    fakes.messageBoxes.shown.clear();
}

std::string FuzzPath(const std::string& relative) {
    return Fakes().Path(relative);
}

void WriteInputFile(const std::string& relative, std::span<const std::uint8_t> bytes) {
    platform::WriteFileBytes(FuzzPath(relative), {bytes.begin(), bytes.end()});
}

void Require(bool promise, const char* what) {
    if (!promise) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}
