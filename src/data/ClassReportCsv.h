#pragma once

#include "ClassReport.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The class report as a file for spreadsheet programs: UTF-8 with a byte-order mark (so accented
// names show as written), comma-separated with RFC 4180 quoting, a line per student after a
// header of the report's column names ("Fluent facts" in two columns, "Fluent facts" and
// "Facts"); headings and words in the program's language, but in any language dates as
// YYYY-MM-DD and figures as plain numbers.
namespace data {

// `text` as one field that no spreadsheet splits or runs: with an apostrophe before it when it
// begins with "=", "+", "-", "@", a tab or a carriage return (so it is never read as a formula);
// then in double quotes, with its quotes doubled, when it holds a comma, a semicolon, a tab, a
// line break or a quote; as it is otherwise.
std::string CsvField(std::string_view text);

std::vector<std::uint8_t> ClassReportCsv(std::span<const ClassReportRow> rows);

// Writes the file at `path` through a "tmp" copy flushed to the disk before it takes the name, so
// a file of that name is replaced whole or not at all. On failure, the system's error number; no
// copy is left behind.
std::optional<int> WriteClassReportCsv(const std::string& path,
                                       std::span<const ClassReportRow> rows);

} // namespace data
