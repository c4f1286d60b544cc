#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct StudentToAdd {
    std::string name; // file form
    std::string password;
    std::int32_t level = 1;
    std::int32_t testsPassed = 0;
};

// What the data-folder tool writes, and what it does when the folder already holds one.
struct DataFolderOptions {
    std::string programFolder;
    std::string teacherName = "Class Teacher"; // file form
    std::string teacherPassword = "teacher";
    std::string adminPassword = "admin";
    std::vector<StudentToAdd> students;
    bool replaceExisting = false; // --force
    bool keepExisting = false;    // --if-missing: an existing folder is left alone, not an error
    bool usageOnly = false;       // --help (or -h): the usage is printed and nothing is written
};

// The record files of the sign-in list ("Admin.nfo") and of the teacher's one class
// (teacher name + "Users" + ".nfo") are named like people's records.
inline constexpr const char* kSignInListName = "Admin";
inline constexpr const char* kClassName = "Users";

inline constexpr const char* kDataFolderUsage =
    "usage: tallyhop_datafolder --folder <program folder> [--teacher <first last>]\n"
    "       [--teacher-password <p>] [--admin-password <p>]\n"
    "       [--student <first last>:<password>[:<level 1-5>[:<tests passed 0-2>]]]...\n"
    "       [--force | --if-missing]\n"
    "       tallyhop_datafolder --help\n"
    "Writes the data folder (Data/) that the Tallyhop program in <program folder> reads.\n";

// The options of `arguments` (without the program name), or nothing with `error` saying why.
std::optional<DataFolderOptions> ParseDataFolderOptions(const std::vector<std::string>& arguments,
                                                        std::string& error);
