#include "Logs.h"

#include "BaseFolder.h"
#include "Files.h"
#include "Services.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

std::string StampedHead(std::string_view sourcePath, int line) {
    std::string head = FormatLogStamp(GetClock().Now());
    head += ' ';
    head += SourceName(sourcePath);
    head += " Line ";
    head += std::to_string(line);
    return head;
}

// False when the log cannot be opened.
bool AppendRecord(const std::string& path, const std::string& record) {
    if (IsReadOnly(path)) {
        return false;
    }
    const int fd = OpenSharedFile(path, O_WRONLY | O_CREAT | O_APPEND);
    if (fd < 0) {
        return false;
    }
    // A short write loses the rest of the record; logging never reports failures.
    [[maybe_unused]] const ssize_t written = ::write(fd, record.data(), record.size());
    ::close(fd);
    return true;
}

std::string LogPath(std::string_view name) {
    return ResolveInstalledPath(GetBaseFolder() + std::string(name));
}

// The last `count` bytes of the file, or nothing when they cannot all be read.
std::optional<std::vector<std::uint8_t>> ReadTail(const std::string& path, std::int64_t count) {
    std::FILE* file = std::fopen(path.c_str(), "rbe");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> tail(static_cast<std::size_t>(count));
    const bool ok = std::fseek(file, -static_cast<long>(count), SEEK_END) == 0 &&
                    std::fread(tail.data(), 1, tail.size(), file) == tail.size();
    std::fclose(file);
    if (!ok) {
        return std::nullopt;
    }
    return tail;
}

} // namespace

std::string FormatLogStamp(const LocalTime& time) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%02d.%02d.%04d %02d:%02d ", time.month, time.day, time.year,
                  time.hour, time.minute);
    return stamp;
}

std::string_view SourceName(std::string_view sourcePath) {
    const auto backslash = sourcePath.rfind('\\');
    return backslash == std::string_view::npos ? sourcePath : sourcePath.substr(backslash + 1);
}

void WriteErrorLog(std::string_view sourcePath, int line, std::string_view message) {
    std::string record = StampedHead(sourcePath, line);
    record += " : ";
    record += message;
    record += "\r\n";
    const std::string path = LogPath(kErrorLogName);
    ClearReadOnly(path);
    if (!AppendRecord(path, record)) {
        // Someone the log is closed to (a user outside a class's group) still leaves a trace in
        // the session's own log.
        std::fprintf(stderr, "Tallyhop: %s", record.c_str());
    }
}

void WriteTraceLog(std::string_view sourcePath, int line) {
    AppendRecord(LogPath(kTraceLogName), StampedHead(sourcePath, line) + "\r\n");
}

void TrimLogFile(const std::string& path, std::int64_t limit, std::int64_t cut) {
    const std::string resolved = ResolveInstalledPath(path);
    const std::int64_t keep = limit - std::min(cut, limit);
    const auto size = FileSize(resolved);
    if (!size || *size < limit) {
        return;
    }
    const auto tail = ReadTail(resolved, std::min(keep, *size));
    if (tail) {
        WriteFileBytes(resolved, *tail);
    }
}

} // namespace platform
