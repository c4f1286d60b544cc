#include "RecordFile.h"

#include "platform/Files.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace data {

ReplaceOutcome ReplaceRecordFile(const std::string& targetPath,
                                 std::span<const std::uint8_t> bytes) {
    const std::string temporaryPath = platform::TemporaryPathFor(targetPath);
    if (!platform::WriteFileDurably(temporaryPath, bytes, targetPath)) {
        const int reason = errno; // the write's, not the clean-up's
        ::unlink(temporaryPath.c_str());
        errno = reason;
        return ReplaceOutcome::TemporaryNotWritten;
    }
    if (!platform::ReplaceFileWith(temporaryPath, targetPath)) {
        return ReplaceOutcome::NotRenamed;
    }
    return ReplaceOutcome::Replaced;
}

std::optional<std::vector<std::uint8_t>> ReadRecordOrItsCopy(const std::string& path) {
    if (auto bytes = platform::ReadFileBytes(path)) {
        return bytes;
    }
    // Without a copy there is nothing to take back, and nothing to tell the user about a file
    // they never heard of; the caller says what is missing in words of its own.
    const std::string copy = path + "tmp";
    if (!platform::FileExists(copy)) {
        return std::nullopt;
    }
    platform::ReplaceFileWith(copy, path);
    return platform::ReadFileBytes(path);
}

std::string FileFailureText(const std::string& what, const std::string& path) {
    return "  " + what + " " + path + ": " + std::strerror(errno);
}

} // namespace data
