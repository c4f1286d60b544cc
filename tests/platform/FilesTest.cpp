#include "platform/Files.h"
#include "platform/fakes/FakeServices.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

class FilesTest : public testing::Test {
protected:
    platform::fakes::FakePlatform fakes;
};

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

} // namespace

TEST_F(FilesTest, InstalledContentIsFoundWhateverTheCaseOfItsFolders) {
    fs::create_directories(fakes.Path("/Graphics/800x600/Numbers/Small"));
    platform::WriteFileBytes(fakes.Path("/Graphics/800x600/Numbers/Small/Enter.bmp"), {1});

    EXPECT_EQ(
        platform::ResolveInstalledPath(fakes.Path("/graphics/800X600/numbers/small/enter.BMP")),
        fakes.Path("/Graphics/800x600/Numbers/Small/Enter.bmp"));
    const std::string missing = fakes.Path("/Graphics/800x600/Numbers/Big/Enter.bmp");
    EXPECT_EQ(platform::ResolveInstalledPath(missing), missing) << "unchanged when not found";
}

TEST_F(FilesTest, ReadOnlyFilesAreNotOverwrittenUntilClearReadOnlyAddsOwnerWrite) {
    const std::string path = fakes.Path("/S.mtk");
    platform::WriteFileBytes(path, {1, 2});
    ::chmod(path.c_str(), 0440);
    ASSERT_TRUE(platform::IsReadOnly(path));
    EXPECT_FALSE(platform::WriteFileBytes(path, {3}));
    EXPECT_EQ(platform::ReadFileBytes(path), (std::vector<std::uint8_t>{1, 2}));
    platform::ClearReadOnly(path);
    EXPECT_EQ(ModeOf(path), 0640u);
    platform::ClearReadOnly(fakes.Path("/missing")); // harmless
}

TEST_F(FilesTest, FailedRenameOrDeleteIsShownAsAFileError) {
    EXPECT_FALSE(platform::ReplaceFileWith(fakes.Path("/none"), fakes.Path("/S.nfo")));
    EXPECT_FALSE(platform::DeleteFileReporting(fakes.Path("/gone")));
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 2u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text, fakes.Path("/none") + " was not found.");
    EXPECT_EQ(fakes.messageBoxes.shown[1].text, fakes.Path("/gone") + " was not found.");
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, platform::MbIcon::Exclamation);
}

TEST_F(FilesTest, DurableReplaceFlushesTheContentBeforeTheRenameAndTheFolderAfterIt) {
    using enum platform::FileStep;
    std::vector<std::pair<platform::FileStep, std::string>> steps;
    platform::SetFileStepHook([&](platform::FileStep step, const std::string& path) {
        if (step != PieceWritten) {
            steps.emplace_back(step, path);
        }
    });
    const std::string temporary = fakes.Path("/S.nfotmp");
    const std::vector<std::uint8_t> bytes(10'000, 7);
    platform::WriteFileBytes(fakes.Path("/S.nfo"), {1});
    const bool written = platform::WriteFileDurably(temporary, bytes);
    const bool replaced = written && platform::ReplaceFileWith(temporary, fakes.Path("/S.nfo"));
    platform::SetFileStepHook(nullptr);

    ASSERT_TRUE(replaced);
    EXPECT_EQ(platform::ReadFileBytes(fakes.Path("/S.nfo")), bytes);
    EXPECT_FALSE(platform::FileExists(temporary));
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
    EXPECT_EQ(steps, (decltype(steps){{Created, temporary},
                                      {Flushed, temporary},
                                      {Closed, temporary},
                                      {Renamed, fakes.Path("/S.nfo")},
                                      {FolderFlushed, fakes.BaseFolder()}}));
}

// Under a umask that keeps everything from the group, what the program writes in a folder the
// group may write in (a class's folder) stays readable and writable for the group; a replacement
// takes on the permissions and group of the file it replaces. A private folder keeps the umask's
// say.
TEST_F(FilesTest, FilesInAGroupFolderStayGroupReadableAndWritableWhateverTheUmask) {
    enum class Writer { Bytes, Durably, Append, Replace };
    struct Case {
        mode_t folder;
        mode_t existing; // 0: no file yet
        Writer writer;
        mode_t expected;
    };
    const Case cases[] = {
        {02770, 0, Writer::Bytes, 0660},      {02770, 0, Writer::Durably, 0660},
        {02770, 0, Writer::Append, 0660},     {02770, 0600, Writer::Bytes, 0660},
        {02770, 0644, Writer::Replace, 0664}, {02770, 0600, Writer::Replace, 0660},
        {0700, 0, Writer::Bytes, 0600},       {0700, 0, Writer::Append, 0600},
        {0700, 0640, Writer::Replace, 0640},
    };
    // A group the replaced file can be given and its replacement can take on: root may give any.
    const gid_t otherGroup = ::geteuid() == 0 ? 65534 : ::getegid();
    const mode_t umaskBefore = ::umask(077);
    int number = 0;
    for (const Case& c : cases) {
        const std::string folder = fakes.Path("/folder" + std::to_string(++number));
        fs::create_directory(folder);
        ::chmod(folder.c_str(), c.folder);
        const std::string path = folder + "/S.nfo";
        if (c.existing != 0) {
            platform::WriteFileBytes(path, {1});
            ::chmod(path.c_str(), c.existing);
            [[maybe_unused]] const int ignored = ::chown(path.c_str(), -1, otherGroup);
        }
        const std::vector<std::uint8_t> bytes{2, 3};
        switch (c.writer) {
        case Writer::Bytes:
            platform::WriteFileBytes(path, bytes);
            break;
        case Writer::Durably:
            platform::WriteFileDurably(path, bytes);
            break;
        case Writer::Append:
            ::close(platform::OpenSharedFile(path, O_WRONLY | O_CREAT | O_APPEND));
            break;
        case Writer::Replace: {
            const std::string temporary = platform::TemporaryPathFor(path);
            platform::WriteFileDurably(temporary, bytes, path);
            platform::ReplaceFileWith(temporary, path);
            struct stat info {};
            ::stat(path.c_str(), &info);
            EXPECT_EQ(info.st_gid, otherGroup) << "case " << number << ": the replaced file's";
            break;
        }
        }
        EXPECT_EQ(ModeOf(path), c.expected) << "case " << number;
    }
    ::umask(umaskBefore);
}
