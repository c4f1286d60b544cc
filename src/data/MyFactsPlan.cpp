#include "MyFactsPlan.h"

#include "CStudent.h"
#include "OperationFacts.h"

#include <algorithm>
#include <random>
#include <set>

namespace data {
namespace {

// The same order for the same seed on every build: the standard library's shuffle is its own.
void Shuffle(std::vector<Problem>& facts, std::mt19937& random) {
    for (std::size_t i = facts.size(); i > 1; --i) {
        std::swap(facts[i - 1], facts[random() % i]);
    }
}

bool IsFluentAnswer(bool right, std::uint32_t ms) {
    return right && ms <= kFluentMs;
}

} // namespace

FactStandings StandingsOf(std::span<const Problem> facts, const FactFluency& fluency,
                          std::span<const Problem> mistakes) {
    std::set<FactKey> listed;
    for (const Problem& mistake : mistakes) {
        listed.insert(KeyOf(mistake));
    }
    std::vector<Problem> ordered(facts.begin(), facts.end());
    std::ranges::sort(ordered, {}, [](const Problem& fact) { return KeyOf(fact); });
    FactStandings standings;
    bool tried = false;
    for (Problem fact : ordered) {
        fact.enteredAnswer = kNoValue;
        const FactTimes* times = fluency.Find(KeyOf(fact));
        tried = tried || (times != nullptr && times->shown > 0);
        switch (FluencyOf(times, listed.contains(KeyOf(fact)))) {
        case Fluency::Fluent:
            standings.known.push_back(fact);
            break;
        case Fluency::Missed:
            standings.missed.push_back(fact);
            break;
        case Fluency::Slow:
            standings.slow.push_back(fact);
            break;
        case Fluency::NotSeen:
            standings.unseen.push_back(fact);
            break;
        }
    }
    if (facts.empty()) {
        standings.basis = MyFactsBasis::NoFacts;
    } else if (!tried && standings.missed.empty()) {
        standings.basis = MyFactsBasis::NoRecord;
    } else if (standings.missed.empty() && standings.slow.empty() && standings.unseen.empty()) {
        standings.basis = MyFactsBasis::NothingToLearn;
    } else {
        standings.basis = MyFactsBasis::Folding;
    }
    return standings;
}

MyFactsPlan::MyFactsPlan(std::span<const Problem> facts, const FactFluency& fluency,
                         std::span<const Problem> mistakes, std::uint32_t seed)
    : MyFactsPlan(StandingsOf(facts, fluency, mistakes), seed) {
}

MyFactsPlan::MyFactsPlan(FactStandings standings, std::uint32_t seed)
    : basis_(standings.basis), known_(std::move(standings.known)) {
    std::mt19937 random(seed);
    for (std::vector<Problem>* group :
         {&standings.missed, &standings.slow, &standings.unseen, &known_}) {
        Shuffle(*group, random);
    }
    for (const std::vector<Problem>* group :
         {&standings.missed, &standings.slow, &standings.unseen}) {
        waiting_.insert(waiting_.end(), group->begin(), group->end());
    }
    toLearn_ = waiting_.size();
}

Problem MyFactsPlan::Next() {
    const std::size_t card = nextCard_++;
    // An unknown fact is followed by a known one, so each comes back among facts the child knows.
    const bool restAfterUnknown = lastRole_ == Role::Practised && HasFiller();
    if (!restAfterUnknown) {
        if (Practised* due = MostOverdue(card)) {
            return Show(*due, card);
        }
        if (practised_.size() < kPractisedAtOnce && !waiting_.empty()) {
            practised_.push_back({.fact = waiting_.front(), .order = introduced_++});
            waiting_.erase(waiting_.begin());
            return Show(practised_.back(), card);
        }
    }
    if (HasFiller()) {
        return ShowFiller();
    }
    // Every fact is in practice: the one due first, not the card just shown if another is there.
    if (practised_.empty()) {
        lastRole_ = Role::None;
        return {};
    }
    const auto first = std::ranges::min_element(practised_, [this](const auto& a, const auto& b) {
        const bool aLast = IsSameFact(a.fact, last_);
        const bool bLast = IsSameFact(b.fact, last_);
        return aLast != bLast ? bLast : a.due < b.due;
    });
    return Show(*first, card);
}

Problem MyFactsPlan::Show(Practised& practised, std::size_t card) {
    if (practised.shows++ > 0) {
        practised.gap = card - practised.lastShown - 1;
    }
    // Next time at least one card further away than this time, whatever came between.
    practised.lastShown = card;
    practised.due = card + practised.gap + 2;
    last_ = practised.fact;
    lastRole_ = Role::Practised;
    return practised.fact;
}

Problem MyFactsPlan::ShowFiller() {
    if (!known_.empty()) {
        nextKnown_ %= known_.size();
        last_ = known_[nextKnown_++];
        lastRole_ = Role::Known;
    } else {
        // Nothing known yet: the facts waiting their turn stand in, those least urgent first.
        last_ = waiting_[waiting_.size() - 1 - waitingFillers_++ % waiting_.size()];
        lastRole_ = Role::Waiting;
    }
    return last_;
}

MyFactsPlan::Practised* MyFactsPlan::MostOverdue(std::size_t card) {
    Practised* found = nullptr;
    for (Practised& practised : practised_) {
        if (practised.due <= card &&
            (found == nullptr ||
             std::pair(practised.due, practised.order) < std::pair(found->due, found->order))) {
            found = &practised;
        }
    }
    return found;
}

MyFactsPlan::Practised* MyFactsPlan::Find(const Problem& fact) {
    const auto found = std::ranges::find_if(practised_, [&fact](const Practised& practised) {
        return IsSameFact(practised.fact, fact);
    });
    return found == practised_.end() ? nullptr : &*found;
}

void MyFactsPlan::Told(bool right, std::uint32_t ms) {
    if (lastRole_ == Role::Practised) {
        Practised* practised = Find(last_);
        if (practised == nullptr) {
            return;
        }
        if (IsFluentAnswer(right, ms) && ++practised->fluentAnswers >= kRetireAfter) {
            Retire(practised->fact);
        } else if (!right) {
            // Missed again: back to the shortest gap.
            practised->gap = 0;
            practised->due = practised->lastShown + 2;
        }
    } else if (lastRole_ == Role::Known && !right) {
        Forgotten(last_);
    }
}

// Learnt for now: it joins the known facts, at the end of their turn.
void MyFactsPlan::Retire(Problem fact) {
    known_.push_back(fact);
    std::erase_if(practised_,
                  [&fact](const Practised& practised) { return IsSameFact(practised.fact, fact); });
}

// A known fact answered wrong is a missed one now: the next to learn.
void MyFactsPlan::Forgotten(const Problem& fact) {
    const auto found = std::ranges::find_if(
        known_, [&fact](const Problem& known) { return IsSameFact(known, fact); });
    if (found == known_.end()) {
        return;
    }
    if (static_cast<std::size_t>(found - known_.begin()) < nextKnown_) {
        --nextKnown_;
    }
    known_.erase(found);
    waiting_.insert(waiting_.begin(), fact);
}

std::vector<Problem> MyFactsPlan::Preview(std::size_t cards) const {
    MyFactsPlan copy = *this;
    std::vector<Problem> shown;
    shown.reserve(cards);
    for (std::size_t i = 0; i < cards; ++i) {
        shown.push_back(copy.Next());
        copy.Told(true, 0);
    }
    return shown;
}

FactStandings MyFactsStandings(std::int32_t kind, CStudent& student) {
    return StandingsOf(ReadPractisedFacts(kind), student.GetFluency(), student.GetMistakes());
}

MyFactsPlan PlanMyFacts(std::int32_t kind, CStudent& student, std::uint32_t seed) {
    return MyFactsPlan(MyFactsStandings(kind, student), seed);
}

} // namespace data
