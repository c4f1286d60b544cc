#pragma once

#include "CTeacher.h"
#include "RosterFile.h"

#include <string>
#include <string_view>
#include <vector>

// Every row of a roster checked with the account rules before anything is written: the names and
// passwords as the dialogs check them, the level and tests passed, students named twice, names of
// other records, and classes that would grow past the class size. A roster with any problem is
// used not at all.
namespace data {

struct NewStudent {
    int line = 0;
    std::string name; // file form, blanks made single
    std::string password;
    int level = 1;
    int testsPassed = 0;
};

struct NewClass {
    std::string name;
    std::vector<NewStudent> students;
};

struct NewTeacher {
    std::string name;
    std::string password;
    std::vector<NewClass> classes; // the first class first, then the others as named
};

// A school's teachers, each with classes and students: what the data-folder tool writes. Rows of
// one teacher (or class) are joined however their capitals are written, the first row's spelling
// kept; a row without a class is in the teacher's first class.
struct School {
    std::vector<NewTeacher> teachers;
};

std::vector<RosterProblem> CheckSchoolRoster(const std::vector<RosterLine>& lines, int classSize,
                                             School& school);

// The students of a class's roster for the class `teacher` has chosen, checked against that
// class and every record of the data folder.
std::vector<RosterProblem> CheckClassRoster(const std::vector<RosterLine>& lines,
                                            const CTeacher& teacher, int classSize,
                                            std::vector<NewStudent>& students);

// What importing a class's roster into the class `teacher` has chosen did.
struct ClassImport {
    std::vector<RosterProblem> problems; // any: nothing was written
    int added = 0;
    // A student could not be written (the error log says why): those added before were taken
    // back.
    bool failed = false;
};

// Reads a class's roster (columns Student, Password and, if wanted, Level and Tests passed),
// checks every row against the class, the data folder and its class size, and adds the students
// in the order of the rows only when no row has a problem.
ClassImport ImportClassRoster(std::string_view text, CTeacher& teacher);

} // namespace data
