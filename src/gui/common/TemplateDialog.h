#pragma once

#include "platform/qt/DialogUnits.h"

#include <QDialog>
#include <QString>

// A modal dialog laid out from a template in dialog units of its font, as the program's dialogs
// are designed: no caption bar, so a frame of its own; centred on the program's screen whenever
// it is shown.
class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    // The dialog font's face and size in points; the dialog's size in dialog units.
    TemplateDialog(QWidget* parent, const QString& fontFace, int points, int widthUnits,
                   int heightUnits);

protected:
    // Makes `control` a child of the dialog at the template rectangle given in dialog units.
    template <typename Control> Control* Place(Control* control, int x, int y, int w, int h) {
        PlaceWidget(control, x, y, w, h);
        return control;
    }

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void PlaceWidget(QWidget* control, int x, int y, int width, int height);

    platform::DialogUnits units_;
};
