#include "GuiTestSupport.h"

#include <QApplication>
#include <QSignalSpy>

using guitest::kPadEnter;
using guitest::PadKey;

namespace {

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

    // Clicks the keys (digits, or kPadEnter) and returns the answers the owner then receives.
    static std::vector<int> Type(CNumberPadCtl& pad, const std::vector<int>& keys) {
        QSignalSpy answers(&pad, &CNumberPadCtl::answerPosted);
        for (int key : keys) {
            QTest::mouseClick(&PadKey(pad, key == kPadEnter ? kPadEnter : key + 1), Qt::LeftButton);
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

// Each digit plays the typing sound; Enter is silent.
TEST_F(NumberPadTest, MultiplicationDigitsCollectUpToTwoUntilEnterEachWithItsSound) {
    const struct {
        std::vector<int> keys;
        std::vector<int> answers;
        std::size_t digits;
    } cases[] = {
        {{5, 6, kPadEnter}, {56}, 2},
        {{5, 6, 7, kPadEnter}, {56}, 3},
        {{kPadEnter}, {}, 0},
        {{0, 7, kPadEnter}, {7}, 2},
        {{4, kPadEnter, kPadEnter}, {4}, 1},
        {{4, kPadEnter, 2, 1, kPadEnter}, {4, 21}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys.size());
        fakes.sound.played.clear();
        CNumberPadCtl pad(&owner);
        pad.SetMultiplicationLayout();
        EXPECT_EQ(Type(pad, c.keys), c.answers);
        EXPECT_EQ(fakes.sound.played,
                  std::vector<std::string>(c.digits, fakes.Path("/Audio/type.wav")));
    }
}

TEST_F(NumberPadTest, StandardKeyIsTheWholeAnswerSwitchingKeepsTheTypedValueLockingSendsNothing) {
    CNumberPadCtl pad(&owner);
    owner.show();
    EXPECT_EQ(pad.GetLayout(), CNumberPadCtl::kStandardLayout);
    EXPECT_TRUE(pad.isVisible());
    EXPECT_TRUE(pad.GetDisplay()->isHidden());
    EXPECT_TRUE(PadKey(pad, kPadEnter).isHidden());
    QSignalSpy answers(&pad, &CNumberPadCtl::answerPosted);
    QTest::mouseClick(&PadKey(pad, 8), Qt::LeftButton);
    EXPECT_TRUE(answers.isEmpty()) << "handled after the click, like a posted message";
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(answers.count(), 1);
    EXPECT_EQ(answers.at(0).at(0).toInt(), 7);
    EXPECT_TRUE(fakes.sound.played.empty());

    pad.SetMultiplicationLayout();
    Type(pad, {5, 6, 7});
    EXPECT_TRUE(pad.GetDisplay()->isVisible());
    EXPECT_EQ(pad.GetDisplay()->text(), "56");
    EXPECT_EQ(pad.GetDisplay()->parentWidget(), &owner);
    EXPECT_TRUE(PadKey(pad, kPadEnter).isVisible());
    EXPECT_TRUE(PadKey(pad, 11).isHidden()) << "key 10 belongs to the standard layout";

    pad.SetStandardLayout();
    EXPECT_TRUE(pad.GetDisplay()->isHidden());
    EXPECT_TRUE(PadKey(pad, kPadEnter).isHidden());
    EXPECT_TRUE(PadKey(pad, 19).isVisible());

    pad.SetMultiplicationLayout();
    EXPECT_TRUE(pad.GetDisplay()->isVisible());
    EXPECT_EQ(Type(pad, {kPadEnter}), std::vector<int>{56}) << "the value survived the switch";
    EXPECT_TRUE(pad.GetDisplay()->isHidden()) << "sent, the display empties and hides";

    // Locked keys send nothing; a hidden pad hides its display.
    fakes.sound.played.clear();
    pad.EnableKeys(false);
    EXPECT_FALSE(pad.isEnabled());
    EXPECT_EQ(Type(pad, {4, kPadEnter}), std::vector<int>{});
    EXPECT_TRUE(fakes.sound.played.empty());
    pad.HidePad();
    EXPECT_TRUE(pad.GetDisplay()->isHidden());
    pad.ShowPad();
    EXPECT_TRUE(pad.GetDisplay()->isVisible());
    pad.EnableKeys(true);
    EXPECT_EQ(Type(pad, {4, kPadEnter}), std::vector<int>{4});
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
        EXPECT_EQ(PadKey(pad, e.key + 1).geometry(), QRect(e.place, QSize(90, 56))) << e.key;
    }
}

TEST_F(NumberPadTest, MultiplicationLayoutPutsTheDigitsOnARingAroundEnter) {
    CNumberPadCtl pad(&owner);
    pad.SetMultiplicationLayout();
    const QPoint ring[10] = {{145, 0},   {197, 17}, {230, 62}, {230, 117}, {197, 162},
                             {145, 180}, {92, 162}, {59, 117}, {59, 62},   {92, 17}};
    for (int digit = 0; digit < 10; ++digit) {
        EXPECT_EQ(PadKey(pad, digit + 1).geometry(), QRect(ring[digit], QSize(40, 40))) << digit;
    }
    EXPECT_EQ(PadKey(pad, kPadEnter).geometry(), QRect(112, 55, 106, 110));
    EXPECT_EQ(pad.size(), QSize(6 * 90, 4 * 56)) << "the pad keeps its standard size";
}

TEST_F(NumberPadTest, WithoutAnOwnerThePadLogsAndNeverShows) {
    CNumberPadCtl pad(nullptr);
    pad.SetMultiplicationLayout();

    const std::string log = guitest::ReadErrorLog(fakes);
    EXPECT_EQ(guitest::CountRecords(log, "  Cnumberpadctl Line "), 1);
    EXPECT_EQ(guitest::CountRecords(log, " : Failed to create this window\r\n"), 1);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << window->metaObject()->className();
    }
}

// A screen reader says a key's name: it must be the number that key gives, in either layout.
TEST_F(NumberPadTest, EachKeyIsNamedForTheNumberItGives) {
    CNumberPadCtl pad(&owner);
    const auto expectNamedAsGiven = [&pad](const std::vector<int>& keys, int commandId) {
        const std::vector<int> given = Type(pad, keys);
        ASSERT_EQ(given.size(), 1u);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&PadKey(pad, commandId))
                      ->text(QAccessible::Name)
                      .toStdString(),
                  std::to_string(given[0]));
    };
    for (int key = 0; key <= 18; ++key) {
        expectNamedAsGiven({key}, key + 1);
    }
    pad.SetMultiplicationLayout();
    for (int digit = 0; digit <= 9; ++digit) {
        expectNamedAsGiven({digit, kPadEnter}, digit + 1);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&PadKey(pad, kPadEnter))
                  ->text(QAccessible::Name)
                  .toStdString(),
              "Enter");
}
