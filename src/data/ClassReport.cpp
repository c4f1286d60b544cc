#include "ClassReport.h"

#include "CStudent.h"
#include "CTestData.h"
#include "CUserManager.h"
#include "SessionHistory.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <set>
#include <span>

namespace data {
namespace {

constexpr int kSecondsPerMinute = 60;
constexpr int kMillisecondsPerSecond = 1000;

bool IsThisWeek(const SessionRecord& session, std::int64_t now) {
    return now - static_cast<std::int64_t>(session.time) < kReportWeekSeconds;
}

// The records keep no test's duration: a test counts as long as it may run.
int SecondsSpent(const SessionRecord& session) {
    if (session.type == kTestSession && session.duration <= 0) {
        return static_cast<int>(TestTimeLimitMs(TestFileNumber(session.level)) /
                                kMillisecondsPerSecond);
    }
    return std::max<int>(session.duration, 0);
}

// Tests at `level` since the last passed test (of any level), newest first.
int TestsFailedSinceLastPass(std::span<const SessionRecord> sessions, std::int32_t level) {
    int failed = 0;
    for (auto session = sessions.rbegin(); session != sessions.rend(); ++session) {
        if (session->type != kTestSession) {
            continue;
        }
        if (history::IsPassed(*session)) {
            break;
        }
        failed += session->level == level ? 1 : 0;
    }
    return failed;
}

ClassReportRow::Standing StandingOf(const StudentRecord& record, std::int64_t now) {
    ClassReportRow::Standing standing{.level = record.level, .testsPassed = record.testsPassed};
    int seconds = 0;
    for (const SessionRecord& session : record.sessions) {
        standing.lastActive = std::max(standing.lastActive.value_or(0), session.time);
        if (IsThisWeek(session, now)) {
            ++standing.sessionsThisWeek;
            seconds += SecondsSpent(session);
        }
    }
    standing.minutesThisWeek = (seconds + kSecondsPerMinute / 2) / kSecondsPerMinute;
    standing.inactive = !standing.lastActive ||
                        now - static_cast<std::int64_t>(*standing.lastActive) >= kReportWeekSeconds;
    standing.stuck = TestsFailedSinceLastPass(record.sessions, record.level) >= kStuckTests;
    return standing;
}

ClassReportRow::FluentFacts CountFluentFacts(std::span<const Problem> facts,
                                             const FactFluency& fluency,
                                             std::span<const Problem> mistakes) {
    std::set<FactKey> listed;
    for (const Problem& mistake : mistakes) {
        listed.insert(KeyOf(mistake));
    }
    const auto fluent = std::ranges::count_if(facts, [&](const Problem& fact) {
        const FactKey key = KeyOf(fact);
        return FluencyOf(fluency.Find(key), listed.contains(key)) == Fluency::Fluent;
    });
    return {.fluent = static_cast<int>(fluent), .facts = static_cast<int>(facts.size())};
}

std::span<const Problem> FactsOfLevel(const LevelFacts& facts, std::int32_t level) {
    if (level < kAddition || level > kMixed) {
        return {};
    }
    return facts[static_cast<std::size_t>(level - kAddition)];
}

} // namespace

ClassReportRow MakeClassReportRow(const StudentFiles& files, const LevelFacts& facts,
                                  std::int64_t now) {
    ClassReportRow row{.student = files.name};
    CUserManager::ConvertName(row.student, true);
    if (files.record) {
        row.standing = StandingOf(*files.record, now);
    }
    if (files.mistakes) {
        row.mistakes = static_cast<int>(files.mistakes->size());
    }
    row.responseTimesUnreadable = !files.fluency;
    if (files.record && files.mistakes && files.fluency) {
        row.fluentFacts = CountFluentFacts(FactsOfLevel(facts, files.record->level), *files.fluency,
                                           *files.mistakes);
    }
    return row;
}

std::string AttentionText(const ClassReportRow& row) {
    std::vector<std::string> parts;
    if (!row.standing) {
        parts.push_back(platform::Say(platform::ShownText("ClassReport", "record cannot be read")));
    }
    if (!row.mistakes) {
        parts.push_back(
            platform::Say(platform::ShownText("ClassReport", "mistake list cannot be read")));
    }
    if (row.responseTimesUnreadable) {
        parts.push_back(
            platform::Say(platform::ShownText("ClassReport", "response times cannot be read")));
    }
    if (row.standing && row.standing->inactive) {
        parts.push_back(platform::Say(platform::ShownText("ClassReport", "inactive")));
    }
    if (row.standing && row.standing->stuck) {
        parts.push_back(platform::Say(platform::ShownText("ClassReport", "stuck")));
    }
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) {
            text += ", ";
        }
        text += part;
    }
    return text;
}

std::vector<std::string> ClassReportCells(const ClassReportRow& row,
                                          const history::ShownForms& forms) {
    std::vector<std::string> cells(kClassReportColumns.size());
    cells[0] = row.student;
    if (row.standing) {
        const ClassReportRow::Standing& standing = *row.standing;
        cells[1] = GetOperationName(standing.level);
        cells[2] = std::to_string(standing.testsPassed);
        cells[3] = standing.lastActive
                       ? forms.date(*standing.lastActive, history::kProgressDateSeparator)
                       : platform::Say(kNeverActive);
        cells[4] = std::to_string(standing.sessionsThisWeek);
        cells[5] = std::to_string(standing.minutesThisWeek);
    }
    if (row.fluentFacts) {
        cells[kFluentFactsColumn] = platform::Say(
            platform::ShownText("ClassReport", "%1 of %2"),
            {std::to_string(row.fluentFacts->fluent), std::to_string(row.fluentFacts->facts)});
    }
    if (row.mistakes) {
        cells[7] = std::to_string(*row.mistakes);
    }
    cells[8] = AttentionText(row);
    return cells;
}

std::string IsoDate(std::uint32_t time) {
    const std::time_t when = static_cast<std::time_t>(time);
    std::tm parts{};
    localtime_r(&when, &parts);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", parts.tm_year + 1900, parts.tm_mon + 1,
                  parts.tm_mday);
    return text;
}

} // namespace data
