#pragma once

#include <string_view>

namespace platform {

inline constexpr std::string_view kOptionNoSound = "-nosound";
inline constexpr std::string_view kOptionDebug = "-debug";
inline constexpr std::string_view kOptionNoFrog = "-nofrog";

// True when `option` occurs anywhere in the whole command line, program path included, with
// exactly this case. Read at the moment it is asked, never remembered.
bool HasOption(std::string_view option);

} // namespace platform
