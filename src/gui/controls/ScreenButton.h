#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

#include <QString>

class CPictureButton;
class QWidget;

// A visible picture button of `window` showing `picture` of `folder` ("<picture>Roll" lit), its
// clicks reported with `commandId`, named `name` and with `description` for screen readers where
// given; nothing when the button cannot be created.
CPictureButton* MakeScreenButton(QWidget* window, const QString& name, int commandId,
                                 const char* folder, const char* picture,
                                 const QString& description = {});

// The picture, in the Training folder, of the button that chooses a kind of fact (kAddition …
// kMixed): the training window and the fact map show the same ones. Empty for another number.
const char* KindButtonPicture(std::int32_t kind);

// One picture button of a screen's table of buttons; its name and tooltip marked for translation
// in the screen's context.
template <typename CommandId> struct ScreenButtonEntry {
    CommandId id;
    const char* name;
    const char* folder;
    const char* picture;
    const char* tooltip; // none when null
};

// The button made for the entry of `table` whose `key` is `id`, `buttons` standing in the
// table's order; none when no entry has it.
template <typename Entry, std::size_t N, typename Id, typename Key = std::identity>
CPictureButton* ButtonOfEntry(const std::array<Entry, N>& table,
                              const std::array<CPictureButton*, N>& buttons, const Id& id,
                              Key key = {}) {
    const auto found = std::ranges::find(table, id, key);
    return found == table.end() ? nullptr
                                : buttons[static_cast<std::size_t>(found - table.begin())];
}
