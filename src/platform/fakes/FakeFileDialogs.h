#pragma once

#include "../OpenFileDialog.h"
#include "../SaveFileDialog.h"

#include <vector>

namespace platform::fakes {

// Answers every request with `answer` (nothing: the user cancels) and keeps the requests.
template <typename Dialog, typename Request> class FakeFileDialog final : public Dialog {
public:
    explicit FakeFileDialog(std::optional<std::string> answer) : answer(std::move(answer)) {}
    std::optional<std::string> Choose(const Request& request) override {
        requests.push_back(request);
        return answer;
    }

    std::optional<std::string> answer;
    std::vector<Request> requests;
};

using FakeSaveFileDialog = FakeFileDialog<ISaveFileDialog, SaveFileRequest>;
using FakeOpenFileDialog = FakeFileDialog<IOpenFileDialog, OpenFileRequest>;

} // namespace platform::fakes
