#include "ShownText.h"

namespace platform {
namespace {

Translator& Installed() {
    static Translator translator;
    return translator;
}

// One pass, so that an argument holding "%2" stays as it is. A marker without its argument stays.
std::string Fill(std::string_view text, int count,
                 std::initializer_list<std::string_view> arguments) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && number < arguments.size()) {
            filled += arguments.begin()[number];
            ++i;
        } else if (text[i] == '%' && next == 'n' && count >= 0) {
            filled += std::to_string(count);
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::string Translated(TextToShow text, int count) {
    return Installed() ? Installed()(text.context, text.english, count) : text.english;
}

} // namespace

std::string Say(TextToShow text, std::initializer_list<std::string_view> arguments) {
    return Fill(Translated(text, -1), -1, arguments);
}

std::string SayCount(TextToShow text, int count,
                     std::initializer_list<std::string_view> arguments) {
    return Fill(Translated(text, count), count, arguments);
}

std::string English(TextToShow text, std::initializer_list<std::string_view> arguments) {
    return Fill(text.english, -1, arguments);
}

void SetTranslator(Translator translator) {
    Installed() = std::move(translator);
}

} // namespace platform
