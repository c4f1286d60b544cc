#pragma once

#include "data/RosterCheck.h"

#include <optional>
#include <string>
#include <vector>

struct StudentToAdd {
    std::string name; // file form
    std::string password;
    int level = 1;
    int testsPassed = 0;
};

// A teacher named by --teacher (or the default one), with the students given after it, all in
// the teacher's first class.
struct TeacherOption {
    std::string name = "Class Teacher";  // file form
    std::optional<std::string> password; // none: "teacher", unless a roster gives one
    std::vector<StudentToAdd> students;
};

// What the data-folder tool writes, and what it does when the folder already holds one.
struct DataFolderOptions {
    std::string programFolder;
    std::vector<TeacherOption> teachers; // none given: "Class Teacher" when anyone needs one
    std::string adminPassword = "admin";
    std::string rosterPath;       // --roster: a school's roster file
    std::optional<int> classSize; // --class-size: kept in the data folder's settings
    bool replaceExisting = false; // --force
    bool keepExisting = false;    // --if-missing: an existing folder is left alone, not an error
    bool usageOnly = false;       // --help (or -h): the usage is printed and nothing is written
    bool classSizeOnly = false;   // --class-size alone: an existing folder keeps its records
};

// The record files of the sign-in list ("Admin.nfo") and of each teacher's first class
// (teacher name + "Users" + ".nfo") are named like people's records.
inline constexpr const char* kSignInListName = "Admin";

inline constexpr const char* kDataFolderUsage =
    "usage: tallyhop_datafolder --folder <program folder>\n"
    "       [--teacher <first last> [--teacher-password <p>]\n"
    "        [--student <first last>:<password>[:<level 1-5>[:<tests passed 0-2>]]]...]...\n"
    "       [--roster <file.csv>] [--class-size <1-40>] [--admin-password <p>]\n"
    "       [--force | --if-missing]\n"
    "       tallyhop_datafolder --help\n"
    "Writes the data folder (Data/) that the Tallyhop program in <program folder> reads.\n"
    "A roster has the columns Teacher, Teacher password, Class, Student, Password and,\n"
    "if wanted, Level and Tests passed. --class-size alone changes only the class size\n"
    "of an existing data folder.\n";

// The options of `arguments` (without the program name), or nothing with `error` saying why.
std::optional<DataFolderOptions> ParseDataFolderOptions(const std::vector<std::string>& arguments,
                                                        std::string& error);

// The school the options and the roster make, every name and password checked by the program's
// own rules; nothing, with `error` listing every problem, when any is found.
std::optional<data::School> PlanSchool(const DataFolderOptions& options, std::string& error);
