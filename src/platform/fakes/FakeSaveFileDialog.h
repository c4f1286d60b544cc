#pragma once

#include "../SaveFileDialog.h"

#include <vector>

namespace platform::fakes {

// Answers every request with `answer` (nothing: the user cancels) and keeps the requests.
class FakeSaveFileDialog final : public ISaveFileDialog {
public:
    explicit FakeSaveFileDialog(std::optional<std::string> answer) : answer(std::move(answer)) {}
    std::optional<std::string> Choose(const SaveFileRequest& request) override {
        requests.push_back(request);
        return answer;
    }

    std::optional<std::string> answer;
    std::vector<SaveFileRequest> requests;
};

} // namespace platform::fakes
