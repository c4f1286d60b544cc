#pragma once

#include "../Services.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace platform::fakes {

// Time stands still until someone sleeps or advances it. `onSleep` runs as a sleep begins, while
// the screen shows what it shows during the pause.
class FakeClock final : public IClock {
public:
    std::uint32_t TickCount() override { return tick; }
    std::int64_t SecondsSince1970() override { return seconds; }
    LocalTime Now() override { return now; }
    void Sleep(std::uint32_t milliseconds) override;
    void Advance(std::uint32_t milliseconds);

    std::uint32_t tick = 1000;
    std::int64_t seconds = 1'700'000'000;
    LocalTime now{2003, 3, 7, 14, 5, 0};
    std::uint32_t sleptMilliseconds = 0;
    std::function<void(std::uint32_t)> onSleep;
};

// Records every box and answers from a script; an empty script answers Ok (or Cancel/No when Ok
// is not offered). `onShow` runs while the box would be on screen.
class FakeMessageBoxes final : public IMessageBoxes {
public:
    MbResult Show(const MessageBoxRequest& request) override;
    std::vector<std::string> Texts() const;

    std::vector<MessageBoxRequest> shown;
    std::deque<MbResult> answers;
    std::function<void(const MessageBoxRequest&)> onShow;
};

class FakeDisplay final : public IDisplay {
public:
    std::optional<DisplayMode> EnumMode(int index) override;
    bool ChangeMode(const DisplayMode& mode) override;
    void Restore() override;
    ScreenSize CurrentSize() override { return current; }

    std::vector<DisplayMode> modes;
    std::vector<int> refusedDepths; // ChangeMode fails at these depths
    // What the display reports after a change, when not the mode's own size.
    std::optional<ScreenSize> sizeAfterChange;
    std::vector<DisplayMode> changes;
    int restores = 0;
    ScreenSize original{1024, 768};
    ScreenSize current{1024, 768};
};

class FakeSound final : public ISound {
public:
    void Play(const std::string& path) override { played.push_back(path); }
    void Stop() override { ++stops; }

    std::vector<std::string> played;
    int stops = 0;
};

class FakeShell final : public IShell {
public:
    void Open(const std::string& path) override { opened.push_back(path); }
    std::vector<std::string> opened;
};

class FakeKeyboard final : public IKeyboardState {
public:
    KeyPoll PollDigit(int digit) override;
    std::map<int, KeyPoll> digits;
};

class FakeProcess final : public IProcess {
public:
    std::string ExecutablePath() override { return executablePath; }
    std::string CommandLine() override { return executablePath + arguments; }
    void PostQuit() override {
        ++quitRequests;
        if (onQuit) {
            onQuit();
        }
    }
    std::optional<std::string> Environment(const std::string& name) override;

    std::string executablePath = "/nonexistent/Tallyhop";
    std::string arguments; // appended to the program path, e.g. " -debug"
    // FakePlatform starts it with XDG_RUNTIME_DIR at the base folder, so each test has its own.
    std::map<std::string, std::string> environment;
    int quitRequests = 0;
    std::function<void()> onQuit; // what the real process would do, where a test needs it
};

// Every fake at once, installed for the life of the object, with a fresh temporary base folder
// (removed again at the end) holding the executable's path.
class FakePlatform {
public:
    FakePlatform();
    ~FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    const std::string& BaseFolder() const { return baseFolder_; }
    // base folder + relative path ("/Data/Admin.nfo").
    std::string Path(const std::string& relative) const { return baseFolder_ + relative; }

    FakeClock clock;
    FakeMessageBoxes messageBoxes;
    FakeDisplay display;
    FakeSound sound;
    FakeShell shell;
    FakeKeyboard keyboard;
    FakeProcess process;

private:
    std::string baseFolder_;
    ServicesScope scope_;
};

} // namespace platform::fakes
