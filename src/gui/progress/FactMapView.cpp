#include "FactMapView.h"

#include "FactMapColours.h"
#include "FactSummaryTile.h"
#include "data/CStudent.h"
#include "data/OperationFacts.h"
#include "data/SessionHistory.h"
#include "gui/common/LanguageForms.h"
#include "gui/common/ScreenColours.h"
#include "gui/controls/AccessibleObjects.h"
#include "gui/controls/CPictureButton.h"
#include "gui/controls/FactText.h"
#include "gui/controls/KeyboardNavigation.h"
#include "gui/controls/ScreenButton.h"
#include "platform/Logs.h"
#include "platform/qt/Fonts.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <utility>

namespace {

constexpr const char* kSource = "Gui classes\\Factmapview";
constexpr const char* kFace = "Book Antiqua";
constexpr const char* kCellFace = "Verdana";
const QColor kHeadlineColour(0, 78, 152);
const QColor kNoteColour(80, 80, 80);

// Each kind with its own button, in this order; the first four have a grid each.
constexpr std::array<std::int32_t, 5> kKinds{kAddition, kSubtraction, kMultiplication, kDivision,
                                             kMixed};
constexpr std::array<std::int32_t, 4> kGridKinds{kAddition, kSubtraction, kMultiplication,
                                                 kDivision};

struct LegendEntry {
    data::Fluency fluency;
    const char* label;
};

// In the order of the layout's legend rows.
constexpr std::array<LegendEntry, 4> kLegend{
    {{data::Fluency::Fluent, QT_TRANSLATE_NOOP("FactMapView", "Fluent")},
     {data::Fluency::Slow, QT_TRANSLATE_NOOP("FactMapView", "Right but slow")},
     {data::Fluency::Missed, QT_TRANSLATE_NOOP("FactMapView", "Missed")},
     {data::Fluency::NotSeen, QT_TRANSLATE_NOOP("FactMapView", "Not tried yet")}}};

QString Seconds(std::uint32_t ms) {
    return FactMapView::tr("%1 s").arg(
        QString::fromStdString(LanguageForms().oneDecimal(ms / 1000.0)));
}

QString LegendNote(data::Fluency fluency) {
    const QString limit = QString::number(data::kFluentMs / 1000);
    switch (fluency) {
    case data::Fluency::Fluent:
        return FactMapView::tr("right, in %1 seconds or less").arg(limit);
    case data::Fluency::Slow:
        return FactMapView::tr("right, but over %1 seconds").arg(limit);
    case data::Fluency::Missed:
        return FactMapView::tr("wrong, or still to review");
    case data::Fluency::NotSeen:
        break;
    }
    return FactMapView::tr("not answered yet");
}

int CountOf(const data::FluencyCounts& counts, data::Fluency fluency) {
    switch (fluency) {
    case data::Fluency::Fluent:
        return counts.fluent;
    case data::Fluency::Slow:
        return counts.slow;
    case data::Fluency::Missed:
        return counts.missed;
    case data::Fluency::NotSeen:
        break;
    }
    return counts.notSeen;
}

// "7 × 8 = 56 — usually 2.4 s; 3 tries, the last on 09/04/2006", with why a missed fact is
// missed.
QString FactToolTip(const data::FactCell& cell) {
    QStringList notes;
    if (cell.medianMs) {
        notes << FactMapView::tr("usually %1").arg(Seconds(*cell.medianMs));
    } else if (cell.tries == 0 && !cell.listed) {
        notes << FactMapView::tr("not tried yet");
    }
    if (cell.listed) {
        notes << FactMapView::tr("on the mistake list");
    } else if (cell.fluency == data::Fluency::Missed) {
        notes << FactMapView::tr("wrong last time");
    }
    QString tip = FactMapView::tr("%1 = %2 \u2014 %3")
                      .arg(FactText(cell.fact), QString::number(cell.fact.correctAnswer),
                           notes.join(QStringLiteral(", ")));
    if (cell.tries > 0) {
        tip += QStringLiteral("; ") + (cell.tries == 1
                                           ? FactMapView::tr("1 try")
                                           : FactMapView::tr("%n tries", nullptr, cell.tries));
    }
    if (cell.tries > 0 && cell.lastTried != 0) {
        tip += QStringLiteral(", ") + FactMapView::tr("the last on %1")
                                          .arg(QString::fromStdString(LanguageForms().date(
                                              cell.lastTried, history::kProgressDateSeparator)));
    }
    return tip;
}

std::int32_t OperationOfLevel(std::int32_t level) {
    return level >= kAddition && level <= kMixed ? level : kAddition;
}

// What the map says of a test file it cannot use: the kind (%1) and the file (%2); none when it
// can.
const char* ProblemWithFile(const data::OperationFacts& facts) {
    switch (facts.state) {
    case data::FactFileState::Read:
        return nullptr;
    case data::FactFileState::NoFacts:
        return QT_TRANSLATE_NOOP("FactMapView", "%2 holds no %1 facts. Please tell your teacher.");
    case data::FactFileState::Missing:
        break;
    }
    return QT_TRANSLATE_NOOP("FactMapView",
                             "The %1 facts cannot be read from %2. Please tell your teacher.");
}

QString FileName(const data::OperationFacts& facts) {
    return QStringLiteral("\"Test Data/%1\"").arg(QString::fromStdString(facts.fileName));
}

// The problem in the program's language, for the screen.
QString MessageFor(const data::OperationFacts& facts, std::int32_t kind) {
    const char* problem = ProblemWithFile(facts);
    return problem == nullptr
               ? QString()
               : FactMapView::tr(problem).arg(QString::fromStdString(GetOperationName(kind)),
                                              FileName(facts));
}

void DrawCell(QPainter& painter, const QRect& face, const data::FactCell& cell) {
    const qreal radius = face.height() / 6.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(FluencyColour(cell.fluency));
    painter.drawRoundedRect(face, radius, radius);
    painter.setPen(kFactInkColour);
    painter.drawText(face, Qt::AlignCenter, FactText(cell.fact));
}

} // namespace

FactMapView::FactMapView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Fact map"));
    SetAccessibleRole(*this, QAccessible::Chart);
    // Parented to this view, the buttons are always created.
    for (std::size_t index = 0; index < kKinds.size(); ++index) {
        const std::int32_t kind = kKinds[index];
        const QString name = QString::fromStdString(GetOperationName(kind));
        CPictureButton* button =
            MakeScreenButton(this, name, kind, "Training", KindButtonPicture(kind));
        button->setToolTip(tr("%1 facts").arg(name));
        connect(button, &CPictureButton::commandClicked, this, &FactMapView::ShowOperation);
        kindButtons_[index] = button;
    }
    for (std::size_t index = 0; index < kGridKinds.size(); ++index) {
        const std::int32_t kind = kGridKinds[index];
        tiles_[index] = new FactSummaryTile(this, QString::fromStdString(GetOperationName(kind)));
        tiles_[index]->hide();
        connect(tiles_[index], &QAbstractButton::clicked, this,
                [this, kind] { ShowOperation(kind); });
    }
    new ArrowKeyGroup(std::vector<QWidget*>(kindButtons_.begin(), kindButtons_.end()));
    Relayout();
}

CPictureButton* FactMapView::KindButton(std::int32_t kind) const {
    return ButtonOfEntry(kKinds, kindButtons_, kind);
}

FactSummaryTile* FactMapView::SummaryTile(std::int32_t kind) const {
    const auto found = std::ranges::find(kGridKinds, kind);
    return found == kGridKinds.end() ? nullptr
                                     : tiles_[static_cast<std::size_t>(found - kGridKinds.begin())];
}

void FactMapView::ShowStudent(std::int32_t level, data::FactFluency fluency,
                              std::vector<Problem> mistakes) {
    fluency_ = std::move(fluency);
    mistakes_ = std::move(mistakes);
    ShowOperation(OperationOfLevel(level));
}

void FactMapView::ShowOperation(std::int32_t kind) {
    operation_ = OperationOfLevel(kind);
    if (operation_ == kMixed) {
        ShowSummary();
    } else {
        const data::OperationFacts facts = data::ReadOperationFacts(operation_);
        message_ = MessageFor(facts, operation_);
        if (const char* problem = ProblemWithFile(facts)) {
            platform::WriteErrorLog(
                kSource, __LINE__,
                QString::fromLatin1(problem)
                    .arg(QString::fromStdString(GetEnglishOperationName(operation_)),
                         FileName(facts))
                    .toStdString());
        }
        grid_ = data::FactGrid(facts.facts, fluency_, mistakes_);
    }
    for (std::size_t index = 0; index < kKinds.size(); ++index) {
        kindButtons_[index]->SetHighlight(kKinds[index] == operation_);
    }
    for (FactSummaryTile* tile : tiles_) {
        tile->setVisible(operation_ == kMixed);
    }
    setAccessibleDescription(SpokenMap());
    Relayout();
    update();
}

// Each operation's facts counted on its own tile; a file that cannot be read says so on its tile
// (and in the error log once its grid is opened).
void FactMapView::ShowSummary() {
    grid_ = {};
    message_.clear();
    for (std::size_t index = 0; index < kGridKinds.size(); ++index) {
        const data::OperationFacts facts = data::ReadOperationFacts(kGridKinds[index]);
        tiles_[index]->Show(data::FactGrid(facts.facts, fluency_, mistakes_).Counts(),
                            ProblemWithFile(facts) == nullptr ? QString() : tr("Cannot be read"));
    }
}

data::FluencyCounts FactMapView::Counts() const {
    if (operation_ != kMixed) {
        return grid_.Counts();
    }
    data::FluencyCounts sum;
    for (const FactSummaryTile* tile : tiles_) {
        sum.fluent += tile->Counts().fluent;
        sum.slow += tile->Counts().slow;
        sum.missed += tile->Counts().missed;
        sum.notSeen += tile->Counts().notSeen;
    }
    return sum;
}

QString FactMapView::Headline() const {
    const QString name = QString::fromStdString(GetOperationName(operation_));
    const data::FluencyCounts counts = Counts();
    if (counts.Total() == 0) {
        return tr("%1: no facts to show").arg(name);
    }
    return tr("%1: %2 of %3 fluent").arg(name).arg(counts.fluent).arg(counts.Total());
}

QString FactMapView::SpokenMap() const {
    QStringList sentences{Headline() + QLatin1Char('.')};
    const std::array<std::pair<data::Fluency, const char*>, 4> groups{{
        {data::Fluency::Fluent, QT_TR_NOOP("Fluent: %1.")},
        {data::Fluency::Slow, QT_TR_NOOP("Right but slow: %1.")},
        {data::Fluency::Missed, QT_TR_NOOP("Missed: %1.")},
        {data::Fluency::NotSeen, QT_TR_NOOP("Not tried yet: %1.")},
    }};
    for (const auto& [fluency, sentence] : groups) {
        QStringList facts;
        for (const data::FactCell& cell : grid_.Cells()) {
            if (cell.fluency == fluency && !cell.mirrored) {
                facts << SpokenFact(cell.fact);
            }
        }
        if (!facts.isEmpty()) {
            sentences << tr(sentence).arg(facts.join(QStringLiteral(", ")));
        }
    }
    return sentences.join(QLatin1Char(' '));
}

QString FactMapView::ToolTipAt(QPoint point) const {
    const auto place = layout_.CellAt(point);
    const data::FactCell* cell = place ? grid_.At(place->y(), place->x()) : nullptr;
    return cell != nullptr ? FactToolTip(*cell) : QString();
}

bool FactMapView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = ToolTipAt(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
}

void FactMapView::resizeEvent(QResizeEvent*) {
    Relayout();
}

void FactMapView::Relayout() {
    layout_ = ComputeFactMapLayout(size(), kindButtons_[0]->size(), grid_.Rows(), grid_.Columns());
    for (std::size_t index = 0; index < kindButtons_.size(); ++index) {
        kindButtons_[index]->move(layout_.kindButtons[index]);
    }
    const QRect& area = layout_.gridArea;
    const int gap = layout_.band.height() / 6;
    const int tileWidth = (area.width() - 3 * gap) / 4;
    for (std::size_t index = 0; index < tiles_.size(); ++index) {
        tiles_[index]->setGeometry(area.left() + static_cast<int>(index) * (tileWidth + gap),
                                   area.top(), tileWidth, area.height());
    }
    headlineFont_ = platform::MakeFont(kFace, layout_.band.height() * 9 / 20, 700);
    const int legendRow = layout_.legend[0].label.height() + layout_.legend[0].note.height();
    legendFont_ = platform::MakeFont(kFace, legendRow * 3 / 10, 700);
    noteFont_ = platform::MakeFont(kFace, std::max(10, legendRow * 2 / 11));
    for (FactSummaryTile* tile : tiles_) {
        tile->SetFonts(legendFont_, noteFont_);
    }
    FitCellFont();
}

// As large as half a cell's height, smaller where the widest fact would not fit across a cell.
void FactMapView::FitCellFont() {
    const int room = layout_.cell.width() - layout_.gap - layout_.cell.height() / 4;
    int pixels = std::max(8, layout_.cell.height() / 2);
    cellFont_ = platform::MakeFont(kCellFace, pixels, 700);
    int widest = 0;
    for (const data::FactCell& cell : grid_.Cells()) {
        widest = std::max(widest, QFontMetrics(cellFont_).horizontalAdvance(FactText(cell.fact)));
    }
    if (widest > room && room > 0) {
        pixels = std::max(6, pixels * room / widest);
        cellFont_ = platform::MakeFont(kCellFace, pixels, 700);
    }
}

void FactMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(layout_.band, kSetupBlockColour);

    painter.setFont(headlineFont_);
    painter.setPen(kHeadlineColour);
    painter.drawText(layout_.headline, Qt::AlignVCenter | Qt::AlignLeft, Headline());

    if (!message_.isEmpty()) {
        painter.setFont(legendFont_);
        painter.setPen(kTestProblemColour);
        painter.drawText(layout_.gridArea, Qt::AlignCenter | Qt::TextWordWrap, message_);
    }
    painter.setFont(cellFont_);
    for (const data::FactCell& cell : grid_.Cells()) {
        DrawCell(painter, layout_.CellRect(cell.row, cell.column), cell);
    }

    const data::FluencyCounts counts = Counts();
    // The labels share one size, made smaller where one would not fit.
    QStringList labels;
    for (const LegendEntry& entry : kLegend) {
        labels << tr(entry.label);
    }
    const QFont labelFont =
        platform::FontToFit(legendFont_, labels, layout_.legend[0].label.width(), 8);
    for (std::size_t index = 0; index < kLegend.size(); ++index) {
        const LegendRow& row = layout_.legend[index];
        const qreal radius = row.swatch.height() / 6.0;
        painter.setPen(Qt::NoPen);
        painter.setBrush(FluencyColour(kLegend[index].fluency));
        painter.drawRoundedRect(row.swatch, radius, radius);
        painter.setPen(kFactInkColour);
        painter.setFont(legendFont_);
        painter.drawText(row.swatch, Qt::AlignCenter,
                         QString::number(CountOf(counts, kLegend[index].fluency)));
        painter.setFont(labelFont);
        painter.drawText(row.label, Qt::AlignLeft | Qt::AlignBottom,
                         labels[static_cast<qsizetype>(index)]);
        painter.setFont(noteFont_);
        painter.setPen(kNoteColour);
        painter.drawText(row.note, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         LegendNote(kLegend[index].fluency));
    }
}
