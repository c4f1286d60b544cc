#include "GuiTestSupport.h"

#include <QApplication>
#include <QSignalSpy>
#include <cmath>
#include <numeric>

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

// Keys of either layout stay inside the pad without overlapping: 0 stands below 1 … 18 in the
// middle, and the small digits ring the round Enter key (their corners may reach into its square).
TEST_F(NumberPadTest, KeysOfEitherLayoutLieApartInsideThePad) {
    CNumberPadCtl pad(&owner);
    const auto expectApart = [&pad](const std::vector<int>& ids) {
        for (std::size_t i = 0; i < ids.size(); ++i) {
            const QRect key = PadKey(pad, ids[i]).geometry();
            EXPECT_TRUE(pad.rect().contains(key)) << ids[i];
            for (std::size_t j = i + 1; j < ids.size(); ++j) {
                EXPECT_FALSE(key.intersects(PadKey(pad, ids[j]).geometry())) << ids[i] << ids[j];
            }
        }
    };
    std::vector<int> ids(19);
    std::iota(ids.begin(), ids.end(), 1);
    expectApart(ids);
    const QRect zero = PadKey(pad, 1).geometry();
    EXPECT_GT(zero.top(), PadKey(pad, 19).geometry().bottom());
    EXPECT_NEAR(zero.center().x(), pad.rect().center().x(), 1);

    pad.SetMultiplicationLayout();
    ids.resize(10);
    expectApart(ids);
    const QPointF enter = QRectF(PadKey(pad, kPadEnter).geometry()).center();
    const auto distance = [&](int id) {
        const QPointF offset = QRectF(PadKey(pad, id).geometry()).center() - enter;
        return std::hypot(offset.x(), offset.y());
    };
    for (int id = 2; id <= 10; ++id) {
        EXPECT_NEAR(distance(id), distance(1), 3) << "digit " << id - 1 << " on the ring";
    }
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
