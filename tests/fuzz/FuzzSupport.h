#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// One fake platform for the whole run, with the Data and Test Data folders of a program folder.
// Each input starts from an empty data folder, no logs and no recorded message boxes.
void StartInput();

// base folder + relative path ("/Data/Admin.nfo").
std::string FuzzPath(const std::string& relative);
void WriteInputFile(const std::string& relative, std::span<const std::uint8_t> bytes);

// A broken promise ends the run as a crash, so libFuzzer keeps the input that broke it.
void Require(bool promise, const char* what);
