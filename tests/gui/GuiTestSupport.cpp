#include "GuiTestSupport.h"

#include "DataFolderWriter.h"
#include "gui/review/CMistakeReviewWnd.h"

#include <QRegularExpression>
#include <QScreen>

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
    for (auto at = log.find(message); at != std::string::npos; at = log.find(message, at + 1)) {
        ++count;
    }
    return count;
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
    const DataFolderOptions options{.programFolder = fakes.BaseFolder(), .students = students};
    std::string message;
    ASSERT_EQ(::WriteDataFolder(options, message), DataFolderResult::Written) << message;
}

QImage Snapshot(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
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
    for (CPictureButton* key : pad.findChildren<CPictureButton*>()) {
        if (key->CommandId() == commandId) {
            return *key;
        }
    }
    throw std::runtime_error("no pad key " + std::to_string(commandId));
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

QStringList ButtonNames(const std::vector<SpokenControl>& controls) {
    QStringList names;
    for (const SpokenControl& control : controls) {
        if (control.role == QAccessible::Button) {
            names << control.name;
        }
    }
    return names;
}

std::vector<std::string> ScreenReaderFaults(QWidget& window) {
    static constexpr std::array kNamedRoles{
        QAccessible::Button, QAccessible::EditableText, QAccessible::ComboBox, QAccessible::List,
        QAccessible::Table,  QAccessible::Tree,         QAccessible::Chart};
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
        !IsPlainWords(top->text(QAccessible::Name))) {
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

bool IsPlainWords(const QString& name) {
    static const QRegularExpression words(
        QStringLiteral("^[A-Za-z0-9][a-z0-9]*( [A-Za-z0-9][a-z0-9]*)*$"));
    return words.match(name).hasMatch();
}

void FakeHome::OpenMistakeReview() {
    new CMistakeReviewWnd(*this);
}

} // namespace guitest
