#include "Windows1252.h"

#include <array>
#include <cstdint>
#include <optional>

namespace data {
namespace {

// The characters of bytes 0x80..0x9F; the other bytes stand for the code point of their value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kMalformed = 0xFFFFFFFF;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes the character starting at `at` and moves past it; malformed input yields kMalformed
// and moves past one byte.
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<std::uint8_t>(text[at++]);
    if (lead < 0x80) {
        return lead;
    }
    // Sequence length, payload bits of the lead byte, and the smallest value that needs it.
    struct Shape {
        std::uint8_t mask, pattern;
        std::size_t extra;
        char32_t smallest;
    };
    constexpr std::array<Shape, 3> kShapes = {
        {{0xE0, 0xC0, 1, 0x80}, {0xF0, 0xE0, 2, 0x800}, {0xF8, 0xF0, 3, 0x10000}}};
    const Shape* shape = nullptr;
    for (const Shape& candidate : kShapes) {
        if ((lead & candidate.mask) == candidate.pattern) {
            shape = &candidate;
        }
    }
    if (shape == nullptr) {
        return kMalformed;
    }
    const std::size_t extra = shape->extra;
    char32_t c = lead & static_cast<std::uint8_t>(~shape->mask);
    if (text.size() - at < extra) {
        return kMalformed;
    }
    for (std::size_t i = 0; i < extra; ++i) {
        const auto next = static_cast<std::uint8_t>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return kMalformed;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < shape->smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return kMalformed;
    }
    at += extra;
    return c;
}

std::optional<char> ToByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<std::uint8_t>(byte);
        AppendUtf8(text, value >= 0x80 && value < 0xA0 ? kHighControls[value - 0x80] : value);
    }
    return text;
}

std::string Utf8ToWindows1252(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        bytes += ToByte(NextCodePoint(text, at)).value_or('?');
    }
    return bytes;
}

bool FitsWindows1252(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        if (!ToByte(NextCodePoint(text, at))) {
            return false;
        }
    }
    return true;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        if (NextCodePoint(text, at) == kMalformed) {
            return false;
        }
    }
    return true;
}

} // namespace data
