#include "FakeServices.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace platform::fakes {

void FakeClock::Sleep(std::uint32_t milliseconds) {
    if (onSleep) {
        onSleep(milliseconds);
    }
    sleptMilliseconds += milliseconds;
    Advance(milliseconds);
}

void FakeClock::Advance(std::uint32_t milliseconds) {
    tick += milliseconds;
    seconds += milliseconds / 1000;
}

MbResult FakeMessageBoxes::Show(const MessageBoxRequest& request) {
    shown.push_back(request);
    if (onShow) {
        onShow(request);
    }
    if (!answers.empty()) {
        const MbResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (request.buttons) {
    case MbButtons::YesNo:
        return MbResult::No;
    case MbButtons::RetryCancel:
        return MbResult::Cancel;
    default:
        return MbResult::Ok;
    }
}

std::vector<std::string> FakeMessageBoxes::Texts() const {
    std::vector<std::string> texts;
    for (const auto& request : shown) {
        texts.push_back(request.text);
    }
    return texts;
}

std::optional<DisplayMode> FakeDisplay::EnumMode(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= modes.size()) {
        return std::nullopt;
    }
    return modes[static_cast<std::size_t>(index)];
}

bool FakeDisplay::ChangeMode(const DisplayMode& mode) {
    changes.push_back(mode);
    const bool refused = std::find(refusedDepths.begin(), refusedDepths.end(), mode.bitsPerPixel) !=
                         refusedDepths.end();
    const bool offered = std::find(modes.begin(), modes.end(), mode) != modes.end();
    if (refused || !offered) {
        return false;
    }
    current = sizeAfterChange.value_or(ScreenSize{mode.width, mode.height});
    return true;
}

void FakeDisplay::Restore() {
    ++restores;
    current = original;
}

std::optional<std::string> FakeProcess::Environment(const std::string& name) {
    const auto found = environment.find(name);
    if (found == environment.end()) {
        return std::nullopt;
    }
    return found->second;
}

KeyPoll FakeKeyboard::PollDigit(int digit) {
    const KeyPoll state = digits[digit];
    digits[digit].pressedSinceLastPoll = false;
    return state;
}

namespace {

std::string MakeTemporaryFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tallyhop-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary base folder");
    }
    return pattern;
}

Services AsServices(FakePlatform& fakes) {
    return {&fakes.clock, &fakes.messageBoxes, &fakes.display, &fakes.sound,
            &fakes.shell, &fakes.keyboard,     &fakes.process};
}

} // namespace

FakePlatform::FakePlatform() : baseFolder_(MakeTemporaryFolder()), scope_(AsServices(*this)) {
    process.executablePath = baseFolder_ + "/Tallyhop";
    process.environment["XDG_RUNTIME_DIR"] = baseFolder_;
}

FakePlatform::~FakePlatform() {
    std::error_code ignored;
    std::filesystem::remove_all(baseFolder_, ignored);
}

} // namespace platform::fakes
