#include "ClassReportCsv.h"

#include "CStudent.h"
#include "RecordFile.h"

#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace data {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
// What a spreadsheet may split a field at: commas, and in some countries' settings semicolons
// or tabs; line breaks; and the quotes themselves.
constexpr std::string_view kQuotedFor = ",;\t\r\n\"";
// What a spreadsheet may start a formula (or a command) with.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

// The headings in the program's language; the fluent facts' count is followed by the level's.
std::vector<std::string> CsvColumns() {
    std::vector<std::string> columns;
    for (const platform::TextToShow& column : kClassReportColumns) {
        columns.push_back(platform::Say(column));
    }
    columns.insert(columns.begin() + kFluentFactsColumn + 1,
                   platform::Say(platform::ShownText("ClassReport", "Facts")));
    return columns;
}

// The fields of one row, in the order of CsvColumns; what could not be read is left empty.
std::vector<std::string> CsvFields(const ClassReportRow& row) {
    std::vector<std::string> fields(CsvColumns().size());
    fields[0] = row.student;
    if (row.standing) {
        const ClassReportRow::Standing& standing = *row.standing;
        fields[1] = GetOperationName(standing.level);
        fields[2] = std::to_string(standing.testsPassed);
        fields[3] =
            standing.lastActive ? IsoDate(*standing.lastActive) : platform::Say(kNeverActive);
        fields[4] = std::to_string(standing.sessionsThisWeek);
        fields[5] = std::to_string(standing.minutesThisWeek);
    }
    if (row.fluentFacts) {
        fields[6] = std::to_string(row.fluentFacts->fluent);
        fields[7] = std::to_string(row.fluentFacts->facts);
    }
    if (row.mistakes) {
        fields[8] = std::to_string(*row.mistakes);
    }
    fields[9] = AttentionText(row);
    return fields;
}

void AppendLine(std::string& text, const std::vector<std::string>& fields) {
    for (std::size_t index = 0; index < fields.size(); ++index) {
        if (index > 0) {
            text += ',';
        }
        text += CsvField(fields[index]);
    }
    text += kLineEnd;
}

} // namespace

std::string CsvField(std::string_view text) {
    std::string field;
    if (!text.empty() && kFormulaStarts.find(text.front()) != std::string_view::npos) {
        field = '\'';
    }
    field += text;
    if (field.find_first_of(kQuotedFor) == std::string::npos) {
        return field;
    }
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + '"';
}

std::vector<std::uint8_t> ClassReportCsv(std::span<const ClassReportRow> rows) {
    std::string text(kByteOrderMark);
    AppendLine(text, CsvColumns());
    for (const ClassReportRow& row : rows) {
        AppendLine(text, CsvFields(row));
    }
    return {text.begin(), text.end()};
}

std::optional<int> WriteClassReportCsv(const std::string& path,
                                       std::span<const ClassReportRow> rows) {
    switch (ReplaceRecordFile(path, ClassReportCsv(rows))) {
    case ReplaceOutcome::Replaced:
        return std::nullopt;
    case ReplaceOutcome::NotRenamed: {
        const int reason = errno; // the rename's, not the clean-up's
        ::unlink(platform::TemporaryPathFor(path).c_str());
        return reason;
    }
    case ReplaceOutcome::TemporaryNotWritten:
        break;
    }
    return errno;
}

} // namespace data
