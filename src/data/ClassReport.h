#pragma once

#include "FactFluency.h"
#include "Problem.h"
#include "SessionHistory.h"
#include "StudentRecordFile.h"

#include "platform/ShownText.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CTeacher;

// The class at a glance for the teacher: one row per student with the level, this week's
// practice, the facts known by heart, the mistakes waiting and whether the student needs the
// teacher's attention. Reading the records for it never changes a file.
namespace data {

// "This week" is the 7 × 24 hours before now. A session dated after now (a clock that was set
// wrong) counts as this week's.
inline constexpr std::int64_t kReportWeekSeconds = 7 * 24 * 60 * 60;
// Tests at the current level since the last pass, none of them passed, that make a student stuck.
inline constexpr int kStuckTests = 3;

// What the report reads of one student; each part is none when its file cannot be read.
struct StudentFiles {
    std::string name; // file form
    std::optional<StudentRecord> record;
    std::optional<std::vector<Problem>> mistakes; // a missing list is an empty one
    std::optional<FactFluency> fluency;           // a missing record is an empty one
};

// The facts each level is tested on (index: level − 1): one operation's test file for Addition
// to Division; for Mixed the facts of all four operations, as its test draws on all of them.
using LevelFacts = std::array<std::vector<Problem>, 5>;

struct ClassReportRow {
    std::string student; // list form, as the teacher's list shows it

    // From the student record.
    struct Standing {
        std::int32_t level = 0;
        std::int32_t testsPassed = 0;
        std::optional<std::uint32_t> lastActive; // the newest session's time; none: never
        int sessionsThisWeek = 0;
        int minutesThisWeek = 0;
        bool inactive = false; // no session for a week or more, or none at all
        bool stuck = false;
    };
    std::optional<Standing> standing;

    struct FluentFacts {
        int fluent = 0;
        int facts = 0; // of the current level
    };
    // Each none when a file it needs could not be read.
    std::optional<FluentFacts> fluentFacts;
    std::optional<int> mistakes;
    bool responseTimesUnreadable = false; // the first tries and their times, per fact
};

// The row of one student at `now` (seconds since 1970). A test counts toward this week's minutes
// with its time limit, as the records keep no test's duration; training sessions and reviews
// count their own seconds.
ClassReportRow MakeClassReportRow(const StudentFiles& files, const LevelFacts& facts,
                                  std::int64_t now);

// What the teacher should look at, those that apply joined by ", ": which of the student's files
// cannot be read ("record cannot be read", "mistake list cannot be read", "response times cannot
// be read"), "inactive" and "stuck"; in the program's language.
std::string AttentionText(const ClassReportRow& row);

// The report's columns, in the program's language where shown.
inline constexpr std::array<platform::TextToShow, 9> kClassReportColumns{
    platform::ShownText("ClassReport", "Student"),
    platform::ShownText("ClassReport", "Level"),
    platform::ShownText("ClassReport", "Tests passed"),
    platform::ShownText("ClassReport", "Last active"),
    platform::ShownText("ClassReport", "Sessions this week"),
    platform::ShownText("ClassReport", "Minutes this week"),
    platform::ShownText("ClassReport", "Fluent facts"),
    platform::ShownText("ClassReport", "Mistakes to review"),
    platform::ShownText("ClassReport", "Needs attention")};
inline constexpr std::size_t kFluentFactsColumn = 6;
// Last active, for a student with no session.
inline constexpr platform::TextToShow kNeverActive = platform::ShownText("ClassReport", "never");

// The row's texts, column by column: dates in `forms` (by default "MM/DD/YYYY") in local time,
// fluent facts as "n of N", words in the program's language; figures that could not be read are
// empty.
std::vector<std::string> ClassReportCells(const ClassReportRow& row,
                                          const history::ShownForms& forms = {});

// The date of `time` in local time as "YYYY-MM-DD".
std::string IsoDate(std::uint32_t time);

// Reads one student's files without changing any: a record missing after an interrupted rewrite
// is read from its "tmp" copy where it stands, a missing mistake list or option file stays
// missing. Each file that cannot be read is noted in the error log with its reason.
StudentFiles ReadStudentFiles(const std::string& name);

// The installed test files' facts; a file that cannot be read gives its level no facts.
LevelFacts ReadLevelFacts();

// A row for each student of the teacher's selected class, in the order of the teacher's list.
// Nothing when the class file cannot be read.
std::optional<std::vector<ClassReportRow>> ReadClassReport(const CTeacher& teacher,
                                                           std::int64_t now);

} // namespace data
