#include "DataTestSupport.h"

#include "data/FactFluency.h"

#include <unistd.h>

using data::FactFluency;
using data::Fluency;
using data::FluencyOf;
using data::TryOutcome;

namespace {

class FactFluencyTest : public DataTest {
protected:
    FactFluencyTest() { WriteStudent("Bo", StudentFile("Kiwi", 1, 0)); }

    CStudent& LoadBo() {
        EXPECT_TRUE(student.Load("Bo"));
        return student;
    }

    // A first try at 7 + 5 after each of `times` ms, right unless the time is odd.
    static FactFluency Tried(const std::vector<std::uint32_t>& times) {
        FactFluency fluency;
        for (const std::uint32_t ms : times) {
            fluency.RecordFirstTry(Fact(7, 5), ms % 2 == 0, ms);
        }
        return fluency;
    }

    static const data::FactTimes& SevenPlusFive(const FactFluency& fluency) {
        return *fluency.Find(data::KeyOf(Fact(7, 5)));
    }

    CStudent student;
};

std::vector<std::uint32_t> KeptOf(const data::FactTimes& times) {
    return {times.Kept().begin(), times.Kept().end()};
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
                 {static_cast<std::uint8_t>(lastRight ? 1 : 0)},
                 {static_cast<std::uint8_t>(kept.size())},
                 times});
}

// Bytes of the fact map's record where a place is what it stands for (version 2).
constexpr std::size_t kCountAt = 6;
constexpr std::size_t kFirstFact = 10;
constexpr std::size_t kFactSize = 47;
constexpr std::size_t kOperationAt = 0;
constexpr std::size_t kRightAt = 12;
constexpr std::size_t kLastRightAt = 16;
constexpr std::size_t kKeptCountAt = 17;
constexpr std::size_t kFirstOutcomeAt = 26;

} // namespace

TEST_F(FactFluencyTest, FirstTriesSurviveTheFileWithTheirOutcomesAndTheDateOfTheLast) {
    LoadBo();
    EXPECT_TRUE(student.GetFluency().Facts().empty()) << "a student from before has no record";
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
    const data::FactTimes& times = SevenPlusFive(loaded->GetFluency());
    EXPECT_EQ(std::tuple(times.shown, times.rightFirstTry, times.lastFirstTryRight),
              std::tuple(6u, 5u, false));
    EXPECT_THAT(KeptOf(times), ElementsAre(2000, 3000, 4000, 5000, 6001));
    EXPECT_THAT(OutcomesOf(times),
                ElementsAre(TryOutcome::Right, TryOutcome::Right, TryOutcome::Right,
                            TryOutcome::Right, TryOutcome::Wrong));
    EXPECT_EQ(times.lastTried, 1'700'000'000u + 5 * 86'400) << "the day of the sixth try";
    EXPECT_EQ(loaded->GetFluency().Facts().size(), 3u) << "6 / 3 and 3 / 6 are different facts";
    EXPECT_THAT(ErrorRecords(), IsEmpty());
}

// Fluent is what the legend says: right on the first try, and fast when right.
TEST_F(FactFluencyTest, OnlyRightFirstTriesMakeAFactFluentHoweverFastTheWrongOnesCame) {
    struct Case {
        std::vector<std::uint32_t> times; // odd: wrong
        bool listed;
        Fluency fluency;
        std::optional<std::uint32_t> median;
    };
    const Case cases[] = {
        {{3000}, false, Fluency::Fluent, 3000},
        {{3002}, false, Fluency::Slow, 3002},
        {{2000}, true, Fluency::Missed, 2000},
        {{1000, 1000, 1001}, false, Fluency::Missed, 1000}, // the last first try was wrong
        {{701, 801, 6000}, false, Fluency::Slow, 6000},     // wrong fast, then right slow
        {{701, 801, 901, 1001, 6000}, false, Fluency::Slow, 6000},
        {{5001, 5001, 5001, 2000}, false, Fluency::Fluent, 2000},
        {{9000, 1000, 9000, 2000}, false, Fluency::Slow, 5500},
        {{2000, 3500}, false, Fluency::Fluent, 2750}, // the mean of the middle two
        {{9000, 1000, 9000, 2000, 3000}, false, Fluency::Fluent, 3000},
        {{8000, 1001, 2000, 2000, 2000, 2000}, false, Fluency::Fluent, 2000}, // 8000 left
        {{4'294'967'294u, 4'294'967'294u}, false, Fluency::Slow, 4'294'967'294u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.times));
        const FactFluency tried = Tried(c.times);
        const data::FactTimes& times = SevenPlusFive(tried);
        EXPECT_EQ(FluencyOf(&times, c.listed), c.fluency);
        EXPECT_EQ(data::MedianMs(times), c.median);
    }
    EXPECT_EQ(FluencyOf(nullptr, false), Fluency::NotSeen);
    EXPECT_EQ(FluencyOf(nullptr, true), Fluency::Missed) << "listed before times were kept";
    EXPECT_EQ(data::MedianMs(SevenPlusFive(Tried({1001, 3001}))), std::nullopt) << "none right";
}

// A version-1 record kept times without saying which tries were right: what the counts tell is
// used, and a fact is fluent only when it would be however the others went.
TEST_F(FactFluencyTest, AVersionOneRecordIsReadWithWhatItsCountsTellOfEachTime) {
    constexpr auto R = TryOutcome::Right;
    constexpr auto W = TryOutcome::Wrong;
    constexpr auto N = TryOutcome::NotKnown;
    struct Case {
        const char* what;
        Bytes bytes;
        std::vector<TryOutcome> outcomes;
        Fluency fluency;
    };
    const Case cases[] = {
        {"every try right", VersionOneRecord(2, 2, true, {1000, 2000}), {R, R}, Fluency::Fluent},
        {"two fast wrong, then right slowly",
         VersionOneRecord(3, 1, true, {700, 800, 6000}),
         {W, W, R},
         Fluency::Slow},
        {"one of the first two right: it may have been the slow one",
         VersionOneRecord(3, 2, true, {6000, 700, 1000}),
         {N, N, R},
         Fluency::Slow},
        {"one of the first two right: either way quick",
         VersionOneRecord(3, 2, true, {2000, 2500, 1000}),
         {N, N, R},
         Fluency::Fluent},
        {"the last wrong, the others right",
         VersionOneRecord(4, 3, false, {1000, 5000, 700}),
         {R, R, W},
         Fluency::Missed},
        {"more tries than times: the times of the last five",
         VersionOneRecord(9, 8, true, {1, 2, 3, 4, 5}),
         {N, N, N, N, R},
         Fluency::Fluent},
        {"no times kept", VersionOneRecord(3, 3, true, {}), {}, Fluency::Slow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto decoded = data::DecodeFluency(c.bytes);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->version, 1);
        ASSERT_THAT(decoded->badFacts, IsEmpty());
        const data::FactTimes& times = SevenPlusFive(decoded->fluency);
        EXPECT_EQ(OutcomesOf(times), c.outcomes);
        EXPECT_EQ(times.lastTried, 0u) << "not known";
        EXPECT_EQ(FluencyOf(&times, false), c.fluency);

        const auto again = data::DecodeFluency(data::EncodeFluency(decoded->fluency));
        ASSERT_TRUE(again);
        EXPECT_EQ(again->version, data::kFluencyVersion) << "written in the newest version";
        EXPECT_EQ(again->fluency, decoded->fluency);
    }
}

// Bytes framed otherwise than a record of a known version: nothing of them can be trusted.
TEST_F(FactFluencyTest, ABrokenFrameIsLoggedStartedAfreshAndReplacedOnlyByTheNextWrite) {
    const Bytes good = data::EncodeFluency(Tried({1000, 2000}));
    ASSERT_TRUE(data::DecodeFluency(good));
    std::vector<Bytes> damaged;
    for (std::size_t size = 0; size < good.size(); ++size) {
        damaged.emplace_back(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
    }
    const auto changed = [&](std::size_t offset, std::uint8_t value) {
        Bytes bytes = good;
        bytes[offset] = value;
        return bytes;
    };
    damaged.push_back(Join({good, {0}}));                                  // a byte too many
    damaged.push_back(changed(0, 'X'));                                    // not this kind of file
    damaged.push_back(changed(4, 3));                                      // a later version
    damaged.push_back(changed(4, 0));                                      // no such version
    damaged.push_back(changed(kCountAt, 2));                               // more facts than bytes
    damaged.push_back(changed(kCountAt, 0));                               // fewer facts than bytes
    damaged.push_back(Join({good, VersionOneRecord(1, 1, true, {1000})})); // versions mixed

    for (std::size_t index = 0; index < damaged.size(); ++index) {
        SCOPED_TRACE("damage " + std::to_string(index));
        EXPECT_FALSE(data::DecodeFluency(damaged[index]));
        WriteFile(DataPath("Bo.flu"), damaged[index]);
        CStudent bo;
        ASSERT_TRUE(bo.Load("Bo"));
        EXPECT_TRUE(bo.GetFluency().Facts().empty());
        EXPECT_THAT(ErrorRecords(), ElementsAre(testing::MatchesRegex(
                                        ".* : Could not read .*/Bo\\.flu; its response times "
                                        "start afresh\\.")));
        std::filesystem::remove(fakes.Path("/Error Log.txt"));
        EXPECT_TRUE(bo.SaveFluency());
        EXPECT_EQ(ReadFile(DataPath("Bo.flu")), damaged[index]) << "kept until a first try";
    }

    LoadBo().RecordFirstTry(Fact(2, 2), true, 700);
    ASSERT_TRUE(student.SaveFluency());
    const auto fresh = data::ReadFluencyFile(DataPath("Bo.flu"));
    EXPECT_EQ(fresh.state, data::FluencyFileState::Read);
    EXPECT_EQ(fresh.fluency.Facts().size(), 1u);
}

// Inside a well-framed record each fact stands on its own: one with values this program never
// writes is left out, and the others are kept.
TEST_F(FactFluencyTest, AFactWithImpossibleValuesIsLeftOutAndLoggedAndTheOthersAreKept) {
    FactFluency three = Tried({1000});
    three.RecordFirstTry(Fact(5, 7), true, 800);
    three.RecordFirstTry(Fact(2, 9), false, 900);
    const Bytes good = data::EncodeFluency(three); // 2 + 9, 5 + 7, 7 + 5 in this order
    const auto second = [&](std::size_t offset, std::uint8_t value) {
        Bytes bytes = good;
        bytes[kFirstFact + kFactSize + offset] = value;
        return bytes;
    };
    Bytes sameFactTwice = good;
    std::copy_n(good.begin() + kFirstFact + 2 * kFactSize, 8,
                sameFactTwice.begin() + kFirstFact + kFactSize);
    struct Case {
        const char* what;
        Bytes bytes;
        std::uint32_t bad;
    };
    const Case cases[] = {
        {"no such operation", second(kOperationAt, 4), 2},
        {"right more often than tried", second(kRightAt, 3), 2},
        {"last-right flag not a flag", second(kLastRightAt, 2), 2},
        {"more times than are kept", second(kKeptCountAt, 6), 2},
        {"no such outcome", second(kFirstOutcomeAt, 3), 2},
        {"the last time wrong, though the last try was right", second(kFirstOutcomeAt, 0), 2},
        {"the same fact twice", sameFactTwice, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto decoded = data::DecodeFluency(c.bytes);
        ASSERT_TRUE(decoded);
        EXPECT_THAT(decoded->badFacts, ElementsAre(c.bad));
        EXPECT_EQ(decoded->fluency.Facts().size(), 2u);
        EXPECT_TRUE(decoded->fluency.Find(data::KeyOf(Fact(2, 9))));

        WriteFile(DataPath("Bo.flu"), c.bytes);
        CStudent bo;
        ASSERT_TRUE(bo.Load("Bo"));
        EXPECT_EQ(bo.GetFluency(), decoded->fluency);
        EXPECT_THAT(ErrorRecords(),
                    ElementsAre(testing::MatchesRegex(
                        ".* : Left out 1 damaged fact of .*/Bo\\.flu \\(number " +
                        std::to_string(c.bad) + "\\); its other facts were read\\.")));
        std::filesystem::remove(fakes.Path("/Error Log.txt"));
    }

    // A record of nothing but bad facts names the first ten.
    Bytes allBad = Join({BytesOf("TLYF"), U16s({2}), U32(12)});
    for (int n = 0; n < 12; ++n) {
        allBad = Join({allBad, Bytes(kFactSize, 0)});
    }
    WriteFile(DataPath("Bo.flu"), allBad);
    ASSERT_TRUE(LoadBo().GetFluency().Facts().empty());
    EXPECT_THAT(ErrorRecords(),
                ElementsAre(EndsWith("Left out 12 damaged facts of " + DataPath("Bo.flu") +
                                     " (number 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, "
                                     "...); its other facts were read.")));
}

// The record is the program's own: a file in its place that cannot be opened, or that is far too
// large to be one, is noted once in the error log, never shown to the child, and the student's
// times start afresh. Neither the file nor a copy beside it is touched by reading.
TEST_F(FactFluencyTest, AnUnopenableOrOversizedRecordIsLoggedOnceWithoutAMessageAndStartsAfresh) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
        const char* logged;
        bool writable; // the next write replaces it
    };
    std::vector<Case> cases{
        {"a folder in its place",
         [](const std::string& path) { std::filesystem::create_directories(path + "/in it"); },
         "Could not open ", false},
        {"just over 1 MB",
         [](const std::string& path) {
             WriteFile(path, Bytes(static_cast<std::size_t>(data::kMostFluencyBytes) + 1, 0));
         },
         "Did not read ", true},
        {"500 MB, never read",
         [](const std::string& path) {
             WriteFile(path, data::EncodeFluency(Tried({1000})));
             std::filesystem::resize_file(path, 500 * data::kMostFluencyBytes);
         },
         "Did not read ", true},
    };
    if (::geteuid() != 0) { // root reads whatever the permissions say
        cases.push_back({"no permission to read it",
                         [](const std::string& path) {
                             WriteFile(path, data::EncodeFluency(Tried({1000})));
                             std::filesystem::permissions(path, std::filesystem::perms::none);
                         },
                         "Could not open ", true});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = DataPath("Bo.flu");
        std::filesystem::remove_all(path);
        std::filesystem::remove(fakes.Path("/Error Log.txt"));
        c.make(path);
        WriteFile(path + "tmp", data::EncodeFluency(Tried({2000}))); // left by a crash
        const auto size = std::filesystem::file_size(path + "tmp");

        CStudent bo;
        ASSERT_TRUE(bo.Load("Bo"));
        EXPECT_TRUE(bo.GetFluency().Facts().empty());
        EXPECT_THAT(fakes.messageBoxes.Texts(), IsEmpty());
        EXPECT_THAT(ErrorRecords(),
                    ElementsAre(testing::AllOf(testing::HasSubstr(c.logged + path),
                                               EndsWith("; its response times start afresh."))));
        EXPECT_EQ(std::filesystem::file_size(path + "tmp"), size) << "the copy is left alone";

        bo.RecordFirstTry(Fact(2, 2), true, 700);
        EXPECT_EQ(bo.SaveFluency(), c.writable);
        EXPECT_THAT(fakes.messageBoxes.Texts(), IsEmpty()) << "not at the session's end either";
        const auto written = data::ReadFluencyFile(path);
        EXPECT_EQ(written.state,
                  c.writable ? data::FluencyFileState::Read : data::FluencyFileState::NotOpened);
    }
}

TEST_F(FactFluencyTest, AWriteThatFailsKeepsTheTriesForTheNextAndLosesNothingOnDisk) {
    LoadBo().RecordFirstTry(Fact(2, 2), true, 700);
    ASSERT_TRUE(student.SaveFluency());
    const Bytes before = ReadFile(DataPath("Bo.flu"));
    student.RecordFirstTry(Fact(2, 3), false, 700);
    std::filesystem::create_directories(platform::TemporaryPathFor(DataPath("Bo.flu")) +
                                        "/in the way");
    EXPECT_FALSE(student.SaveFluency());
    EXPECT_EQ(ReadFile(DataPath("Bo.flu")), before);
    EXPECT_TRUE(student.GetFluency().Unsaved());

    std::filesystem::remove_all(platform::TemporaryPathFor(DataPath("Bo.flu")));
    EXPECT_TRUE(student.SaveFluency());
    EXPECT_EQ(LoadedStudent("Bo")->GetFluency().Facts().size(), 2u);
}
