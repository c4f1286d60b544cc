#pragma once

#include <optional>
#include <string>
#include <vector>

class CStudent;
class CTeacher;

namespace data {

// One student as the teacher's list shows it.
struct RosterRow {
    std::string name;     // list form: "Smith, Mary Ann"
    std::string standing; // "Addition - 2": the level and the tests passed on it
};

// The row of the student `name` (file form), whose record is loaded into `student` to read it; a
// record that cannot be read leaves the standing empty and `student` reset.
RosterRow ReadRosterRow(const std::string& name, CStudent& student);

// The file-form names of the students of the teacher's selected class, as its class file lists
// them, ordered by the bytes of their list-form names (so capitals come before small letters).
// Nothing, with an error record, when the class file cannot be read.
std::optional<std::vector<std::string>> ReadClassNames(const CTeacher& teacher);

// The rows of ReadClassNames, each student's record loaded into `student` to read it; `student`
// is left holding the last of them.
std::optional<std::vector<RosterRow>> ReadClassRoster(const CTeacher& teacher, CStudent& student);

} // namespace data
