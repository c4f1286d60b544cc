#include "GuiTestSupport.h"

#include "DataFolderWriter.h"
#include "gui/review/CMistakeReviewWnd.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace guitest {

void WritePicture(const platform::fakes::FakePlatform& fakes, const std::string& folder,
                  const std::string& name, QSize size, QColor colour) {
    const std::filesystem::path path =
        fakes.Path("/Graphics/800x600/" + folder + "/" + name + ".bmp");
    std::filesystem::create_directories(path.parent_path());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "BMP"));
}

std::vector<std::string> OneDigitFacts(char op) {
    std::vector<std::string> lines;
    for (int a = 0; a <= 9; ++a) {
        for (int b = op == '/' ? 1 : 0; b <= 9; ++b) {
            lines.push_back(std::to_string(op == '/' ? a * b : a) + " " + op + " " +
                            std::to_string(b));
        }
    }
    return lines;
}

void WriteTestFile(const platform::fakes::FakePlatform& fakes, const std::string& name,
                   const std::vector<std::string>& lines) {
    std::filesystem::create_directories(fakes.Path("/Test Data"));
    std::ofstream file(fakes.Path("/Test Data/" + name), std::ios::binary);
    for (const std::string& line : lines) {
        file << line << "\r\n";
    }
}

std::string ReadFile(const platform::fakes::FakePlatform& fakes, const std::string& path) {
    std::ifstream file(fakes.Path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string ReadErrorLog(const platform::fakes::FakePlatform& fakes) {
    return ReadFile(fakes, "/Error Log.txt");
}

int CountRecords(const std::string& log, const std::string& message) {
    int count = 0;
    for (auto at = log.find(message); at != std::string::npos;
         at = log.find(message, at + 1), ++count) {
    }
    return count;
}

int Logged(const platform::fakes::FakePlatform& fakes, const std::string& message) {
    return CountRecords(ReadErrorLog(fakes), message);
}

std::vector<Box> Boxes(const platform::fakes::FakePlatform& fakes) {
    std::vector<Box> boxes;
    for (const platform::MessageBoxRequest& shown : fakes.messageBoxes.shown) {
        boxes.push_back({shown.text, shown.icon, shown.title});
    }
    return boxes;
}

void PrintTo(const Box& box, std::ostream* os) {
    *os << '"' << box.text << "\" icon " << static_cast<int>(box.icon) << " title "
        << box.title.value_or("(none)");
}

void LinkInstalledGraphics(const platform::fakes::FakePlatform& fakes) {
    std::filesystem::create_directory_symlink(TALLYHOP_PROGRAM_DIR "/Graphics",
                                              fakes.Path("/Graphics"));
}

void CopyInstalledTestFiles(const platform::fakes::FakePlatform& fakes) {
    std::filesystem::copy(TALLYHOP_PROGRAM_DIR "/Test Data", fakes.Path("/Test Data"),
                          std::filesystem::copy_options::recursive);
}

void WriteDataFolder(const platform::fakes::FakePlatform& fakes,
                     const std::vector<StudentToAdd>& students) {
    // Written unchecked, as older folders may hold what the rules now refuse (names alike but for
    // their capitals).
    data::School school{.teachers = {{.name = "Class Teacher",
                                      .password = "teacher",
                                      .classes = {{.name = kFirstClassName}}}}};
    for (const StudentToAdd& student : students) {
        school.teachers[0].classes[0].students.push_back({.name = student.name,
                                                          .password = student.password,
                                                          .level = student.level,
                                                          .testsPassed = student.testsPassed});
    }
    std::string message;
    ASSERT_EQ(::WriteDataFolder({.programFolder = fakes.BaseFolder()}, school, message),
              DataFolderResult::Written)
        << message;
}

QImage Snapshot(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QStringList ColumnTexts(const QTreeWidget& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        texts << list.topLevelItem(row)->text(column);
    }
    return texts;
}

int CountColour(const QImage& image, const QRect& area, QColor colour) {
    const QRect inside = area & image.rect();
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

int Played(const platform::fakes::FakePlatform& fakes, const std::string& name) {
    return static_cast<int>(std::ranges::count_if(
        fakes.sound.played, [&](const std::string& path) { return path.ends_with("/" + name); }));
}

void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
}

CPictureButton& PadKey(CNumberPadCtl& pad, int commandId) {
    const auto keys = pad.findChildren<CPictureButton*>();
    const auto key = std::ranges::find(keys, commandId, &CPictureButton::CommandId);
    return key != keys.end() ? **key
                             : throw std::runtime_error("no pad key " + std::to_string(commandId));
}

void ClickAnswer(CNumberPadCtl& pad, int value) {
    if (pad.GetLayout() == CNumberPadCtl::kStandardLayout) {
        Click(&PadKey(pad, value + 1));
        return;
    }
    for (const char digit : std::to_string(value)) {
        QTest::mouseClick(&PadKey(pad, digit - '0' + 1), Qt::LeftButton);
    }
    Click(&PadKey(pad, kPadEnter));
}

void TypeKeys(QWidget* target, std::string_view keys) {
    for (const char key : keys) {
        const Qt::Key code = key == '\b'   ? Qt::Key_Backspace
                             : key == '\n' ? Qt::Key_Return
                                           : static_cast<Qt::Key>(Qt::Key_0 + key - '0');
        QTest::keyClick(target, code);
    }
    QCoreApplication::sendPostedEvents();
}

void TypeAnswer(QWidget* target, int value) {
    TypeKeys(target, std::to_string(value) + "\n");
}

namespace {

void CollectSpokenControls(QAccessibleInterface* parent, std::vector<SpokenControl>& controls) {
    for (int i = 0; i < parent->childCount(); ++i) {
        if (QAccessibleInterface* child = parent->child(i)) {
            controls.push_back({child->role(), child->text(QAccessible::Name),
                                child->text(QAccessible::Description)});
            CollectSpokenControls(child, controls);
        }
    }
}

} // namespace

std::vector<SpokenControl> SpokenControls(QWidget& window) {
    std::vector<SpokenControl> controls;
    CollectSpokenControls(QAccessible::queryAccessibleInterface(&window), controls);
    return controls;
}

std::vector<std::string> ScreenReaderFaults(QWidget& window) {
    static constexpr std::array kNamedRoles{
        QAccessible::Button, QAccessible::EditableText, QAccessible::ComboBox, QAccessible::List,
        QAccessible::Table,  QAccessible::Tree,         QAccessible::Chart};
    // A window's name in words: letters and digits parted by single blanks, none run together
    // ("SignInDlg").
    static const QRegularExpression words(
        QStringLiteral("^[A-Za-z0-9][a-z0-9]*( [A-Za-z0-9][a-z0-9]*)*$"));
    const QRect screen = window.screen()->geometry();
    std::vector<std::string> faults;
    const auto fault = [&faults](const char* what, QAccessibleInterface* object) {
        faults.push_back(std::string(what) + ' ' +
                         (object->object() != nullptr
                              ? object->object()->metaObject()->className()
                              : object->text(QAccessible::Name).toStdString()));
    };
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&window);
    if ((top->role() != QAccessible::Window && top->role() != QAccessible::Dialog) ||
        !words.match(top->text(QAccessible::Name)).hasMatch()) {
        fault("no named frame", top);
    }
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* object) {
        if (!screen.contains(object->rect()) && !object->rect().isEmpty()) {
            fault("outside the screen", object);
        }
        const bool chart = object->role() == QAccessible::Chart;
        if ((object->state().focusable ||
             std::ranges::find(kNamedRoles, object->role()) != kNamedRoles.end()) &&
            (object->text(QAccessible::Name).trimmed().isEmpty() ||
             (chart && object->text(QAccessible::Description).isEmpty()))) {
            fault("unnamed", object);
        }
        for (int i = 0; i < object->childCount(); ++i) {
            QAccessibleInterface* child = object->child(i);
            if (child != nullptr && !child->state().invisible) {
                walk(child);
            }
        }
    };
    walk(top);
    return faults;
}

namespace {

// A control of the window that a mouse can use as it is now. Of a group of radio buttons Tab
// reaches the chosen one; the arrow keys choose another.
bool MouseCanUse(const QWidget& window, QWidget& control) {
    if (!control.isVisibleTo(&window) || !control.isEnabled()) {
        return false;
    }
    if (const auto* radio = qobject_cast<QRadioButton*>(&control)) {
        return radio->isChecked();
    }
    if (const auto* header = qobject_cast<QHeaderView*>(&control)) {
        return header->sectionsClickable();
    }
    return qobject_cast<QAbstractButton*>(&control) != nullptr ||
           qobject_cast<QComboBox*>(&control) != nullptr ||
           qobject_cast<QLineEdit*>(&control) != nullptr ||
           qobject_cast<QAbstractItemView*>(&control) != nullptr ||
           (control.focusPolicy() & Qt::ClickFocus) != 0;
}

// The name given, else the one Qt makes of the control's text; "(none)" for no control.
std::string AccessibleName(QWidget* control) {
    if (control == nullptr) {
        return "(none)";
    }
    const QString given = control->accessibleName();
    return (given.isEmpty()
                ? QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name)
                : given)
        .toStdString();
}

// Presses `key` on the control with the window's focus; the control that has it then.
QWidget* PressForFocus(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* focused = window.focusWidget();
    QTest::keyClick(focused != nullptr ? focused : &window, key, modifiers);
    return window.focusWidget();
}

} // namespace

void ExpectKeyboardChain(QWidget& window, const QStringList& names) {
    window.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(ScreenReaderFaults(window), std::vector<std::string>{});
    window.setFocus();
    std::vector<QWidget*> reached;
    for (qsizetype step = 0; step <= names.size(); ++step) {
        reached.push_back(PressForFocus(window, Qt::Key_Tab));
    }
    std::vector<std::string> reachedNames;
    std::ranges::transform(reached, std::back_inserter(reachedNames), AccessibleName);
    std::vector<std::string> expected;
    std::ranges::transform(names, std::back_inserter(expected), &QString::toStdString);
    reachedNames.pop_back();
    ASSERT_EQ(reachedNames, expected);
    EXPECT_EQ(reached.back(), reached.front()) << "Tab goes round";
    reached.pop_back();
    QList<QWidget*> mouseControls = window.findChildren<QWidget*>();
    mouseControls.removeIf([&window](QWidget* control) { return !MouseCanUse(window, *control); });
    std::vector<QWidget*> sortedReached = reached;
    std::ranges::sort(sortedReached);
    std::ranges::sort(mouseControls);
    EXPECT_EQ(sortedReached, std::vector(mouseControls.begin(), mouseControls.end()))
        << "Tab reaches every control a mouse can use";
    for (qsizetype back = names.size() - 1; back >= 0; --back) {
        EXPECT_EQ(AccessibleName(PressForFocus(window, Qt::Key_Tab, Qt::ShiftModifier)),
                  expected[static_cast<std::size_t>(back)])
            << "Shift+Tab walks back";
    }
    for (QWidget* control : reached) {
        auto* button = qobject_cast<QAbstractButton*>(control);
        if (button == nullptr) {
            continue;
        }
        QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
        QSignalSpy pressed(button, &QAbstractButton::clicked);
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
        const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
        if (!radio) {
            QTest::keyClick(button, Qt::Key_Return);
        }
        EXPECT_EQ(pressed.count(), radio ? 1 : 2) << AccessibleName(button);
    }
}

QStringList PadKeyNames(const CNumberPadCtl& pad) {
    const bool ring = pad.GetLayout() == CNumberPadCtl::kMultiplicationLayout;
    QStringList names;
    for (int key = 0; key <= (ring ? 9 : 18); ++key) {
        names << QString::number(key);
    }
    if (ring) {
        names << QStringLiteral("Enter");
    }
    return names;
}

void FakeHome::OpenMistakeReview() {
    new CMistakeReviewWnd(*this);
}

} // namespace guitest
