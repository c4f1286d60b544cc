#include "data/MyFactsPlan.h"
#include "DataTestSupport.h"
#include "data/OperationFacts.h"

#include <set>

namespace {

using data::FactFluency;
using data::MyFactsBasis;
using data::MyFactsPlan;

// A first try as the window tells it: right or not, and how long it took.
struct Try {
    bool right;
    std::uint32_t ms;
};
constexpr Try kFluent{true, 1'000};
constexpr Try kSlow{true, 4'000};
constexpr Try kWrong{false, 1'000};

// A student's standing in the facts of one operation: every fact fluent but those named.
struct Standing {
    std::vector<Problem> facts;
    FactFluency fluency;
    std::vector<Problem> mistakes;

    MyFactsPlan Plan(std::uint32_t seed = 7) const {
        return MyFactsPlan(facts, fluency, mistakes, seed);
    }
};

std::vector<Problem> AdditionFacts() {
    std::vector<Problem> facts;
    for (std::int16_t a = 0; a <= 9; ++a) {
        for (std::int16_t b = 0; b <= 9; ++b) {
            facts.push_back(Fact(a, b));
        }
    }
    return facts;
}

// `missed`: the last first try wrong; `slow`: right, slowly; `listed`: fluent, but on the
// mistake list; `unseen`: never tried.
Standing StandingIn(std::vector<Problem> facts, const std::vector<Problem>& missed,
                    const std::vector<Problem>& slow = {}, const std::vector<Problem>& listed = {},
                    const std::vector<Problem>& unseen = {}) {
    Standing standing{.facts = std::move(facts), .mistakes = listed};
    const auto among = [](const std::vector<Problem>& named, const Problem& fact) {
        return std::ranges::any_of(named, [&](const Problem& n) { return IsSameFact(n, fact); });
    };
    for (const Problem& fact : standing.facts) {
        if (among(unseen, fact)) {
            continue;
        }
        standing.fluency.RecordFirstTry(fact, !among(missed, fact),
                                        among(slow, fact) ? 5'000 : 1'000);
    }
    return standing;
}

// The cards of `count` cards, each first try answered as `answer` says.
std::vector<Problem> Play(MyFactsPlan& plan, std::size_t count,
                          const std::function<Try(const Problem&)>& answer) {
    std::vector<Problem> cards;
    for (std::size_t i = 0; i < count; ++i) {
        cards.push_back(plan.Next());
        const Try given = answer(cards.back());
        plan.Told(given.right, given.ms);
    }
    return cards;
}

std::vector<Problem> Play(MyFactsPlan& plan, std::size_t count, Try always) {
    return Play(plan, count, [always](const Problem&) { return always; });
}

// Where `fact` comes among `cards`.
std::vector<std::size_t> Places(const std::vector<Problem>& cards, const Problem& fact) {
    std::vector<std::size_t> places;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (IsSameFact(cards[i], fact)) {
            places.push_back(i);
        }
    }
    return places;
}

std::size_t FirstPlace(const std::vector<Problem>& cards, const Problem& fact) {
    const auto places = Places(cards, fact);
    return places.empty() ? cards.size() : places.front();
}

bool IsAmong(const std::vector<Problem>& facts, const Problem& fact) {
    return std::ranges::any_of(facts, [&](const Problem& f) { return IsSameFact(f, fact); });
}

const Problem k7p6 = Fact(7, 6);
const Problem k8p5 = Fact(8, 5);
const Problem k9p4 = Fact(9, 4);
const Problem k6p8 = Fact(6, 8);

class MyFactsPlanTest : public DataTest {};

} // namespace

TEST_F(MyFactsPlanTest, PlansTheFactsToLearnAmongKnownOnesAndFollowsTheAnswers) {
    struct Case {
        const char* what;
        std::function<void()> check;
    };
    const std::vector<Case> cases = {
        {"an unknown fact comes first and back among known ones after ever longer gaps",
         [] {
             MyFactsPlan plan = StandingIn(AdditionFacts(), {k7p6}).Plan();
             EXPECT_EQ(plan.Basis(), MyFactsBasis::Folding);
             EXPECT_EQ(plan.ToLearn(), 1u);
             // Right but slow: it stays in practice.
             const auto cards = Play(plan, 40, kSlow);
             EXPECT_EQ(Places(cards, k7p6), (std::vector<std::size_t>{0, 2, 5, 9, 14, 20, 27, 35}));
         }},
        {"three unknown facts: never two in a row, each with gaps that grow",
         [] {
             const std::vector<Problem> unknown{k7p6, k8p5, k9p4};
             MyFactsPlan plan = StandingIn(AdditionFacts(), unknown).Plan();
             const auto cards = Play(plan, 60, kSlow);
             for (std::size_t i = 1; i < cards.size(); ++i) {
                 EXPECT_FALSE(IsAmong(unknown, cards[i - 1]) && IsAmong(unknown, cards[i])) << i;
             }
             for (const Problem& fact : unknown) {
                 const auto places = Places(cards, fact);
                 ASSERT_GE(places.size(), 4u);
                 for (std::size_t i = 2; i < places.size(); ++i) {
                     EXPECT_GT(places[i] - places[i - 1], places[i - 1] - places[i - 2]);
                 }
             }
             // Each fact named by when it first came: the one due longest goes first.
             std::string pattern;
             std::vector<Problem> met;
             for (std::size_t i = 0; i < 24; ++i) {
                 if (IsAmong(unknown, cards[i]) && !IsAmong(met, cards[i])) {
                     met.push_back(cards[i]);
                 }
                 const auto found = std::ranges::find_if(
                     met, [&](const Problem& fact) { return IsSameFact(fact, cards[i]); });
                 pattern +=
                     found == met.end() ? '.' : static_cast<char>('A' + (found - met.begin()));
             }
             EXPECT_EQ(pattern, "A.A.B.A.B.C.A.C.B..A.C..");
         }},
        {"missed facts (a wrong last try, or listed) before slow ones before unseen ones",
         [] {
             const Problem listed = Fact(3, 9);
             const Problem unseen = Fact(2, 7);
             const Problem unseen2 = Fact(4, 8);
             MyFactsPlan plan =
                 StandingIn(AdditionFacts(), {k7p6}, {k8p5, k9p4}, {listed}, {unseen, unseen2})
                     .Plan();
             EXPECT_EQ(plan.ToLearn(), 6u);
             const auto cards = Play(plan, 80, kFluent);
             const auto missedLast = std::max(FirstPlace(cards, k7p6), FirstPlace(cards, listed));
             const auto slowFirst = std::min(FirstPlace(cards, k8p5), FirstPlace(cards, k9p4));
             const auto slowLast = std::max(FirstPlace(cards, k8p5), FirstPlace(cards, k9p4));
             const auto unseenFirst =
                 std::min(FirstPlace(cards, unseen), FirstPlace(cards, unseen2));
             EXPECT_LT(missedLast, slowFirst);
             EXPECT_LT(slowLast, unseenFirst);
             EXPECT_LT(std::max(FirstPlace(cards, unseen), FirstPlace(cards, unseen2)), 80u);
         }},
        {"known facts fill the rest, each in turn before any comes again",
         [] {
             const std::vector<Problem> unknown{k7p6, k8p5, k9p4};
             MyFactsPlan plan = StandingIn(AdditionFacts(), unknown).Plan();
             const auto cards = Play(plan, 90, kSlow);
             std::set<data::FactKey> fillers;
             std::size_t fillerCards = 0;
             for (const Problem& card : cards) {
                 if (!IsAmong(unknown, card)) {
                     ++fillerCards;
                     fillers.insert(data::KeyOf(card));
                 }
             }
             EXPECT_EQ(fillers.size(), fillerCards) << "97 known facts: none twice yet";
             EXPECT_GT(fillerCards, cards.size() / 2);
         }},
        {"a fact answered fluently three times retires and makes room for the next",
         [] {
             // 6 + 8, never tried, is the fourth to learn.
             const Standing standing =
                 StandingIn(AdditionFacts(), {k7p6, k8p5, k9p4}, {}, {}, {k6p8});
             // Right within the fluent time, to the millisecond.
             const Try justFluent{true, data::kFluentMs};
             const Try justSlow{true, data::kFluentMs + 1};
             MyFactsPlan plan = standing.Plan();
             const auto cards = Play(plan, 40, [&](const Problem& fact) {
                 return IsSameFact(fact, k7p6) ? justFluent : justSlow;
             });
             const auto retired = Places(cards, k7p6);
             ASSERT_EQ(retired.size(), MyFactsPlan::kRetireAfter);
             EXPECT_GT(FirstPlace(cards, k6p8), retired.back());
             EXPECT_LT(FirstPlace(cards, k6p8), retired.back() + 6) << "once a place is free";
             MyFactsPlan slow = standing.Plan();
             const auto slowCards = Play(slow, 40, justSlow);
             EXPECT_GT(Places(slowCards, k7p6).size(), MyFactsPlan::kRetireAfter);
             EXPECT_TRUE(Places(slowCards, k6p8).empty()) << "three at a time";
         }},
        {"a wrong first try in practice brings the fact back after one card, gaps anew",
         [] {
             MyFactsPlan plan = StandingIn(AdditionFacts(), {k7p6}).Plan();
             int shown = 0;
             const auto cards = Play(plan, 20, [&shown](const Problem& fact) {
                 return IsSameFact(fact, k7p6) && ++shown == 3 ? kWrong : kSlow;
             });
             EXPECT_EQ(Places(cards, k7p6), (std::vector<std::size_t>{0, 2, 5, 7, 10, 14, 19}));
         }},
        {"a known fact answered wrong is learnt next",
         [] {
             MyFactsPlan plan = StandingIn(AdditionFacts(), {k7p6}).Plan();
             Play(plan, 1, kSlow);
             const auto forgotten = Play(plan, 1, kWrong).at(0);
             EXPECT_FALSE(IsSameFact(forgotten, k7p6));
             const auto cards = Play(plan, 30, kSlow);
             EXPECT_EQ(FirstPlace(cards, forgotten), 2u) << "the next free place";
             EXPECT_GE(Places(cards, forgotten).size(), 4u) << "practised";
         }},
        {"no first try at any of the facts: the plain kind, unless some are listed mistakes",
         [] {
             Standing standing{.facts = AdditionFacts()};
             standing.fluency.RecordFirstTry(Fact(3, 4, kTimes), false, 1'000);
             EXPECT_EQ(standing.Plan().Basis(), MyFactsBasis::NoRecord);
             standing.mistakes = {k7p6};
             MyFactsPlan listed = standing.Plan();
             EXPECT_EQ(listed.Basis(), MyFactsBasis::Folding);
             EXPECT_TRUE(IsSameFact(listed.Next(), k7p6));
         }},
        {"each standing in the order of operation and numbers, whatever the file's order",
         [] {
             std::vector<Problem> facts = AdditionFacts();
             std::ranges::reverse(facts);
             const Standing standing = StandingIn(facts, {k9p4, k7p6}, {k8p5, k6p8});
             const auto standings =
                 data::StandingsOf(standing.facts, standing.fluency, standing.mistakes);
             const auto keys = [](const std::vector<Problem>& group) {
                 std::vector<data::FactKey> keys;
                 std::ranges::transform(group, std::back_inserter(keys), data::KeyOf);
                 return keys;
             };
             EXPECT_EQ(keys(standings.missed), keys({k7p6, k9p4}));
             EXPECT_EQ(keys(standings.slow), keys({k6p8, k8p5}));
         }},
        {"nothing to learn: the plain kind; a listed fact is one to learn",
         [] {
             EXPECT_EQ(StandingIn(AdditionFacts(), {}).Plan().Basis(),
                       MyFactsBasis::NothingToLearn);
             EXPECT_EQ(StandingIn(AdditionFacts(), {}, {}, {k7p6}).Plan().Basis(),
                       MyFactsBasis::Folding);
             EXPECT_EQ(StandingIn(AdditionFacts(), {}, {k7p6}).Plan().Basis(),
                       MyFactsBasis::Folding);
             EXPECT_EQ(StandingIn({}, {}).Plan().Basis(), MyFactsBasis::NoFacts);
             EXPECT_EQ(StandingIn({}, {}).Plan().Next(), Problem{});
         }},
        {"nothing known yet: the facts waiting their turn stand in, the least urgent first",
         [] {
             const Problem unseen = Fact(5, 5);
             const std::vector<Problem> facts{k7p6, k8p5, k9p4, k6p8, unseen};
             MyFactsPlan plan = StandingIn(facts, {k7p6, k8p5, k9p4}, {k6p8}, {}, {unseen}).Plan();
             const auto cards = Play(plan, 20, kSlow);
             EXPECT_TRUE(IsSameFact(cards[1], unseen));
             EXPECT_TRUE(IsSameFact(cards[3], k6p8));
             for (const Problem& card : cards) {
                 EXPECT_TRUE(IsAmong(facts, card));
             }
             MyFactsPlan few = StandingIn({k7p6}, {k7p6}).Plan();
             EXPECT_EQ(Places(Play(few, 3, kSlow), k7p6).size(), 3u) << "one fact: again";
         }},
        {"Mixed: the facts of all four operations",
         [] {
             InstallTestFiles();
             const std::vector<Problem> facts = data::ReadPractisedFacts(kMixed);
             std::set<std::int32_t> operations;
             for (const Problem& fact : facts) {
                 operations.insert(fact.operation);
             }
             EXPECT_EQ(operations, (std::set<std::int32_t>{kPlus, kMinus, kTimes, kDividedBy}));
             const Problem times = Fact(7, 8, kTimes);
             const Problem divided = Fact(56, 8, kDividedBy);
             MyFactsPlan plan = StandingIn(facts, {times, divided}).Plan();
             const auto cards = Play(plan, 200, kSlow);
             EXPECT_LT(std::max(FirstPlace(cards, times), FirstPlace(cards, divided)), 5u);
             std::set<std::int32_t> filled;
             for (const Problem& card : cards) {
                 filled.insert(card.operation);
             }
             EXPECT_EQ(filled, operations);
         }},
        {"the same seed gives the same plan; another seed another order",
         [] {
             const Standing standing =
                 StandingIn(AdditionFacts(), {k7p6, k8p5}, {k9p4}, {}, {k6p8});
             const auto cards = standing.Plan(41).Preview(100);
             EXPECT_EQ(standing.Plan(41).Preview(100), cards);
             EXPECT_NE(standing.Plan(42).Preview(100), cards);
             MyFactsPlan played = standing.Plan(41);
             EXPECT_EQ(Play(played, 100, kFluent), cards) << "the preview is the plan answered";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.check();
    }
}
