#pragma once

#include <optional>
#include <string_view>

namespace data {

// The whole number `text` writes, blanks around it aside, when it is from `lowest` to `highest`;
// nothing for anything else.
std::optional<int> NumberIn(std::string_view text, int lowest, int highest);

} // namespace data
