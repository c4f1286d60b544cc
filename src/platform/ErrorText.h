#pragma once

#include <string>

namespace platform {

// The system's own text for an error number.
std::string GetErrorText(int code);

} // namespace platform
