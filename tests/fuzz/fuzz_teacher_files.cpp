// A teacher record and its class file as any bytes (the first byte says how many of the bytes
// after it are the teacher record): loading, and adding and deleting a student.
#include "FuzzSupport.h"

#include "data/CTeacher.h"
#include "data/NameListFiles.h"

#include "platform/Files.h"

#include <algorithm>

namespace {

std::optional<std::vector<std::string>> ClassList() {
    const auto bytes = platform::ReadFileBytes(FuzzPath("/Data/PatUsers.nfo"));
    const auto file = bytes ? data::ParseClassFile(*bytes) : std::nullopt;
    return file ? std::optional(file->students) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    StartInput();
    const std::span<const std::uint8_t> input(data + 1, size - 1);
    const std::size_t split = std::min<std::size_t>(data[0], input.size());
    WriteInputFile("/Data/Pat.nfo", input.first(split));
    WriteInputFile("/Data/PatUsers.nfo", input.subspan(split));
    WriteInputFile("/Data/Admin.nfo", data::SerializeUserWithNames({.names = {"Pat"}}));

    CTeacher teacher;
    if (!teacher.Load("Pat")) {
        return 0;
    }
    teacher.SelectClass("Users");
    const auto before = ClassList();
    const bool added = teacher.AddStudent("Di Ruiz", "Fig", 2, 1, 0, 0);
    const auto after = ClassList();
    if (!before) {
        Require(!added && !after, "an unreadable class file is left alone");
        return 0;
    }
    auto listed = *before;
    if (std::find(listed.begin(), listed.end(), "Di Ruiz") == listed.end()) {
        listed.push_back("Di Ruiz");
    }
    Require(added && after == listed, "the student is added last, and listed once");
    if (teacher.DeleteStudent("Di Ruiz")) {
        auto expected = *before;
        std::erase(expected, "Di Ruiz");
        Require(ClassList() == expected, "deleting keeps every other student");
    }
    return 0;
}
