#pragma once

#include "Clock.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

inline constexpr std::string_view kErrorLogName = "/Error Log.txt";
inline constexpr std::string_view kTraceLogName = "/Log.txt";

// "MM.DD.YYYY hh:mm " — the stamp that begins every log record, ending in one blank.
std::string FormatLogStamp(const LocalTime& time);

// The part of a source path after its last backslash, or the whole path without one.
std::string_view SourceName(std::string_view sourcePath);

// Append one record to the error log / trace log in the base folder. The file is opened, written
// and closed for each record. An error record that cannot be written to its log goes to standard
// error instead; a trace record is lost silently. A read-only error log is made writable first; a
// read-only trace log is left alone.
void WriteErrorLog(std::string_view sourcePath, int line, std::string_view message);
void WriteTraceLog(std::string_view sourcePath, int line);

// Once the file has reached `limit` bytes, keeps only its last limit − min(cut, limit) bytes.
// A log that cannot be read is left exactly as it is.
void TrimLogFile(const std::string& path, std::int64_t limit, std::int64_t cut);

} // namespace platform
