#include "platform/InstanceLock.h"
#include "platform/fakes/FakeServices.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        platform::InstanceLock lock(path);
        const char answer = lock.IsFirstInstance() ? 'y' : 'n';
        [[maybe_unused]] auto written = ::write(ready[1], &answer, 1);
        ::pause();
        ::_exit(0);
    }
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    ASSERT_EQ(answer, 'y');

    platform::InstanceLock mine(path);
    EXPECT_FALSE(mine.IsFirstInstance());
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_TRUE(mine.IsFirstInstance());
    ::close(ready[0]);
    ::close(ready[1]);
}
