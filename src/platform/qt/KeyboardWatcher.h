#pragma once

#include "../KeyboardState.h"

#include <QObject>
#include <array>

namespace platform {

// Keeps which digit keys are down, and which were pressed since they were last asked about, by
// watching every key event of the application.
class KeyboardWatcher final : public QObject, public IKeyboardState {
    Q_OBJECT
public:
    KeyboardWatcher();
    ~KeyboardWatcher() override;
    KeyPoll PollDigit(int digit) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<KeyPoll, 10> digits_{};
};

} // namespace platform
