// Writes the data folder a new installation starts with: Admin.nfo, the teacher record and its
// class file, and any students asked for.
#include "DataFolderWriter.h"

#include "platform/MessageBoxes.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "platform/SystemClock.h"

#include <cstdio>

namespace {

// Messages the data layer would show go to the terminal.
class ConsoleMessages final : public platform::IMessageBoxes {
public:
    platform::MbResult Show(const platform::MessageBoxRequest& request) override {
        std::fprintf(stderr, "tallyhop_datafolder: %s\n", request.text.c_str());
        return request.buttons == platform::MbButtons::Ok ? platform::MbResult::Ok
                                                          : platform::MbResult::Cancel;
    }
};

// Stands in for the program, so that the base folder is the program folder being written.
class ProgramFolderProcess final : public platform::IProcess {
public:
    explicit ProgramFolderProcess(std::string folder)
        : executable_(std::move(folder) + "/Tallyhop") {}
    std::string ExecutablePath() override { return executable_; }
    std::string CommandLine() override { return executable_; }
    void PostQuit() override {}
    std::optional<std::string> Environment(const std::string&) override { return std::nullopt; }

private:
    std::string executable_;
};

} // namespace

int main(int argc, char** argv) {
    std::string message;
    const auto options = ParseDataFolderOptions({argv + 1, argv + argc}, message);
    if (!options) {
        std::fprintf(stderr, "tallyhop_datafolder: %s\n%s", message.c_str(), kDataFolderUsage);
        return 2;
    }
    if (options->usageOnly) {
        std::fputs(kDataFolderUsage, stdout);
        return 0;
    }
    platform::SystemClock clock;
    ConsoleMessages messages;
    ProgramFolderProcess process(options->programFolder);
    const platform::ServicesScope services(
        {.clock = &clock, .messageBoxes = &messages, .process = &process});

    const DataFolderResult result = WriteDataFolder(*options, message);
    std::fprintf(result == DataFolderResult::Written || result == DataFolderResult::KeptExisting
                     ? stdout
                     : stderr,
                 "tallyhop_datafolder: %s\n", message.c_str());
    switch (result) {
    case DataFolderResult::Written:
    case DataFolderResult::KeptExisting:
        return 0;
    case DataFolderResult::RefusedRecords:
        return 2;
    default:
        return 1;
    }
}
