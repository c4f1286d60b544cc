#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// Texts a person sees that are written by code without Qt (the data layer's reports and
// messages). Each is marked where it is written, in English, with the context its translation
// is found under:
//
//     platform::ShownText("ClassReport", "never")
//     platform::CountedText("SessionHistory", "%n minutes")
//
// lupdate collects both (its -tr-function-alias counts them as QT_TRANSLATE_NOOP and
// QT_TRANSLATE_N_NOOP), and Say gives a marked text in the program's language. Logs and records
// never go through Say: they stay English.
namespace platform {

struct TextToShow {
    const char* context;
    const char* english; // with %1 … %9 where words or numbers go (%n: the count)
};

constexpr TextToShow ShownText(const char* context, const char* english) {
    return {context, english};
}
// A text whose words follow a number (%n): each language has its forms for one, two, many.
constexpr TextToShow CountedText(const char* context, const char* english) {
    return {context, english};
}

// `text` in the program's language, each %1 … %9 replaced by the argument of that number.
std::string Say(TextToShow text, std::initializer_list<std::string_view> arguments = {});
// A CountedText in the program's language in its form for `count`, %n being the count.
std::string SayCount(TextToShow text, int count,
                     std::initializer_list<std::string_view> arguments = {});
// `text` as written, its %1 … %9 replaced: for a log line that says what a message said.
std::string English(TextToShow text, std::initializer_list<std::string_view> arguments = {});

// Gives a text in the program's language: the translation of `english` under `context` in the
// form for `count` (−1: no count) with %n replaced by it, or `english` itself where there is
// none. The program installs one with its translation; without one every text stays English.
using Translator = std::function<std::string(const char* context, const char* english, int count)>;
void SetTranslator(Translator translator);

} // namespace platform
