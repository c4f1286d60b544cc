#include "CommandLine.h"

#include "Services.h"

#include <sstream>

namespace platform {

bool HasOption(std::string_view option) {
    return GetProcess().CommandLine().find(option) != std::string::npos;
}

std::optional<std::string> OptionValue(std::string_view option) {
    std::istringstream words(GetProcess().CommandLine());
    std::string word;
    while (words >> word) {
        if (word == option) {
            std::string value;
            words >> value;
            return value;
        }
    }
    return std::nullopt;
}

} // namespace platform
