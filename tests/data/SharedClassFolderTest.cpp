// One class folder used by programs at several desks at once, by members of a group whose
// umask keeps their files from each other.
#include "DataTestSupport.h"

#include "ChildProcess.h"
#include "data/TestFileShuffle.h"
#include "platform/BaseFolder.h"

#include <climits>
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

// Each program writes a replacement under a temporary name of its own, holding its process
// number and its computer's name, so neither ever puts the other's half-written file in place:
// one program is held after the first piece of its replacement while the other replaces the
// file whole.
TEST_F(SharedClassFolderTest, AProgramReplacingAFileNeverPutsAnotherProgramsHalfWrittenOneInPlace) {
    Strings lines;
    std::string text;
    for (int a = 0; a < 30; ++a) {
        for (int b = 0; b < 20; ++b) {
            lines.push_back(std::to_string(a) + " + " + std::to_string(b));
            text += lines.back() + "\r\n";
        }
    }
    const std::string path = TestDataPath("addition.txt");
    WriteFile(path, BytesOf(text));
    ASSERT_GT(text.size(), 4096u) << "written in more than one piece";
    ChildProcess held([&] {
        std::string temporary;
        platform::SetFileStepHook([&](platform::FileStep step, const std::string& file) {
            if (step == platform::FileStep::Created) {
                temporary = file;
            } else if (step == platform::FileStep::PieceWritten && file == temporary) {
                platform::SetFileStepHook(nullptr);
                ChildProcess::HoldHere();
            }
        });
        const bool read = data::ShuffleTestFile(path).has_value();
        char host[HOST_NAME_MAX + 1] = {};
        ::gethostname(host, sizeof host - 1);
        const std::string name = fs::path(temporary).filename();
        return std::string(read ? "read" : "not read") +
               (name.find(std::to_string(::getpid())) != std::string::npos ? ", its number" : "") +
               (name.find(host) != std::string::npos ? ", its computer" : "") + ", " +
               testing::PrintToString(fakes.messageBoxes.Texts());
    });
    ASSERT_TRUE(held.WaitUntilHeld());
    ASSERT_TRUE(data::ShuffleTestFile(path).has_value());
    held.Release();
    EXPECT_EQ(held.Answer(), "read, its number, its computer, {}") << "its temporary file's name";
    const Strings after = CrLfLines(path);
    EXPECT_TRUE(std::is_permutation(after.begin(), after.end(), lines.begin(), lines.end()));
    EXPECT_EQ(std::distance(fs::directory_iterator(TestDataPath("")), fs::directory_iterator()), 1)
        << "no temporary file left";
}
