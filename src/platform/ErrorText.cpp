#include "ErrorText.h"

#include "Language.h"

#include <clocale>
#include <cstring>

namespace platform {

std::string GetErrorText(int code) {
    char buffer[256] = {};
    // The GNU variant may return a static string instead of filling the buffer.
    return strerror_r(code, buffer, sizeof buffer);
}

std::string ShownErrorText(int code) {
    locale_t desktop =
        ProgramLanguage().code.empty() ? nullptr : newlocale(LC_MESSAGES_MASK, "", nullptr);
    if (desktop == nullptr) {
        return GetErrorText(code);
    }
    std::string text = strerror_l(code, desktop);
    freelocale(desktop);
    return text;
}

} // namespace platform
