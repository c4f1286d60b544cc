#include "FolderContent.h"

#include "platform/Files.h"

#include <filesystem>

std::map<std::string, std::vector<std::uint8_t>> FolderContent(const std::string& folder) {
    std::map<std::string, std::vector<std::uint8_t>> content;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        content[entry.path().filename()] =
            platform::ReadFileBytes(entry.path()).value_or(std::vector<std::uint8_t>{});
    }
    return content;
}
