#pragma once

#include "FactFluency.h"
#include "Problem.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CStudent;

namespace data {

// What a My Facts session can be built on.
enum class MyFactsBasis {
    Folding,        // facts still to learn, folded in among known ones
    NoRecord,       // no first try at any of the facts yet: the facts as a plain session has them
    NothingToLearn, // every fact is fluent: the facts as a plain session has them
    NoFacts,        // the operation has no facts (its test file is missing)
};

// The facts of a session by how the student stands in them, as the fact map colours them; each
// group in the order of operation and operands.
struct FactStandings {
    std::vector<Problem> missed; // wrong at the last first try, or on the mistake list
    std::vector<Problem> slow;   // right, but slower than fluent
    std::vector<Problem> unseen; // never tried
    std::vector<Problem> known;  // fluent
    MyFactsBasis basis = MyFactsBasis::NoFacts;
};

// `facts`: those of the session's operation (each once); `mistakes`: the mistake list. A fact on
// the list counts as tried, whether or not its first tries were kept.
FactStandings StandingsOf(std::span<const Problem> facts, const FactFluency& fluency,
                          std::span<const Problem> mistakes);

// The cards of a My Facts session, one at a time: the facts the student does not know yet (missed
// first, then slow, then never tried) are practised a few at a time, each folded in among facts
// the student knows, coming back after ever longer runs of known facts (U K U K K U K K K U …).
// A fact answered right within the fluent time kRetireAfter times makes room for the next one;
// known facts fill the rest. Told how each card's first try went, so the plan follows the child.
class MyFactsPlan {
public:
    // Unknown facts practised at a time.
    static constexpr std::size_t kPractisedAtOnce = 3;
    // Right first tries within kFluentMs that take a fact out of practice for this session.
    static constexpr std::uint32_t kRetireAfter = 3;

    // `facts`: those of the session's operation (each once); `mistakes`: the mistake list.
    // `seed` sets the order among facts of the same standing.
    MyFactsPlan(std::span<const Problem> facts, const FactFluency& fluency,
                std::span<const Problem> mistakes, std::uint32_t seed);
    MyFactsPlan(FactStandings standings, std::uint32_t seed);

    MyFactsBasis Basis() const { return basis_; }
    // The facts to learn when the plan was made.
    std::size_t ToLearn() const { return toLearn_; }

    // The next card, with no answer; the empty problem when there are no facts.
    Problem Next();
    // How the first try at the card last given by Next went: right or not, after `ms`. Once a
    // card at most (a card left when the session ends is never told of).
    void Told(bool right, std::uint32_t ms);

    // The next `cards` cards when every first try is right and fluent; the plan itself stays.
    std::vector<Problem> Preview(std::size_t cards) const;

private:
    // An unknown fact in practice.
    struct Practised {
        Problem fact;
        std::size_t order = 0; // when it came into practice: the earlier goes first
        std::uint32_t shows = 0;
        std::size_t lastShown = 0; // its last card
        std::size_t gap = 0;       // cards between its last two showings; 0 after the first
        std::size_t due = 0;       // the card it comes back at, at the earliest
        std::uint32_t fluentAnswers = 0;
    };
    enum class Role { None, Practised, Known, Waiting };

    Problem Show(Practised& practised, std::size_t card);
    Problem ShowFiller();
    bool HasFiller() const { return !known_.empty() || !waiting_.empty(); }
    Practised* MostOverdue(std::size_t card);
    Practised* Find(const Problem& fact);
    void Retire(Problem fact);
    void Forgotten(const Problem& fact);

    MyFactsBasis basis_ = MyFactsBasis::NoFacts;
    std::size_t toLearn_ = 0;
    std::vector<Problem> waiting_; // still to learn, the most urgent first
    std::vector<Practised> practised_;
    std::vector<Problem> known_; // taken in turn
    std::size_t nextKnown_ = 0;
    std::size_t waitingFillers_ = 0; // waiting facts shown in place of known ones
    std::size_t introduced_ = 0;
    std::size_t nextCard_ = 0;
    Problem last_;
    Role lastRole_ = Role::None;
};

// How `student` stands, by the current records, in the facts of a My Facts session of `kind`
// (for Mixed: the facts of all four operations).
FactStandings MyFactsStandings(std::int32_t kind, CStudent& student);

// The plan of a My Facts session of `kind` from the current records of `student`, seeded with
// `seed`.
MyFactsPlan PlanMyFacts(std::int32_t kind, CStudent& student, std::uint32_t seed);

} // namespace data
