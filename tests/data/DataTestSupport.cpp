#include "DataTestSupport.h"

#include "platform/BaseFolder.h"

#include <sstream>

DataTest::DataTest() {
    std::filesystem::create_directories(DataPath(""));
    std::filesystem::create_directories(TestDataPath(""));
}

void InstallTestFiles() {
    for (const auto& file :
         std::filesystem::directory_iterator(TALLYHOP_PROGRAM_DIR "/Test Data")) {
        std::filesystem::copy_file(file.path(), TestDataPath(file.path().filename()));
    }
}

std::string DataPath(const std::string& fileName) {
    return platform::GetBaseFolder() + "/Data/" + fileName;
}

std::string TestDataPath(const std::string& fileName) {
    return platform::GetBaseFolder() + "/Test Data/" + fileName;
}

Strings ErrorRecords() {
    const std::string path = platform::GetBaseFolder() + "/Error Log.txt";
    Strings records;
    for (const std::string& line : platform::FileExists(path) ? CrLfLines(path) : Strings{}) {
        records.push_back(line.substr(18)); // after "MM.DD.YYYY hh:mm  "
    }
    return records;
}

Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

std::string TextOf(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    ASSERT_TRUE(platform::WriteFileBytes(path, bytes)) << path;
}

Bytes ReadFile(const std::string& path) {
    const auto bytes = platform::ReadFileBytes(path);
    EXPECT_TRUE(bytes.has_value()) << path << " is missing";
    return bytes.value_or(Bytes{});
}

Strings CrLfLines(const std::string& path) {
    const std::string text = TextOf(ReadFile(path));
    EXPECT_TRUE(text.empty() || text.ends_with("\r\n")) << path;
    std::istringstream stream(text);
    Strings lines;
    for (std::string line; std::getline(stream, line);) {
        EXPECT_TRUE(line.ends_with('\r') && line.find('\r') + 1 == line.size()) << path;
        lines.push_back(line.substr(0, line.size() - 1));
    }
    return lines;
}

Bytes U16s(const std::vector<int>& values) {
    Bytes bytes;
    for (const int value : values) {
        bytes.insert(bytes.end(),
                     {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)});
    }
    return bytes;
}

Bytes U32(std::uint32_t value) {
    return U16s({static_cast<int>(value & 0xFFFF), static_cast<int>(value >> 16)});
}

Bytes Counted(const std::string& text) {
    EXPECT_LT(text.size(), 255u) << "a one-byte length";
    return Join({{static_cast<std::uint8_t>(text.size())}, BytesOf(text)});
}

Bytes Join(const std::vector<Bytes>& pieces) {
    Bytes joined;
    for (const Bytes& piece : pieces) {
        joined.insert(joined.end(), piece.begin(), piece.end());
    }
    return joined;
}

Bytes CountedNames(const Strings& names) {
    Bytes bytes = U32(static_cast<std::uint32_t>(names.size()));
    for (const auto& name : names) {
        bytes = Join({bytes, Counted(name)});
    }
    return bytes;
}

Bytes AdminFile(const std::string& password, const Strings& listNames) {
    return Join({U32(0), Counted(password), CountedNames(listNames)});
}

Bytes TeacherFile(const std::string& password, const Strings& classes) {
    return Join({U32(1), Counted(password), CountedNames(classes)});
}

Bytes ClassFile(const Strings& students, std::uint32_t reserved) {
    return Join({U32(reserved), CountedNames(students)});
}

Bytes SessionBytes(std::uint32_t time, std::vector<int> fields, std::uint32_t type) {
    fields.resize(10);
    return Join({U32(time), U16s(fields), U32(type)});
}

Bytes StudentFile(const std::string& password, std::uint32_t level, std::uint32_t testsPassed,
                  const std::vector<Bytes>& sessions, int storedCount) {
    const auto count = static_cast<std::uint32_t>(storedCount < 0 ? sessions.size() : storedCount);
    return Join({U32(3), Counted(password), Counted("Pat JonesUsers"), U32(level), U32(testsPassed),
                 U32(0), U32(0), U32(count), Join(sessions)});
}

Bytes ProblemBytes(int a, int b, int operation, int entered, int correct, int missCount,
                   int streak) {
    return Join({U16s({a, b}), U32(static_cast<std::uint32_t>(operation)),
                 U16s({entered, correct, missCount, streak})});
}

Problem Fact(std::int16_t a, std::int16_t b, std::int32_t operation, std::int16_t entered) {
    const int answer = operation == kPlus    ? a + b
                       : operation == kMinus ? a - b
                       : operation == kTimes ? a * b
                                             : a / b;
    return {a, b, operation, entered, static_cast<std::int16_t>(answer)};
}

void WriteStudent(const std::string& name, const Bytes& record, const Bytes& mistakes) {
    WriteFile(DataPath(name + ".nfo"), record);
    WriteFile(DataPath(name + ".mtk"), mistakes);
}

std::optional<CStudent> LoadedStudent(const std::string& name) {
    CStudent student;
    return student.Load(name) ? std::optional(student) : std::nullopt;
}

bool RunStoppedAfterStep(int stopAfter, const std::function<void()>& operation) {
    struct SimulatedStop {};
    int steps = 0;
    platform::SetFileStepHook([&](platform::FileStep, const std::string&) {
        if (++steps == stopAfter) {
            throw SimulatedStop{};
        }
    });
    bool stopped = false;
    try {
        operation();
    } catch (const SimulatedStop&) {
        stopped = true;
    }
    platform::SetFileStepHook(nullptr);
    return stopped;
}
