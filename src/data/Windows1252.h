#pragma once

#include <string>
#include <string_view>

namespace data {

// Record files hold text in Windows-1252; the program works in UTF-8. Every one of the 256 bytes
// has a character (the five bytes the code page leaves open stand for the C1 controls of the same
// number, as Windows maps them), so text read from a file is written back byte for byte.
std::string Windows1252ToUtf8(std::string_view bytes);

// Characters the code page cannot hold, and malformed UTF-8, become '?' as the system's own
// conversion does; input screens refuse such characters before they get here.
std::string Utf8ToWindows1252(std::string_view text);

// True when every character of `text` can be stored in a record file unchanged.
bool FitsWindows1252(std::string_view text);

// True when `text` is well-formed UTF-8.
bool IsUtf8(std::string_view text);

} // namespace data
