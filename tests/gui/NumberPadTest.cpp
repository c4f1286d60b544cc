#include "GuiTestSupport.h"
#include "gui/CNumberPadCtl.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kEnter = 2000;

class NumberPadTest : public testing::Test {
protected:
    NumberPadTest() {
        for (int key = 0; key <= 18; ++key) {
            WriteKey("Numbers", std::to_string(key), {90, 56});
        }
        for (int key = 0; key <= 9; ++key) {
            WriteKey("Numbers/Small", std::to_string(key), {40, 40});
        }
        WriteKey("Numbers/Small", "Enter", {106, 110});
        owner.resize(800, 600);
    }

    void WriteKey(const std::string& folder, const std::string& name, QSize size) {
        guitest::WritePicture(fakes, folder, name, size, Qt::blue);
        guitest::WritePicture(fakes, folder, name + "Roll", size, Qt::cyan);
    }

    static CPictureButton& Key(CNumberPadCtl& pad, int commandId) {
        for (CPictureButton* key : pad.findChildren<CPictureButton*>()) {
            if (key->CommandId() == commandId) {
                return *key;
            }
        }
        throw std::runtime_error("no key " + std::to_string(commandId));
    }

    // Clicks the keys (digits, or kEnter) and returns the answers the owner then receives.
    static std::vector<int> Type(CNumberPadCtl& pad, const std::vector<int>& keys) {
        QSignalSpy answers(&pad, &CNumberPadCtl::answerPosted);
        for (int key : keys) {
            QTest::mouseClick(&Key(pad, key == kEnter ? kEnter : key + 1), Qt::LeftButton);
        }
        QCoreApplication::sendPostedEvents();
        std::vector<int> received;
        for (const QList<QVariant>& answer : answers) {
            received.push_back(answer.at(0).toInt());
        }
        return received;
    }

    platform::fakes::FakePlatform fakes;
    QWidget owner;
};

} // namespace

TEST_F(NumberPadTest, StandardKeyIsTheWholeAnswerPostedAfterTheClickWithoutSound) {
    CNumberPadCtl pad(&owner);
    QSignalSpy answers(&pad, &CNumberPadCtl::answerPosted);

    QTest::mouseClick(&Key(pad, 8), Qt::LeftButton);
    EXPECT_TRUE(answers.isEmpty()) << "handled after the click, like a posted message";
    QCoreApplication::sendPostedEvents();

    ASSERT_EQ(answers.count(), 1);
    EXPECT_EQ(answers.at(0).at(0).toInt(), 7);
    EXPECT_TRUE(fakes.sound.played.empty());
}

TEST_F(NumberPadTest, MultiplicationDigitsCollectUpToTwoUntilEnter) {
    const struct {
        std::vector<int> keys;
        std::vector<int> answers;
    } cases[] = {
        {{5, 6, kEnter}, {56}}, {{5, 6, 7, kEnter}, {56}},  {{kEnter}, {}},
        {{0, 7, kEnter}, {7}},  {{4, kEnter, kEnter}, {4}}, {{4, kEnter, 2, 1, kEnter}, {4, 21}},
    };
    for (const auto& c : cases) {
        CNumberPadCtl pad(&owner);
        pad.SetMultiplicationLayout();
        EXPECT_EQ(Type(pad, c.keys), c.answers) << c.keys.size() << " keys";
    }
}

TEST_F(NumberPadTest, EachDigitPlaysTheTypingSoundAndShowsInTheDisplay) {
    CNumberPadCtl pad(&owner);
    pad.SetMultiplicationLayout();
    Type(pad, {5, 6, 7});

    EXPECT_EQ(fakes.sound.played, std::vector<std::string>(3, fakes.Path("/Audio/type.wav")));
    EXPECT_EQ(pad.GetDisplay()->text(), "56");
    EXPECT_EQ(pad.GetDisplay()->parentWidget(), &owner);
    Type(pad, {kEnter});
    EXPECT_TRUE(pad.GetDisplay()->isHidden());
    EXPECT_EQ(fakes.sound.played.size(), 3u) << "Enter itself is silent";
}

TEST_F(NumberPadTest, SwitchingLayoutsSwapsKeysEnterAndDisplayButKeepsTheValue) {
    CNumberPadCtl pad(&owner);
    owner.show();
    EXPECT_TRUE(pad.isVisible());
    EXPECT_TRUE(pad.GetDisplay()->isHidden());
    EXPECT_TRUE(Key(pad, kEnter).isHidden());
    EXPECT_EQ(pad.GetLayout(), CNumberPadCtl::kStandardLayout);

    pad.SetMultiplicationLayout();
    Type(pad, {3});
    EXPECT_EQ(pad.GetLayout(), CNumberPadCtl::kMultiplicationLayout);
    EXPECT_TRUE(pad.GetDisplay()->isVisible());
    EXPECT_TRUE(Key(pad, kEnter).isVisible());
    EXPECT_TRUE(Key(pad, 11).isHidden()) << "key 10 belongs to the standard layout";

    pad.SetStandardLayout();
    EXPECT_TRUE(pad.GetDisplay()->isHidden());
    EXPECT_TRUE(Key(pad, kEnter).isHidden());
    EXPECT_TRUE(Key(pad, 19).isVisible());

    pad.SetMultiplicationLayout();
    EXPECT_TRUE(pad.GetDisplay()->isVisible());
    EXPECT_EQ(Type(pad, {kEnter}), std::vector<int>{3}) << "the value survived the switch";
}

TEST_F(NumberPadTest, StandardLayoutPutsEighteenKeysInRowsOfSixAndZeroInTheMiddleBelow) {
    CNumberPadCtl pad(&owner);
    EXPECT_EQ(pad.size(), QSize(6 * 90, 4 * 56));
    const struct {
        int key;
        QPoint place;
    } expected[] = {{1, {0, 0}},    {6, {450, 0}},    {7, {0, 56}},   {12, {450, 56}},
                    {13, {0, 112}}, {18, {450, 112}}, {9, {180, 56}}, {0, {225, 168}}};
    for (const auto& e : expected) {
        EXPECT_EQ(Key(pad, e.key + 1).geometry(), QRect(e.place, QSize(90, 56))) << e.key;
    }
}

TEST_F(NumberPadTest, MultiplicationLayoutPutsTheDigitsOnARingAroundEnter) {
    CNumberPadCtl pad(&owner);
    pad.SetMultiplicationLayout();
    const QPoint ring[10] = {{145, 0},   {197, 17}, {230, 62}, {230, 117}, {197, 162},
                             {145, 180}, {92, 162}, {59, 117}, {59, 62},   {92, 17}};
    for (int digit = 0; digit < 10; ++digit) {
        EXPECT_EQ(Key(pad, digit + 1).geometry(), QRect(ring[digit], QSize(40, 40))) << digit;
    }
    EXPECT_EQ(Key(pad, kEnter).geometry(), QRect(112, 55, 106, 110));
    EXPECT_EQ(pad.size(), QSize(6 * 90, 4 * 56)) << "the pad keeps its standard size";
    const QImage shown = guitest::Snapshot(pad);
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(238, 238, 238));
}

TEST_F(NumberPadTest, DisabledKeysSendNothingAndHiddenPadHidesItsDisplay) {
    CNumberPadCtl pad(&owner);
    owner.show();
    pad.SetMultiplicationLayout();
    pad.EnableKeys(false);
    EXPECT_FALSE(pad.isEnabled());
    EXPECT_EQ(Type(pad, {4, kEnter}), std::vector<int>{});
    EXPECT_TRUE(fakes.sound.played.empty());

    pad.HidePad();
    EXPECT_TRUE(pad.isHidden());
    EXPECT_TRUE(pad.GetDisplay()->isHidden());
    pad.ShowPad();
    EXPECT_TRUE(pad.GetDisplay()->isVisible());
    pad.EnableKeys(true);
    EXPECT_EQ(Type(pad, {4, kEnter}), std::vector<int>{4});
}

TEST_F(NumberPadTest, WithoutAnOwnerThePadLogsAndNeverShows) {
    CNumberPadCtl pad(nullptr);
    pad.SetMultiplicationLayout();

    EXPECT_FALSE(pad.isVisible());
    const std::string log = guitest::ReadErrorLog(fakes);
    EXPECT_EQ(guitest::CountRecords(log, "  Cnumberpadctl Line "), 1);
    EXPECT_EQ(guitest::CountRecords(log, " : Failed to create this window\r\n"), 1);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << window->metaObject()->className();
    }
}

TEST(NumberPadWithInstalledPictures, EveryPictureThePadLoadsExists) {
    platform::fakes::FakePlatform fakes;
    guitest::LinkInstalledGraphics(fakes);
    QWidget owner;
    CNumberPadCtl pad(&owner);
    pad.SetMultiplicationLayout();
    pad.SetStandardLayout();

    EXPECT_EQ(guitest::ReadErrorLog(fakes), "");
}
