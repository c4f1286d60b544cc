#pragma once

#include <QComboBox>
#include <QString>
#include <cstdint>
#include <functional>

// The sign-in dialog's list of names. A child may wait long at a desk while a student is added or
// deleted at another: the names are read again (`refill`) each time the list drops down. Letters
// typed one soon after another, in the closed list or in the open one, choose the first name
// that starts with them, capitals aside: in a school's list of 300 names a child types the first
// letters of the family name.
class SignInNameList final : public QComboBox {
    Q_OBJECT
public:
    explicit SignInNameList(std::function<void()> refill);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The row of the first name that starts with the letters typed so far, `text` added (or with
    // `text` alone after a pause); -1 when none does.
    int Search(const QString& text);

    std::function<void()> refill_;
    QString typed_;
    std::uint32_t lastKey_ = 0;
};
