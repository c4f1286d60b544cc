#include "Screenshots.h"

#include "app/CMainWindow.h"
#include "gui/CSignInDlg.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

namespace screenshots {

QImage RenderHomeScreen() {
    CMainWindow home;
    return home.grab().toImage();
}

// The dialog as the user meets it: over the home screen, a name chosen, a password typed.
QImage RenderSignInDialog() {
    CMainWindow home;
    QImage screen = home.grab().toImage();
    CSignInDlg dialog;
    dialog.NameList()->setCurrentIndex(dialog.NameList()->findText("Smith, Mary Ann"));
    dialog.PasswordBox()->setText("Hop2it");
    dialog.show();
    QPainter painter(&screen);
    painter.drawImage(
        QPoint((screen.width() - dialog.width()) / 2, (screen.height() - dialog.height()) / 2),
        dialog.grab().toImage());
    return screen;
}

} // namespace screenshots
