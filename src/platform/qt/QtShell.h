#pragma once

#include "../Shell.h"

namespace platform {

class QtShell final : public IShell {
public:
    void Open(const std::string& path) override;
};

} // namespace platform
