#pragma once

#include <optional>
#include <string>

class QWidget;

namespace platform {

enum class MbIcon { None, Information, Exclamation, Stop, Question };
enum class MbButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MbResult { Ok, Cancel, Yes, No, Retry };

struct MessageBoxRequest {
    std::string text;
    // Nothing: the program's name. An empty text is a box whose title bar is empty.
    std::optional<std::string> title;
    MbIcon icon = MbIcon::None;
    MbButtons buttons = MbButtons::Ok;
    QWidget* owner = nullptr; // nullptr: the application's main window
};

// Modal message boxes. The program shows real dialogs; tests record the requests and answer
// from a script.
class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    virtual MbResult Show(const MessageBoxRequest& request) = 0;
};

} // namespace platform
