#include "SessionRecord.h"

#include "ArchiveReader.h"
#include "ArchiveWriter.h"

namespace {

template <typename Archive, typename AnySession>
void SessionFields(Archive& archive, AnySession& session) {
    archive.Field(session.time);
    archive.Field(session.correctCount);
    archive.Field(session.answeredCount);
    archive.Field(session.level);
    archive.Field(session.testsPassedBefore);
    archive.Field(session.duration);
    archive.Field(session.flag);
    archive.Field(session.spare);
    archive.Field(session.mistakesAtStart);
    archive.Field(session.problemsCompleted);
    archive.Field(session.mistakesLeft);
    archive.Field(session.goal);
    archive.Field(session.type);
}

} // namespace

void WriteSessionRecord(data::ArchiveWriter& writer, const SessionRecord& record) {
    SessionFields(writer, record);
}

SessionRecord ReadSessionRecord(data::ArchiveReader& reader) {
    SessionRecord record;
    SessionFields(reader, record);
    return record;
}
