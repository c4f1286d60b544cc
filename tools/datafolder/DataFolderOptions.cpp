#include "DataFolderOptions.h"

#include "data/AccountRules.h"
#include "data/NumberText.h"
#include "data/SchoolSettings.h"
#include "data/Windows1252.h"

#include "platform/Files.h"

#include <cstring>

namespace {

using data::RosterColumn;

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
    const auto level = parts.size() > 2 ? data::NumberIn(parts[2], 1, 5) : 1;
    const auto testsPassed = parts.size() > 3 ? data::NumberIn(parts[3], 0, 2) : 0;
    if (!level || !testsPassed) {
        return std::nullopt;
    }
    return StudentToAdd{
        .name = parts[0], .password = parts[1], .level = *level, .testsPassed = *testsPassed};
}

data::RosterLine& Set(data::RosterLine& line, RosterColumn column, std::string text) {
    line.cells[static_cast<std::size_t>(column)] = std::move(text);
    return line;
}

// The rows the options stand for: each teacher alone, then with each of its students. Without a
// roster to give it one, a teacher's password is "teacher".
std::vector<data::RosterLine> OptionLines(const DataFolderOptions& options) {
    std::vector<data::RosterLine> lines;
    for (const TeacherOption& teacher : options.teachers) {
        data::RosterLine line{.teacherOnly = true};
        Set(line, RosterColumn::Teacher, teacher.name);
        lines.push_back(
            Set(line, RosterColumn::TeacherPassword,
                teacher.password.value_or(options.rosterPath.empty() ? "teacher" : "")));
        for (const StudentToAdd& student : teacher.students) {
            data::RosterLine row;
            Set(row, RosterColumn::Teacher, teacher.name);
            Set(row, RosterColumn::Student, student.name);
            Set(row, RosterColumn::Password, student.password);
            Set(row, RosterColumn::Level, std::to_string(student.level));
            lines.push_back(
                Set(row, RosterColumn::TestsPassed, std::to_string(student.testsPassed)));
        }
    }
    return lines;
}

// Every problem on a line of its own, below a line that says nothing was written.
std::string ProblemsText(const std::string& rosterPath,
                         const std::vector<data::RosterProblem>& problems) {
    std::string text = std::string("nothing was written, because of ") +
                       (problems.size() == 1 ? "this problem" : "these problems") + " in " +
                       (rosterPath.empty() ? std::string("the options") : rosterPath) + ":";
    for (const data::RosterProblem& problem : problems) {
        text += "\n  " + data::RosterProblemText(problem);
    }
    return text;
}

} // namespace

std::optional<DataFolderOptions> ParseDataFolderOptions(const std::vector<std::string>& arguments,
                                                        std::string& error) {
    DataFolderOptions options;
    // Students and a password given before any --teacher are the default teacher's.
    TeacherOption unnamed;
    const auto current = [&]() -> TeacherOption& {
        return options.teachers.empty() ? unnamed : options.teachers.back();
    };
    bool recordsAsked = false; // an option other than the folder and the class size
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h") {
            return DataFolderOptions{.usageOnly = true};
        }
        if (option == "--force" || option == "--if-missing") {
            (option == "--force" ? options.replaceExisting : options.keepExisting) = true;
            recordsAsked = true;
            continue;
        }
        if (i + 1 == arguments.size()) {
            error = "unknown option or missing value: " + option;
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        recordsAsked = recordsAsked || (option != "--folder" && option != "--class-size");
        if (option == "--folder") {
            options.programFolder = value;
        } else if (option == "--teacher") {
            // The first one named takes what was given for the default teacher.
            TeacherOption teacher = options.teachers.empty() ? std::move(unnamed) : TeacherOption();
            teacher.name = data::NormaliseName(value);
            options.teachers.push_back(std::move(teacher));
        } else if (option == "--teacher-password") {
            current().password = value;
        } else if (option == "--admin-password") {
            options.adminPassword = value;
        } else if (option == "--roster") {
            options.rosterPath = value;
        } else if (option == "--class-size") {
            options.classSize = data::NumberIn(value, 1, data::kLargestClassSize);
            if (!options.classSize) {
                error = "--class-size wants a number from 1 to " +
                        std::to_string(data::kLargestClassSize) + ": " + value;
                return std::nullopt;
            }
        } else if (option == "--student") {
            auto student = ParseStudent(value);
            if (!student) {
                error = "--student wants name:password[:level 1-5[:tests passed 0-2]]: " + value;
                return std::nullopt;
            }
            current().students.push_back(std::move(*student));
        } else {
            error = "unknown option: " + option;
            return std::nullopt;
        }
    }
    options.classSizeOnly = options.classSize && !recordsAsked;
    // Nobody else: the class starts with the default teacher.
    if (options.teachers.empty() &&
        (options.rosterPath.empty() || !unnamed.students.empty() || unnamed.password)) {
        options.teachers.push_back(std::move(unnamed));
    }
    if (options.programFolder.empty()) {
        error = "--folder is required";
    } else if (options.replaceExisting && options.keepExisting) {
        error = "--force and --if-missing exclude each other";
    } else if (!data::FitsWindows1252(options.adminPassword)) {
        // Nobody signs in with it: it only has to fit the record.
        error = "the administrator's password holds a letter a record cannot store (Windows-1252)";
    }
    return error.empty() ? std::optional(std::move(options)) : std::nullopt;
}

std::optional<data::School> PlanSchool(const DataFolderOptions& options, std::string& error) {
    std::vector<data::RosterLine> lines = OptionLines(options);
    if (!options.rosterPath.empty()) {
        const auto bytes = platform::ReadFileBytes(options.rosterPath);
        if (!bytes) {
            error =
                "cannot read the roster " + options.rosterPath + " (" + std::strerror(errno) + ")";
            return std::nullopt;
        }
        data::RosterTable table =
            data::ReadRosterTable({reinterpret_cast<const char*>(bytes->data()), bytes->size()},
                                  data::kSchoolRosterColumns);
        if (!table.problems.empty()) {
            error = ProblemsText(options.rosterPath, table.problems);
            return std::nullopt;
        }
        lines.insert(lines.end(), table.lines.begin(), table.lines.end());
    }
    data::School school;
    const auto problems =
        data::CheckSchoolRoster(lines, options.classSize.value_or(data::kDefaultClassSize), school);
    if (!problems.empty()) {
        error = ProblemsText(options.rosterPath, problems);
        return std::nullopt;
    }
    return school;
}
