#pragma once

// What every data test uses: the record classes, files, gmock and a few short names.
#include "data/CStudent.h"
#include "data/CTeacher.h"
#include "data/CTestData.h"
#include "data/CUserManager.h"
#include "platform/Files.h"
#include "platform/fakes/FakeServices.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <gmock/gmock.h>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

using Bytes = std::vector<std::uint8_t>;
using Strings = std::vector<std::string>;
using testing::ElementsAre;
using testing::EndsWith;
using testing::IsEmpty;

// Every data test works in a fresh base folder that already has its Data and Test Data folders.
class DataTest : public testing::Test {
protected:
    DataTest();

    platform::fakes::FakePlatform fakes;
};

// Copies the test files the build installs into the current base folder's Test Data.
void InstallTestFiles();

// Paths in the current base folder.
std::string DataPath(const std::string& fileName);
std::string TestDataPath(const std::string& fileName);
// The error log's records without their time stamps: "Source Line N : message".
Strings ErrorRecords();

// Bytes of `text` as written, for files and counted strings written by hand.
Bytes BytesOf(const std::string& text);
std::string TextOf(const Bytes& bytes);
void WriteFile(const std::string& path, const Bytes& bytes);
// The file's bytes; a missing file fails the test.
Bytes ReadFile(const std::string& path);
// The file's lines; each must end in CR LF, and no line may hold another CR or LF.
Strings CrLfLines(const std::string& path);

// Hand encodings of record fields: little-endian 16-bit numbers one after the other, a 32-bit
// number, a short counted string, the pieces one after the other, and a count followed by that
// many counted strings.
Bytes U16s(const std::vector<int>& values);
Bytes U32(std::uint32_t value);
Bytes Counted(const std::string& text);
Bytes Join(const std::vector<Bytes>& pieces);
Bytes CountedNames(const Strings& names);

// Admin.nfo (ID type 0), a teacher record (ID type 1) and a class file as stored.
Bytes AdminFile(const std::string& password, const Strings& listNames);
Bytes TeacherFile(const std::string& password, const Strings& classes);
Bytes ClassFile(const Strings& students, std::uint32_t reserved = 0);

// A session record as stored (28 bytes): the time; ten 16-bit fields, those not given 0: correct,
// answered, level, tests passed before, seconds, the flag (a byte and a spare 0), mistakes at the
// start, problems completed, mistakes left, goal; and the type.
Bytes SessionBytes(std::uint32_t time, std::vector<int> fields, std::uint32_t type);

// A student record file S.nfo as stored, with the class key "Pat JonesUsers" and reserved
// values 0; `storedCount` overrides the session count written before the sessions.
Bytes StudentFile(const std::string& password, std::uint32_t level, std::uint32_t testsPassed,
                  const std::vector<Bytes>& sessions = {}, int storedCount = -1);

// A 16-byte problem as stored.
Bytes ProblemBytes(int a, int b, int operation, int entered, int correct, int missCount,
                   int streak);
// "a op b" with its right answer and the answer `entered`.
Problem Fact(std::int16_t a, std::int16_t b, std::int32_t operation = kPlus,
             std::int16_t entered = kNoValue);

// A student's record S.nfo and mistake list S.mtk.
void WriteStudent(const std::string& name, const Bytes& record, const Bytes& mistakes = {});
// The student as a fresh load sees the files; nothing when the load fails.
std::optional<CStudent> LoadedStudent(const std::string& name);

// Runs `operation` stopped after its file step number `stopAfter`, as a crash would stop it;
// true when it was stopped, false when it ran through.
bool RunStoppedAfterStep(int stopAfter, const std::function<void()>& operation);
