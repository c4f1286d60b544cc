// Integers are little-endian with nothing between them: every record test compares whole files.
#include "data/ArchiveReader.h"
#include "data/ArchiveWriter.h"
#include "data/Windows1252.h"

#include "DataTestSupport.h"

using data::ArchiveFault;
using data::ArchiveReader;

namespace {

Bytes Written(const std::string& text) {
    data::ArchiveWriter writer;
    writer.WriteString(text);
    return writer.Bytes();
}

using Read = std::pair<std::string, ArchiveFault>;

// The string read from `stored`, and why reading stopped.
Read ReadOne(const Bytes& stored) {
    ArchiveReader reader(stored);
    std::string text = reader.ReadString();
    return {text, reader.Fault()};
}

} // namespace

// A counted string's length takes one, three or seven bytes; each form is read back, even where
// a shorter one would have done, and a three-byte FFFE (the mark of the longer form) is refused.
TEST(ArchiveEncodingTest, CountedStringsAreWrittenInTheShortestLengthFormAndReadInAny) {
    const std::pair<std::string, Bytes> strings[] = {
        {"", {0x00}},
        {"Mary", {0x04, 'M', 'a', 'r', 'y'}},
        {std::string(254, 'a'), Join({{0xFE}, Bytes(254, 'a')})},
        {std::string(255, 'a'), Join({{0xFF, 0xFF, 0x00}, Bytes(255, 'a')})},
        {std::string(0xFFFD, 'a'), Join({{0xFF, 0xFD, 0xFF}, Bytes(0xFFFD, 'a')})},
        {std::string(0xFFFE, 'a'),
         Join({{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}, Bytes(0xFFFE, 'a')})},
    };
    for (const auto& [text, stored] : strings) {
        EXPECT_EQ(Written(text), stored) << text.size();
        EXPECT_EQ(ReadOne(stored), Read(text, ArchiveFault::None)) << text.size();
    }
    for (const Bytes& stored : {Bytes{0xFF, 0x02, 0x00, 'h', 'i'},
                                Bytes{0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 'h', 'i'}}) {
        EXPECT_EQ(ReadOne(stored), Read("hi", ArchiveFault::None));
    }
    const Bytes longText = Join({{0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}, Bytes(70000, 'z')});
    EXPECT_EQ(ReadOne(longText), Read(std::string(70000, 'z'), ArchiveFault::None));
    EXPECT_EQ(ReadOne(Join({{0xFF, 0xFE, 0xFF}, Bytes(0xFFFE, 'a')})),
              Read("", ArchiveFault::BadString));
}

TEST(ArchiveEncodingTest, TextIsWindows1252OnDiskAndUtf8InMemoryAndTheRestQuestionMarks) {
    // é, €, ™ and the typographic quotes live in different parts of the code page.
    EXPECT_EQ(Written("Zoë €5 ™ “q”"),
              (Bytes{12, 'Z', 'o', 0xEB, ' ', 0x80, '5', ' ', 0x99, ' ', 0x93, 'q', 0x94}));
    EXPECT_EQ(ReadOne({4, 'J', 0xF6, 'r', 0x8A}), Read("JörŠ", ArchiveFault::None));
    std::string all; // every byte, unassigned ones such as 0x81 included, survives a round trip
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    EXPECT_TRUE(data::FitsWindows1252(data::Windows1252ToUtf8(all)));
    EXPECT_EQ(data::Utf8ToWindows1252(data::Windows1252ToUtf8(all)), all);

    // Not in the code page, a lone continuation byte, an overlong '/', a surrogate, and U+0080,
    // which has no byte of its own.
    for (const char* text : {"Łukasz", "\x80", "\xC0\xAF", "\xED\xA0\x80", "\xC2\x80"}) {
        EXPECT_FALSE(data::FitsWindows1252(text)) << text;
    }
    EXPECT_EQ(Written("Łu😀"), (Bytes{3, '?', 'u', '?'}));
    EXPECT_EQ(data::Utf8ToWindows1252("a\xE2\x82"), "a??") << "a cut-off sequence";
}

TEST(ArchiveEncodingTest, ShortFilesAndAbsurdLengthsFailBeforeAllocating) {
    const Bytes cutString = {0x01, 0x02, 0x03, 0x05, 'a', 'b', 'c', 'd', 'e'};
    ArchiveReader reader(cutString);
    EXPECT_EQ(reader.ReadUInt32(), 0x05030201u);
    EXPECT_EQ(reader.ReadString(), "") << "only four of five bytes left";
    EXPECT_EQ(reader.Fault(), ArchiveFault::EndOfFile);
    EXPECT_EQ(reader.ReadUInt8(), 0) << "a failed reader reads nothing more";

    EXPECT_EQ(ReadOne({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}),
              Read("", ArchiveFault::EndOfFile));
    const Bytes countThenTwoBytes = {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00};
    ArchiveReader hugeCount(countThenTwoBytes);
    EXPECT_EQ(hugeCount.ReadCount(1), 0u);
    EXPECT_TRUE(hugeCount.Failed());
    const Bytes countOfTwo = {0x02, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(ArchiveReader(countOfTwo).ReadCount(1), 2u);
    EXPECT_EQ(ArchiveReader(countOfTwo).ReadCount(2), 0u) << "two 2-byte records need four bytes";
}
