#include "CommandLine.h"

#include "Services.h"

namespace platform {

bool HasOption(std::string_view option) {
    return GetProcess().CommandLine().find(option) != std::string::npos;
}

} // namespace platform
