#include "CardPicture.h"
#include "Screenshots.h"
#include "Sheet.h"

#include "gui/controls/CNumberPadCtl.h"

#include <QLabel>
#include <QWidget>

namespace screenshots {
namespace {

constexpr QSize kStage{820, 250};

// The pad in a panel beside a training card, with `typed` entered on it and the key `lit` under
// the mouse; in the multiplication layout the answer display stands over the card's answer box.
QImage PadOnStage(bool multiplication, const std::vector<int>& typed, int lit) {
    QWidget stage;
    stage.resize(kStage);
    stage.setAutoFillBackground(true);
    stage.setPalette(QPalette(QColor(238, 238, 238)));

    const CardStyle training{"training", "Review", 28, Qt::black, QColor(0, 160, 0)};
    platform::GdiRect answerBox;
    auto* card = new QLabel(&stage);
    card->setPixmap(QPixmap::fromImage(CardPicture(
        training, multiplication ? Fact(6, kTimes, 7, 42) : Fact(9, kPlus, 8, 17), answerBox)));
    card->move(600, 20);
    card->adjustSize();

    CNumberPadCtl pad(&stage);
    pad.move(20, 13);
    pad.SetDisplayFont(28);
    if (multiplication) {
        pad.SetMultiplicationLayout();
    }
    pad.SetDisplayRect(
        {answerBox.left + 600, answerBox.top + 22, answerBox.right + 600, answerBox.bottom + 22});
    const auto keys = pad.findChildren<CPictureButton*>();
    for (CPictureButton* key : keys) {
        key->SetHighlight(key->CommandId() == lit + 1);
    }
    for (int digit : typed) {
        for (CPictureButton* key : keys) {
            if (key->CommandId() == digit + 1) {
                key->click();
            }
        }
    }
    return stage.grab().toImage();
}

} // namespace

// Both layouts of the number pad, as the training window shows them.
QImage RenderNumberPads() {
    Sheet sheet(kStage.width() + 24);
    sheet.Add("standard layout, key 7 under the mouse", PadOnStage(false, {}, 7));
    sheet.Add("multiplication layout, 4 and 2 typed, key 2 under the mouse",
              PadOnStage(true, {4, 2}, 2));
    return sheet.Render();
}

} // namespace screenshots
