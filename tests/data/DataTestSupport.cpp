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
