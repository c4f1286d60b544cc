#pragma once

#include <QWidget>

// The home screen: one borderless window over the whole screen that lives until the program ends;
// destroying it ends the program.
class CMainWindow final : public QWidget {
    Q_OBJECT
public:
    CMainWindow();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
