#include "CNumberPadCtl.h"

#include "PadKeyboard.h"
#include "platform/Logs.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/ProgramSound.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QCoreApplication>
#include <QPainter>
#include <cmath>
#include <string>

namespace {

constexpr std::string_view kSource = "Gui classes\\Cnumberpadctl";
constexpr std::string_view kKeyFolder = "Numbers";
constexpr std::string_view kRingFolder = "Numbers\\Small";
constexpr std::string_view kEnterFolder = "Numbers\\small";
constexpr int kEnterCommand = 2000;
const QColor kPadBackground(238, 238, 238);

// The ring of digits: key 0 at the top, the others clockwise, radius 90 around x 145.
QPoint RingPlace(int digit) {
    const double angle = -1.570796325 + digit * 0.62831853;
    return {static_cast<int>(std::cos(angle) * 90 + 145),
            static_cast<int>((std::sin(angle) + 1) * 90)};
}

} // namespace

CNumberPadCtl::CNumberPadCtl(QWidget* parent) : QWidget(parent) {
    const QSize standardKey = platform::GetBitmapSize(platform::LoadScreenBitmap(kKeyFolder, "0"));
    setWindowTitle(QStringLiteral("Number Pad Control"));
    setAccessibleName(tr("Number pad"));
    setGeometry(0, 0, 6 * standardKey.width(), 4 * standardKey.height());
    for (int key = 0; key < kKeyCount; ++key) {
        keys_[key].Create(QString::number(key), CPictureButton::Visibility::Hidden,
                          QRect(0, 0, 1, 1), this, key + 1);
        connect(&keys_[key], &CPictureButton::commandClicked, this, &CNumberPadCtl::OnCommand);
    }
    enter_.Create(QCoreApplication::translate("PictureCaption", "Enter"),
                  CPictureButton::Visibility::Hidden, QRect(0, 0, 1, 1), this, kEnterCommand);
    enter_.LoadBitmaps(kEnterFolder, "Enter");
    enter_.setAccessibleDescription(tr("Send the typed answer"));
    connect(&enter_, &CPictureButton::commandClicked, this, &CNumberPadCtl::OnCommand);

    // Without an owner the pad has no screen to live on: it keeps everything to itself and
    // never shows, so no answer can come from it.
    created_ = parent != nullptr;
    if (!created_) {
        platform::WriteErrorLog(kSource, __LINE__, "Failed to create this window");
    } else {
        new PadKeyboard(*this);
    }
    display_ = new QLabel(created_ ? parent : this);
    // Its text, the number typed so far, is what a screen reader reads out.
    display_->setAccessibleDescription(tr("The answer typed so far"));
    display_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    display_->setGeometry(0, 0, 100, 50);
    display_->show();
    SetStandardLayout();
}

CNumberPadCtl::~CNumberPadCtl() {
    // The display lives among the owner's children; it goes with the pad.
    delete display_.data();
}

void CNumberPadCtl::SetStandardLayout() {
    if (layout_ != kStandardLayout) {
        HidePad();
    }
    layout_ = kStandardLayout;
    ShowValue(false);
    enter_.hide();
    LoadKeyPictures(kKeyFolder, kKeyCount);

    QRect place(QPoint(0, 0), keySize_);
    for (int key = 1; key < kKeyCount; ++key) {
        keys_[key].setGeometry(place);
        place.translate(keySize_.width(), 0);
        if (key % 6 == 0) {
            place.moveTo(0, place.y() + keySize_.height());
        }
    }
    keys_[0].setGeometry(place.translated(static_cast<int>(2.5 * keySize_.width()), 0));
    for (CPictureButton& key : keys_) {
        key.show();
    }
    EnableKeys(true);
    ShowPad();
}

void CNumberPadCtl::SetMultiplicationLayout() {
    if (layout_ != kMultiplicationLayout) {
        HidePad();
        layout_ = kMultiplicationLayout;
        LoadKeyPictures(kRingFolder, kRingKeyCount);
        for (CPictureButton& key : keys_) {
            key.hide();
        }
        enter_.move(keySize_.width() + 72, keySize_.height() + 15);
        enter_.show();
        for (int digit = 0; digit < kRingKeyCount; ++digit) {
            keys_[digit].setGeometry(QRect(RingPlace(digit), keySize_));
            keys_[digit].show();
        }
    }
    EnableKeys(true);
    ShowPad();
}

void CNumberPadCtl::LoadKeyPictures(std::string_view screenFolder, int count) {
    if (keyPicturesFolder_ == screenFolder) {
        return;
    }
    keyPicturesFolder_ = screenFolder;
    for (int key = 0; key < count; ++key) {
        keys_[key].LoadBitmaps(screenFolder, std::to_string(key));
    }
    keySize_ = keys_[0].PictureSize();
}

void CNumberPadCtl::EnableKeys(bool enable) {
    if (!enable) {
        HandFocusToOwner();
    }
    const int count = layout_ == kStandardLayout ? kKeyCount : kRingKeyCount;
    for (int key = 0; key < count; ++key) {
        keys_[key].setEnabled(enable);
    }
    if (layout_ == kMultiplicationLayout) {
        enter_.setEnabled(enable);
    }
    setEnabled(enable);
}

void CNumberPadCtl::ShowPad() {
    if (!created_) {
        return;
    }
    show();
    display_->setVisible(layout_ == kMultiplicationLayout);
}

void CNumberPadCtl::HidePad() {
    HandFocusToOwner();
    hide();
    display_->hide();
}

void CNumberPadCtl::HandFocusToOwner() {
    if (created_ && isAncestorOf(window()->focusWidget())) {
        parentWidget()->setFocus();
    }
}

void CNumberPadCtl::SetDisplayRect(const platform::GdiRect& rect) {
    display_->setGeometry(rect.ToQRect());
    display_->update();
}

void CNumberPadCtl::ClearValue() {
    value_ = -1;
    ShowValue(true);
}

void CNumberPadCtl::ShowValue(bool show) {
    display_->setText(value_ == -1 ? QString() : QString::number(value_));
    display_->setVisible(show && DisplayWanted());
}

bool CNumberPadCtl::DisplayWanted() const {
    return layout_ == kMultiplicationLayout || value_ != -1;
}

void CNumberPadCtl::SetDisplayFont(int points) {
    display_->setFont(platform::MakeFont("Symbol", platform::PointsToPixels(points)));
}

void CNumberPadCtl::OnCommand(int commandId) {
    if (commandId == kEnterCommand) {
        OnEnter();
    } else {
        OnKey(commandId - 1);
    }
}

void CNumberPadCtl::OnKey(int digit) {
    if (layout_ == kStandardLayout) {
        // A clicked key is the whole answer; digits typed before it would otherwise stay for the
        // next card.
        value_ = -1;
        ShowValue(false);
        PostAnswer(digit);
        return;
    }
    TypeDigit(digit);
}

void CNumberPadCtl::TypeDigit(int digit) {
    // Sounds as the clicks giving the same answer would: a ring digit clicks, a standard key
    // gives the whole answer silently.
    if (layout_ == kMultiplicationLayout) {
        platform::PlayProgramSound(platform::ProgramSound::kType);
    }
    if (value_ == -1) {
        value_ = digit;
    } else if (value_ < 10) {
        value_ = value_ * 10 + digit;
    }
    ShowValue(true);
}

void CNumberPadCtl::EraseDigit() {
    if (value_ == -1) {
        return;
    }
    value_ = value_ < 10 ? -1 : value_ / 10;
    ShowValue(true);
}

void CNumberPadCtl::OnEnter() {
    const QString typed = display_->text().left(8);
    if (typed.isEmpty()) {
        return;
    }
    // The display is emptied with the value, so a second Enter before the owner has moved on
    // cannot send the same answer again for the next card.
    value_ = -1;
    ShowValue(false);
    PostAnswer(typed.toInt());
}

void CNumberPadCtl::PostAnswer(int answer) {
    QMetaObject::invokeMethod(
        this, [this, answer] { emit answerPosted(answer); }, Qt::QueuedConnection);
}

void CNumberPadCtl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    platform::GdiDc dc(painter);
    dc.FillSolidRect({0, 0, 6 * keySize_.width(), 4 * keySize_.height()}, kPadBackground);
}
