#include "DataTestSupport.h"

#include "ChildProcess.h"
#include "data/FactFluency.h"

#include <sys/stat.h>

using data::FactFluency;
using data::Fluency;
using data::TryOutcome;
using testing::MatchesRegex;
constexpr auto R = TryOutcome::Right;
constexpr auto W = TryOutcome::Wrong;
constexpr auto N = TryOutcome::NotKnown;

namespace {

class FactFluencyTest : public DataTest {
protected:
    FactFluencyTest() { WriteStudent("Bo", StudentFile("Kiwi", 1, 0)); }

    // Bo as a fresh load finds him, with no error log yet.
    CStudent& LoadBo() {
        std::filesystem::remove(fakes.Path("/Error Log.txt"));
        EXPECT_TRUE(student.Load("Bo"));
        return student;
    }

    CStudent student;
};

// A first try at 7 + 5 after each of `times` ms, right unless the time is odd.
FactFluency Tried(const std::vector<std::uint32_t>& times) {
    FactFluency fluency;
    for (const std::uint32_t ms : times) {
        fluency.RecordFirstTry(Fact(7, 5), ms % 2 == 0, ms);
    }
    return fluency;
}

const data::FactTimes& SevenPlusFive(const FactFluency& fluency) {
    return *fluency.Find(data::KeyOf(Fact(7, 5)));
}

std::vector<TryOutcome> OutcomesOf(const data::FactTimes& times) {
    return {times.KeptOutcomes().begin(), times.KeptOutcomes().end()};
}

// One fact of 7 + 5 as a version-1 record stored it: counts, last-right flag and five times.
Bytes VersionOneRecord(std::uint32_t shown, std::uint32_t right, bool lastRight,
                       const std::vector<std::uint32_t>& kept) {
    Bytes times;
    for (std::size_t slot = 0; slot < data::kKeptTimes; ++slot) {
        times = Join({times, U32(slot < kept.size() ? kept[slot] : 0)});
    }
    return Join({BytesOf("TLYF"),
                 U16s({1}),
                 U32(1),
                 U32(kPlus),
                 U16s({7, 5}),
                 U32(shown),
                 U32(right),
                 {static_cast<std::uint8_t>(lastRight)},
                 {static_cast<std::uint8_t>(kept.size())},
                 times});
}

// Which file of which size and time stands at `path`.
std::tuple<ino_t, off_t, long> Identity(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return {info.st_ino, info.st_size, info.st_mtim.tv_nsec};
}

// Places in the version-2 record: the count of facts, the first fact, a fact's size, and within
// a fact the operation, right first tries, last-right flag, kept count and first kept outcome.
constexpr std::size_t kCountAt = 6, kFirstFact = 10, kFactSize = 47;
constexpr std::size_t kRightAt = 12, kLastRightAt = 16, kKeptCountAt = 17, kFirstOutcomeAt = 26;

} // namespace

// A write that fails keeps the tries for the next and loses nothing on disk.
TEST_F(FactFluencyTest, FirstTriesSurviveTheFileWithTheirOutcomesAndTheDateOfTheLast) {
    LoadBo();
    EXPECT_TRUE(student.SaveFluency());
    EXPECT_FALSE(platform::FileExists(DataPath("Bo.flu"))) << "nothing to write";
    for (const std::uint32_t ms : {1000u, 2000u, 3000u, 4000u, 5000u, 6001u}) {
        student.RecordFirstTry(Fact(7, 5, kPlus, 12), ms != 6001u, ms);
        fakes.clock.seconds += 86'400;
    }
    student.RecordFirstTry(Fact(6, 3, kDividedBy, 2), true, 900);
    student.RecordFirstTry(Fact(3, 6, kDividedBy), false, 15'000);
    ASSERT_TRUE(student.SaveFluency());
    EXPECT_EQ(ReadFile(DataPath("Bo.flu")).size(), 10 + 3 * kFactSize);

    const auto loaded = LoadedStudent("Bo");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->GetFluency(), student.GetFluency());
    EXPECT_EQ(loaded->GetFluency().Facts().size(), 3u) << "6 / 3 and 3 / 6 are different facts";
    const data::FactTimes& times = SevenPlusFive(loaded->GetFluency());
    EXPECT_EQ(std::tuple(times.shown, times.rightFirstTry, times.lastFirstTryRight),
              std::tuple(6u, 5u, false));
    EXPECT_THAT(times.Kept(), ElementsAre(2000, 3000, 4000, 5000, 6001));
    EXPECT_THAT(OutcomesOf(times), ElementsAre(R, R, R, R, W));
    EXPECT_EQ(times.lastTried, 1'700'000'000u + 5 * 86'400) << "the day of the sixth try";
    EXPECT_THAT(ErrorRecords(), IsEmpty());

    const Bytes before = ReadFile(DataPath("Bo.flu"));
    student.RecordFirstTry(Fact(2, 3), false, 700);
    const std::string temporary = platform::TemporaryPathFor(DataPath("Bo.flu"));
    std::filesystem::create_directories(temporary + "/in the way");
    EXPECT_FALSE(student.SaveFluency());
    EXPECT_EQ(ReadFile(DataPath("Bo.flu")), before);
    EXPECT_TRUE(student.GetFluency().Unsaved());
    std::filesystem::remove_all(temporary);
    EXPECT_TRUE(student.SaveFluency());
    EXPECT_EQ(LoadedStudent("Bo")->GetFluency().Facts().size(), 4u);
}

// Fluent is what the legend says: right on the first try, and fast when right.
TEST_F(FactFluencyTest, OnlyRightFirstTriesMakeAFactFluentHoweverFastTheWrongOnesCame) {
    struct Case {
        std::vector<std::uint32_t> times; // odd: wrong
        Fluency fluency;
        std::optional<std::uint32_t> median;
    };
    const Case cases[] = {
        {{3000}, Fluency::Fluent, 3000},
        {{3002}, Fluency::Slow, 3002},
        {{1000, 1000, 1001}, Fluency::Missed, 1000}, // the last first try was wrong
        {{701, 801, 6000}, Fluency::Slow, 6000},     // wrong fast, then right slow
        {{701, 801, 901, 1001, 6000}, Fluency::Slow, 6000},
        {{5001, 5001, 5001, 2000}, Fluency::Fluent, 2000},
        {{9000, 1000, 9000, 2000}, Fluency::Slow, 5500},
        {{2000, 3500}, Fluency::Fluent, 2750}, // the mean of the middle two
        {{9000, 1000, 9000, 2000, 3000}, Fluency::Fluent, 3000},
        {{8000, 1001, 2000, 2000, 2000, 2000}, Fluency::Fluent, 2000}, // 8000 left
        {{4'294'967'294u, 4'294'967'294u}, Fluency::Slow, 4'294'967'294u},
        {{1001, 3001}, Fluency::Missed, std::nullopt}, // none right
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.times));
        const FactFluency tried = Tried(c.times);
        const data::FactTimes& times = SevenPlusFive(tried);
        EXPECT_EQ(data::FluencyOf(&times, false), c.fluency);
        EXPECT_EQ(data::MedianMs(times), c.median);
    }
    const FactFluency quick = Tried({2000});
    EXPECT_EQ(data::FluencyOf(&SevenPlusFive(quick), true), Fluency::Missed) << "listed";
    EXPECT_EQ(data::FluencyOf(nullptr, false), Fluency::NotSeen);
    EXPECT_EQ(data::FluencyOf(nullptr, true), Fluency::Missed) << "listed before times were kept";
}

// A version-1 record kept times without saying which tries were right: what the counts tell is
// used, and a fact is fluent only when it would be however the others went.
TEST_F(FactFluencyTest, AVersionOneRecordIsReadWithWhatItsCountsTellOfEachTime) {
    using enum Fluency;
    struct Case {
        std::uint32_t shown, right;
        bool lastRight;
        std::vector<std::uint32_t> kept;
        std::vector<TryOutcome> outcomes;
        Fluency fluency;
    };
    const Case cases[] = {
        {2, 2, true, {1000, 2000}, {R, R}, Fluent},          // every try right
        {3, 1, true, {700, 800, 6000}, {W, W, R}, Slow},     // two fast wrong, then right slowly
        {3, 2, true, {6000, 700, 1000}, {N, N, R}, Slow},    // one of two right: maybe the slow one
        {3, 2, true, {2000, 2500, 1000}, {N, N, R}, Fluent}, // one of two right: quick either way
        {4, 3, false, {1000, 5000, 700}, {R, R, W}, Missed}, // the last wrong, the others right
        {9, 8, true, {1, 2, 3, 4, 5}, {N, N, N, N, R}, Fluent}, // the times of the last five
        {3, 3, true, {}, {}, Slow},                             // no times kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.kept));
        const auto decoded =
            data::DecodeFluency(VersionOneRecord(c.shown, c.right, c.lastRight, c.kept));
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->version, 1);
        ASSERT_THAT(decoded->badFacts, IsEmpty());
        const data::FactTimes& times = SevenPlusFive(decoded->fluency);
        EXPECT_EQ(OutcomesOf(times), c.outcomes);
        EXPECT_EQ(times.lastTried, 0u) << "not known";
        EXPECT_EQ(data::FluencyOf(&times, false), c.fluency);
        const auto again = data::DecodeFluency(data::EncodeFluency(decoded->fluency));
        ASSERT_TRUE(again);
        EXPECT_EQ(std::pair(again->version, again->fluency),
                  std::pair(data::kFluencyVersion, decoded->fluency))
            << "written in the newest version";
    }
}

// The record is the program's own: bytes framed otherwise than a record of a known version, a
// fact with values this program never writes, a file that cannot be opened or is far too large
// to be one, are each noted once in the error log and never shown to the child. What can be
// trusted is kept; the file, and a copy left beside it by a crash, stay as they are until the
// next first try is written.
TEST_F(FactFluencyTest, WhatCannotBeTrustedInTheRecordIsLoggedOnceLeftOutAndKeptUntilRewritten) {
    FactFluency three = Tried({1000});
    three.RecordFirstTry(Fact(5, 7), true, 800);
    three.RecordFirstTry(Fact(2, 9), false, 900);
    const Bytes good = data::EncodeFluency(three); // 2 + 9, 5 + 7, 7 + 5 in this order
    const auto changed = [&](std::size_t offset, std::uint8_t value) {
        Bytes bytes = good;
        bytes[offset] = value;
        return bytes;
    };
    const auto second = [&](std::size_t offset, std::uint8_t value) {
        return changed(kFirstFact + kFactSize + offset, value);
    };
    Bytes sameFactTwice = good;
    std::copy_n(good.begin() + kFirstFact + 2 * kFactSize, 8,
                sameFactTwice.begin() + kFirstFact + kFactSize);
    Bytes allBad = Join({BytesOf("TLYF"), U16s({2}), U32(12), Bytes(12 * kFactSize, 0)});
    const std::string path = DataPath("Bo.flu");
    const std::string afresh = "; its response times start afresh\\.";
    const std::string damaged = ".*Could not read .*/Bo\\.flu" + afresh;
    const auto leftOut = [](const std::string& number) {
        return ".*Left out 1 damaged fact of .*/Bo\\.flu \\(number " + number +
               "\\); its other facts were read\\.";
    };
    struct Case {
        std::string what;
        Bytes bytes;
        std::size_t factsKept;
        std::string logged;
        bool folder = false;        // a folder in the file's place: the next write fails
        std::uintmax_t sizedTo = 0; // the file made this large after writing
    };
    std::vector<Case> cases{
        {"a byte too many", Join({good, {0}}), 0, damaged},
        {"not this kind of file", changed(0, 'X'), 0, damaged},
        {"a later version", changed(4, 3), 0, damaged},
        {"no such version", changed(4, 0), 0, damaged},
        {"more facts than bytes", changed(kCountAt, 4), 0, damaged},
        {"fewer facts than bytes", changed(kCountAt, 0), 0, damaged},
        {"versions mixed", Join({good, VersionOneRecord(1, 1, true, {1000})}), 0, damaged},
        {"no such operation", second(0, 4), 2, leftOut("2")},
        {"right more often than tried", second(kRightAt, 3), 2, leftOut("2")},
        {"last-right flag not a flag", changed(kFirstFact + kLastRightAt, 2), 2, leftOut("1")},
        {"more times than are kept", second(kKeptCountAt, 6), 2, leftOut("2")},
        {"no such outcome", second(kFirstOutcomeAt, 3), 2, leftOut("2")},
        {"the last time wrong, the last try right", second(kFirstOutcomeAt, 0), 2, leftOut("2")},
        {"the same fact twice", sameFactTwice, 2, leftOut("3")},
        {"nothing but bad facts: the first ten are named", allBad, 0,
         ".*Left out 12 damaged facts of .*/Bo\\.flu \\(number 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, "
         "\\.\\.\\.\\); its other facts were read\\."},
        {"a folder in its place", {}, 0, ".*Could not open .*/Bo\\.flu" + afresh, true},
        {"just over 1 MB", Bytes(static_cast<std::size_t>(data::kMostFluencyBytes) + 1, 0), 0,
         ".*Did not read .*/Bo\\.flu, over 1 MB: no record of times" + afresh},
        {"500 MB, never read", good, 0, ".*Did not read .*" + afresh, false,
         500 * data::kMostFluencyBytes},
    };
    for (const std::size_t size : {0, 3, 4, 6, 9, 10, 56, 57, 150}) {
        cases.push_back({"cut to " + std::to_string(size) + " bytes",
                         Bytes(good.begin(), good.begin() + size), 0, damaged});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(path);
        c.folder ? void(std::filesystem::create_directories(path + "/in it"))
                 : WriteFile(path, c.bytes);
        if (c.sizedTo > 0) {
            std::filesystem::resize_file(path, c.sizedTo);
        }
        const auto before = Identity(path);
        WriteFile(path + "tmp", good); // left by a crash
        LoadBo();
        EXPECT_EQ(student.GetFluency().Facts().size(), c.factsKept);
        EXPECT_EQ(c.factsKept > 0, student.GetFluency().Find(data::KeyOf(Fact(7, 5))) != nullptr);
        EXPECT_THAT(ErrorRecords(), ElementsAre(MatchesRegex(c.logged)));
        EXPECT_TRUE(student.SaveFluency());
        EXPECT_EQ(Identity(path), before) << "kept until a try";
        student.RecordFirstTry(Fact(2, 2), true, 700);
        EXPECT_EQ(student.SaveFluency(), !c.folder);
        EXPECT_THAT(fakes.messageBoxes.Texts(), IsEmpty()) << "not at the session's end either";
        EXPECT_EQ(ReadFile(path + "tmp"), good) << "the copy is left alone";
        EXPECT_EQ(data::ReadFluencyFile(path).state,
                  !c.folder ? data::FluencyFileState::Read : data::FluencyFileState::NotOpened);
    }
}

// Root reads whatever the permissions say: the user the record is closed to is someone else.
TEST_F(FactFluencyTest, ARecordTheUserMayNotReadIsLoggedAndStartsAfresh) {
    WriteFile(DataPath("Bo.flu"), data::EncodeFluency(Tried({1000})));
    std::filesystem::permissions(DataPath("Bo.flu"), std::filesystem::perms::none);
    const std::string answer = RunAsPlainUser([this] {
        const std::string facts = std::to_string(LoadBo().GetFluency().Facts().size());
        return facts + " facts, " + testing::PrintToString(fakes.messageBoxes.Texts()) + ", " +
               testing::PrintToString(ErrorRecords());
    });
    EXPECT_THAT(answer, MatchesRegex("0 facts, \\{\\}, \\{ \".*Could not open .*/Bo\\.flu; its "
                                     "response times start afresh\\.\" \\}"));
}
