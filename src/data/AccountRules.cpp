#include "AccountRules.h"

#include "Windows1252.h"

#include "platform/ShownText.h"

#include <algorithm>
#include <array>

namespace data {
namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Characters, not bytes: the dialogs count what the user sees.
std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return !IsContinuationByte(c); }));
}

// The characters of `utf8`, each as its bytes.
std::vector<std::string_view> Characters(std::string_view utf8) {
    std::vector<std::string_view> characters;
    for (std::size_t start = 0; start < utf8.size();) {
        std::size_t end = start + 1;
        while (end < utf8.size() && IsContinuationByte(utf8[end])) {
            ++end;
        }
        characters.push_back(utf8.substr(start, end - start));
        start = end;
    }
    return characters;
}

// The C0 controls, DEL and the C1 controls (U+0080 to U+009F).
bool IsControl(std::string_view character) {
    const auto first = static_cast<unsigned char>(character[0]);
    return first < 0x20 || first == 0x7F ||
           (first == 0xC2 && character.size() > 1 &&
            static_cast<unsigned char>(character[1]) < 0xA0);
}

bool IsForbidden(std::string_view character) {
    return character.size() == 1 &&
           kForbiddenNameCharacters.find(character[0]) != std::string_view::npos;
}

// Names in the order of kForbiddenNameCharacters, to follow "A name cannot hold".
constexpr std::array<platform::TextToShow, kForbiddenNameCharacters.size()> kForbiddenNames = {
    platform::ShownText("AccountRules", "the quotation mark"),
    platform::ShownText("AccountRules", "the apostrophe"),
    platform::ShownText("AccountRules", "the exclamation mark"),
    platform::ShownText("AccountRules", "the at sign"),
    platform::ShownText("AccountRules", "the number sign"),
    platform::ShownText("AccountRules", "the dollar sign"),
    platform::ShownText("AccountRules", "the percent sign"),
    platform::ShownText("AccountRules", "the caret"),
    platform::ShownText("AccountRules", "the ampersand"),
    platform::ShownText("AccountRules", "the asterisk"),
    platform::ShownText("AccountRules", "the opening parenthesis"),
    platform::ShownText("AccountRules", "the closing parenthesis"),
    platform::ShownText("AccountRules", "the opening bracket"),
    platform::ShownText("AccountRules", "the opening curly brace"),
    platform::ShownText("AccountRules", "the closing curly brace"),
    platform::ShownText("AccountRules", "the closing bracket"),
    platform::ShownText("AccountRules", "the comma"),
    platform::ShownText("AccountRules", "the full stop"),
    platform::ShownText("AccountRules", "the question mark"),
    platform::ShownText("AccountRules", "the slash"),
    platform::ShownText("AccountRules", "the backslash"),
    platform::ShownText("AccountRules", "the semicolon"),
    platform::ShownText("AccountRules", "the colon"),
    platform::ShownText("AccountRules", "the equals sign"),
    platform::ShownText("AccountRules", "the plus sign"),
    platform::ShownText("AccountRules", "the less-than sign"),
    platform::ShownText("AccountRules", "the greater-than sign")};

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
    return RefusedNameCharacter(name).empty() ? NameProblem::None : NameProblem::InvalidCharacter;
}

std::string RefusedNameCharacter(std::string_view name) {
    for (const std::string_view character : Characters(name)) {
        if (IsForbidden(character) || !IsAccountText(character)) {
            return std::string(character);
        }
    }
    return {};
}

std::string DescribeRefusedCharacter(std::string_view character) {
    if (IsForbidden(character)) {
        return platform::Say(kForbiddenNames[kForbiddenNameCharacters.find(character[0])]) + " (" +
               std::string(character) + ")";
    }
    if (IsControl(character)) {
        return platform::Say(
            platform::ShownText("AccountRules", "a tab or another control character"));
    }
    return platform::Say(
        platform::ShownText("AccountRules", "the letter %1, which records cannot store"),
        {character});
}

bool IsAccountText(std::string_view text) {
    return FitsWindows1252(text) && std::ranges::none_of(Characters(text), IsControl);
}

PasswordProblem CheckPassword(std::string_view password) {
    if (password.empty()) {
        return PasswordProblem::Empty;
    }
    if (!IsAccountText(password)) {
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

bool IsSameNameIgnoringCase(std::string_view a, std::string_view b) {
    return NameKey(a) == NameKey(b);
}

bool NamesAnotherDataFile(const std::string& name, const std::string& teacherName,
                          const std::vector<std::string>& classNames) {
    return IsSameNameIgnoringCase(name, "Admin") || IsSameNameIgnoringCase(name, teacherName) ||
           std::any_of(classNames.begin(), classNames.end(), [&](const std::string& className) {
               return IsSameNameIgnoringCase(name, teacherName + className);
           });
}

} // namespace data
