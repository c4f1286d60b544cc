#include "data/ArchiveReader.h"
#include "data/ArchiveWriter.h"
#include "data/Windows1252.h"

#include "DataTestSupport.h"

using data::ArchiveFault;
using data::ArchiveReader;
using data::ArchiveWriter;

namespace {

Bytes Written(const std::string& text) {
    ArchiveWriter writer;
    writer.WriteString(text);
    return writer.Bytes();
}

Bytes Concat(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

} // namespace

TEST(ArchiveEncodingTest, IntegersAreLittleEndianWithNothingBetween) {
    ArchiveWriter writer;
    writer.WriteUInt32(0x12345678);
    writer.WriteInt16(-2);
    writer.WriteUInt8(0xAB);
    writer.WriteInt32(-1);
    const Bytes expected = {0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0xAB, 0xFF, 0xFF, 0xFF, 0xFF};
    ASSERT_EQ(writer.Bytes(), expected);

    ArchiveReader reader(expected);
    EXPECT_EQ(reader.ReadUInt32(), 0x12345678u);
    EXPECT_EQ(reader.ReadInt16(), -2);
    EXPECT_EQ(reader.ReadUInt8(), 0xAB);
    EXPECT_EQ(reader.ReadInt32(), -1);
    EXPECT_FALSE(reader.Failed());
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(ArchiveEncodingTest, CountedStringLengthTakesOneThreeOrSevenBytes) {
    EXPECT_EQ(Written(""), Bytes{0x00});
    EXPECT_EQ(Written("Mary"), (Bytes{0x04, 'M', 'a', 'r', 'y'}));
    EXPECT_EQ(Written(std::string(254, 'a')), Concat({0xFE}, Bytes(254, 'a')));
    EXPECT_EQ(Written(std::string(255, 'a')), Concat({0xFF, 0xFF, 0x00}, Bytes(255, 'a')));
    EXPECT_EQ(Written(std::string(0xFFFD, 'a')), Concat({0xFF, 0xFD, 0xFF}, Bytes(0xFFFD, 'a')));
    EXPECT_EQ(Written(std::string(0xFFFE, 'a')),
              Concat({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}, Bytes(0xFFFE, 'a')));
}

TEST(ArchiveEncodingTest, EveryLengthFormIsReadBack) {
    for (const Bytes& stored : {Bytes{0x02, 'h', 'i'}, Bytes{0xFF, 0x02, 0x00, 'h', 'i'},
                                Bytes{0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 'h', 'i'}}) {
        ArchiveReader reader(stored);
        EXPECT_EQ(reader.ReadString(), "hi");
        EXPECT_FALSE(reader.Failed());
    }
    const std::string longText(70000, 'z');
    const Bytes stored = Written(longText);
    ArchiveReader reader(stored);
    EXPECT_EQ(reader.ReadString(), longText);
}

TEST(ArchiveEncodingTest, SixteenBitLengthFFFEIsRefused) {
    const Bytes stored = Concat({0xFF, 0xFE, 0xFF}, Bytes(0xFFFE, 'a'));
    ArchiveReader reader(stored);
    EXPECT_EQ(reader.ReadString(), "");
    EXPECT_EQ(reader.Fault(), ArchiveFault::BadString);
}

TEST(ArchiveEncodingTest, TextIsWindows1252OnDiskAndUtf8InMemory) {
    // é, €, ™ and the typographic quotes live in different parts of the code page.
    EXPECT_EQ(Written("Zoë €5 ™ “q”"),
              (Bytes{12, 'Z', 'o', 0xEB, ' ', 0x80, '5', ' ', 0x99, ' ', 0x93, 'q', 0x94}));
    const Bytes stored = {4, 'J', 0xF6, 'r', 0x8A};
    ArchiveReader reader(stored);
    EXPECT_EQ(reader.ReadString(), "JörŠ");
}

TEST(ArchiveEncodingTest, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const std::string text = data::Windows1252ToUtf8(all);
    EXPECT_TRUE(data::FitsWindows1252(text));
    EXPECT_EQ(data::Utf8ToWindows1252(text), all) << "unassigned bytes such as 0x81 included";
}

TEST(ArchiveEncodingTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_FALSE(data::FitsWindows1252("Łukasz"));
    EXPECT_FALSE(data::FitsWindows1252("\x80"));         // a lone continuation byte
    EXPECT_FALSE(data::FitsWindows1252("\xC0\xAF"));     // an overlong '/'
    EXPECT_FALSE(data::FitsWindows1252("\xED\xA0\x80")); // a surrogate
    EXPECT_FALSE(data::FitsWindows1252("\xC2\x80"));     // U+0080 has no byte of its own
    EXPECT_EQ(Written("Łu😀"), (Bytes{3, '?', 'u', '?'}));
    EXPECT_EQ(data::Utf8ToWindows1252("a\xE2\x82"), "a??") << "a cut-off sequence";
}

TEST(ArchiveEncodingTest, ShortFileFailsTheReaderAndLaterReadsYieldNothing) {
    const Bytes stored = {0x01, 0x02, 0x03, 0x05, 'a', 'b', 'c', 'd', 'e'};
    ArchiveReader reader(stored);
    EXPECT_EQ(reader.ReadUInt32(), 0x05030201u);
    EXPECT_EQ(reader.ReadString(), "") << "only four of five bytes left";
    EXPECT_EQ(reader.Fault(), ArchiveFault::EndOfFile);
    EXPECT_EQ(reader.ReadUInt8(), 0) << "a failed reader reads nothing more";
}

TEST(ArchiveEncodingTest, LengthsAndCountsBeyondTheFileFailBeforeAllocating) {
    const Bytes hugeLength = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'};
    ArchiveReader hugeString(hugeLength);
    EXPECT_EQ(hugeString.ReadString(), "");
    EXPECT_EQ(hugeString.Fault(), ArchiveFault::EndOfFile);

    const Bytes countThenTwoBytes = {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00};
    ArchiveReader hugeCount(countThenTwoBytes);
    EXPECT_EQ(hugeCount.ReadCount(1), 0u);
    EXPECT_TRUE(hugeCount.Failed());

    const Bytes countOfTwo = {0x02, 0x00, 0x00, 0x00, 0x00, 0x00};
    ArchiveReader fittingCount(countOfTwo);
    EXPECT_EQ(fittingCount.ReadCount(1), 2u);
    ArchiveReader tooManyRecords(countOfTwo);
    EXPECT_EQ(tooManyRecords.ReadCount(2), 0u) << "two 2-byte records need four bytes";
}
