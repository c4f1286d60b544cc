#include "ProblemLine.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <optional>
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

std::optional<char> ReadOperator(std::string_view& text) {
    SkipBlanks(text);
    if (text.empty()) {
        return std::nullopt;
    }
    const char symbol = text.front();
    text.remove_prefix(1);
    return symbol;
}

std::optional<std::int32_t> OperationOf(char symbol) {
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

bool ReadProblemLine(std::string_view line, Problem& problem) {
    const auto a = ReadOperand(line);
    const auto symbol = a ? ReadOperator(line) : std::nullopt;
    const auto b = symbol ? ReadOperand(line) : std::nullopt;
    if (!b) {
        return false;
    }
    problem.firstOperand = *a;
    problem.secondOperand = *b;
    problem.enteredAnswer = kNoValue;
    const auto operation = OperationOf(*symbol);
    const auto answer = operation ? Answer(*a, *operation, *b) : std::nullopt;
    if (!answer) {
        return true;
    }
    problem.operation = *operation;
    problem.correctAnswer = static_cast<std::int16_t>(*answer); // wraps, as 16-bit arithmetic does
    if (*operation == kTimes && *b == 0) {
        std::swap(problem.firstOperand, problem.secondOperand);
    }
    return true;
}

} // namespace data
