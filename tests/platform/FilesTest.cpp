// The durable replacement of records (flushed before its rename, the folder after it) is checked
// for every record in the crash-consistency test of the data layer.

#include "PlatformTestSupport.h"
#include <fcntl.h>
#include <grp.h>

namespace fs = std::filesystem;

namespace {

class FilesTest : public testing::Test {
protected:
    platform::fakes::FakePlatform fakes;
};

struct stat StatOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info;
}

mode_t ModeOf(const std::string& path) {
    return StatOf(path).st_mode & 07777;
}

// A group other than the one a new file of this user gets, that this user may give a file:
// root may give any; anyone else one of their other groups, if they have one.
std::optional<gid_t> OtherGroup() {
    if (::geteuid() == 0) {
        return 65534;
    }
    gid_t groups[64];
    const int count = ::getgroups(64, groups);
    for (int i = 0; i < count; ++i) {
        if (groups[i] != ::getegid()) {
            return groups[i];
        }
    }
    return std::nullopt;
}

} // namespace

TEST_F(FilesTest, ReadOnlyFilesAreNotOverwrittenAndFailedRenamesOrDeletesAreShown) {
    const std::string path = fakes.Path("/S.mtk");
    platform::WriteFileBytes(path, {1, 2});
    ::chmod(path.c_str(), 0440);
    ASSERT_TRUE(platform::IsReadOnly(path));
    EXPECT_FALSE(platform::WriteFileBytes(path, {3}));
    EXPECT_EQ(platform::ReadFileBytes(path), (std::vector<std::uint8_t>{1, 2}));
    platform::ClearReadOnly(path);
    EXPECT_EQ(ModeOf(path), 0640u) << "owner-write added, nothing else";
    platform::ClearReadOnly(fakes.Path("/missing")); // harmless

    EXPECT_FALSE(platform::ReplaceFileWith(fakes.Path("/none"), fakes.Path("/S.nfo")));
    EXPECT_FALSE(platform::DeleteFileReporting(fakes.Path("/gone")));
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 2u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text, fakes.Path("/none") + " was not found.");
    EXPECT_EQ(fakes.messageBoxes.shown[1].text, fakes.Path("/gone") + " was not found.");
    EXPECT_EQ(fakes.messageBoxes.shown[0].icon, platform::MbIcon::Exclamation);
}

// What the program writes in a folder the group may write in (a class's folder) stays readable
// and writable for the group, whatever the umask; a replacement takes on the permissions of the
// file it replaces, a private record (it holds the password) staying private under any umask.
// A private folder keeps the umask's say.
TEST_F(FilesTest, FilesInAGroupFolderStayGroupReadableAndWritableAndReplacementsKeepTheirMode) {
    enum class Writer { Bytes, Durably, Append, Replace };
    struct Case {
        mode_t umask;
        mode_t folder;
        mode_t existing; // 0: no file yet
        Writer writer;
        mode_t expected;
    };
    const Case cases[] = {
        {077, 02770, 0, Writer::Bytes, 0660},      {077, 02770, 0, Writer::Durably, 0660},
        {077, 02770, 0, Writer::Append, 0660},     {077, 02770, 0600, Writer::Bytes, 0660},
        {077, 02770, 0644, Writer::Replace, 0664}, {077, 02770, 0600, Writer::Replace, 0660},
        {077, 0700, 0, Writer::Bytes, 0600},       {077, 0700, 0, Writer::Append, 0600},
        {077, 0700, 0640, Writer::Replace, 0640},  {022, 0755, 0600, Writer::Replace, 0600},
        {022, 0755, 0, Writer::Durably, 0644},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(++number);
        const std::string folder = fakes.Path("/folder" + std::to_string(number));
        fs::create_directory(folder);
        ::chmod(folder.c_str(), c.folder);
        const std::string path = folder + "/S.nfo";
        if (c.existing != 0) {
            platform::WriteFileBytes(path, {1});
            ::chmod(path.c_str(), c.existing);
        }
        const mode_t umaskBefore = ::umask(c.umask);
        const std::vector<std::uint8_t> bytes{2, 3};
        const std::string temporary = platform::TemporaryPathFor(path);
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
        case Writer::Replace:
            platform::WriteFileDurably(temporary, bytes, path);
            platform::ReplaceFileWith(temporary, path);
            break;
        }
        ::umask(umaskBefore);
        EXPECT_EQ(ModeOf(path), c.expected);
    }
}

// Root may give any group; anyone else only a group they are a member of.
TEST_F(FilesTest, AReplacementTakesOnTheGroupOfTheFileItReplaces) {
    const std::optional<gid_t> other = OtherGroup();
    if (!other) {
        GTEST_SKIP() << "this user belongs to one group only: no other group to give a file";
    }
    const std::string path = fakes.Path("/S.nfo");
    platform::WriteFileBytes(path, {1});
    ASSERT_EQ(::chown(path.c_str(), -1, *other), 0);
    const std::string temporary = platform::TemporaryPathFor(path);
    ASSERT_TRUE(platform::WriteFileDurably(temporary, std::vector<std::uint8_t>{2}, path));
    ASSERT_TRUE(platform::ReplaceFileWith(temporary, path));
    EXPECT_EQ(StatOf(path).st_gid, *other);
}
