#include "Screenshots.h"
#include "Sheet.h"

#include "assetgen/PictureCatalog.h"
#include "gui/controls/CPictureButton.h"

#include <QWidget>
#include <string>

namespace screenshots {

// Every button of every screen, at rest, lit and with the keyboard focus, as the picture button
// draws it.
QImage RenderButtonSheet() {
    Sheet sheet(2000);
    QWidget host;
    host.resize(400, 200);
    std::string_view folder;
    for (const assetgen::PictureEntry& entry : assetgen::kPictures) {
        if (!entry.hasRollOver) {
            continue;
        }
        if (entry.folder != folder) {
            folder = entry.folder;
            sheet.NewRow();
        }
        CPictureButton button;
        button.Create(QString::fromUtf8(entry.name.data(), static_cast<int>(entry.name.size())),
                      CPictureButton::Visibility::Visible, QRect(0, 0, 1, 1), &host, 1);
        button.LoadBitmaps(entry.folder, entry.name);
        const QImage normal = button.grab().toImage();
        button.SetHighlight(true);
        const QImage lit = button.grab().toImage();
        button.SetHighlight(false);
        FocusByKeyboard(button);
        const QImage focused = button.grab().toImage();
        sheet.Add(QString::fromStdString(std::string(entry.folder) + "/" + std::string(entry.name)),
                  SideBySide({normal, lit, focused}));
    }
    return sheet.Render();
}

} // namespace screenshots
