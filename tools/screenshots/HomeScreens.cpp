#include "Screenshots.h"
#include "Sheet.h"

#include "app/CMainWindow.h"
#include "gui/controls/CPictureButton.h"
#include "gui/signin/CSignInDlg.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QComboBox>
#include <QLineEdit>

namespace screenshots {

QImage RenderHomeScreen() {
    CMainWindow home;
    return home.grab().toImage();
}

// The focus mark on the column's first button, which reaches past the screen's corner, and on
// Help.
QImage RenderHomeFocus() {
    CMainWindow home;
    return GrabWithFocusOn({home.Button(CMainWindow::kTesting), home.Button(CMainWindow::kHelp)});
}

// The dialog as the user meets it: over the home screen, a name chosen, a password typed.
QImage RenderSignInDialog() {
    CMainWindow home;
    CSignInDlg dialog;
    dialog.NameList()->setCurrentIndex(dialog.NameList()->findText("Smith, Mary Ann"));
    dialog.PasswordBox()->setText("Hop2it");
    dialog.show();
    return CentredOver(home.grab().toImage(), dialog.grab().toImage());
}

} // namespace screenshots
