#pragma once

#include "data/Problem.h"

class CTestData;

#include <string>
#include <vector>

// Debug answer files ("-debug") tell a test driver which keys answer each card.

// The keys that enter the problem's correct answer on the number pad: for a multiplication its
// digits then Enter ("5,6,E" for 56, "7,E" for 7; only the first two digits, as the pad takes no
// more), otherwise the one key with the whole answer ("12").
std::string AnswerKeyPresses(const Problem& problem);

// Creates the file anew with these lines, each ending in CR LF. False when it cannot be written.
bool WriteDebugAnswerFile(const std::string& path, const std::vector<std::string>& lines);

// The keys of every problem of `problems`, one line each, in the order they are shown.
bool WriteDebugAnswerFile(const std::string& path, const CTestData& problems);
