#include "platform/Logs.h"
#include "PlatformTestSupport.h"

#include <atomic>
#include <cstdlib>
#include <numeric>
#include <thread>

namespace {

std::vector<std::uint8_t> Counting(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    }
    return bytes;
}

class LogsTest : public testing::Test {
protected:
    platform::fakes::FakePlatform fakes;
    std::string errorLog = fakes.Path("/Error Log.txt");
    std::string traceLog = fakes.Path("/Log.txt");
};

} // namespace

TEST_F(LogsTest, RecordsAreByteExactWithPaddedStampsAndAppend) {
    platform::WriteErrorLog("Data classes\\Cstudent", 266, "  Problem creating main window.");
    platform::WriteErrorLog("Cteacher", 5, "Name of file: x\n| Cause: y");
    EXPECT_EQ(FileText(errorLog),
              "03.07.2003 14:05  Cstudent Line 266 :   Problem creating main window.\r\n"
              "03.07.2003 14:05  Cteacher Line 5 : Name of file: x\n| Cause: y\r\n");

    fakes.clock.now = {2026, 12, 6, 9, 3, 59};
    platform::WriteTraceLog("CMainWindow()", 0);
    fakes.clock.now = {2027, 1, 31, 23, 0, 0};
    platform::WriteTraceLog("a\\b\\Ctallyhopapp", 12);
    EXPECT_EQ(FileText(traceLog), "12.06.2026 09:03  CMainWindow() Line 0\r\n"
                                  "01.31.2027 23:00  Ctallyhopapp Line 12\r\n");
}

// A deleted log is created anew, an existing one found whatever its case; a read-only error log is
// written all the same, a read-only trace log loses its records.
TEST_F(LogsTest, LogsAreFoundOrCreatedAnewAndOnlyTheErrorLogIsWrittenWhenReadOnly) {
    platform::WriteTraceLog("X", 1);
    platform::WriteErrorLog("X", 1, "m");
    std::filesystem::remove(traceLog);
    std::filesystem::remove(errorLog);
    platform::WriteTraceLog("X", 2);
    platform::WriteErrorLog("X", 2, "n");
    EXPECT_EQ(FileText(errorLog), "03.07.2003 14:05  X Line 2 : n\r\n");
    const std::string upper = fakes.Path("/LOG.TXT");
    std::filesystem::rename(traceLog, upper);
    platform::WriteTraceLog("X", 3);
    EXPECT_EQ(FileText(upper), "03.07.2003 14:05  X Line 2\r\n03.07.2003 14:05  X Line 3\r\n");

    ::chmod(errorLog.c_str(), 0444);
    ::chmod(upper.c_str(), 0444);
    platform::WriteErrorLog("X", 4, "o");
    platform::WriteTraceLog("X", 4);
    EXPECT_NE(FileText(errorLog).find("X Line 4 : o"), std::string::npos);
    EXPECT_FALSE(platform::IsReadOnly(errorLog));
    EXPECT_EQ(FileText(upper), "03.07.2003 14:05  X Line 2\r\n03.07.2003 14:05  X Line 3\r\n");
    EXPECT_TRUE(platform::IsReadOnly(upper));
}

TEST_F(LogsTest, TrimKeepsTheLastBytesOnceTheLimitIsReached) {
    const struct {
        std::size_t size;
        std::size_t expected;
    } cases[] = {{511'999, 511'999}, {512'000, 479'232}, {2'000'000, 479'232}, {0, 0}};
    for (const auto& c : cases) {
        const auto original = Counting(c.size);
        ASSERT_TRUE(platform::WriteFileBytes(traceLog, original));
        platform::TrimLogFile(fakes.Path("/log.txt"), 512'000, 32'768);
        const auto kept = platform::ReadFileBytes(traceLog);
        ASSERT_TRUE(kept);
        EXPECT_EQ(kept->size(), c.expected) << c.size;
        EXPECT_TRUE(
            std::equal(kept->begin(), kept->end(), original.end() - static_cast<long>(c.expected)))
            << "the newest bytes are kept, for a log of " << c.size;
    }
}

// Another desk appends while this one trims its log at start-up: every record of it stays whole,
// in order.
TEST_F(LogsTest, TrimLosesNoRecordOfASecondWriter) {
    constexpr int kRecords = 1000;
    constexpr std::int64_t kLimit = 16 << 20;
    ASSERT_TRUE(platform::WriteFileBytes(traceLog, std::vector<std::uint8_t>(kLimit, '.')));
    std::atomic<int> written = 0;
    std::thread otherDesk([&written] {
        for (int line = 0; line < kRecords; ++line) {
            platform::WriteTraceLog("Other", line);
            ++written;
        }
    });
    while (written < 10) {
        std::this_thread::yield();
    }
    platform::TrimLogFile(traceLog, kLimit, kLimit / 2);
    otherDesk.join();
    const std::string log = FileText(traceLog);
    EXPECT_LT(log.size(), kLimit) << "trimmed";
    std::vector<int> lines;
    for (std::size_t at = log.find(" Other Line "); at != std::string::npos;
         at = log.find(" Other Line ", at + 1)) {
        lines.push_back(std::atoi(log.c_str() + at + 12));
    }
    std::vector<int> expected(kRecords);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(lines, expected) << lines.size() << " records found";
}

TEST_F(LogsTest, TrimOfAMissingUnreadableOrReadOnlyLogChangesNothing) {
    platform::TrimLogFile(traceLog, 10, 5);
    EXPECT_FALSE(platform::FileExists(traceLog));

    const auto original = Counting(600);
    platform::WriteFileBytes(traceLog, original);
    ::chmod(traceLog.c_str(), 0444);
    platform::TrimLogFile(traceLog, 100, 10);
    EXPECT_EQ(platform::ReadFileBytes(traceLog), original);

    // A folder in the log's place has a size but cannot be read as a file.
    std::filesystem::remove(traceLog);
    std::filesystem::create_directory(traceLog);
    std::ofstream(traceLog + "/inside") << "x";
    platform::TrimLogFile(traceLog, 1, 0);
    EXPECT_TRUE(platform::FileExists(traceLog + "/inside"));
}
