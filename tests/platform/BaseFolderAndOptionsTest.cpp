#include "platform/BaseFolder.h"
#include "platform/CommandLine.h"
#include "platform/fakes/FakeServices.h"

#include <gtest/gtest.h>

using platform::BaseFolderOf;

TEST(BaseFolder, CutsOnlyAWholeLastComponentNamedDebugOrReleaseAndKeepsTheCaseOfTheRest) {
    EXPECT_EQ(BaseFolderOf("/opt/Tallyhop/Release/Tallyhop"), "/opt/Tallyhop");
    EXPECT_EQ(BaseFolderOf("/opt/Tallyhop/DEBUG/Tallyhop"), "/opt/Tallyhop");
    EXPECT_EQ(BaseFolderOf("/opt/Tallyhop/rElEaSe/Tallyhop"), "/opt/Tallyhop");
    EXPECT_EQ(BaseFolderOf("/opt/Tallyhop/releases/Tallyhop"), "/opt/Tallyhop/releases");
    EXPECT_EQ(BaseFolderOf("/opt/Tallyhop/prerelease/Tallyhop"), "/opt/Tallyhop/prerelease");
    EXPECT_EQ(BaseFolderOf("/opt/Debug.old/Tallyhop"), "/opt/Debug.old");
    EXPECT_EQ(BaseFolderOf("/Schools/Room 4/Tallyhop"), "/Schools/Room 4");
    EXPECT_EQ(BaseFolderOf("/Tallyhop"), "");
}

TEST(BaseFolder, IsComputedFromTheRunningExecutableAtEachCall) {
    platform::fakes::FakePlatform fakes;
    fakes.process.executablePath = "/a/Release/Tallyhop";
    EXPECT_EQ(platform::GetBaseFolder(), "/a");
    fakes.process.executablePath = "/b/Tallyhop";
    EXPECT_EQ(platform::GetBaseFolder(), "/b");
}

TEST(CommandLineOptions, AreCaseSensitiveSubstringsOfTheWholeLine) {
    platform::fakes::FakePlatform fakes;
    fakes.process.executablePath = "/opt/Tallyhop";
    fakes.process.arguments = " -debug";
    EXPECT_TRUE(platform::HasOption(platform::kOptionDebug));
    EXPECT_FALSE(platform::HasOption(platform::kOptionNoSound));

    fakes.process.arguments = " --verbose-nosounds";
    EXPECT_TRUE(platform::HasOption(platform::kOptionNoSound)) << "inside another word";

    fakes.process.arguments = " -NOSOUND -NoFrog";
    EXPECT_FALSE(platform::HasOption(platform::kOptionNoSound)) << "wrong case";
    EXPECT_FALSE(platform::HasOption(platform::kOptionNoFrog)) << "wrong case";

    fakes.process.executablePath = "/home/kim/games-nofrog/Tallyhop";
    fakes.process.arguments.clear();
    EXPECT_TRUE(platform::HasOption(platform::kOptionNoFrog)) << "in the program's path";
}
