#pragma once

// The common includes of the platform tests.
#include "platform/Files.h"
#include "platform/fakes/FakeServices.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// The whole file at `path` as text ("" when it cannot be read).
inline std::string FileText(const std::string& path) {
    const auto bytes = platform::ReadFileBytes(path).value_or(std::vector<std::uint8_t>{});
    return {bytes.begin(), bytes.end()};
}
