#include "platform/InstanceLock.h"
#include "ChildProcess.h"
#include "PlatformTestSupport.h"

#include <map>

namespace {

class InstanceLockTest : public testing::Test {
protected:
    platform::fakes::FakePlatform fakes;
    std::string path = fakes.Path("/TALLYHOP_MUTEX");
};

} // namespace

TEST_F(InstanceLockTest, OnlyTheFirstCopyGetsTheLockAndKeepsGettingIt) {
    platform::InstanceLock first(path);
    platform::InstanceLock second(path);
    EXPECT_TRUE(first.IsFirstInstance());
    EXPECT_FALSE(second.IsFirstInstance());
    EXPECT_TRUE(first.IsFirstInstance()) << "asked again at exit";
    EXPECT_FALSE(second.IsFirstInstance()) << "the refused copy is refused at exit too";
    first.Release();
    EXPECT_TRUE(second.IsFirstInstance());

    platform::InstanceLock uncreatable(fakes.Path("/no/such/folder/TALLYHOP_MUTEX"));
    EXPECT_TRUE(uncreatable.IsFirstInstance())
        << "a lock file that cannot be created counts as first";
}

TEST_F(InstanceLockTest, ALockHeldByAKilledCopyIsFreeAgain) {
    ChildProcess holder([this] {
        static platform::InstanceLock lock(path); // held until the child is killed
        return lock.IsFirstInstance() ? "first" : "refused";
    });
    ASSERT_EQ(holder.Answer(), "first");
    platform::InstanceLock mine(path);
    EXPECT_FALSE(mine.IsFirstInstance());
    holder.Kill();
    EXPECT_TRUE(mine.IsFirstInstance());
}

// A desktop is named by its display (screens of one display are one desktop), else by its Wayland
// display, else by its login session; the lock lies in the user's runtime folder.
TEST_F(InstanceLockTest, EachDesktopHasALockOfItsOwn) {
    const std::string uid = std::to_string(::getuid());
    const std::pair<std::map<std::string, std::string>, std::string> cases[] = {
        {{{"XDG_RUNTIME_DIR", "/run/user/7"}, {"DISPLAY", ":0.0"}},
         "/run/user/7/TALLYHOP_MUTEX-:0"},
        {{{"XDG_RUNTIME_DIR", "/run/user/7"}, {"DISPLAY", "localhost:10.1"}},
         "/run/user/7/TALLYHOP_MUTEX-localhost:10"},
        {{{"XDG_RUNTIME_DIR", "/r"}, {"DISPLAY", "pc1.lab.school:1"}},
         "/r/TALLYHOP_MUTEX-pc1.lab.school:1"},
        {{{"XDG_RUNTIME_DIR", "/r"}, {"DISPLAY", "pc1.lab.school:1.2"}},
         "/r/TALLYHOP_MUTEX-pc1.lab.school:1"},
        {{{"XDG_RUNTIME_DIR", "/r"},
          {"DISPLAY", ":3"},
          {"WAYLAND_DISPLAY", "wayland-0"},
          {"XDG_SESSION_ID", "4"}},
         "/r/TALLYHOP_MUTEX-:3"},
        {{{"XDG_RUNTIME_DIR", "/r"}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", "/run/w/wayland-1"}},
         "/r/TALLYHOP_MUTEX-_run_w_wayland-1"},
        {{{"XDG_RUNTIME_DIR", "/r"}, {"XDG_SESSION_ID", "c2"}}, "/r/TALLYHOP_MUTEX-session-c2"},
        {{{"XDG_RUNTIME_DIR", "/r"}}, "/r/TALLYHOP_MUTEX"},
        {{{"XDG_RUNTIME_DIR", ""}, {"DISPLAY", ":5"}}, "/tmp/TALLYHOP_MUTEX-" + uid + "-:5"},
        {{}, "/tmp/TALLYHOP_MUTEX-" + uid},
    };
    for (const auto& [environment, path] : cases) {
        fakes.process.environment = environment;
        EXPECT_EQ(platform::InstanceLock::DesktopPath(), path) << path;
    }
}
