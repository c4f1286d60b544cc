// A school's roster as any bytes: a school comes out only when every name, password and class
// keeps the rules.
#include "FuzzSupport.h"

#include "data/AccountRules.h"
#include "data/RosterCheck.h"

#include <set>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const data::RosterTable table = data::ReadRosterTable(
        {reinterpret_cast<const char*>(data), size}, data::kSchoolRosterColumns);
    data::School school;
    if (!table.problems.empty() || !data::CheckSchoolRoster(table.lines, 3, school).empty()) {
        return 0;
    }
    std::set<std::string> names;
    for (const data::NewTeacher& teacher : school.teachers) {
        Require(data::CheckName(teacher.name) == data::NameProblem::None, "a teacher's name");
        Require(data::CheckPassword(teacher.password) == data::PasswordProblem::None,
                "a teacher's password");
        Require(names.insert(data::NameKey(teacher.name)).second, "a teacher named once");
        Require(teacher.classes.front().name == kFirstClassName, "the first class first");
        for (const data::NewClass& schoolClass : teacher.classes) {
            Require(data::CheckName(schoolClass.name) == data::NameProblem::None, "a class's name");
            Require(schoolClass.students.size() <= 3, "no class past its size");
            for (const data::NewStudent& student : schoolClass.students) {
                Require(data::CheckName(student.name) == data::NameProblem::None,
                        "a student's name");
                Require(data::CheckPassword(student.password) == data::PasswordProblem::None,
                        "a student's password");
                Require(student.level >= 1 && student.level <= 5 && student.testsPassed >= 0 &&
                            student.testsPassed <= 2,
                        "a level and tests passed");
                Require(names.insert(data::NameKey(student.name)).second,
                        "nobody named twice, capitals aside");
            }
        }
    }
    return 0;
}
