#include "PlatformTestSupport.h"
#include "platform/qt/KeyboardWatcher.h"
#include "platform/qt/VirtualDisplay.h"

#include <QTest>
#include <QWidget>

TEST(VirtualDisplay, OffersOneStageModeAtTheScreensDepthAndReportsItOnceSwitched) {
    platform::VirtualDisplay display({1920, 1080}, 24);
    EXPECT_EQ(display.EnumMode(0), (platform::DisplayMode{800, 600, 24}));
    EXPECT_FALSE(display.EnumMode(1));
    EXPECT_EQ(display.CurrentSize(), (platform::ScreenSize{1920, 1080}));
    EXPECT_FALSE(display.ChangeMode({800, 600, 16})) << "no other depth";
    EXPECT_FALSE(display.ChangeMode({1024, 768, 24}));
    EXPECT_TRUE(display.ChangeMode({800, 600, 24}));
    EXPECT_EQ(display.CurrentSize(), (platform::ScreenSize{800, 600}));
    display.Restore();
    EXPECT_EQ(display.CurrentSize(), (platform::ScreenSize{1920, 1080}));
}

TEST(KeyboardWatcher, KnowsWhichDigitsAreHeldAndWhichWerePressedSinceAsked) {
    platform::KeyboardWatcher watcher;
    QWidget window;
    window.show();
    QTest::keyPress(&window, Qt::Key_7);
    EXPECT_TRUE(watcher.PollDigit(7).down);
    EXPECT_FALSE(watcher.PollDigit(7).pressedSinceLastPoll) << "the first poll consumed the press";
    QTest::keyRelease(&window, Qt::Key_7);
    EXPECT_FALSE(watcher.PollDigit(7).down);

    QTest::keyClick(&window, Qt::Key_3);
    const platform::KeyPoll three = watcher.PollDigit(3);
    EXPECT_FALSE(three.down);
    EXPECT_TRUE(three.pressedSinceLastPoll);
    EXPECT_FALSE(watcher.PollDigit(4).pressedSinceLastPoll);
    EXPECT_FALSE(watcher.PollDigit(12).down) << "not a digit";
}
