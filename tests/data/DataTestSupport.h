#pragma once

#include "platform/fakes/FakeServices.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Every data test works in a fresh base folder that already has its Data and Test Data folders.
class DataTest : public testing::Test {
protected:
    DataTest();

    std::string DataPath(const std::string& fileName) const {
        return fakes.Path("/Data/" + fileName);
    }
    std::string TestDataPath(const std::string& fileName) const {
        return fakes.Path("/Test Data/" + fileName);
    }

    // The error log's records without their time stamps: "Source Line N : message".
    std::vector<std::string> ErrorRecords() const;

    platform::fakes::FakePlatform fakes;
};

// Bytes of `text` as written, for files and counted strings written by hand.
Bytes BytesOf(const std::string& text);
std::string TextOf(const Bytes& bytes);

void WriteFile(const std::string& path, const Bytes& bytes);
// The file's bytes; a missing file fails the test.
Bytes ReadFile(const std::string& path);

// Hand encodings of record fields: a little-endian 32-bit number and a short counted string.
Bytes U32(std::uint32_t value);
Bytes Counted(const std::string& text);
// The pieces one after the other.
Bytes Join(std::initializer_list<Bytes> pieces);
Bytes U16(std::uint16_t value);

// A session record as stored: 28 bytes.
struct SessionFields {
    std::uint32_t time = 0;
    std::uint16_t correct = 0, answered = 0, level = 0, testsPassedBefore = 0, duration = 0;
    std::uint8_t flag = 0;
    std::uint16_t mistakesAtStart = 0, completed = 0, mistakesLeft = 0, goal = 0;
    std::uint32_t type = 1;
};
Bytes SessionBytes(const SessionFields& session);

// A student record file S.nfo as stored, with the class key "Pat JonesUsers" and reserved
// values 0; `storedCount` overrides the session count written before the sessions.
Bytes StudentFile(const std::string& password, std::uint32_t level, std::uint32_t testsPassed,
                  const std::vector<Bytes>& sessions = {}, int storedCount = -1);

// A 16-byte problem as stored.
Bytes ProblemBytes(int a, int b, int operation, int entered, int correct, int missCount,
                   int streak);

// A count and that many counted strings, as user lists and class files store names.
Bytes CountedNames(const std::vector<std::string>& names);
