// Reading a class's records for the class report, leaving every file as it was.
#include "ClassReport.h"

#include "CUserManager.h"
#include "ClassRoster.h"
#include "MistakeFile.h"
#include "OperationFacts.h"
#include "RecordFile.h"

#include "platform/Files.h"
#include "platform/Logs.h"

#include <cerrno>
#include <cstring>
#include <functional>

namespace data {
namespace {

constexpr const char* kSource = "Data classes\\Classreport";

struct FileContent {
    bool exists = false;
    std::optional<std::vector<std::uint8_t>> bytes; // none when it exists but cannot be read
    std::string path;                               // the file read (or looked for)
};

// The bytes of `path`, or of the "tmp" copy an interrupted replacement left when `path` itself is
// missing. The copy is read where it stands: reading renames nothing.
FileContent ReadFileOrItsCopy(const std::string& path) {
    for (const std::string& candidate : {path, path + "tmp"}) {
        if (platform::FileExists(candidate)) {
            FileContent content{
                .exists = true, .bytes = platform::ReadFileBytes(candidate), .path = candidate};
            if (!content.bytes) {
                platform::WriteErrorLog(kSource, __LINE__,
                                        FileFailureText("Could not read", candidate));
            }
            return content;
        }
    }
    return {.path = path};
}

// One of the student's files as `parse` reads it. A missing file is `whenMissing`, or with none,
// a failure; a file that cannot be read or parsed is a failure. Failures are logged.
template <typename Part>
std::optional<Part>
ReadPart(const std::string& path, std::optional<Part> whenMissing,
         const std::function<std::optional<Part>(std::span<const std::uint8_t>)>& parse) {
    const FileContent content = ReadFileOrItsCopy(path);
    if (!content.exists) {
        if (!whenMissing) {
            platform::WriteErrorLog(kSource, __LINE__,
                                    "  Could not read " + path + ": " + std::strerror(ENOENT));
        }
        return whenMissing;
    }
    if (!content.bytes) {
        return std::nullopt;
    }
    auto part = parse(*content.bytes);
    if (!part) {
        platform::WriteErrorLog(kSource, __LINE__,
                                "  Could not read " + content.path + ": it is damaged");
    }
    return part;
}

// The fluency record as the program itself reads it: never through a copy, never one too large to
// be a record. A missing one is empty.
std::optional<FactFluency> ReadFluencyPart(const std::string& path) {
    FluencyFile file = ReadFluencyFile(path);
    switch (file.state) {
    case FluencyFileState::Read:
    case FluencyFileState::Missing:
        return std::move(file.fluency);
    case FluencyFileState::NotOpened:
        platform::WriteErrorLog(kSource, __LINE__, FileFailureText("Could not read", path));
        break;
    case FluencyFileState::TooLarge:
        platform::WriteErrorLog(kSource, __LINE__,
                                "  Could not read " + path + ": it is too large to be a record");
        break;
    case FluencyFileState::Damaged:
        platform::WriteErrorLog(kSource, __LINE__, "  Could not read " + path + ": it is damaged");
        break;
    }
    return std::nullopt;
}

} // namespace

StudentFiles ReadStudentFiles(const std::string& name) {
    return {
        .name = name,
        .record = ReadPart<StudentRecord>(CUserManager::GetInfoFilePath(name), std::nullopt,
                                          ParseStudentRecord),
        .mistakes = ReadPart<std::vector<Problem>>(
            CUserManager::GetMistakeFilePath(name), std::vector<Problem>{},
            [](std::span<const std::uint8_t> bytes) {
                return std::optional(ParseMistakeList(bytes));
            }),
        .fluency = ReadFluencyPart(CUserManager::GetFluencyFilePath(name)),
    };
}

LevelFacts ReadLevelFacts() {
    LevelFacts facts;
    for (std::int32_t kind = kAddition; kind <= kMixed; ++kind) {
        facts[static_cast<std::size_t>(kind - kAddition)] = ReadPractisedFacts(kind);
    }
    return facts;
}

std::optional<std::vector<ClassReportRow>> ReadClassReport(const CTeacher& teacher,
                                                           std::int64_t now) {
    const auto names = ReadClassNames(teacher);
    if (!names) {
        return std::nullopt;
    }
    const LevelFacts facts = ReadLevelFacts();
    std::vector<ClassReportRow> rows;
    for (const std::string& name : *names) {
        rows.push_back(MakeClassReportRow(ReadStudentFiles(name), facts, now));
    }
    return rows;
}

} // namespace data
