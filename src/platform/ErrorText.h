#pragma once

#include <string>

namespace platform {

// The system's own text for an error number, in English (the C library keeps English texts for
// the logs).
std::string GetErrorText(int code);
// The same for a message a person reads: in the desktop's language while the program speaks a
// translation, in English otherwise.
std::string ShownErrorText(int code);

} // namespace platform
