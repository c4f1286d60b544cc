#include "RecordFile.h"

#include "platform/Files.h"

#include <unistd.h>

namespace data {

ReplaceOutcome ReplaceRecordFile(const std::string& targetPath,
                                 std::span<const std::uint8_t> bytes) {
    const std::string temporaryPath = platform::TemporaryPathFor(targetPath);
    if (!platform::WriteFileDurably(temporaryPath, bytes, targetPath)) {
        ::unlink(temporaryPath.c_str());
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
    platform::ReplaceFileWith(path + "tmp", path);
    return platform::ReadFileBytes(path);
}

} // namespace data
