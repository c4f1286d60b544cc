#pragma once

#include <string>

namespace platform {

// The desktop's "open" verb: shows a document in the user's preferred program.
class IShell {
public:
    virtual ~IShell() = default;
    virtual void Open(const std::string& path) = 0;
};

} // namespace platform
