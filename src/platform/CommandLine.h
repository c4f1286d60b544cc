#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

inline constexpr std::string_view kOptionNoSound = "-nosound";
inline constexpr std::string_view kOptionDebug = "-debug";
inline constexpr std::string_view kOptionNoFrog = "-nofrog";
inline constexpr std::string_view kOptionLanguage = "-lang";

// True when `option` occurs anywhere in the whole command line, program path included, with
// exactly this case. Read at the moment it is asked, never remembered.
bool HasOption(std::string_view option);

// The word after `option` where the option stands as a word of its own ("-lang es" gives "es");
// empty when nothing follows it; nothing when it is not there.
std::optional<std::string> OptionValue(std::string_view option);

} // namespace platform
