#include "OptionFile.h"

#include "platform/Files.h"

#include <cstdint>
#include <fcntl.h>
#include <unistd.h>

namespace data {

void RepairOptionFile(const std::string& path) {
    if (platform::FileSize(path) != 1) {
        platform::ClearReadOnly(path);
        platform::WriteFileBytes(path, {0});
    }
}

std::optional<bool> ReadReviewFlag(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, platform::kNewFileMode);
    if (fd < 0) {
        return std::nullopt;
    }
    std::uint8_t flag = 0;
    const bool read = ::read(fd, &flag, 1) == 1;
    ::close(fd);
    return read && flag != 0;
}

bool WriteReviewFlag(const std::string& path, bool due) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, platform::kNewFileMode);
    if (fd < 0) {
        return false;
    }
    const std::uint8_t flag = due ? 1 : 0;
    const bool written = ::pwrite(fd, &flag, 1, 0) == 1;
    return ::close(fd) == 0 && written;
}

} // namespace data
