#include "ActivityWindow.h"

#include "platform/Display.h"
#include "platform/Logs.h"
#include "platform/Services.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/ProgramSound.h"
#include "platform/qt/ScreenStage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <string>

ActivityWindow::ActivityWindow(const Frame& frame)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      header_(frame.headerTitle, frame.headerLook), source_(frame.source),
      failureName_(frame.failureName) {
    platform::WriteTraceLog(source_, __LINE__);
    const platform::ScreenSize screen = platform::GetScreenSize();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QString::fromUtf8(frame.windowTitle));
    setAccessibleName(QCoreApplication::translate("ActivityWindow", frame.windowTitle));
    platform::PlaceOnScreen(
        *this, QRect(0, 0, screen.width + frame.overhang, screen.height + frame.overhang));
}

bool ActivityWindow::Build() {
    if (!CreateUIElements()) {
        platform::WriteErrorLog(source_, __LINE__,
                                std::string("Creation of the ") + failureName_ +
                                    " window failed (see above errors)!");
        platform::GetMessageBoxes().Show(
            {.text = tr("Please contact the system administrator.").toStdString(),
             .icon = platform::MbIcon::Stop});
        deleteLater();
        return false;
    }
    PositionUIElements();
    return true;
}

void ActivityWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    OnHome();
}

void ActivityWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activateWindow();
}

void ActivityWindow::Dismiss() {
    hide();
    deleteLater();
}

void ActivityWindow::ReturnTo(QWidget* opener) {
    Dismiss();
    if (opener != nullptr) {
        platform::SetMainWindow(opener);
        opener->show();
        opener->activateWindow();
    }
}

void ActivityWindow::TakeFocusForAnswers() {
    setFocus(Qt::OtherFocusReason);
}

void ActivityWindow::TraceNavigation(int line) const {
    platform::WriteTraceLog(source_, line);
    platform::PlayProgramSound(platform::ProgramSound::kNavigate);
}
