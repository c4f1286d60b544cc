#pragma once

#include <optional>
#include <string>

namespace platform {

struct SaveFileRequest {
    std::string title;       // the dialog's title
    std::string defaultName; // the file name proposed, in the user's documents folder
    std::string filter;      // the kinds of file offered: "CSV files (*.csv)"
    std::string extension;   // given to a name chosen without one: "csv"
};

// Asks where a file is to be saved. The program shows the desktop's file dialog; tests answer
// from a script.
class ISaveFileDialog {
public:
    virtual ~ISaveFileDialog() = default;
    // The path chosen; nothing when the user cancels.
    virtual std::optional<std::string> Choose(const SaveFileRequest& request) = 0;
};

} // namespace platform
