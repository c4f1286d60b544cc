#include "RosterFile.h"

#include "AccountRules.h"
#include "CsvReader.h"
#include "TrimmedText.h"
#include "platform/ShownText.h"

#include <algorithm>
#include <cctype>

namespace data {
namespace {

std::string HeadingKey(std::string_view text) {
    std::string key(Trimmed(text, " "));
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Whole sentences, one for each fault and whose it is, so that each can be translated; the
// sentence after "Line N: ", beginning with a small letter.
std::string FaultText(const RosterProblem& p) {
    using platform::Say;
    using platform::ShownText;
    const std::string quoted = Quoted(p.value);
    const std::string names = std::to_string(kNameLimit);
    const std::string passwords = std::to_string(kPasswordLimit);
    const std::string other = std::to_string(p.other);
    // A student's password fault names the student, or says "the student" when the row has no
    // usable name.
    const bool named = !p.value.empty();
    switch (p.fault) {
    case RosterFault::MissingColumn:
        return Say(ShownText("RosterFile", "the file has no column %1."), {quoted});
    case RosterFault::NoStudents:
        return Say(ShownText("RosterFile", "the file lists no students."));
    case RosterFault::QuoteNotClosed:
        return Say(ShownText("RosterFile", "a quotation mark is not closed."));
    case RosterFault::NoName:
        return Say(
            p.whose == RosterWho::Teacher ? ShownText("RosterFile", "the teacher has no name.")
            : p.whose == RosterWho::Class ? ShownText("RosterFile", "the class has no name.")
                                          : ShownText("RosterFile", "the student has no name."));
    case RosterFault::NameTooLong:
        return Say(
            p.whose == RosterWho::Teacher
                ? ShownText("RosterFile", "the teacher's name %1 has more than %2 characters.")
            : p.whose == RosterWho::Class
                ? ShownText("RosterFile", "the class's name %1 has more than %2 characters.")
                : ShownText("RosterFile", "the name %1 has more than %2 characters."),
            {quoted, names});
    case RosterFault::InvalidCharacter:
    case RosterFault::NameNotStorable:
        return Say(p.whose == RosterWho::Teacher
                       ? ShownText("RosterFile", "the teacher's name %1 cannot hold %2.")
                   : p.whose == RosterWho::Class
                       ? ShownText("RosterFile", "the class's name %1 cannot hold %2.")
                       : ShownText("RosterFile", "the name %1 cannot hold %2."),
                   {quoted, DescribeRefusedCharacter(RefusedNameCharacter(p.value))});
    case RosterFault::NoPassword:
        return named ? Say(ShownText("RosterFile", "%1 has no password."), {p.value})
                     : Say(ShownText("RosterFile", "the student has no password."));
    case RosterFault::PasswordTooLong:
        return named
                   ? Say(ShownText("RosterFile", "the password of %1 has more than %2 characters."),
                         {p.value, passwords})
                   : Say(ShownText("RosterFile",
                                   "the password of the student has more than %1 characters."),
                         {passwords});
    case RosterFault::PasswordNotStorable:
        return named ? Say(ShownText("RosterFile", "the password of %1 holds a letter the records "
                                                   "cannot store or a control character."),
                           {p.value})
                     : Say(ShownText("RosterFile", "the password of the student holds a letter "
                                                   "the records cannot store or a control "
                                                   "character."));
    case RosterFault::TeacherPasswordsDiffer:
        return p.other > 0 ? Say(ShownText("RosterFile", "the teacher %1 has another password "
                                                         "here than on line %2."),
                                 {p.value, other})
                           : Say(ShownText("RosterFile", "the teacher %1 has another password "
                                                         "here than in the options."),
                                 {p.value});
    case RosterFault::TeacherWithoutPassword:
        return Say(ShownText("RosterFile", "the teacher %1 has a password on none of the rows."),
                   {p.value});
    case RosterFault::UnknownLevel:
        return Say(ShownText("RosterFile", "the level %1 is not a number from 1 to 5."), {quoted});
    case RosterFault::UnknownTestsPassed:
        return Say(ShownText("RosterFile", "the tests passed %1 are not 0, 1 or 2."), {quoted});
    case RosterFault::RepeatedStudent:
        return p.other > 0
                   ? Say(ShownText("RosterFile", "the student %1 is on line %2 already."),
                         {p.value, other})
                   : Say(ShownText("RosterFile", "the student %1 is given twice."), {p.value});
    case RosterFault::NameTaken:
        return Say(ShownText("RosterFile", "the name %1 is already that of a person or of a class "
                                           "file in the data folder."),
                   {quoted});
    case RosterFault::ClassTooLarge:
        return p.value.empty()
                   ? Say(ShownText("RosterFile", "the class would have more than %1 students."),
                         {other})
                   : Say(ShownText("RosterFile", "the class %1 would have more than %2 students."),
                         {p.value, other});
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
        return platform::Say(platform::ShownText("RosterFile", "Line %1: %2"),
                             {std::to_string(problem.line), text});
    }
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

} // namespace data
