#include "CTrainingWnd.h"
#include "SetupText.h"

#include "data/CStudent.h"
#include "gui/common/CentreIn.h"
#include "gui/common/HomeScreen.h"
#include "gui/common/ScreenColours.h"
#include "gui/common/TrainingSessionGraph.h"
#include "gui/controls/CBasicLineGraph.h"
#include "gui/controls/CNumberPadCtl.h"
#include "gui/controls/CPictureButton.h"
#include "gui/controls/KeyboardNavigation.h"
#include "gui/controls/ReportList.h"
#include "gui/controls/ScreenButton.h"
#include "gui/controls/SpokenText.h"
#include "platform/Display.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/ProgramSound.h"
#include "platform/qt/ScreenBitmaps.h"
#include "platform/qt/ScreenStage.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace {

constexpr const char* kSource = "Gui classes\\Ctrainingwnd";
constexpr const char* kTestingFolder = "Testing";
constexpr const char* kTrainingFolder = "Training";
constexpr int kCardPoints = 28;

// In the order of the kinds, Addition first; My Facts last.
constexpr std::array kKindButtons{
    CTrainingWnd::kAdditionButton,       CTrainingWnd::kSubtractionButton,
    CTrainingWnd::kMultiplicationButton, CTrainingWnd::kDivisionButton,
    CTrainingWnd::kMixedButton,          CTrainingWnd::kMyFactsButton};
constexpr const char* kMyFactsPicture = "myFactsButton";

// A static text of the set-up panel: on the panel's grey, never taking the focus.
QLabel* MakeSetupText(QWidget* window, const QString& text, Qt::Alignment alignment) {
    auto* label = new SetupText(text, window);
    label->setAlignment(alignment);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, kSetupBlockColour);
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
    return label;
}

// The student's level is the kind first suggested, and the kind My Facts practises.
int LevelKind() {
    const int level = GetCurrentStudent().GetLevel();
    return level >= kAddition && level <= kMixed ? level : kAddition;
}

// The goal as typed: 0 when the field is empty or holds no number a goal could be.
int ReadGoal(const QString& text) {
    bool ok = false;
    const int goal = text.toInt(&ok, 10);
    return ok ? goal : 0;
}

} // namespace

CTrainingWnd::CTrainingWnd(IHomeScreen& home)
    : ActivityWindow({.source = kSource,
                      .windowTitle = QT_TRANSLATE_NOOP("ActivityWindow", "Training"),
                      .failureName = "Training",
                      .headerTitle = tr("Training"),
                      .headerLook = {.iconFolder = kTrainingFolder,
                                     .iconName = "trainingIcon",
                                     .face = "Book Antiqua"},
                      .overhang = 1}),
      homeScreen_(home) {
    if (Build()) {
        LogValuesShownWithinLimits(kSource, GetCurrentStudent());
        show();
    }
}

CPictureButton* CTrainingWnd::Button(CommandId id) const {
    switch (id) {
    case kBegin:
        return beginButton_;
    case kHome:
        return homeButton_;
    case kViewSessionGraph:
        return viewGraphButton_;
    case kViewReport:
        return viewReportButton_;
    default:
        break;
    }
    return ButtonOfEntry(kKindButtons, kindButtons_, id);
}

bool CTrainingWnd::CreateUIElements() {
    pictures_.Load();
    const int setupPoints = platform::GetScreenSize().width >= 1024 ? 12 : 11;
    setupFont_ = platform::MakeFont("Book Antiqua", platform::PointsToPixels(setupPoints));
    cardFont_ = platform::MakeFont("Symbol", platform::PointsToPixels(kCardPoints));

    pad_ = new CNumberPadCtl(this);
    pad_->EnableKeys(false);
    connect(pad_, &CNumberPadCtl::answerPosted, this, &CTrainingWnd::OnAnswer);
    CreateViews();

    if (!CreateSetupControls()) {
        return false;
    }
    homeButton_ = MakeScreenButton(this, QCoreApplication::translate("PictureCaption", "Home"),
                                   kHome, kTestingFolder, "homeButton");
    beginButton_ = MakeScreenButton(this, QCoreApplication::translate("PictureCaption", "Begin"),
                                    kBegin, kTestingFolder, "beginButton");
    viewGraphButton_ = MakeScreenButton(this, tr("View session graph"), kViewSessionGraph,
                                        "Progress", "currentProgressButton");
    viewReportButton_ =
        MakeScreenButton(this, tr("View report"), kViewReport, kTrainingFolder, "viewReport");
    const std::array buttons{homeButton_, beginButton_, viewGraphButton_, viewReportButton_};
    if (std::ranges::find(buttons, nullptr) != buttons.end()) {
        return false;
    }
    for (CPictureButton* button : buttons) {
        connect(button, &CPictureButton::commandClicked, this, &CTrainingWnd::OnCommand);
    }
    // The set-up as it reads, row by row (+, -, Mixed, then x, /, My Facts), then Begin and the
    // views; Home last.
    SetTabChain({pad_, kindButtons_[0], kindButtons_[1], kindButtons_[4], kindButtons_[2],
                 kindButtons_[3], kindButtons_[5], lengthList_, goalField_, beginButton_,
                 viewGraphButton_, viewReportButton_, graph_, report_, homeButton_});
    new ArrowKeyGroup(std::vector<QWidget*>(kindButtons_.begin(), kindButtons_.end()));
    return true;
}

bool CTrainingWnd::CreateSetupControls() {
    kindTitle_ = MakeSetupText(this, tr("Select the type of problems\nyou would like to practice:"),
                               Qt::AlignHCenter | Qt::AlignTop);
    for (std::size_t i = 0; i < kKindButtons.size(); ++i) {
        const auto kind = static_cast<std::int32_t>(i) + kAddition;
        const bool myFacts = kKindButtons[i] == kMyFactsButton;
        kindButtons_[i] = MakeScreenButton(
            this, myFacts ? tr("My facts") : QString::fromStdString(GetOperationName(kind)),
            kKindButtons[i], kTrainingFolder, myFacts ? kMyFactsPicture : KindButtonPicture(kind),
            myFacts ? tr("Practise the facts you do not know yet, a few at a time among facts you "
                         "know")
                    : QString());
        if (kindButtons_[i] == nullptr) {
            return false;
        }
        connect(kindButtons_[i], &CPictureButton::commandClicked, this, &CTrainingWnd::OnKind);
    }
    minutesLabel_ = MakeSetupText(this, tr("minutes"), Qt::AlignLeft | Qt::AlignVCenter);
    lengthText_ = MakeSetupText(this, tr("Choose the length of time\nyou would like to practice:"),
                                Qt::AlignHCenter | Qt::AlignTop);
    lengthList_ = new QComboBox(this);
    lengthList_->addItems({QStringLiteral("1"), QStringLiteral("4")});
    lengthList_->setCurrentIndex(0);
    lengthList_->setAccessibleName(tr("Minutes"));
    lengthList_->setAccessibleDescription(lengthText_->text().simplified());
    goalText_ = MakeSetupText(
        this, tr("Enter your goal. This is the number of problems you want to get correct:"),
        Qt::AlignLeft | Qt::AlignTop);
    goalText_->setWordWrap(true);
    goalField_ = new QLineEdit(this);
    goalField_->setAccessibleName(tr("Goal"));
    goalField_->setAccessibleDescription(goalText_->text());
    goalField_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), goalField_));
    connect(goalField_, &QLineEdit::textChanged, this, &CTrainingWnd::OnGoalChanged);
    CreateMyFactsNote();

    kind_ = LevelKind();
    kindButtons_[static_cast<std::size_t>(kind_ - 1)]->SetHighlight(true);
    return true;
}

void CTrainingWnd::PositionUIElements() {
    layout_ = ComputeTrainingLayout(width(), height(), header_.Height(),
                                    platform::GetBitmapSize(pictures_.CardBackground()));
    header_.Layout(width(), layout_.columnRight);
    pad_->move(CentreIn(layout_.padArea, pad_->size()));
    pad_->SetDisplayFont(kCardPoints);
    pad_->HidePad();
    int buttonTop = pad_->y();
    for (CPictureButton* button :
         {homeButton_, beginButton_, viewGraphButton_, viewReportButton_}) {
        button->move(layout_.buttonArea.left, buttonTop);
        buttonTop += beginButton_->height();
    }
    graph_->setGeometry(layout_.cardArea.ToQRect());
    report_->setGeometry(layout_.cardArea.ToQRect());
    card_.SetGeometry(layout_.cardArea.ToQRect());
    PositionSetupControls();
}

void CTrainingWnd::PositionSetupControls() {
    const QFontMetrics metrics(setupFont_);
    const QSize letter(metrics.horizontalAdvance(QLatin1Char('X')), metrics.height());
    setupLayout_ = ComputeSetupPanel(layout_.setupPanel, letter, kindButtons_[0]->PictureSize());
    // The texts' lines are a letter height apart, as the panel measures them.
    kindTitle_->setGeometry(setupLayout_.kindTitle.ToQRect());
    for (std::size_t i = 0; i < kindButtons_.size(); ++i) {
        kindButtons_[i]->move(setupLayout_.kindButtons[i]);
    }
    lengthText_->setGeometry(setupLayout_.lengthText.ToQRect());
    // The list's height includes its dropped-down part; the closed box is as tall as its font.
    QRect list = setupLayout_.lengthList.ToQRect();
    list.setHeight(std::min(list.height(), setupLayout_.minutesLabel.Height()));
    lengthList_->setGeometry(list);
    minutesLabel_->setGeometry(setupLayout_.minutesLabel.ToQRect());
    goalText_->setGeometry(setupLayout_.goalText.ToQRect());
    goalField_->setGeometry(setupLayout_.goalField.ToQRect());
    // In the place of the pad, which no session shows while the note does.
    const platform::GdiRect& padArea = layout_.padArea;
    myFactsNote_->setGeometry(padArea.left + 2 * letter.width(), padArea.top + letter.height(),
                              padArea.Width() - 4 * letter.width(), 3 * metrics.lineSpacing());
    for (QWidget* control :
         std::initializer_list<QWidget*>{kindTitle_, lengthText_, minutesLabel_, goalText_,
                                         lengthList_, goalField_, myFactsNote_}) {
        control->setFont(setupFont_);
    }
}

void CTrainingWnd::OnCommand(int id) {
    switch (id) {
    case kBegin:
        OnBegin();
        break;
    case kHome:
        OnHome();
        break;
    case kViewSessionGraph:
        OnViewSessionGraph();
        break;
    case kViewReport:
        OnViewReport();
        break;
    default:
        break;
    }
}

void CTrainingWnd::OnKind(int id) {
    myFacts_ = id == kMyFactsButton;
    kind_ = myFacts_ ? LevelKind() : id - (kAdditionButton - 1);
    for (std::size_t i = 0; i < kKindButtons.size(); ++i) {
        kindButtons_[i]->SetHighlight(kKindButtons[i] == id);
    }
    UpdateMyFactsNote();
}

void CTrainingWnd::OnGoalChanged() {
    goal_ = ReadGoal(goalField_->text());
}

void CTrainingWnd::EnableSetup(bool enable) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             beginButton_, viewGraphButton_, viewReportButton_, lengthList_, goalField_}) {
        control->setEnabled(enable);
    }
    for (CPictureButton* button : kindButtons_) {
        button->setEnabled(enable);
    }
    if (enable) {
        UpdateMyFactsNote();
    } else {
        myFactsNote_->hide();
    }
}

void CTrainingWnd::OnHome() {
    TraceNavigation(__LINE__);
    homeScreen_.ShowHome();
    CloseWindow();
}

// Leaving mid-session keeps the first tries made so far.
void CTrainingWnd::CloseWindow() {
    timer_.stop();
    steps_.Stop();
    GetCurrentStudent().SaveFluency();
    Dismiss();
}

void CTrainingWnd::HandOverToReview() {
    platform::GetMessageBoxes().Show(
        {.text = tr("It is time to review your mistakes.").toStdString(),
         .title = "Tallyhop",
         .icon = platform::MbIcon::Information,
         .owner = this});
    CloseWindow();
    homeScreen_.OpenMistakeReview();
}
