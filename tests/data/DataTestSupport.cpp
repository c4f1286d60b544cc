#include "DataTestSupport.h"

#include "platform/Files.h"

#include <filesystem>
#include <sstream>

DataTest::DataTest() {
    std::filesystem::create_directories(fakes.Path("/Data"));
    std::filesystem::create_directories(fakes.Path("/Test Data"));
}

std::vector<std::string> DataTest::ErrorRecords() const {
    const auto bytes = platform::ReadFileBytes(fakes.Path("/Error Log.txt"));
    std::vector<std::string> records;
    std::istringstream log(bytes ? TextOf(*bytes) : std::string());
    for (std::string line; std::getline(log, line);) {
        // "MM.DD.YYYY hh:mm  " is 18 characters; the record ends in CR LF.
        records.push_back(line.substr(18, line.size() - 19));
    }
    return records;
}

Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

std::string TextOf(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    ASSERT_TRUE(platform::WriteFileBytes(path, bytes)) << path;
}

Bytes ReadFile(const std::string& path) {
    const auto bytes = platform::ReadFileBytes(path);
    EXPECT_TRUE(bytes.has_value()) << path << " is missing";
    return bytes.value_or(Bytes{});
}

Bytes U32(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

Bytes Counted(const std::string& text) {
    EXPECT_LT(text.size(), 255u) << "a one-byte length";
    return Join({{static_cast<std::uint8_t>(text.size())}, BytesOf(text)});
}

Bytes Join(std::initializer_list<Bytes> pieces) {
    Bytes joined;
    for (const Bytes& piece : pieces) {
        joined.insert(joined.end(), piece.begin(), piece.end());
    }
    return joined;
}

Bytes U16(std::uint16_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
}

Bytes SessionBytes(const SessionFields& s) {
    return Join({U32(s.time),
                 U16(s.correct),
                 U16(s.answered),
                 U16(s.level),
                 U16(s.testsPassedBefore),
                 U16(s.duration),
                 {s.flag, 0},
                 U16(s.mistakesAtStart),
                 U16(s.completed),
                 U16(s.mistakesLeft),
                 U16(s.goal),
                 U32(s.type)});
}

Bytes StudentFile(const std::string& password, std::uint32_t level, std::uint32_t testsPassed,
                  const std::vector<Bytes>& sessions, int storedCount) {
    Bytes bytes = Join({U32(3), Counted(password), Counted("Pat JonesUsers"), U32(level),
                        U32(testsPassed), U32(0), U32(0),
                        U32(storedCount < 0 ? static_cast<std::uint32_t>(sessions.size())
                                            : static_cast<std::uint32_t>(storedCount))});
    for (const Bytes& session : sessions) {
        bytes = Join({bytes, session});
    }
    return bytes;
}

Bytes ProblemBytes(int a, int b, int operation, int entered, int correct, int missCount,
                   int streak) {
    const auto u16 = [](int value) {
        return U16(static_cast<std::uint16_t>(value));
    };
    return Join({u16(a), u16(b), U32(static_cast<std::uint32_t>(operation)), u16(entered),
                 u16(correct), u16(missCount), u16(streak)});
}

Bytes CountedNames(const std::vector<std::string>& names) {
    Bytes bytes = U32(static_cast<std::uint32_t>(names.size()));
    for (const auto& name : names) {
        bytes = Join({bytes, Counted(name)});
    }
    return bytes;
}
