#include "data/MyFactsPlan.h"
#include "DataTestSupport.h"
#include "data/OperationFacts.h"

#include <iterator>
#include <set>

namespace {

using data::MyFactsBasis;
using data::MyFactsPlan;
using Facts = std::vector<Problem>;
using Places = std::vector<std::size_t>;

// A first try as the window tells it: right or not, and how long it took.
struct Try {
    bool right;
    std::uint32_t ms;
};
constexpr Try kFluent{true, 1'000};
constexpr Try kSlow{true, 4'000};
constexpr Try kWrong{false, 1'000};

Facts AdditionFacts() {
    Facts facts;
    for (std::int16_t a = 0; a <= 9; ++a) {
        for (std::int16_t b = 0; b <= 9; ++b) {
            facts.push_back(Fact(a, b));
        }
    }
    return facts;
}

bool IsAmong(const Facts& facts, const Problem& fact) {
    return std::ranges::any_of(facts, [&](const Problem& f) { return IsSameFact(f, fact); });
}

// First tries at `facts`, all fluent but those of `missed` (the last wrong), `slow` (right,
// slowly) and `unseen` (never tried).
data::FactFluency FluencyOf(const Facts& facts, const Facts& missed, const Facts& slow = {},
                            const Facts& unseen = {}) {
    data::FactFluency fluency;
    for (const Problem& fact : facts) {
        if (!IsAmong(unseen, fact)) {
            fluency.RecordFirstTry(fact, !IsAmong(missed, fact), IsAmong(slow, fact) ? 5000 : 1000);
        }
    }
    return fluency;
}

// The plan of a student with those first tries and the mistake list `listed`.
MyFactsPlan PlanFor(const Facts& facts, const Facts& missed, const Facts& slow = {},
                    const Facts& listed = {}, const Facts& unseen = {}, std::uint32_t seed = 7) {
    return MyFactsPlan(facts, FluencyOf(facts, missed, slow, unseen), listed, seed);
}

// The next `count` cards, each first try answered as `answer` says.
Facts Play(MyFactsPlan& plan, std::size_t count, const std::function<Try(const Problem&)>& answer) {
    Facts cards;
    for (std::size_t i = 0; i < count; ++i) {
        cards.push_back(plan.Next());
        const Try given = answer(cards.back());
        plan.Told(given.right, given.ms);
    }
    return cards;
}
std::function<Try(const Problem&)> Always(Try given) {
    return [given](const Problem&) {
        return given;
    };
}

// Where `fact` comes among `cards`, from card `from` on.
Places PlacesOf(const Facts& cards, const Problem& fact, std::size_t from = 0) {
    Places places;
    for (std::size_t i = from; i < cards.size(); ++i) {
        if (IsSameFact(cards[i], fact)) {
            places.push_back(i);
        }
    }
    return places;
}
std::size_t FirstPlace(const Facts& cards, const Problem& fact, std::size_t from = 0) {
    const Places places = PlacesOf(cards, fact, from);
    return places.empty() ? cards.size() : places.front();
}

const Problem k7p6 = Fact(7, 6), k8p5 = Fact(8, 5), k9p4 = Fact(9, 4), k6p8 = Fact(6, 8);

class MyFactsPlanTest : public DataTest {};

} // namespace

TEST_F(MyFactsPlanTest, AnUnknownFactComesFirstAndBackAmongKnownOnesAfterEverLongerGaps) {
    MyFactsPlan plan = PlanFor(AdditionFacts(), {k7p6});
    EXPECT_EQ(plan.Basis(), MyFactsBasis::Folding);
    EXPECT_EQ(plan.ToLearn(), 1u);
    // Right but slow: it stays in practice.
    const Facts cards = Play(plan, 40, Always(kSlow));
    EXPECT_EQ(PlacesOf(cards, k7p6), (Places{0, 2, 5, 9, 14, 20, 27, 35}));
}

// Three unknown facts: never two in a row, each with gaps that grow; known facts fill the rest,
// each in turn before any comes again.
TEST_F(MyFactsPlanTest, ThreeUnknownFactsNeverComeTwoInARowAndKnownFactsFillTheRestInTurn) {
    const Facts unknown{k7p6, k8p5, k9p4};
    MyFactsPlan plan = PlanFor(AdditionFacts(), unknown);
    const Facts cards = Play(plan, 90, Always(kSlow));
    std::set<data::FactKey> fillers;
    std::string pattern; // each fact named by when it first came, "." a known one
    Facts met;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const bool isUnknown = IsAmong(unknown, cards[i]);
        EXPECT_FALSE(i > 0 && isUnknown && IsAmong(unknown, cards[i - 1])) << i;
        if (!isUnknown) {
            EXPECT_TRUE(fillers.insert(data::KeyOf(cards[i])).second) << "twice: " << i;
        } else if (!IsAmong(met, cards[i])) {
            met.push_back(cards[i]);
        }
        const auto found = std::ranges::find_if(
            met, [&](const Problem& fact) { return IsSameFact(fact, cards[i]); });
        pattern += isUnknown ? static_cast<char>('A' + (found - met.begin())) : '.';
    }
    // The one due longest goes first.
    EXPECT_EQ(pattern.substr(0, 24), "A.A.B.A.B.C.A.C.B..A.C..");
    EXPECT_GT(fillers.size(), cards.size() / 2);
    for (const Problem& fact : unknown) {
        const Places places = PlacesOf(cards, fact);
        ASSERT_GE(places.size(), 4u);
        for (std::size_t i = 2; i < places.size(); ++i) {
            EXPECT_GT(places[i] - places[i - 1], places[i - 1] - places[i - 2]);
        }
    }
}

TEST_F(MyFactsPlanTest, MissedFactsComeBeforeSlowOnesBeforeUnseenOnes) {
    const Problem listed = Fact(3, 9), unseen = Fact(2, 7), unseen2 = Fact(4, 8);
    MyFactsPlan plan = PlanFor(AdditionFacts(), {k7p6}, {k8p5, k9p4}, {listed}, {unseen, unseen2});
    EXPECT_EQ(plan.ToLearn(), 6u);
    const Facts cards = Play(plan, 80, Always(kFluent));
    const auto first = [&cards](const Problem& a, const Problem& b) {
        return std::minmax({FirstPlace(cards, a), FirstPlace(cards, b)});
    };
    EXPECT_LT(first(k7p6, listed).second, first(k8p5, k9p4).first);
    EXPECT_LT(first(k8p5, k9p4).second, first(unseen, unseen2).first);
    EXPECT_LT(first(unseen, unseen2).second, 80u);
}

TEST_F(MyFactsPlanTest, AFactAnsweredFluentlyThreeTimesRetiresAndMakesRoomForTheNext) {
    // 6 + 8, never tried, is the fourth to learn. Fluent is to the millisecond.
    const auto plan = [] {
        return PlanFor(AdditionFacts(), {k7p6, k8p5, k9p4}, {}, {}, {k6p8});
    };
    const Try justFluent{true, data::kFluentMs};
    const Try justSlow{true, data::kFluentMs + 1};
    MyFactsPlan fluent = plan();
    const Facts cards = Play(fluent, 40, [&](const Problem& fact) {
        return IsSameFact(fact, k7p6) ? justFluent : justSlow;
    });
    const Places retired = PlacesOf(cards, k7p6);
    ASSERT_EQ(retired.size(), MyFactsPlan::kRetireAfter);
    EXPECT_GT(FirstPlace(cards, k6p8), retired.back());
    EXPECT_LT(FirstPlace(cards, k6p8), retired.back() + 6) << "once a place is free";
    MyFactsPlan slow = plan();
    const Facts slowCards = Play(slow, 40, Always(justSlow));
    EXPECT_GT(PlacesOf(slowCards, k7p6).size(), MyFactsPlan::kRetireAfter);
    EXPECT_TRUE(PlacesOf(slowCards, k6p8).empty()) << "three at a time";
}

TEST_F(MyFactsPlanTest, AWrongFirstTryInPracticeBringsTheFactBackAfterOneCard) {
    MyFactsPlan plan = PlanFor(AdditionFacts(), {k7p6});
    int shown = 0;
    const Facts cards = Play(plan, 20, [&shown](const Problem& fact) {
        return IsSameFact(fact, k7p6) && ++shown == 3 ? kWrong : kSlow;
    });
    EXPECT_EQ(PlacesOf(cards, k7p6), (Places{0, 2, 5, 7, 10, 14, 19}));
}

TEST_F(MyFactsPlanTest, AKnownFactAnsweredWrongIsTheNextToLearnBeforeTheFactsWaiting) {
    const Facts unknown{k7p6, k8p5, k9p4, k6p8, Fact(5, 9)};
    MyFactsPlan plan = PlanFor(AdditionFacts(), unknown);
    std::optional<Problem> forgotten;
    std::size_t card = 0, forgottenAt = 0;
    const Facts cards = Play(plan, 60, [&](const Problem& fact) {
        ++card;
        if (IsAmong(unknown, fact)) {
            return kFluent; // three fluent answers free a place
        }
        if (!forgotten) {
            forgotten = fact;
            forgottenAt = card - 1;
            return kWrong;
        }
        return kSlow;
    });
    ASSERT_TRUE(forgotten);
    const std::size_t comesBack = FirstPlace(cards, *forgotten, forgottenAt + 1);
    for (const Problem& fact : unknown) {
        const std::size_t first = FirstPlace(cards, fact);
        EXPECT_TRUE(first < forgottenAt || comesBack < first) << fact.firstOperand;
    }
    EXPECT_GE(PlacesOf(cards, *forgotten, forgottenAt + 1).size(), 4u) << "practised";
}

// No first try at any fact but listed mistakes, nothing to learn, no facts: the plain kind; a
// listed or slow fact is one to learn.
TEST_F(MyFactsPlanTest, WithoutRecordsOrFactsToLearnThePlainKindIsPractised) {
    data::FactFluency otherFacts;
    otherFacts.RecordFirstTry(Fact(3, 4, kTimes), false, 1'000);
    EXPECT_EQ(MyFactsPlan(AdditionFacts(), otherFacts, Facts{}, 7).Basis(), MyFactsBasis::NoRecord);
    MyFactsPlan listedOnly(AdditionFacts(), otherFacts, Facts{k7p6}, 7);
    EXPECT_EQ(listedOnly.Basis(), MyFactsBasis::Folding);
    EXPECT_TRUE(IsSameFact(listedOnly.Next(), k7p6));
    EXPECT_EQ(PlanFor(AdditionFacts(), {}).Basis(), MyFactsBasis::NothingToLearn);
    EXPECT_EQ(PlanFor(AdditionFacts(), {}, {}, {k7p6}).Basis(), MyFactsBasis::Folding);
    EXPECT_EQ(PlanFor(AdditionFacts(), {}, {k7p6}).Basis(), MyFactsBasis::Folding);
    MyFactsPlan none = PlanFor({}, {});
    EXPECT_EQ(none.Basis(), MyFactsBasis::NoFacts);
    EXPECT_EQ(none.Next(), Problem{});
}

TEST_F(MyFactsPlanTest, StandingsComeInTheOrderOfOperationAndNumbers) {
    Facts facts = AdditionFacts();
    std::ranges::reverse(facts);
    const auto standings =
        data::StandingsOf(facts, FluencyOf(facts, {k9p4, k7p6}, {k8p5, k6p8}), Facts{});
    const auto keys = [](const Facts& group) {
        std::vector<data::FactKey> keys;
        std::ranges::transform(group, std::back_inserter(keys), data::KeyOf);
        return keys;
    };
    EXPECT_EQ(keys(standings.missed), keys({k7p6, k9p4}));
    EXPECT_EQ(keys(standings.slow), keys({k6p8, k8p5}));
}

// Nothing known yet: the facts waiting their turn stand in, the least urgent first.
TEST_F(MyFactsPlanTest, WithNothingKnownTheFactsWaitingTheirTurnStandIn) {
    const Problem unseen = Fact(5, 5);
    const Facts facts{k7p6, k8p5, k9p4, k6p8, unseen};
    MyFactsPlan plan = PlanFor(facts, {k7p6, k8p5, k9p4}, {k6p8}, {}, {unseen});
    const Facts cards = Play(plan, 20, Always(kSlow));
    EXPECT_TRUE(IsSameFact(cards[1], unseen));
    EXPECT_TRUE(IsSameFact(cards[3], k6p8));
    EXPECT_TRUE(std::ranges::all_of(cards, [&](auto& c) { return IsAmong(facts, c); }));
    MyFactsPlan few = PlanFor({k7p6}, {k7p6});
    EXPECT_EQ(PlacesOf(Play(few, 3, Always(kSlow)), k7p6).size(), 3u) << "one: again";
}

TEST_F(MyFactsPlanTest, MixedPractisesTheFactsOfAllFourOperations) {
    InstallTestFiles();
    const Facts facts = data::ReadPractisedFacts(kMixed);
    const Problem times = Fact(7, 8, kTimes), divided = Fact(56, 8, kDividedBy);
    MyFactsPlan plan = PlanFor(facts, {times, divided});
    const Facts cards = Play(plan, 200, Always(kSlow));
    EXPECT_LT(std::max(FirstPlace(cards, times), FirstPlace(cards, divided)), 5u);
    std::set<std::int32_t> operations;
    for (const Problem& card : cards) {
        operations.insert(card.operation);
    }
    EXPECT_EQ(operations, (std::set<std::int32_t>{kPlus, kMinus, kTimes, kDividedBy}));
}

TEST_F(MyFactsPlanTest, TheSameSeedGivesTheSamePlanAndThePreviewIsThePlan) {
    const auto plan = [](std::uint32_t seed) {
        return PlanFor(AdditionFacts(), {k7p6, k8p5}, {k9p4}, {}, {k6p8}, seed);
    };
    const Facts cards = plan(41).Preview(100);
    EXPECT_EQ(plan(41).Preview(100), cards);
    EXPECT_NE(plan(42).Preview(100), cards);
    MyFactsPlan played = plan(41);
    EXPECT_EQ(Play(played, 100, Always(kFluent)), cards) << "the preview is the plan";
}
