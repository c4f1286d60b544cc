// One class folder used by programs at several desks at once, by members of a group whose
// umask keeps their files from each other.
#include "DataTestSupport.h"

#include "ChildProcess.h"
#include "data/TestFileShuffle.h"
#include "platform/BaseFolder.h"
#include "platform/Logs.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class SharedClassFolderTest : public DataTest {};

// Every file below `folder` that the group may not both read and write.
Strings FilesClosedToTheGroup(const std::string& folder) {
    Strings closed;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        struct stat info {};
        ::stat(entry.path().c_str(), &info);
        if (S_ISREG(info.st_mode) && (info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP)) {
            closed.push_back(entry.path().lexically_relative(folder));
        }
    }
    return closed;
}

} // namespace

// A teacher adds a student, the student signs in, answers, takes a test and leaves response
// times; the logs get their records. Files left private by an earlier umask are opened up as
// they are written.
TEST_F(SharedClassFolderTest, EveryFileWrittenKeepsGroupReadAndWriteUnderAUmaskOf077) {
    const std::string base = platform::GetBaseFolder();
    for (const std::string& folder : {base, DataPath(""), TestDataPath("")}) {
        ::chmod(folder.c_str(), 02770);
    }
    WriteFile(DataPath("Admin.nfo"), AdminFile("root", {"Jones, Pat"}));
    WriteFile(DataPath("Pat Jones.nfo"), TeacherFile("Owl", {"Users"}));
    WriteFile(DataPath("Pat JonesUsers.nfo"), ClassFile({}));
    WriteFile(TestDataPath("addition.txt"), BytesOf("1 + 1\r\n2 + 2\r\n"));
    for (const std::string& file :
         {DataPath("Admin.nfo"), DataPath("Pat JonesUsers.nfo"), TestDataPath("addition.txt")}) {
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    }
    const mode_t umaskBefore = ::umask(077);

    CTeacher teacher;
    ASSERT_TRUE(teacher.Load("Pat Jones"));
    teacher.SelectClass("Users");
    ASSERT_TRUE(teacher.AddStudent("Di Ruiz", "Fig", 1, 0, 0, 0));
    CUserManager::SignInStatus status{};
    CUserManager::SignIn("Di Ruiz", "Fig", status);
    ASSERT_EQ(status, CUserManager::SignInStatus::PasswordMatched);
    CStudent& di = GetCurrentStudent();
    di.AddMistake(Fact(9, 9, kTimes, 80));
    CTestData test;
    test.Load(1);
    di.AddSession(test, kTestSession, -1);
    di.RecordFirstTry(Fact(1, 1), true, 900);
    di.SaveFluency();
    di.GetSession(-1); // an error record
    CUserManager::SignOut();
    ::umask(umaskBefore);

    for (const char* written :
         {"Data/Di Ruiz.nfo", "Data/Di Ruiz.mtk", "Data/Di Ruiz.opt", "Data/Di Ruiz.flu",
          "Data/Sign-in.lock", "Log.txt", "Error Log.txt"}) {
        EXPECT_TRUE(platform::FileExists(base + "/" + written)) << written;
    }
    EXPECT_THAT(FilesClosedToTheGroup(base), IsEmpty());
}

// Each program shuffles through a temporary file of its own, so neither ever puts the other's
// half-written file in place.
TEST_F(SharedClassFolderTest, ProgramsReshufflingOneTestFileAtOnceEachReadAWholeFile) {
    Strings lines;
    for (int a = 0; a < 30; ++a) {
        for (int b = 0; b < 20; ++b) {
            lines.push_back(std::to_string(a) + " + " + std::to_string(b));
        }
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    const std::string path = TestDataPath("addition.txt");
    WriteFile(path, BytesOf(text));
    const auto reshuffle = [&] {
        std::srand(static_cast<unsigned>(::getpid()));
        // Writing takes a while, as on a network folder: the programs' writes overlap.
        platform::SetFileStepHook([](platform::FileStep step, const std::string&) {
            if (step == platform::FileStep::PieceWritten) {
                ::usleep(2000);
            }
        });
        for (int round = 0; round < 30; ++round) {
            const auto read = data::ShuffleTestFile(path);
            if (!read ||
                !std::is_permutation(read->begin(), read->end(), lines.begin(), lines.end())) {
                return "a torn file in round " + std::to_string(round);
            }
        }
        return std::string("whole");
    };
    ChildProcess first(reshuffle);
    ChildProcess second(reshuffle);
    EXPECT_EQ(first.Answer(), "whole");
    EXPECT_EQ(second.Answer(), "whole");
    const Strings after = CrLfLines(path);
    EXPECT_TRUE(std::is_permutation(after.begin(), after.end(), lines.begin(), lines.end()));
    EXPECT_EQ(std::distance(fs::directory_iterator(TestDataPath("")), fs::directory_iterator()), 1)
        << "no temporary file left";
}
