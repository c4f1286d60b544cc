#pragma once

#include <optional>
#include <string>

namespace platform {

struct OpenFileRequest {
    std::string title;  // the dialog's title
    std::string filter; // the kinds of file offered: "CSV files (*.csv);;All files (*)"
};

// Asks which existing file is to be read. The program shows the desktop's file dialog; tests
// answer from a script.
class IOpenFileDialog {
public:
    virtual ~IOpenFileDialog() = default;
    // The path chosen; nothing when the user cancels.
    virtual std::optional<std::string> Choose(const OpenFileRequest& request) = 0;
};

} // namespace platform
