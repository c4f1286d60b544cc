#pragma once

#include "DataFolderOptions.h"

#include <string>

enum class DataFolderResult {
    Written,
    KeptExisting,
    RefusedExisting,
    RefusedInUse,
    RefusedRecords, // a name, password or row the rules refuse (PlanSchool)
    Failed,
};

// Writes the school's records with the data layer's own writers, as the teacher window would
// write them, into the Data folder that the program in the base folder reads (followed through a
// link): Admin.nfo, each teacher's record and class files, each student's record and mistake list,
// and the class size asked for. With `classSizeOnly`, an existing data folder keeps its records
// and only its class size is set. The records are built apart and
// moved into place whole; an existing folder stays itself, with its owner, group and permissions.
// An existing data folder (one with an Admin.nfo or any other file) is replaced only with
// `replaceExisting`, and never while anybody is signed in to a program that uses it; nobody can
// sign in while it is being replaced. Its sign-in lock file stays where it is. The platform
// services must be installed, with the base folder at the program folder. `message` says what
// happened and names the folder.
DataFolderResult WriteDataFolder(const DataFolderOptions& options, const data::School& school,
                                 std::string& message);
// The school the options plan (PlanSchool) written so.
DataFolderResult WriteDataFolder(const DataFolderOptions& options, std::string& message);
