#pragma once

#include "DataFolderOptions.h"

#include <string>

enum class DataFolderResult { Written, KeptExisting, RefusedExisting, Failed };

// Writes Admin.nfo, the teacher record and its class file "Users" into the Data folder of the
// program folder with the data layer's own writer, then adds the students as the teacher window
// does. An existing data folder (one with an Admin.nfo or any other file) is replaced only with
// `replaceExisting`, and then only its content: the folder itself stays.
// The platform services must be installed, with the base folder at the program folder.
// `message` says what happened.
DataFolderResult WriteDataFolder(const DataFolderOptions& options, std::string& message);
