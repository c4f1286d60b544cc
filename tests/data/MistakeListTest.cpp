#include "data/CStudent.h"

#include "DataTestSupport.h"

#include "platform/Files.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <sys/stat.h>

using testing::ElementsAre;
using testing::EndsWith;

namespace {

Problem Fact(int a, int b, int entered = kNoValue) {
    return {.firstOperand = static_cast<std::int16_t>(a),
            .secondOperand = static_cast<std::int16_t>(b),
            .operation = kPlus,
            .enteredAnswer = static_cast<std::int16_t>(entered),
            .correctAnswer = static_cast<std::int16_t>(a + b)};
}

// The stored bytes of a listed a + b.
Bytes Listed(int a, int b, int entered, int missCount, int streak) {
    return ProblemBytes(a, b, kPlus, entered, a + b, missCount, streak);
}

class MistakeListTest : public DataTest {
protected:
    MistakeListTest() {
        WriteFile(DataPath("Bo.nfo"), StudentFile("Kiwi", 1, 0));
        WriteFile(DataPath("Bo.mtk"), {});
        student.Load("Bo");
    }

    Bytes ListFile() { return ReadFile(DataPath("Bo.mtk")); }
    bool FlagSet() { return ReadFile(DataPath("Bo.opt")) == Bytes{1}; }

    CStudent student;
};

} // namespace

TEST_F(MistakeListTest, MissingAFactTwiceListsItOnceWithTwoMisses) {
    student.AddMistake(Fact(7, 5, 11));
    student.AddMistake(Fact(7, 5, 13)); // the same fact: answers do not count
    EXPECT_EQ(ListFile(), Listed(7, 5, 11, 2, 0));
    EXPECT_EQ(student.GetMistakeCount(), 1);
    EXPECT_TRUE(student.IsMistake(Fact(7, 5)));
    EXPECT_FALSE(student.IsMistake(Fact(5, 7)));
}

TEST_F(MistakeListTest, ThreeRightAnswersInARowRemoveAFact) {
    student.AddMistake(Fact(7, 5, 11));
    student.AddMistake(Fact(2, 2, 5));
    student.RecordCorrectAnswer(Fact(7, 5));
    student.RecordCorrectAnswer(Fact(7, 5));
    EXPECT_EQ(ListFile(), Join({Listed(7, 5, 11, 1, 2), Listed(2, 2, 5, 1, 0)}));
    student.AddMistake(Fact(7, 5));
    EXPECT_EQ(ListFile(), Join({Listed(7, 5, 11, 2, 0), Listed(2, 2, 5, 1, 0)}))
        << "a miss starts the streak again";
    student.RecordCorrectAnswer(Fact(7, 5));
    student.RecordCorrectAnswer(Fact(7, 5));
    student.RecordCorrectAnswer(Fact(3, 3)); // not listed: nothing changes
    EXPECT_TRUE(student.IsMistake(Fact(7, 5)));
    student.RecordCorrectAnswer(Fact(7, 5));
    EXPECT_EQ(ListFile(), Listed(2, 2, 5, 1, 0));
}

TEST_F(MistakeListTest, TenFactsMakeAReviewDueAndOnlyAnEmptyListClearsIt) {
    for (int a = 0; a < 9; ++a) {
        student.AddMistake(Fact(a, 1));
    }
    EXPECT_FALSE(FlagSet());
    student.AddMistake(Fact(9, 1));
    EXPECT_TRUE(FlagSet());
    EXPECT_TRUE(student.IsReviewDue());

    student.RemoveMistake(Fact(9, 1));
    EXPECT_TRUE(student.IsReviewDue()) << "nine facts keep the review due";
    for (int a = 0; a < 8; ++a) {
        student.RemoveMistake(Fact(a, 1));
    }
    EXPECT_TRUE(FlagSet());
    for (int right = 0; right < 3; ++right) {
        student.RecordCorrectAnswer(Fact(8, 1));
    }
    EXPECT_EQ(student.GetMistakeCount(), 0);
    EXPECT_FALSE(FlagSet());
}

TEST_F(MistakeListTest, RemovalMovesTheLastFactIntoThePlace) {
    WriteFile(DataPath("Bo.mtk"), Join({Listed(1, 1, 0, 1, 0), Listed(2, 2, 0, 1, 0),
                                        Listed(3, 3, 0, 1, 0), Listed(4, 4, 0, 1, 0)}));
    student.RemoveMistake(Fact(2, 2));
    EXPECT_EQ(ListFile(),
              Join({Listed(1, 1, 0, 1, 0), Listed(4, 4, 0, 1, 0), Listed(3, 3, 0, 1, 0)}));
}

TEST_F(MistakeListTest, OnlyTheFirstOfTwoEqualEntriesIsChanged) {
    WriteFile(DataPath("Bo.mtk"), Join({Listed(6, 1, 0, 1, 0), Listed(6, 1, 4, 5, 2)}));
    student.AddMistake(Fact(6, 1));
    EXPECT_EQ(ListFile(), Join({Listed(6, 1, 0, 2, 0), Listed(6, 1, 4, 5, 2)}));
    student.RemoveMistake(Fact(6, 1));
    EXPECT_EQ(ListFile(), Listed(6, 1, 4, 5, 2));
}

TEST_F(MistakeListTest, PartialLastEntryIsNotPartOfTheList) {
    WriteFile(DataPath("Bo.mtk"), Join({Listed(1, 2, 0, 1, 0), Listed(3, 4, 0, 1, 0), {0x07}}));
    EXPECT_EQ(student.GetMistakeCount(), 2) << "33 bytes";
    Problem second = Fact(3, 4, 0);
    second.missCount = 1;
    second.correctStreak = 0;
    EXPECT_EQ(student.GetMistake(1), second);
    EXPECT_EQ(student.GetMistake(2), Problem{});
    EXPECT_EQ(student.GetMistake(-1), Problem{});
}

TEST_F(MistakeListTest, LongListsAreKeptWhole) {
    Bytes list;
    for (int a = 0; a < 600; ++a) {
        list = Join({list, Listed(a, 1, 0, 1, 0)});
    }
    WriteFile(DataPath("Bo.mtk"), list);
    student.AddMistake(Fact(600, 1, 0));
    EXPECT_EQ(ReadFile(DataPath("Bo.mtk")), Join({list, Listed(600, 1, 0, 1, 0)}));
}

TEST_F(MistakeListTest, ReadOnlyListIsStillKept) {
    ::chmod(DataPath("Bo.mtk").c_str(), 0444);
    student.AddMistake(Fact(7, 5, 11));
    EXPECT_EQ(ListFile(), Listed(7, 5, 11, 1, 0));
    EXPECT_FALSE(platform::FileExists(DataPath("Bo.mtktmp")));
}

TEST_F(MistakeListTest, MissingOrUnreadableListIsLogged) {
    std::filesystem::remove(DataPath("Bo.mtk"));
    EXPECT_EQ(student.GetMistakeCount(), 0);
    EXPECT_FALSE(student.IsMistake(Fact(1, 1)));
    std::filesystem::create_directory(DataPath("Bo.mtk"));
    student.AddMistake(Fact(1, 1));
    EXPECT_EQ(student.GetMistake(0), Problem{});
    EXPECT_THAT(ErrorRecords(), ElementsAre(EndsWith(" : Mistake file does not appear to exist."),
                                            EndsWith(" : Failed to open the mistake file!"),
                                            EndsWith(" : Failed to open the mistake file!")));
}
