#include "DataTestSupport.h"

#include "data/FactFluency.h"

using data::FactFluency;
using data::Fluency;
using data::FluencyOf;

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

} // namespace

TEST_F(FactFluencyTest, FirstTriesSurviveTheFileAndOnlyTheLastFiveTimesAreKept) {
    LoadBo();
    EXPECT_TRUE(student.GetFluency().Facts().empty()) << "a student from before has no record";
    EXPECT_TRUE(student.SaveFluency());
    EXPECT_FALSE(platform::FileExists(DataPath("Bo.flu"))) << "nothing to write";

    for (const std::uint32_t ms : {1000u, 2000u, 3000u, 4000u, 5000u, 6001u}) {
        student.RecordFirstTry(Fact(7, 5, kPlus, 12), ms != 6001u, ms);
    }
    student.RecordFirstTry(Fact(6, 3, kDividedBy, 2), true, 900);
    student.RecordFirstTry(Fact(3, 6, kDividedBy), false, 15'000);
    ASSERT_TRUE(student.SaveFluency());

    const auto loaded = LoadedStudent("Bo");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->GetFluency(), student.GetFluency());
    const data::FactTimes& times = SevenPlusFive(loaded->GetFluency());
    EXPECT_EQ(std::tuple(times.shown, times.rightFirstTry, times.lastFirstTryRight),
              std::tuple(6u, 5u, false));
    EXPECT_THAT(KeptOf(times), ElementsAre(2000, 3000, 4000, 5000, 6001));
    EXPECT_EQ(loaded->GetFluency().Facts().size(), 3u) << "6 / 3 and 3 / 6 are different facts";
    EXPECT_THAT(ErrorRecords(), IsEmpty());
}

TEST_F(FactFluencyTest, AFactIsMissedSlowOrFluentByItsLastFirstTryItsMedianAndTheList) {
    EXPECT_EQ(FluencyOf(nullptr, false), Fluency::NotSeen);
    EXPECT_EQ(FluencyOf(nullptr, true), Fluency::Missed) << "listed before times were kept";
    EXPECT_EQ(FluencyOf(&SevenPlusFive(Tried({3000})), false), Fluency::Fluent);
    EXPECT_EQ(FluencyOf(&SevenPlusFive(Tried({3002})), false), Fluency::Slow);
    EXPECT_EQ(FluencyOf(&SevenPlusFive(Tried({2000})), true), Fluency::Missed);
    EXPECT_EQ(FluencyOf(&SevenPlusFive(Tried({1000, 1000, 1001})), false), Fluency::Missed)
        << "the last first try was wrong";
    // Median of 1000, 2000, 9000, 9000 is 5500; of 1000, 2000, 3000, 9000, 9000 is 3000.
    EXPECT_EQ(FluencyOf(&SevenPlusFive(Tried({9000, 1000, 9000, 2000})), false), Fluency::Slow);
    EXPECT_EQ(FluencyOf(&SevenPlusFive(Tried({9000, 1000, 9000, 2000, 3000})), false),
              Fluency::Fluent);
    EXPECT_EQ(data::MedianMs(SevenPlusFive(Tried({4'294'967'294u, 4'294'967'294u}))),
              4'294'967'294u);
}

TEST_F(FactFluencyTest, ADamagedRecordIsLoggedStartedAfreshAndReplacedOnlyByTheNextWrite) {
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
    damaged.push_back(Join({good, {0}})); // a byte too many
    damaged.push_back(changed(0, 'X'));   // not this kind of file
    damaged.push_back(changed(4, 2));     // a later version
    damaged.push_back(changed(6, 2));     // more facts than bytes
    damaged.push_back(changed(10, 4));    // no such operation
    damaged.push_back(changed(22, 3));    // right more often than tried
    damaged.push_back(changed(26, 2));    // last-right flag not a flag
    damaged.push_back(changed(27, 6));    // more times than are kept
    const Bytes twoFacts = data::EncodeFluency([] {
        FactFluency fluency = Tried({1000});
        fluency.RecordFirstTry(Fact(5, 7), true, 800);
        return fluency;
    }());
    Bytes sameFactTwice = twoFacts;
    std::copy_n(twoFacts.begin() + 10, 8, sameFactTwice.begin() + 48);
    damaged.push_back(sameFactTwice);

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
