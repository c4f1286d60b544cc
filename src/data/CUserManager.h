#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Who may sign in, and the names of the files in the data folder. Names come in file form
// ("Mary Ann Smith") and list form ("Smith, Mary Ann"); Admin.nfo lists every user in list form.
namespace CUserManager {

// The ID type that begins every user's record file.
enum IdType : std::uint32_t {
    kAdministratorId = 0,
    kTeacherId = 1,
    kStudentId = 3,
};

enum class SignInStatus {
    PasswordMatched = 0,
    WrongPassword = 1,
    NotOpened = 2, // no record file, or one that could not be read or loaded
    // The person is signed in (or being changed) at another computer; the user has been told.
    SignedInElsewhere = 3,
};

// Base folder + "/Data/" + name + ".nfo", ".mtk", ".opt" or ".flu".
std::string GetInfoFilePath(const std::string& name);
std::string GetMistakeFilePath(const std::string& name);
std::string GetOptionFilePath(const std::string& name);
std::string GetFluencyFilePath(const std::string& name);

// To list form: the last word, ", ", the words before it. To file form: the text after the
// first comma and the character following it, a blank, the text before the comma. A name
// without a blank (or comma) stays as it is.
void ConvertName(std::string& name, bool toListForm);

// Hands each name of Admin.nfo, in file order, to `addToList`. An Admin.nfo that cannot be read
// is logged and ends the program (the quit request); one this user may not read (someone outside
// the group that shares the class) is first explained in a message. Always true.
bool FillUserList(const std::function<void(const std::string&)>& addToList);

// `name` in file form. Adding appends its list form to Admin.nfo unless it is listed already;
// removing drops every entry equal to it. Admin.nfo is replaced whole through a temporary file;
// one that cannot be read or replaced is logged, left as it was, and ends the program (false).
bool AddUserToList(const std::string& name);
bool RemoveUserFromList(const std::string& name);

// How a matched password loads the user's record into the program.
struct RecordLoads {
    std::function<bool(const std::string& name)> student;
    std::function<bool(const std::string& name)> teacher;
};

// Checks `password` (case counts) against the record of `name` (file form) and, when it matches,
// loads a student or teacher through `loads`. A missing record is first taken back from its
// "tmp" copy. Returns the record's ID type, 0 when it could not be read; an administrator or an
// unknown ID type is refused with a message. A student or teacher whose password matches first
// signs out whoever was signed in at this computer, and is signed in only when nobody is signed in
// under that name at another computer (data::SignInLocks); a refusal is said in a message and
// nothing is loaded. The sign-in holds until SignOut, the next SignIn or the end of the program.
std::uint32_t SignIn(const std::string& name, const std::string& password, SignInStatus& status,
                     const RecordLoads& loads);
// Loads into the program's current student or current teacher.
std::uint32_t SignIn(const std::string& name, const std::string& password, SignInStatus& status);

// Whoever is signed in at this computer may now sign in at another.
void SignOut();

} // namespace CUserManager
