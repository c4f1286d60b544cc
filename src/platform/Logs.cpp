#include "Logs.h"

#include "BaseFolder.h"
#include "Files.h"
#include "Services.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
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

// Every append to a log and every trim of it hold an exclusive lock of the whole file, an open file
// description lock that NFS passes on to its server: a trim at one desk never drops a record that
// another desk appends meanwhile, and under the lock NFS appends at the true end of the file. The
// log keeps its identity (put in place by a rename, a new log would leave a desk that opened the
// old one writing into a deleted file). Where files cannot be locked, records are appended
// without the lock and the log is not trimmed. Appends hold it for one write, so waiting is short.
bool LockWholeFile(int fd) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET; // from 0, length 0: however long the file grows
    int result = 0;
    do {
        result = ::fcntl(fd, F_OFD_SETLKW, &whole);
    } while (result != 0 && errno == EINTR);
    return result == 0;
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
    LockWholeFile(fd);
    // A short write loses the rest of the record; logging never reports failures.
    [[maybe_unused]] const ssize_t written = ::write(fd, record.data(), record.size());
    ::close(fd);
    return true;
}

std::string LogPath(std::string_view name) {
    return ResolveInstalledPath(GetBaseFolder() + std::string(name));
}

// Moves the last `keep` bytes of the open file `fd` of `size` bytes to its start and cuts it there.
// The tail is written over the head before the end is cut off: a crash in between leaves records
// twice, never none.
void KeepTail(int fd, std::int64_t size, std::int64_t keep) {
    std::vector<std::uint8_t> tail(static_cast<std::size_t>(keep));
    for (std::size_t done = 0; done < tail.size();) {
        const ssize_t got =
            ::pread(fd, tail.data() + done, tail.size() - done,
                    static_cast<off_t>(size - keep + static_cast<std::int64_t>(done)));
        if (got <= 0) {
            return;
        }
        done += static_cast<std::size_t>(got);
    }
    for (std::size_t done = 0; done < tail.size();) {
        const ssize_t put =
            ::pwrite(fd, tail.data() + done, tail.size() - done, static_cast<off_t>(done));
        if (put <= 0) {
            return;
        }
        done += static_cast<std::size_t>(put);
    }
    [[maybe_unused]] const int cut = ::ftruncate(fd, static_cast<off_t>(keep));
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
    if (IsReadOnly(resolved)) {
        return;
    }
    const int fd = OpenSharedFile(resolved, O_RDWR);
    if (fd < 0) {
        return;
    }
    struct stat file {};
    if (LockWholeFile(fd) && ::fstat(fd, &file) == 0 && file.st_size >= limit) {
        KeepTail(fd, file.st_size, limit - std::min(cut, limit));
    }
    ::close(fd);
}

} // namespace platform
