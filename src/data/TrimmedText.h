#pragma once

#include <string_view>

namespace data {

// `text` without the `blanks` before and after it.
inline std::string_view Trimmed(std::string_view text, std::string_view blanks = " \t") {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) + 1 - first);
}

} // namespace data
