#include "BaseFolder.h"

#include "Services.h"

#include <algorithm>
#include <cctype>

namespace platform {
namespace {

std::string Parent(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

std::string BaseFolderOf(const std::string& executablePath) {
    std::string folder = Parent(executablePath);
    const auto slash = folder.rfind('/');
    const std::string last =
        LowerCase(slash == std::string::npos ? folder : folder.substr(slash + 1));
    if (last == "debug" || last == "release") {
        folder = Parent(folder);
    }
    return folder;
}

std::string GetBaseFolder() {
    return BaseFolderOf(GetProcess().ExecutablePath());
}

} // namespace platform
