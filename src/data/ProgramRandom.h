#pragma once

#include <cstdint>
#include <cstdlib>

namespace data {

// The program's one source of chance: rand(), seeded once at start-up from the clock. The test
// files' shuffle and the My Facts plans both draw from it, so a run seeded alike orders alike.
inline std::uint32_t DrawProgramRandom() {
    return static_cast<std::uint32_t>(std::rand());
}

} // namespace data
