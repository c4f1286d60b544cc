#pragma once

#include "DataFolderOptions.h"

#include <string>

enum class DataFolderResult { Written, KeptExisting, RefusedExisting, RefusedInUse, Failed };

// Writes Admin.nfo, the teacher record and its class file "Users" with the data layer's own
// writer, then adds the students as the teacher window does, into the Data folder that the
// program in the base folder reads (followed through a link). The records are built apart and
// moved into place whole; an existing folder stays itself, with its owner, group and permissions.
// An existing data folder (one with an Admin.nfo or any other file) is replaced only with
// `replaceExisting`, and never while anybody is signed in to a program that uses it; nobody can
// sign in while it is being replaced. Its sign-in lock file stays where it is. The platform
// services must be installed, with the base folder at the program folder. `message` says what
// happened and names the folder.
DataFolderResult WriteDataFolder(const DataFolderOptions& options, std::string& message);
