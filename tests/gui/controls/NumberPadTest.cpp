#include "GuiTestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <cmath>

using namespace guitest;

namespace {

class NumberPadTest : public testing::Test {
protected:
    NumberPadTest() {
        fakes.display.current = {800, 600};
        LinkInstalledGraphics(fakes);
        owner.resize(800, 600);
        owner.show();
    }

    // Clicks the keys (digits, or kPadEnter) and returns the answers the owner then receives.
    static std::vector<int> Click(CNumberPadCtl& pad, const std::vector<int>& keys) {
        return AnswersOf(pad, [&] {
            for (int key : keys) {
                QTest::mouseClick(&PadKey(pad, key == kPadEnter ? kPadEnter : key + 1),
                                  Qt::LeftButton);
            }
            QCoreApplication::sendPostedEvents();
        });
    }

    // Types `keys` on the keyboard in `to` (the owner's window) and returns the answers then
    // received.
    std::vector<int> Type(CNumberPadCtl& pad, std::string_view keys, QWidget* to = nullptr) {
        return AnswersOf(pad, [&] { TypeKeys(to ? to : &owner, keys); });
    }

    static std::vector<int> AnswersOf(CNumberPadCtl& pad, const std::function<void()>& act) {
        QSignalSpy answers(&pad, &CNumberPadCtl::answerPosted);
        act();
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

// Digits collect up to two until Enter, clicked on the ring or typed in either layout. Each digit
// sounds where a click on the ring would, Enter never; nothing is left for the next answer.
TEST_F(NumberPadTest, DigitsCollectUpToTwoUntilEnterClickedOrTypedEachWithItsSound) {
    const struct {
        std::vector<int> clicks; // none: only typed
        std::string_view typed;
        std::vector<int> answers;
        std::size_t digits;
    } cases[] = {
        {{5, 6, kPadEnter}, "56\n", {56}, 2},
        {{5, 6, 7, kPadEnter}, "567\n", {56}, 3},
        {{kPadEnter}, "\n", {}, 0},
        {{0, 7, kPadEnter}, "07\n", {7}, 2},
        {{4, kPadEnter, kPadEnter}, "4\n\n", {4}, 1},
        {{4, kPadEnter, 2, 1, kPadEnter}, "4\n21\n", {4, 21}, 3},
        {{}, "12\b3\n", {13}, 3},
        {{}, "5\b\b\n", {}, 1},
    };
    enum Way { kClickedOnRing, kTypedOnRing, kTypedOnStandardKeys };
    for (const auto& c : cases) {
        for (const Way way : {kClickedOnRing, kTypedOnRing, kTypedOnStandardKeys}) {
            if (way == kClickedOnRing && c.clicks.empty()) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << way << " " << c.typed);
            fakes.sound.played.clear();
            CNumberPadCtl pad(&owner);
            const bool ring = way != kTypedOnStandardKeys;
            if (ring) {
                pad.SetMultiplicationLayout();
            }
            EXPECT_EQ(way == kClickedOnRing ? Click(pad, c.clicks) : Type(pad, c.typed), c.answers);
            EXPECT_EQ(fakes.sound.played,
                      std::vector<std::string>(ring ? c.digits : 0, fakes.Path("/Audio/type.wav")));
            EXPECT_EQ(pad.GetDisplay()->text(), "");
        }
    }
}

// A standard key is the whole answer, silently, once the click is over: as a posted message.
TEST_F(NumberPadTest, StandardKeyIsTheWholeAnswerAndSwitchingLayoutsKeepsTheTypedValue) {
    CNumberPadCtl pad(&owner);
    EXPECT_EQ(pad.GetLayout(), CNumberPadCtl::kStandardLayout);
    EXPECT_TRUE(pad.isVisible() && pad.GetDisplay()->isHidden() &&
                PadKey(pad, kPadEnter).isHidden());
    QSignalSpy answers(&pad, &CNumberPadCtl::answerPosted);
    QTest::mouseClick(&PadKey(pad, 8), Qt::LeftButton);
    EXPECT_TRUE(answers.isEmpty());
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(answers.count(), 1);
    EXPECT_EQ(answers.at(0).at(0).toInt(), 7);
    EXPECT_TRUE(fakes.sound.played.empty());

    pad.SetMultiplicationLayout();
    Click(pad, {5, 6, 7});
    EXPECT_TRUE(pad.GetDisplay()->isVisible() && PadKey(pad, kPadEnter).isVisible());
    EXPECT_EQ(pad.GetDisplay()->text(), "56");
    EXPECT_EQ(pad.GetDisplay()->parentWidget(), &owner);
    EXPECT_TRUE(PadKey(pad, 11).isHidden()) << "key 10 belongs to the standard layout";
    pad.SetStandardLayout();
    EXPECT_TRUE(pad.GetDisplay()->isHidden() && PadKey(pad, kPadEnter).isHidden());
    EXPECT_TRUE(PadKey(pad, 19).isVisible());
    pad.SetMultiplicationLayout();
    EXPECT_TRUE(pad.GetDisplay()->isVisible());
    EXPECT_EQ(Click(pad, {kPadEnter}), std::vector<int>{56}) << "the value survived the switch";
    EXPECT_TRUE(pad.GetDisplay()->isHidden()) << "sent, the display empties and hides";
    pad.HidePad();
    EXPECT_TRUE(pad.GetDisplay()->isHidden()) << "a hidden pad hides its display";
    pad.ShowPad();
    EXPECT_TRUE(pad.GetDisplay()->isVisible());
}

// Keys of either layout stay inside the pad without overlapping: 0 stands below 1 … 18 in the
// middle, and the small digits ring the round Enter key (their corners may reach into its
// square). The windows' keyboard tests pin the keys' names, their own tests the numbers given.
TEST_F(NumberPadTest, KeysOfEitherLayoutLieApartInsideThePad) {
    CNumberPadCtl pad(&owner);
    for (const int keys : {19, 10}) {
        SCOPED_TRACE(keys);
        for (int id = 1; id <= keys; ++id) {
            const QRect key = PadKey(pad, id).geometry();
            EXPECT_TRUE(pad.rect().contains(key)) << id;
            for (int other = id + 1; other <= keys; ++other) {
                EXPECT_FALSE(key.intersects(PadKey(pad, other).geometry())) << id << " " << other;
            }
        }
        const QRect zero = PadKey(pad, 1).geometry();
        if (keys == 19) {
            EXPECT_GT(zero.top(), PadKey(pad, 19).geometry().bottom());
            EXPECT_NEAR(zero.center().x(), pad.rect().center().x(), 1);
            pad.SetMultiplicationLayout();
        }
    }
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
    owner.hide();
    CNumberPadCtl pad(nullptr);
    pad.SetMultiplicationLayout();
    EXPECT_EQ(guitest::Logged(fakes, "Failed to create this window"), 1);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << window->metaObject()->className();
    }
}

// The keypad types too, and so do the owner's focused children but a text field; Ctrl with a
// digit and a held key's repeats do not. While the keys are locked or the pad is hidden, typing
// changes nothing and leaves nothing for the next answer; a click of a standard key drops what
// was typed.
TEST_F(NumberPadTest, TheKeyboardTypesOnlyIntoAPadThatTakesAnswers) {
    QWidget focused(&owner);
    CNumberPadCtl pad(&owner);
    QSignalSpy answers(&pad, &CNumberPadCtl::answerPosted);
    QTest::keyClick(&focused, Qt::Key_4, Qt::KeypadModifier);
    QTest::keyClick(&focused, Qt::Key_2, Qt::KeypadModifier);
    EXPECT_TRUE(pad.GetDisplay()->isVisible()) << "the standard layout shows typed digits";
    EXPECT_EQ(pad.GetDisplay()->text(), "42");
    QTest::keyClick(&focused, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyPress(&focused, Qt::Key_Return, Qt::NoModifier);
    QTest::keyClick(&focused, Qt::Key_3, Qt::ControlModifier);
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"), true);
    QApplication::sendEvent(&focused, &repeated);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(answers.count(), 1);
    EXPECT_EQ(answers.at(0).at(0).toInt(), 42);
    EXPECT_TRUE(pad.GetDisplay()->isHidden());
    QLineEdit field(&owner);
    QTest::keyClicks(&field, QStringLiteral("7"));
    EXPECT_EQ(field.text(), "7") << "a text field keeps its digits";
    EXPECT_EQ(pad.GetDisplay()->text(), "");

    pad.EnableKeys(false);
    EXPECT_EQ(Type(pad, "12\n"), std::vector<int>{});
    pad.EnableKeys(true);
    pad.HidePad();
    EXPECT_EQ(Type(pad, "3\n"), std::vector<int>{});
    pad.ShowPad();
    EXPECT_EQ(Type(pad, "\n"), std::vector<int>{});
    EXPECT_TRUE(fakes.sound.played.empty());
    EXPECT_EQ(Type(pad, "9"), std::vector<int>{});
    EXPECT_EQ(Click(pad, {7}), std::vector<int>{7});
    EXPECT_TRUE(pad.GetDisplay()->isHidden());
    EXPECT_EQ(Type(pad, "\n"), std::vector<int>{});
}
