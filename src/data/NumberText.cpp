#include "NumberText.h"

#include "TrimmedText.h"

#include <charconv>

namespace data {

std::optional<int> NumberIn(std::string_view text, int lowest, int highest) {
    text = Trimmed(text);
    if (text.empty()) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failure != std::errc() || end != text.data() + text.size() || value < lowest ||
        value > highest) {
        return std::nullopt;
    }
    return value;
}

} // namespace data
