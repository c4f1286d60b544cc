#include "AccountRules.h"

#include "Windows1252.h"

#include <algorithm>

namespace data {
namespace {

// Characters, not bytes: the dialogs count what the user sees.
std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

std::string NormaliseName(std::string_view name) {
    std::string kept;
    for (const char c : name) {
        if (c != ' ' || (!kept.empty() && kept.back() != ' ')) {
            kept += c;
        }
    }
    if (!kept.empty() && kept.back() == ' ') {
        kept.pop_back();
    }
    return kept;
}

NameProblem CheckName(std::string_view name) {
    if (name.empty()) {
        return NameProblem::Empty;
    }
    if (!FitsWindows1252(name)) {
        return NameProblem::NotStorable;
    }
    if (CharacterCount(name) > kNameLimit) {
        return NameProblem::TooLong;
    }
    if (name.find_first_of(kForbiddenNameCharacters) != std::string_view::npos) {
        return NameProblem::InvalidCharacter;
    }
    return NameProblem::None;
}

PasswordProblem CheckPassword(std::string_view password) {
    if (password.empty()) {
        return PasswordProblem::Empty;
    }
    if (!FitsWindows1252(password)) {
        return PasswordProblem::NotStorable;
    }
    return CharacterCount(password) > kPasswordLimit ? PasswordProblem::TooLong
                                                     : PasswordProblem::None;
}

std::string NameKey(std::string_view name) {
    std::string key = Utf8ToWindows1252(name);
    for (char& c : key) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
            c = static_cast<char>(byte + 0x20);
        } else if (byte == 0x8A || byte == 0x8C || byte == 0x8E) { // Š, Œ, Ž
            c = static_cast<char>(byte + 0x10);
        } else if (byte == 0x9F) { // Ÿ
            c = static_cast<char>(0xFF);
        }
    }
    return key;
}

bool NamesAnotherDataFile(const std::string& name, const std::string& teacherName,
                          const std::vector<std::string>& classNames) {
    return name == "Admin" || name == teacherName ||
           std::any_of(classNames.begin(), classNames.end(), [&](const std::string& className) {
               return name == teacherName + className;
           });
}

} // namespace data
