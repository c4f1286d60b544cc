#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reads the comma-separated files spreadsheet programs write (RFC 4180): fields between commas,
// or between semicolons where the spreadsheet is set to a decimal comma; a field in quotation
// marks may hold the separator, a line break and doubled quotation marks. Text is UTF-8 with or
// without a byte-order mark; a file that is not UTF-8 was written by a spreadsheet in
// Windows-1252 and is read so. Lines end in CR LF, LF or CR.
namespace data {

struct CsvRecord {
    int line = 0;                    // where it begins, counting from 1
    std::vector<std::string> fields; // UTF-8
    bool quoteNotClosed = false;     // the file ended inside a quoted field
};

// The records of `text`, the separator being the one of ',' and ';' that the first record holds
// more often outside quotation marks. Records of empty fields only (blank lines, and the rows
// of separators a spreadsheet writes for them) are left out.
std::vector<CsvRecord> ReadCsv(std::string_view text);

} // namespace data
