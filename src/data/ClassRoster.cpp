#include "ClassRoster.h"

#include "CStudent.h"
#include "CTeacher.h"
#include "CUserManager.h"
#include "NameListFiles.h"
#include "Windows1252.h"

#include "RecordFile.h"

#include "platform/Files.h"
#include "platform/Logs.h"

#include <algorithm>

namespace data {
namespace {

constexpr const char* kSource = "Data classes\\Classroster";

} // namespace

RosterRow ReadRosterRow(const std::string& name, CStudent& student) {
    RosterRow row{.name = name};
    CUserManager::ConvertName(row.name, true);
    student.Reset();
    if (student.Load(name)) {
        row.standing = student.GetLevelName() + " - " + std::to_string(student.GetTestsPassed());
    }
    return row;
}

std::optional<std::vector<std::string>> ReadClassNames(const CTeacher& teacher) {
    const std::string path =
        CUserManager::GetInfoFilePath(teacher.GetName() + teacher.GetClassName());
    const auto bytes = platform::ReadFileBytes(path);
    if (!bytes) {
        platform::WriteErrorLog(kSource, __LINE__, FileFailureText("Could not read", path));
        return std::nullopt;
    }
    const auto classFile = ParseClassFile(*bytes);
    if (!classFile) {
        platform::WriteErrorLog(kSource, __LINE__, "  Could not read " + path + ": it is damaged");
        return std::nullopt;
    }
    // Sorted as the record files hold the names, in Windows-1252.
    struct Entry {
        std::string fileForm;
        std::string sortKey;
    };
    std::vector<Entry> entries;
    for (const std::string& name : classFile->students) {
        std::string listForm = name;
        CUserManager::ConvertName(listForm, true);
        entries.push_back({name, Utf8ToWindows1252(listForm)});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.sortKey < b.sortKey; });
    std::vector<std::string> names;
    for (Entry& entry : entries) {
        names.push_back(std::move(entry.fileForm));
    }
    return names;
}

std::optional<std::vector<RosterRow>> ReadClassRoster(const CTeacher& teacher, CStudent& student) {
    const auto names = ReadClassNames(teacher);
    if (!names) {
        return std::nullopt;
    }
    std::vector<RosterRow> rows;
    for (const std::string& name : *names) {
        rows.push_back(ReadRosterRow(name, student));
    }
    return rows;
}

} // namespace data
