#include "MistakeFile.h"

#include "ArchiveReader.h"
#include "ArchiveWriter.h"
#include "RecordFile.h"

#include "platform/Files.h"

namespace data {

std::vector<Problem> ParseMistakeList(std::span<const std::uint8_t> bytes) {
    ArchiveReader reader(bytes);
    std::vector<Problem> mistakes(bytes.size() / kProblemSize);
    for (Problem& mistake : mistakes) {
        mistake = ReadProblem(reader);
    }
    return mistakes;
}

std::optional<std::vector<Problem>> ReadMistakeList(const std::string& path) {
    if (!platform::FileExists(path) && !platform::WriteFileBytes(path, {})) {
        return std::nullopt;
    }
    const auto bytes = platform::ReadFileBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    return ParseMistakeList(*bytes);
}

bool WriteMistakeList(const std::string& path, const std::vector<Problem>& mistakes) {
    ArchiveWriter writer;
    for (const Problem& mistake : mistakes) {
        WriteProblem(writer, mistake);
    }
    platform::ClearReadOnly(path);
    return ReplaceRecordFile(path, writer.Bytes()) == ReplaceOutcome::Replaced;
}

} // namespace data
