#include "ProblemLine.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <utility>

namespace data {
namespace {

void SkipBlanks(std::string_view& text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0) {
        text.remove_prefix(1);
    }
}

bool FitsSixteenBits(int value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

std::optional<std::int16_t> ReadOperand(std::string_view& text) {
    SkipBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || !FitsSixteenBits(value)) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return static_cast<std::int16_t>(value);
}

std::optional<std::int32_t> ReadOperation(std::string_view& text) {
    SkipBlanks(text);
    if (text.empty()) {
        return std::nullopt;
    }
    const char symbol = text.front();
    text.remove_prefix(1);
    switch (symbol) {
    case '+':
        return kPlus;
    case '-':
        return kMinus;
    case 'x':
        return kTimes;
    case '/':
        return kDividedBy;
    default:
        return std::nullopt;
    }
}

std::optional<int> Answer(int a, std::int32_t operation, int b) {
    switch (operation) {
    case kPlus:
        return a + b;
    case kMinus:
        return a - b;
    case kTimes:
        return a * b;
    default:
        return b == 0 ? std::nullopt : std::optional<int>(a / b);
    }
}

} // namespace

std::optional<Problem> ParseProblemLine(std::string_view line) {
    const auto a = ReadOperand(line);
    const auto operation = a ? ReadOperation(line) : std::nullopt;
    const auto b = operation ? ReadOperand(line) : std::nullopt;
    if (!b) {
        return std::nullopt;
    }
    const auto answer = Answer(*a, *operation, *b);
    if (!answer || !FitsSixteenBits(*answer)) {
        return std::nullopt;
    }
    Problem problem;
    problem.firstOperand = *a;
    problem.secondOperand = *b;
    problem.operation = *operation;
    problem.correctAnswer = static_cast<std::int16_t>(*answer);
    if (*operation == kTimes && *b == 0) {
        std::swap(problem.firstOperand, problem.secondOperand);
    }
    return problem;
}

} // namespace data
