#include "DataFolderWriter.h"
#include "data/NameListFiles.h"

#include "DataTestSupport.h"
#include "FolderContent.h"
#include "data/SchoolSettings.h"
#include "data/SignInLocks.h"
#include "data/StudentRecordFile.h"

#include <cstdio>
#include <sys/stat.h>
#include <sys/wait.h>

namespace fs = std::filesystem;
using testing::HasSubstr;

namespace {

class DataFolderToolTest : public DataTest {
protected:
    ~DataFolderToolTest() override { GetCurrentTeacher().Reset(); }

    DataFolderResult Write(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--folder", fakes.BaseFolder()});
        std::string error, message;
        const auto options = ParseDataFolderOptions(arguments, error);
        EXPECT_TRUE(options.has_value()) << error;
        return options ? WriteDataFolder(*options, message) : DataFolderResult::Failed;
    }
};

struct ToolRun {
    int exitCode = -1;
    std::string output; // stdout and stderr
};

// The tool as a user or the build runs it; each argument is quoted for the shell, its own
// apostrophes too.
ToolRun RunTool(const Strings& arguments) {
    std::string command = TALLYHOP_DATAFOLDER_TOOL;
    for (const std::string& argument : arguments) {
        command += " '";
        for (const char c : argument) {
            command += c == '\'' ? std::string("'\\''") : std::string(1, c);
        }
        command += "'";
    }
    ToolRun run;
    std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    char buffer[512];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        run.output += buffer;
    }
    const int status = pipe != nullptr ? ::pclose(pipe) : -1;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The folder holds the default class with `student` as its one student, whole.
bool LoadsWhole(const std::string& student) {
    const auto classFile = data::ParseClassFile(ReadFile(DataPath("Class TeacherUsers.nfo")));
    return classFile && classFile->students == Strings{student} &&
           LoadedStudent(student).has_value();
}

} // namespace

// Students are added as the teacher window adds them, a class written byte for byte as it always
// was (nothing of several classes or of a class size in it unasked). An existing folder (one that
// lost its Admin.nfo too: an install runs the tool with --if-missing) is refused or kept, and
// replaced only with --force, keeping its permissions, which belong to the installation.
TEST_F(DataFolderToolTest, AFolderIsWrittenAsTheTeacherWindowWritesAndReplacedOnlyWithForce) {
    ASSERT_EQ(Write({"--teacher", "Pat Jones", "--teacher-password", "Owl", "--admin-password",
                     "root", "--student", "Mary Ann Smith:Tulip:3:2", "--student", "Bo Ng:Kiwi"}),
              DataFolderResult::Written);
    EXPECT_EQ(FolderContent(DataPath("")),
              (std::map<std::string, Bytes>{
                  {"Admin.nfo", AdminFile("root", {"Jones, Pat", "Smith, Mary Ann", "Ng, Bo"})},
                  {"Pat Jones.nfo", TeacherFile("Owl", {"Users"})},
                  {"Pat JonesUsers.nfo", ClassFile({"Mary Ann Smith", "Bo Ng"})},
                  {"Mary Ann Smith.nfo", StudentFile("Tulip", 3, 2)},
                  {"Mary Ann Smith.mtk", {}},
                  {"Bo Ng.nfo", StudentFile("Kiwi", 1, 0)},
                  {"Bo Ng.mtk", {}},
                  {"Sign-in.lock", {}}}));

    auto before = FolderContent(DataPath(""));
    EXPECT_EQ(Write({"--admin-password", "other"}), DataFolderResult::RefusedExisting);
    EXPECT_EQ(Write({"--if-missing"}), DataFolderResult::KeptExisting);
    fs::remove(DataPath("Admin.nfo"));
    EXPECT_EQ(Write({"--if-missing"}), DataFolderResult::KeptExisting);
    EXPECT_EQ(Write({}), DataFolderResult::RefusedExisting);
    before.erase("Admin.nfo");
    EXPECT_EQ(FolderContent(DataPath("")), before);

    const auto shared = fs::perms::owner_all | fs::perms::group_all;
    fs::permissions(DataPath(""), shared);
    EXPECT_EQ(Write({"--force"}), DataFolderResult::Written);
    EXPECT_EQ(fs::status(DataPath("")).permissions(), shared);
    EXPECT_FALSE(platform::FileExists(DataPath("Bo Ng.nfo")));
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")), AdminFile("admin", {"Teacher, Class"}));
    EXPECT_EQ(ReadFile(DataPath("Class Teacher.nfo")), TeacherFile("teacher", {"Users"}));
    EXPECT_EQ(ReadFile(DataPath("Class TeacherUsers.nfo")), ClassFile({}));
    fs::remove_all(DataPath(""));
    fs::create_directory(DataPath(""));
    EXPECT_EQ(Write({"--if-missing"}), DataFolderResult::Written) << "an empty folder is filled";
}

// Options the tool cannot use, names of other record files, names and passwords the program's
// dialogs would refuse and repeated names are refused before anything is written.
TEST_F(DataFolderToolTest, UnusableOptionsAndNamesAreRefusedWithAReasonBeforeAnyWrite) {
    const std::pair<Strings, std::string> refusals[] = {
        {{"--student", "Bo:pw:6"}, "level 1-5"},
        {{"--student", "Bo:pw:0"}, "level 1-5"},
        {{"--student", "Bo:pw:1:3"}, "tests passed 0-2"},
        {{"--student", "Ng, Bo:pw"}, "Ng, Bo"},
        {{"--if-missing"}, "exclude"},
        {{"--student", "Admin:pw"}, "The name \"Admin\" is already that of a person"},
        {{"--teacher", "Admin"}, "The name \"Admin\" is already that of a person"},
        {{"--student", "Class TeacherUsers:pw"}, "\"Class TeacherUsers\" is already that"},
        {{"--teacher", "Pat Jones", "--student", "Pat JonesUsers:pw"}, "or of a class file"},
        {{"--student", "Bo Ng:a", "--student", "Bo Ng:b"}, "The student Bo Ng is given twice"},
        {{"--teacher", "Pat Jones", "--teacher", "Lou Kim", "--student", "Pat Jones:p"},
         "The name \"Pat Jones\" is already"},
        // A share that ignores case keeps one file for both.
        {{"--student", "Bo Ng:a", "--student", "BO NG:b"}, "The student BO NG is given twice"},
        {{"--student", "admin:pw"}, "The name \"admin\" is already"},
        {{"--student", "class teacher:pw"}, "The name \"class teacher\" is already"},
        {{"--student", "\tBo Ng:pw"}, "cannot hold a tab or another control character"},
    };
    for (const auto& [arguments, reason] : refusals) {
        Strings command = {"--folder", fakes.BaseFolder(), "--force"};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const ToolRun run = RunTool(command);
        EXPECT_NE(run.exitCode, 0) << run.output;
        EXPECT_THAT(run.output, HasSubstr(reason));
        EXPECT_TRUE(fs::is_empty(DataPath(""))) << reason;
    }
    std::string error;
    EXPECT_FALSE(ParseDataFolderOptions({}, error));
    EXPECT_EQ(error, "--folder is required");
    // Asked for anywhere among the options, the usage goes to the terminal; nothing is written.
    const std::string fresh = fakes.BaseFolder() + "/fresh";
    for (const Strings& arguments : {Strings{"--help"}, Strings{"--folder", fresh, "-h"}}) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, 0) << run.output;
        EXPECT_THAT(run.output, testing::StartsWith("usage: tallyhop_datafolder --folder"));
    }
    EXPECT_FALSE(fs::exists(fresh));
}

// Teachers each with their own classes, from the options and a roster; a roster with a bad row
// writes nothing and says which row; --class-size alone changes only the class size.
TEST_F(DataFolderToolTest, ASchoolIsWrittenFromTheOptionsAndARosterOrNotAtAll) {
    const std::string roster = fakes.Path("/school.csv");
    WriteFile(roster, BytesOf("Teacher;Teacher password;Class;Student;Password\r\n"
                              "Lou Kim;cat;4B;Cy Park;c\r\nPat Jones;;5A;Di Ruiz;d\r\n"));
    ToolRun run =
        RunTool({"--folder", fakes.BaseFolder(), "--teacher", "Pat Jones", "--teacher-password",
                 "owl", "--student", "Ann Lee:a", "--roster", roster, "--class-size", "25"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(ReadFile(DataPath("Admin.nfo")),
              AdminFile("admin", {"Jones, Pat", "Kim, Lou", "Lee, Ann", "Ruiz, Di", "Park, Cy"}));
    EXPECT_EQ(ReadFile(DataPath("Pat Jones.nfo")), TeacherFile("owl", {"Users", "5A"}));
    EXPECT_EQ(ReadFile(DataPath("Lou Kim.nfo")), TeacherFile("cat", {"Users", "4B"}));
    EXPECT_EQ(ReadFile(DataPath("Pat Jones5A.nfo")), ClassFile({"Di Ruiz"}));
    EXPECT_EQ(ReadFile(DataPath("Lou KimUsers.nfo")), ClassFile({}));
    EXPECT_EQ(data::ParseStudentRecord(ReadFile(DataPath("Cy Park.nfo")))->classKey, "Lou Kim4B");
    EXPECT_EQ(data::ReadSchoolSettings().classSize, 25);
    const auto school = FolderContent(DataPath(""));

    WriteFile(roster, BytesOf("Teacher,Teacher password,Class,Student,Password\n"
                              "Pat Jones,owl,5A,Ed Fox,e\nPat Jones,owl,5A,Ed.Fox,e\n"));
    run = RunTool({"--folder", fakes.BaseFolder(), "--force", "--roster", roster});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.output, HasSubstr("nothing was written, because of this problem in " + roster +
                                      ":\n  Line 3: the name \"Ed.Fox\""));
    EXPECT_EQ(FolderContent(DataPath("")), school);

    run = RunTool({"--folder", fakes.BaseFolder(), "--class-size", "30"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(data::ReadSchoolSettings().classSize, 30);
    EXPECT_EQ(FolderContent(DataPath("")).size(), school.size()) << "every record kept";
}

// A mistyped folder makes no tree of new folders; a failure says what the system said. A program
// in a "Release" folder reads the Data folder above it, and nothing else is touched.
TEST_F(DataFolderToolTest, TheToolWritesTheDataFolderTheProgramReadsOrSaysWhyNot) {
    const std::string typo = fakes.BaseFolder() + "/Tallyhpo/program";
    ToolRun run = RunTool({"--folder", typo});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_THAT(run.output, HasSubstr(fakes.BaseFolder() + "/Tallyhpo does not exist"));
    EXPECT_FALSE(fs::exists(fakes.BaseFolder() + "/Tallyhpo"));

    fs::create_directory(fakes.BaseFolder() + "/fresh");
    run = RunTool({"--folder", fakes.BaseFolder() + "/fresh/program/"});
    EXPECT_EQ(run.exitCode, 0) << run.output << "a new program folder in an existing one";
    EXPECT_TRUE(fs::exists(fakes.BaseFolder() + "/fresh/program/Data/Admin.nfo"));

    ASSERT_EQ(Write({"--student", "Bo Ng:Kiwi"}), DataFolderResult::Written);
    fs::create_directories(fakes.Path("/Release/Data"));
    WriteFile(fakes.Path("/Release/Data/notes.txt"), BytesOf("kept"));
    run = RunTool({"--folder", fakes.Path("/Release"), "--force", "--student", "Di Ruiz:Fig"});
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_THAT(run.output, HasSubstr("wrote the data folder " + fakes.Path("/Data") + "\n"));
    EXPECT_EQ(ReadFile(fakes.Path("/Release/Data/notes.txt")), BytesOf("kept"));
    EXPECT_TRUE(LoadsWhole("Di Ruiz")) << "replaced with --force";
    EXPECT_FALSE(fs::exists(fakes.Path("/Data/.Data.new")) || fs::exists(fakes.Path("/.Data.new")))
        << "no staging folder is left";

    fs::remove_all(DataPath(""));
    WriteFile(fakes.BaseFolder() + "/Data", Bytes{'x'}); // a file where the folder belongs
    run = RunTool({"--folder", fakes.BaseFolder(), "--force"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_THAT(run.output, HasSubstr("(Not a directory)"));
}

// The build runs the tool with --if-missing: a run that was killed part way must leave either no
// data folder, which the next run writes, or a whole one.
TEST_F(DataFolderToolTest, RunStoppedAtAnyStepLeavesNoHalfWrittenFolderBehind) {
    std::string error, message;
    const auto options =
        ParseDataFolderOptions({"--folder", fakes.BaseFolder(), "--student", "Bo Ng:Kiwi"}, error);
    ASSERT_TRUE(options.has_value()) << error;
    DataFolderOptions keepIfMissing = *options;
    keepIfMissing.keepExisting = true;
    for (int stopAfter = 1;; ++stopAfter) {
        fs::remove_all(DataPath(""));
        const bool stopped =
            RunStoppedAfterStep(stopAfter, [&] { WriteDataFolder(*options, message); });
        ASSERT_NE(WriteDataFolder(keepIfMissing, message), DataFolderResult::Failed) << message;
        EXPECT_TRUE(LoadsWhole("Bo Ng")) << "stopped after step " << stopAfter;
        if (!stopped) {
            break;
        }
    }
}

// A class in use is never replaced under its programs, and nobody signs in while it is being
// replaced. The lock file stays the same file: programs waiting at their sign-in dialog have it
// open, and must go on keeping each other out.
TEST_F(DataFolderToolTest, AClassInUseIsNotReplacedAndItsLockFileStaysInPlace) {
    ASSERT_EQ(Write({"--student", "Bo Ng:Kiwi"}), DataFolderResult::Written);
    const std::string folder = DataPath("");
    data::SignInLocks desk(folder);
    {
        const data::PersonClaim bo = desk.ClaimSignIn("Bo Ng");
        const auto before = FolderContent(folder);
        EXPECT_EQ(Write({"--force"}), DataFolderResult::RefusedInUse);
        const ToolRun run = RunTool({"--folder", fakes.BaseFolder(), "--force"});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_THAT(run.output, HasSubstr("is in use: somebody is signed in to Tallyhop"));
        EXPECT_EQ(FolderContent(folder), before);
    }
    struct stat before {};
    ::stat(DataPath(data::kSignInLockName).c_str(), &before);
    std::optional<data::ClaimOutcome> meanwhile;
    platform::SetFileStepHook([&](platform::FileStep, const std::string&) {
        meanwhile = meanwhile.value_or(data::SignInLocks(folder).ClaimSignIn("Bo Ng").Outcome());
    });
    EXPECT_EQ(Write({"--force"}), DataFolderResult::Written);
    platform::SetFileStepHook(nullptr);
    EXPECT_EQ(meanwhile, data::ClaimOutcome::BeingChanged) << "a sign-in while it is replaced";
    EXPECT_FALSE(platform::FileExists(DataPath("Bo Ng.nfo")));
    struct stat after {};
    ::stat(DataPath(data::kSignInLockName).c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    const data::PersonClaim teacher = desk.ClaimSignIn("Class Teacher");
    EXPECT_EQ(data::SignInLocks(folder).ClaimSignIn("Class Teacher").Outcome(),
              data::ClaimOutcome::SignedInElsewhere);
}
