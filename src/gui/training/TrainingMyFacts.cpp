// My Facts in CTrainingWnd: what the set-up says of it, and the cards of a planned session.
#include "CTrainingWnd.h"
#include "data/CStudent.h"
#include "data/ProgramRandom.h"
#include "gui/controls/FactText.h"

#include <QLabel>
#include <algorithm>
#include <array>

namespace {

// Whole sentences for facts the child is still learning (missed ones, with the slow ones after
// them) and for slow ones alone: naming one, two or three facts, or two and how many more (%3).
using Sentences = std::array<const char*, 4>;
constexpr Sentences kStillLearning{
    QT_TRANSLATE_NOOP("CTrainingWnd", "Let's practise %1. You are still learning it."),
    QT_TRANSLATE_NOOP("CTrainingWnd", "Let's practise %1 and %2. You are still learning them."),
    QT_TRANSLATE_NOOP("CTrainingWnd", "Let's practise %1, %2 and %3. You are still learning them."),
    QT_TRANSLATE_NOOP("CTrainingWnd",
                      "Let's practise %1, %2 and %3 more facts you are still learning."),
};
constexpr Sentences kSlow{
    QT_TRANSLATE_NOOP("CTrainingWnd", "Let's get faster at %1."),
    QT_TRANSLATE_NOOP("CTrainingWnd", "Let's get faster at %1 and %2."),
    QT_TRANSLATE_NOOP("CTrainingWnd", "Let's get faster at %1, %2 and %3."),
    QT_TRANSLATE_NOOP("CTrainingWnd", "Let's get faster at %1, %2 and %3 more facts."),
};

// One of `sentences` naming the first of `facts` (not empty).
QString Naming(const Sentences& sentences, const std::vector<Problem>& facts) {
    const std::size_t count = facts.size();
    QString text = CTrainingWnd::tr(sentences[std::min<std::size_t>(count, 4) - 1]);
    for (std::size_t i = 0; i < std::min<std::size_t>(count, 3); ++i) {
        text.replace(QStringLiteral("%") + QString::number(i + 1),
                     count > 3 && i == 2 ? QString::number(count - 2) : FactText(facts[i]));
    }
    return text;
}

// The note on a My Facts session: what it starts on, in words a young child reads; empty when
// there is nothing to say (no facts at all: Begin says what is wrong then).
QString NoteText(const data::FactStandings& standings) {
    switch (standings.basis) {
    case data::MyFactsBasis::Folding:
        if (!standings.missed.empty()) {
            std::vector<Problem> learning = standings.missed;
            learning.insert(learning.end(), standings.slow.begin(), standings.slow.end());
            return Naming(kStillLearning, learning);
        }
        if (!standings.slow.empty()) {
            return Naming(kSlow, standings.slow);
        }
        // A long list of new facts says nothing to a child: they are not named.
        return standings.unseen.size() == 1
                   ? CTrainingWnd::tr("Let's try a new fact: %1.")
                         .arg(FactText(standings.unseen[0]))
                   : CTrainingWnd::tr("Let's try some new facts, a few at a time.");
    case data::MyFactsBasis::NoRecord:
        return CTrainingWnd::tr("All your facts are new to you. Let's try them all!");
    case data::MyFactsBasis::NothingToLearn:
        return CTrainingWnd::tr("You know all your facts! Let's keep them quick.");
    case data::MyFactsBasis::NoFacts:
        break;
    }
    return {};
}

} // namespace

void CTrainingWnd::CreateMyFactsNote() {
    myFactsNote_ = new QLabel(this);
    myFactsNote_->setWordWrap(true);
    myFactsNote_->setAlignment(Qt::AlignCenter);
    myFactsNote_->hide();
}

void CTrainingWnd::UpdateMyFactsNote() {
    const QString text =
        myFacts_ ? NoteText(data::MyFactsStandings(kind_, GetCurrentStudent())) : QString();
    myFactsNote_->setText(text);
    myFactsNote_->setVisible(!text.isEmpty());
}

bool CTrainingWnd::PlanMyFactsSession() {
    plan_.reset();
    if (!myFacts_) {
        return false;
    }
    data::MyFactsPlan plan =
        data::PlanMyFacts(kind_, GetCurrentStudent(), data::DrawProgramRandom());
    if (plan.Basis() != data::MyFactsBasis::Folding) {
        return false;
    }
    plan_ = std::move(plan);
    return true;
}

// The session holds as many cards as a plain session of the kind holds problems, a new card in
// the place of the oldest once it is full; so its counts are of the cards shown, as a plain
// session's are, within the same bounds.
void CTrainingWnd::TakePlannedCard() {
    const auto held = static_cast<int>(ProblemsPerTest(TestFileNumber(kind_)));
    index_ = session_.GetCount() == 0 || index_ + 1 >= held ? 0 : index_ + 1;
    session_.SetProblem(index_, plan_->Next());
}
