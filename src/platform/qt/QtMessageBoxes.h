#pragma once

#include "../MessageBoxes.h"

namespace platform {

class QtMessageBoxes final : public IMessageBoxes {
public:
    // `programName` titles every box that has no title of its own.
    explicit QtMessageBoxes(std::string programName);
    MbResult Show(const MessageBoxRequest& request) override;

private:
    std::string programName_;
};

} // namespace platform
