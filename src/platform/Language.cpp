#include "Language.h"

#include <algorithm>

namespace platform {
namespace {

Language& Chosen() {
    static Language language;
    return language;
}

} // namespace

const Language& ProgramLanguage() {
    return Chosen();
}

void SetProgramLanguage(Language language) {
    Chosen() = std::move(language);
}

std::optional<Language> ChooseLanguage(const std::vector<std::string>& preferred,
                                       const std::vector<std::string>& available) {
    const auto offered = [&available](const std::string& code) {
        return std::ranges::find(available, code) != available.end();
    };
    for (std::string tag : preferred) {
        std::ranges::replace(tag, '-', '_');
        const std::string language = tag.substr(0, tag.find('_'));
        if (language == "en") {
            return Language{};
        }
        // "de_Latn_AT" names the script too; a translation is named by language and region.
        const std::size_t last = tag.rfind('_');
        const std::string region = last == std::string::npos ? tag : language + tag.substr(last);
        for (const std::string& code : {region, language}) {
            if (offered(code)) {
                return Language{code, tag};
            }
        }
    }
    return std::nullopt;
}

} // namespace platform
