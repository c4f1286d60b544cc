#include "TestFileShuffle.h"

#include "ProgramRandom.h"
#include "RecordFile.h"

#include "platform/Files.h"

#include <utility>

namespace data {
namespace {

// Lines end at LF; a CR before it is dropped; a last line without a break counts.
std::vector<std::string> NonEmptyLines(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::string> lines;
    std::string line;
    const auto keep = [&] {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(std::move(line));
        }
        line.clear();
    };
    for (const std::uint8_t byte : bytes) {
        if (byte == '\n') {
            keep();
        } else {
            line += static_cast<char>(byte);
        }
    }
    keep();
    return lines;
}

// Each pick is over all lines, not only over those not yet placed.
void Shuffle(std::vector<std::string>& lines) {
    const std::size_t n = lines.size();
    for (std::size_t i = n > 1 ? n - 1 : 0; i >= 1; --i) {
        const auto r = static_cast<std::size_t>(DrawProgramRandom()) % n;
        std::swap(lines[i], lines[r]);
    }
}

} // namespace

std::optional<std::vector<std::string>> ReadTestFileLines(const std::string& path) {
    const auto bytes = platform::ReadFileBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    return NonEmptyLines(*bytes);
}

std::optional<std::vector<std::string>> ShuffleTestFile(const std::string& path) {
    auto lines = ReadTestFileLines(path);
    if (!lines) {
        return std::nullopt;
    }
    Shuffle(*lines);
    std::vector<std::uint8_t> text;
    for (const std::string& line : *lines) {
        text.insert(text.end(), line.begin(), line.end());
        text.push_back('\r');
        text.push_back('\n');
    }
    ReplaceRecordFile(path, text);
    return lines;
}

} // namespace data
