#include "CsvReader.h"

#include "TrimmedText.h"
#include "Windows1252.h"

#include <algorithm>

namespace data {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char SeparatorOf(std::string_view text) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            break;
        } else if (!quoted) {
            commas += c == ',' ? 1 : 0;
            semicolons += c == ';' ? 1 : 0;
        }
    }
    return semicolons > commas ? ';' : ',';
}

bool IsBlank(const CsvRecord& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::string& field) { return Trimmed(field).empty(); });
}

} // namespace

std::vector<CsvRecord> ReadCsv(std::string_view input) {
    if (input.starts_with(kByteOrderMark)) {
        input.remove_prefix(kByteOrderMark.size());
    }
    const std::string text = IsUtf8(input) ? std::string(input) : Windows1252ToUtf8(input);
    const char separator = SeparatorOf(text);
    std::vector<CsvRecord> records;
    CsvRecord record{.line = 1, .fields = {{}}};
    int line = 1;
    bool quoted = false;
    const auto endRecord = [&] {
        if (!IsBlank(record)) {
            records.push_back(std::move(record));
        }
        record = {.line = line, .fields = {{}}};
    };
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const bool lineBreak = c == '\n' || c == '\r';
        if (lineBreak && c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
            ++at; // CR LF is one line break
        }
        line += lineBreak ? 1 : 0;
        if (quoted && c == '"' && at + 1 < text.size() && text[at + 1] == '"') {
            record.fields.back() += '"';
            ++at;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (quoted) {
            record.fields.back() += lineBreak ? '\n' : c;
        } else if (c == separator) {
            record.fields.emplace_back();
        } else if (lineBreak) {
            endRecord();
        } else {
            record.fields.back() += c;
        }
    }
    record.quoteNotClosed = quoted;
    endRecord();
    return records;
}

} // namespace data
