#include "RosterFile.h"

#include "AccountRules.h"
#include "CsvReader.h"

#include <algorithm>
#include <cctype>

namespace data {
namespace {

std::string HeadingKey(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    std::string key(first == std::string_view::npos ? std::string_view()
                                                    : text.substr(first, last - first + 1));
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Whom(RosterWho whose) {
    switch (whose) {
    case RosterWho::Teacher:
        return "the teacher";
    case RosterWho::Class:
        return "the class";
    case RosterWho::Student:
        break;
    }
    return "the student";
}

// "the name ", "the teacher's name ", "the class's name ", before the name in quotes.
std::string WhoseName(RosterWho whose) {
    return whose == RosterWho::Student ? "the name " : Whom(whose) + "'s name ";
}

// The sentence after "Line N: ", beginning with a small letter.
std::string FaultText(const RosterProblem& p) {
    const std::string limit = std::to_string(kNameLimit);
    switch (p.fault) {
    case RosterFault::MissingColumn:
        return "the file has no column " + Quoted(p.value) + ".";
    case RosterFault::NoStudents:
        return "the file lists no students.";
    case RosterFault::QuoteNotClosed:
        return "a quotation mark is not closed.";
    case RosterFault::NoName:
        return Whom(p.whose) + " has no name.";
    case RosterFault::NameTooLong:
        return WhoseName(p.whose) + Quoted(p.value) + " has more than " + limit + " characters.";
    case RosterFault::InvalidCharacter:
    case RosterFault::NameNotStorable:
        return WhoseName(p.whose) + Quoted(p.value) + " cannot hold " +
               DescribeRefusedCharacter(RefusedNameCharacter(p.value)) + ".";
    case RosterFault::NoPassword:
        return p.value + " has no password.";
    case RosterFault::PasswordTooLong:
        return "the password of " + p.value + " has more than " + std::to_string(kPasswordLimit) +
               " characters.";
    case RosterFault::PasswordNotStorable:
        return "the password of " + p.value +
               " holds a letter the records cannot store or a control character.";
    case RosterFault::TeacherPasswordsDiffer:
        return "the teacher " + p.value + " has another password here than " +
               (p.other > 0 ? "on line " + std::to_string(p.other) : "in the options") + ".";
    case RosterFault::TeacherWithoutPassword:
        return "the teacher " + p.value + " has a password on none of the rows.";
    case RosterFault::UnknownLevel:
        return "the level " + Quoted(p.value) + " is not a number from 1 to 5.";
    case RosterFault::UnknownTestsPassed:
        return "the tests passed " + Quoted(p.value) + " are not 0, 1 or 2.";
    case RosterFault::RepeatedStudent:
        return p.other > 0 ? "the student " + p.value + " is on line " + std::to_string(p.other) +
                                 " already."
                           : "the student " + p.value + " is given twice.";
    case RosterFault::NameTaken:
        return "the name " + Quoted(p.value) +
               " is already that of a person or of a class file in the data folder.";
    case RosterFault::ClassTooLarge:
        return (p.value.empty() ? std::string("the class") : "the class " + p.value) +
               " would have more than " + std::to_string(p.other) + " students.";
    }
    return {};
}

} // namespace

RosterTable ReadRosterTable(std::string_view text, std::span<const RosterColumn> required) {
    RosterTable table;
    std::vector<CsvRecord> records = ReadCsv(text);
    if (records.empty()) {
        table.problems.push_back({.fault = RosterFault::NoStudents});
        return table;
    }
    // Where each heading stands in the header, if anywhere.
    std::array<std::optional<std::size_t>, kRosterHeadings.size()> at;
    const CsvRecord& header = records.front();
    for (std::size_t field = 0; field < header.fields.size(); ++field) {
        for (std::size_t column = 0; column < kRosterHeadings.size(); ++column) {
            if (!at[column] &&
                HeadingKey(header.fields[field]) == HeadingKey(kRosterHeadings[column])) {
                at[column] = field;
            }
        }
    }
    for (const RosterColumn column : required) {
        if (!at[static_cast<std::size_t>(column)]) {
            table.problems.push_back({.line = header.line,
                                      .fault = RosterFault::MissingColumn,
                                      .value = kRosterHeadings[static_cast<std::size_t>(column)]});
        }
    }
    for (auto record = records.begin() + 1; record != records.end(); ++record) {
        if (record->quoteNotClosed) {
            table.problems.push_back({.line = record->line, .fault = RosterFault::QuoteNotClosed});
        }
        RosterLine line{.line = record->line};
        for (std::size_t column = 0; column < kRosterHeadings.size(); ++column) {
            if (at[column] && *at[column] < record->fields.size()) {
                line.cells[column] = record->fields[*at[column]];
            }
        }
        table.lines.push_back(std::move(line));
    }
    if (table.lines.empty() && table.problems.empty()) {
        table.problems.push_back({.fault = RosterFault::NoStudents});
    }
    return table;
}

std::string RosterProblemText(const RosterProblem& problem) {
    std::string text = FaultText(problem);
    if (problem.line > 0) {
        return "Line " + std::to_string(problem.line) + ": " + text;
    }
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

} // namespace data
