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
