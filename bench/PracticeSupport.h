#pragma once

#include "platform/fakes/FakeServices.h"

class CNumberPadCtl;
class CPictureButton;

// What the testing and training benchmarks work in.

// A level-1 student without history, signed in: every session of a benchmark is one of the same
// kind, however many it records.
void SignInNewStudent();

// The installed pictures, an addition file of every one-digit fact and a new student signed in.
void PreparePracticeFolder(const platform::fakes::FakePlatform& fakes);

// The standard-layout key that answers `answer` at once.
CPictureButton& StandardKey(CNumberPadCtl& pad, int answer);
