#include "ErrorText.h"

#include <cstring>

namespace platform {

std::string GetErrorText(int code) {
    char buffer[256] = {};
    // The GNU variant may return a static string instead of filling the buffer.
    return strerror_r(code, buffer, sizeof buffer);
}

} // namespace platform
