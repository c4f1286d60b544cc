#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Where a language's files lie below the program folder: its translation of the program's texts
// "translations/tallyhop_<code>.qm" and its pictures "Graphics/<code>/800x600/<screen folder>/".
inline constexpr std::string_view kTranslationsFolder = "translations";
inline constexpr std::string_view kTranslationPrefix = "tallyhop_";
inline constexpr std::string_view kTranslationSuffix = ".qm";

inline std::string TranslationFileName(std::string_view code) {
    return std::string(kTranslationPrefix) + std::string(code) + std::string(kTranslationSuffix);
}

// The code of the language whose translation the file `fileName` is; nothing for another file.
inline std::optional<std::string> TranslationCode(std::string_view fileName) {
    if (fileName.size() <= kTranslationPrefix.size() + kTranslationSuffix.size() ||
        !fileName.starts_with(kTranslationPrefix) || !fileName.ends_with(kTranslationSuffix)) {
        return std::nullopt;
    }
    fileName.remove_prefix(kTranslationPrefix.size());
    fileName.remove_suffix(kTranslationSuffix.size());
    return std::string(fileName);
}

inline std::string LanguagePicturesFolder(std::string_view code) {
    return "Graphics/" + std::string(code) + "/800x600";
}

// The language the program speaks, chosen once at start-up. English, the language its texts are
// written in, has no code.
struct Language {
    std::string code;   // the name of its translation: "es", "de", "pt_BR"; empty for English
    std::string locale; // the desktop's own form of it ("es_MX"), for dates and numbers
};

const Language& ProgramLanguage();
void SetProgramLanguage(Language language);

// The first of `preferred` (languages, most wanted first: "es-MX", "de", "C") that is English or
// has a translation among `available` ("es", "pt_BR"), region first, then the language alone.
// Nothing when none is either.
std::optional<Language> ChooseLanguage(const std::vector<std::string>& preferred,
                                       const std::vector<std::string>& available);

} // namespace platform
