#include "RosterCheck.h"

#include "AccountRules.h"
#include "CTeacher.h"
#include "NumberText.h"
#include "SchoolSettings.h"
#include "TrimmedText.h"

#include <algorithm>
#include <map>
#include <optional>

namespace data {
namespace {

using enum RosterColumn;

bool IsEmpty(const std::string& cell) {
    return Trimmed(cell, " ").empty();
}

class Problems {
public:
    explicit Problems(std::vector<RosterProblem>& list) : list_(list) {}
    // Adds `problem` at `line`; false, so that a check can end with it.
    bool Add(const RosterLine& line, RosterProblem problem) {
        problem.line = line.line;
        list_.push_back(std::move(problem));
        return false;
    }

private:
    std::vector<RosterProblem>& list_;
};

// The name, blanks made single, when the rules take it.
std::optional<std::string> CheckedName(const RosterLine& line, RosterColumn column, RosterWho who,
                                       Problems& problems) {
    std::string name = NormaliseName(line[column]);
    const auto fault = [&]() -> std::optional<RosterFault> {
        switch (CheckName(name)) {
        case NameProblem::None:
            return std::nullopt;
        case NameProblem::Empty:
            return RosterFault::NoName;
        case NameProblem::TooLong:
            return RosterFault::NameTooLong;
        case NameProblem::InvalidCharacter:
            return RosterFault::InvalidCharacter;
        case NameProblem::NotStorable:
            return RosterFault::NameNotStorable;
        }
        return std::nullopt;
    }();
    if (fault) {
        problems.Add(line, {.fault = *fault, .whose = who, .value = name});
        return std::nullopt;
    }
    return name;
}

bool PasswordFits(const RosterLine& line, const std::string& password, const std::string& whose,
                  RosterWho who, Problems& problems) {
    switch (CheckPassword(password)) {
    case PasswordProblem::None:
        return true;
    case PasswordProblem::Empty:
        return problems.Add(line, {.fault = RosterFault::NoPassword, .whose = who, .value = whose});
    case PasswordProblem::TooLong:
        return problems.Add(line,
                            {.fault = RosterFault::PasswordTooLong, .whose = who, .value = whose});
    case PasswordProblem::NotStorable:
        return problems.Add(
            line, {.fault = RosterFault::PasswordNotStorable, .whose = who, .value = whose});
    }
    return true;
}

// An empty cell is `empty`; otherwise a number from `lowest` to `highest`.
std::optional<int> NumberCell(const std::string& cell, int empty, int lowest, int highest) {
    return IsEmpty(cell) ? std::optional(empty) : NumberIn(cell, lowest, highest);
}

// The student of a row, when the rules take every cell of it; each cell that they refuse is a
// problem of its own.
std::optional<NewStudent> CheckedStudent(const RosterLine& line, Problems& problems) {
    const auto name = CheckedName(line, Student, RosterWho::Student, problems);
    // Empty when the row has no usable name: the problem then says "the student".
    const std::string whose = name.value_or("");
    bool usable =
        PasswordFits(line, line[Password], whose, RosterWho::Student, problems) && name.has_value();
    const auto level = NumberCell(line[Level], 1, 1, 5);
    const auto testsPassed = NumberCell(line[TestsPassed], 0, 0, 2);
    if (!level) {
        usable = problems.Add(line, {.fault = RosterFault::UnknownLevel, .value = line[Level]});
    }
    if (!testsPassed) {
        usable = problems.Add(
            line, {.fault = RosterFault::UnknownTestsPassed, .value = line[TestsPassed]});
    }
    if (!usable) {
        return std::nullopt;
    }
    return NewStudent{.line = line.line,
                      .name = *name,
                      .password = line[Password],
                      .level = *level,
                      .testsPassed = *testsPassed};
}

// The students of a class and of the whole roster, checked as rows come: a name met before, or
// taken by another record, and the row that takes a class past the class size.
class StudentList {
public:
    StudentList(int classSize, Problems& problems) : classSize_(classSize), problems_(problems) {}

    // Adds `student` of `line` to `into`, a class that already has `listed` students elsewhere.
    void Add(const RosterLine& line, NewStudent student, bool taken, const std::string& className,
             std::vector<NewStudent>& into, int listed, bool& tooLarge) {
        const auto [earlier, isNew] = lines_.emplace(NameKey(student.name), line.line);
        if (!isNew) {
            problems_.Add(line, {.fault = RosterFault::RepeatedStudent,
                                 .value = student.name,
                                 .other = earlier->second});
        } else if (taken) {
            problems_.Add(line, {.fault = RosterFault::NameTaken, .value = student.name});
        } else if (listed + static_cast<int>(into.size()) >= classSize_) {
            if (!tooLarge) {
                problems_.Add(
                    line,
                    {.fault = RosterFault::ClassTooLarge, .value = className, .other = classSize_});
            }
            tooLarge = true;
        } else {
            into.push_back(std::move(student));
        }
    }

private:
    int classSize_;
    Problems& problems_;
    std::map<std::string, int> lines_; // by name key: where each student was named first
};

template <typename Named> Named* FindNamed(std::vector<Named>& items, const std::string& name) {
    const auto found = std::find_if(items.begin(), items.end(), [&](const Named& item) {
        return NameKey(item.name) == NameKey(name);
    });
    return found == items.end() ? nullptr : &*found;
}

// The teachers and classes the rows name, each teacher's password checked where it is given.
class SchoolTeachers {
public:
    explicit SchoolTeachers(Problems& problems) : problems_(problems) {}

    // The index of the teacher of `line`, with the line's class listed; nothing when a name or
    // the teacher's password is refused.
    std::optional<std::size_t> Read(const RosterLine& line) {
        const auto name = CheckedName(line, Teacher, RosterWho::Teacher, problems_);
        const auto className = IsEmpty(line[Class])
                                   ? std::optional<std::string>(kFirstClassName)
                                   : CheckedName(line, Class, RosterWho::Class, problems_);
        if (!name) {
            return std::nullopt;
        }
        NewTeacher* teacher = FindNamed(school_.teachers, *name);
        if (teacher == nullptr) {
            school_.teachers.push_back({.name = *name, .classes = {{.name = kFirstClassName}}});
            rows_.push_back({.first = line});
            teacher = &school_.teachers.back();
        }
        const auto index = static_cast<std::size_t>(teacher - school_.teachers.data());
        if (!ReadPassword(line, *teacher, rows_[index]) || !className) {
            return std::nullopt;
        }
        if (FindNamed(teacher->classes, *className) == nullptr) {
            teacher->classes.push_back({.name = *className});
        }
        return index;
    }

    // Teachers without a password, and teachers named like another file of the school.
    void CheckTeachers() {
        for (std::size_t index = 0; index < school_.teachers.size(); ++index) {
            const NewTeacher& teacher = school_.teachers[index];
            if (!rows_[index].passwordLine && !rows_[index].passwordRefused) {
                problems_.Add(rows_[index].first, {.fault = RosterFault::TeacherWithoutPassword,
                                                   .whose = RosterWho::Teacher,
                                                   .value = teacher.name});
            }
            if (IsFileName(teacher.name, &teacher)) {
                problems_.Add(rows_[index].first, {.fault = RosterFault::NameTaken,
                                                   .whose = RosterWho::Teacher,
                                                   .value = teacher.name});
            }
        }
    }

    // True when a record named `name` would be the sign-in list, a teacher's record (other than
    // `except`'s) or a class file.
    bool IsFileName(const std::string& name, const NewTeacher* except = nullptr) const {
        const std::string key = NameKey(name);
        const auto namedSo = [&](const NewTeacher& teacher) {
            return (&teacher != except && NameKey(teacher.name) == key) ||
                   std::any_of(
                       teacher.classes.begin(), teacher.classes.end(),
                       [&](const NewClass& c) { return NameKey(teacher.name + c.name) == key; });
        };
        return key == NameKey("Admin") ||
               std::any_of(school_.teachers.begin(), school_.teachers.end(), namedSo);
    }

    School& Result() { return school_; }

private:
    struct TeacherRows {
        RosterLine first;                // the row that named the teacher first
        std::optional<int> passwordLine; // the row that gave the password
        bool passwordRefused = false;
    };

    // The first row that gives the teacher a password sets it; another row may give only the
    // same one.
    bool ReadPassword(const RosterLine& line, NewTeacher& teacher, TeacherRows& rows) {
        const std::string& password = line[TeacherPassword];
        if (password.empty() || rows.passwordRefused) {
            return !rows.passwordRefused;
        }
        if (!rows.passwordLine) {
            if (!PasswordFits(line, password, teacher.name, RosterWho::Teacher, problems_)) {
                rows.passwordRefused = true;
                return false;
            }
            teacher.password = password;
            rows.passwordLine = line.line;
            return true;
        }
        if (password != teacher.password) {
            return problems_.Add(line, {.fault = RosterFault::TeacherPasswordsDiffer,
                                        .whose = RosterWho::Teacher,
                                        .value = teacher.name,
                                        .other = *rows.passwordLine});
        }
        return true;
    }

    Problems& problems_;
    School school_;
    std::vector<TeacherRows> rows_; // by teacher
};

} // namespace

std::vector<RosterProblem> CheckSchoolRoster(const std::vector<RosterLine>& lines, int classSize,
                                             School& school) {
    std::vector<RosterProblem> list;
    Problems problems(list);
    SchoolTeachers teachers(problems);
    // The teachers and classes first: a student's name may be that of a class file named further
    // on.
    std::vector<std::pair<const RosterLine*, std::optional<std::size_t>>> rows;
    for (const RosterLine& line : lines) {
        const auto teacher = teachers.Read(line);
        if (!line.teacherOnly) {
            rows.emplace_back(&line, teacher);
        }
    }
    teachers.CheckTeachers();
    StudentList students(classSize, problems);
    std::map<std::pair<std::size_t, std::size_t>, bool> tooLarge; // by teacher and class
    for (const auto& [line, teacher] : rows) {
        auto student = CheckedStudent(*line, problems);
        if (!student || !teacher) {
            continue;
        }
        std::vector<NewClass>& classes = teachers.Result().teachers[*teacher].classes;
        NewClass* chosen =
            FindNamed(classes, IsEmpty((*line)[Class]) ? std::string(kFirstClassName)
                                                       : NormaliseName((*line)[Class]));
        const bool taken = teachers.IsFileName(student->name);
        students.Add(*line, std::move(*student), taken, chosen->name, chosen->students, 0,
                     tooLarge[{*teacher, static_cast<std::size_t>(chosen - classes.data())}]);
    }
    std::stable_sort(list.begin(), list.end(), [](const RosterProblem& a, const RosterProblem& b) {
        return a.line < b.line;
    });
    school = std::move(teachers.Result());
    return list;
}

std::vector<RosterProblem> CheckClassRoster(const std::vector<RosterLine>& lines,
                                            const CTeacher& teacher, int classSize,
                                            std::vector<NewStudent>& students) {
    std::vector<RosterProblem> list;
    Problems problems(list);
    StudentList checked(classSize, problems);
    bool tooLarge = false;
    for (const RosterLine& line : lines) {
        if (auto student = CheckedStudent(line, problems)) {
            const bool taken = teacher.IsNameTaken(student->name);
            checked.Add(line, std::move(*student), taken, {}, students, teacher.GetStudentCount(),
                        tooLarge);
        }
    }
    if (!list.empty()) {
        students.clear();
    }
    return list;
}

ClassImport ImportClassRoster(std::string_view text, CTeacher& teacher) {
    ClassImport result;
    const RosterTable table = ReadRosterTable(text, kClassRosterColumns);
    std::vector<NewStudent> students;
    result.problems =
        table.problems.empty()
            ? CheckClassRoster(table.lines, teacher, ReadSchoolSettings().classSize, students)
            : table.problems;
    for (const NewStudent& student : students) {
        if (!teacher.AddStudent(student.name, student.password, student.level, student.testsPassed,
                                0, 0)) {
            result.failed = true;
            for (auto added = students.begin(); added != students.begin() + result.added; ++added) {
                teacher.DeleteStudent(added->name);
            }
            result.added = 0;
            break;
        }
        ++result.added;
    }
    return result;
}

} // namespace data
