#pragma once

// Puts the process into the state every test expects: the offscreen Qt platform and a private
// runtime folder, unless the caller chose otherwise.
void PrepareTestEnvironment();
