#include "OptionFile.h"

#include "platform/Files.h"

#include <cstdint>
#include <fcntl.h>
#include <unistd.h>

namespace data {

void RepairOptionFile(const std::string& path) {
    if (platform::FileSize(path) != 1) {
        platform::ClearReadOnly(path);
        const std::uint8_t notDue = 0;
        if (platform::WriteFileDurably(path, {&notDue, 1})) {
            platform::FlushFolderOf(path);
        }
    }
}

std::optional<bool> ReadReviewFlag(const std::string& path) {
    const int fd = platform::OpenSharedFile(path, O_RDONLY | O_CREAT);
    if (fd < 0) {
        return std::nullopt;
    }
    std::uint8_t flag = 0;
    const bool read = ::read(fd, &flag, 1) == 1;
    ::close(fd);
    return read && flag != 0;
}

// One byte rewritten in place is whole or not written at all; flushed, it survives a power cut.
bool WriteReviewFlag(const std::string& path, bool due) {
    const bool existed = platform::FileExists(path);
    const int fd = platform::OpenSharedFile(path, O_RDWR | O_CREAT);
    if (fd < 0) {
        return false;
    }
    const std::uint8_t flag = due ? 1 : 0;
    const bool written = ::pwrite(fd, &flag, 1, 0) == 1 && platform::FlushFile(fd, path);
    return ::close(fd) == 0 && written && (existed || platform::FlushFolderOf(path));
}

} // namespace data
