#pragma once

#include "DataFolderOptions.h"

#include <string>

enum class DataFolderResult { Written, KeptExisting, RefusedExisting, Failed };

// Writes Admin.nfo, the teacher record and its class file "Users" with the data layer's own
// writer, then adds the students as the teacher window does, into the Data folder that the
// program in the base folder reads. The folder is built beside its place and moved there whole.
// An existing data folder (one with an Admin.nfo), or a folder of other files in its place, is
// replaced only with `replaceExisting`. The platform services must be installed, with the base
// folder at the program folder. `message` says what happened and names the folder.
DataFolderResult WriteDataFolder(const DataFolderOptions& options, std::string& message);
