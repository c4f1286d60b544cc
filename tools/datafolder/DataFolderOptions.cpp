#include "DataFolderOptions.h"

#include "data/AccountRules.h"
#include "data/Windows1252.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::size_t kMostStudents = 8;

std::optional<std::int32_t> NumberIn(const std::string& text, std::int32_t lowest,
                                     std::int32_t highest) {
    std::int32_t value = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failure != std::errc() || end != text.data() + text.size() || value < lowest ||
        value > highest) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> SplitAtColons(const std::string& text) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == ':') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

std::optional<StudentToAdd> ParseStudent(const std::string& text) {
    const auto parts = SplitAtColons(text);
    if (parts.size() < 2 || parts.size() > 4) {
        return std::nullopt;
    }
    StudentToAdd student{.name = data::NormaliseName(parts[0]), .password = parts[1]};
    const auto level = parts.size() > 2 ? NumberIn(parts[2], 1, 5) : 1;
    const auto testsPassed = parts.size() > 3 ? NumberIn(parts[3], 0, 2) : 0;
    if (!level || !testsPassed) {
        return std::nullopt;
    }
    student.level = *level;
    student.testsPassed = *testsPassed;
    return student;
}

// Records are files named after people; these names belong to other records.
std::string TakenName(const std::string& name, const std::string& owner) {
    return "\"" + name + "\" is the name of " + owner + "; choose another name";
}

// The program's own dialogs apply the same rules, so nothing written here locks anyone out.
std::string NameProblemText(const std::string& whose, const std::string& name) {
    switch (data::CheckName(name)) {
    case data::NameProblem::None:
        return {};
    case data::NameProblem::Empty:
        return whose + " has no name";
    case data::NameProblem::TooLong:
        return whose + " \"" + name + "\" has more than " + std::to_string(data::kNameLimit) +
               " characters";
    case data::NameProblem::InvalidCharacter:
    case data::NameProblem::NotStorable:
        return whose + " \"" + name + "\": a name cannot hold " +
               data::DescribeRefusedCharacter(data::RefusedNameCharacter(name));
    }
    return {};
}

std::string PasswordProblemText(const std::string& whose, const std::string& password) {
    switch (data::CheckPassword(password)) {
    case data::PasswordProblem::None:
        return {};
    case data::PasswordProblem::Empty:
        return whose + " needs a password";
    case data::PasswordProblem::TooLong:
        return whose + "'s password has more than " + std::to_string(data::kPasswordLimit) +
               " characters, which the sign-in box cannot take";
    case data::PasswordProblem::NotStorable:
        return whose + "'s password holds a letter a record cannot store (Windows-1252) or a "
                       "control character";
    }
    return {};
}

std::string Check(const DataFolderOptions& options) {
    if (options.programFolder.empty()) {
        return "--folder is required";
    }
    if (auto problem = NameProblemText("the teacher", options.teacherName); !problem.empty()) {
        return problem;
    }
    if (auto problem = PasswordProblemText("the teacher", options.teacherPassword);
        !problem.empty()) {
        return problem;
    }
    if (options.students.size() > kMostStudents) {
        return "at most 8 students";
    }
    if (data::IsSameNameIgnoringCase(options.teacherName, kSignInListName)) {
        return TakenName(options.teacherName, "the sign-in list's file");
    }
    for (auto student = options.students.begin(); student != options.students.end(); ++student) {
        if (auto problem = NameProblemText("a student", student->name); !problem.empty()) {
            return problem;
        }
        if (data::IsSameNameIgnoringCase(student->name, options.teacherName)) {
            return TakenName(student->name, "the teacher");
        }
        if (data::NamesAnotherDataFile(student->name, options.teacherName, {kClassName})) {
            return TakenName(student->name,
                             data::IsSameNameIgnoringCase(student->name, kSignInListName)
                                 ? "the sign-in list's file"
                                 : "the class file");
        }
        if (std::any_of(options.students.begin(), student, [&](const StudentToAdd& earlier) {
                return data::IsSameNameIgnoringCase(earlier.name, student->name);
            })) {
            return "the student \"" + student->name + "\" is given twice";
        }
        if (auto problem = PasswordProblemText(student->name, student->password);
            !problem.empty()) {
            return problem;
        }
    }
    if (options.replaceExisting && options.keepExisting) {
        return "--force and --if-missing exclude each other";
    }
    // Nobody signs in with it: it only has to fit the record.
    if (!data::FitsWindows1252(options.adminPassword)) {
        return "the administrator's password holds a letter a record cannot store (Windows-1252)";
    }
    return {};
}

} // namespace

std::optional<DataFolderOptions> ParseDataFolderOptions(const std::vector<std::string>& arguments,
                                                        std::string& error) {
    DataFolderOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h") {
            return DataFolderOptions{.usageOnly = true};
        }
        if (option == "--force" || option == "--if-missing") {
            (option == "--force" ? options.replaceExisting : options.keepExisting) = true;
            continue;
        }
        if (i + 1 == arguments.size()) {
            error = "unknown option or missing value: " + option;
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        if (option == "--folder") {
            options.programFolder = value;
        } else if (option == "--teacher") {
            options.teacherName = data::NormaliseName(value);
        } else if (option == "--teacher-password") {
            options.teacherPassword = value;
        } else if (option == "--admin-password") {
            options.adminPassword = value;
        } else if (option == "--student") {
            const auto student = ParseStudent(value);
            if (!student) {
                error = "--student wants name:password[:level 1-5[:tests passed 0-2]]: " + value;
                return std::nullopt;
            }
            options.students.push_back(*student);
        } else {
            error = "unknown option: " + option;
            return std::nullopt;
        }
    }
    error = Check(options);
    if (!error.empty()) {
        return std::nullopt;
    }
    return options;
}
