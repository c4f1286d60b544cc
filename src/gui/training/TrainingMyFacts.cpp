// My Facts in CTrainingWnd: what the set-up says of it, and the cards of a planned session.
#include "CTrainingWnd.h"
#include "data/CStudent.h"
#include "data/ProgramRandom.h"

#include <QLabel>

namespace {

// The note on a My Facts session of `kind`; empty when there is nothing to say (no facts at all:
// Begin says what is wrong then).
QString NoteText(const data::MyFactsPlan& plan, int kind) {
    const QString name = QString::fromStdString(GetOperationName(kind));
    // Mixed facts are of every operation: they are just "facts".
    const QString facts =
        kind == kMixed ? QStringLiteral("facts") : name.toLower() + QStringLiteral(" facts");
    switch (plan.Basis()) {
    case data::MyFactsBasis::Folding:
        return plan.ToLearn() == 1
                   ? QStringLiteral("My Facts practises the one %1 you do not know yet, among "
                                    "facts you know.")
                         .arg(kind == kMixed ? QStringLiteral("fact")
                                             : name.toLower() + QStringLiteral(" fact"))
                   : QStringLiteral("My Facts practises the %1 %2 you do not know yet, a few at "
                                    "a time, among facts you know.")
                         .arg(plan.ToLearn())
                         .arg(facts);
    case data::MyFactsBasis::NoRecord:
        return QStringLiteral("You have not practised these facts yet, so My Facts gives you all "
                              "the %1, as %2 does.")
            .arg(facts, name);
    case data::MyFactsBasis::NothingToLearn:
        return QStringLiteral("You know all your %1! My Facts gives you all of them, as %2 does.")
            .arg(facts, name);
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
    // Only the plan's standing is read: no random number is drawn for it.
    const QString text =
        myFacts_ ? NoteText(data::PlanMyFacts(kind_, GetCurrentStudent(), 0), kind_) : QString();
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
