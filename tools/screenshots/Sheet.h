#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace screenshots {

// Lays captioned pictures out in rows, left to right, starting a new row where the next one would
// pass the sheet's width, on a neutral background.
class Sheet {
public:
    explicit Sheet(int width) : width_(width) {}

    void Add(const QString& caption, const QImage& picture);
    // Ends the current row early.
    void NewRow();
    QImage Render() const;

private:
    struct Tile {
        QString caption;
        QImage picture;
        QPoint at;
    };

    int width_;
    std::vector<Tile> tiles_;
    QPoint next_;
    int rowHeight_ = 0;
};

// `pictures` side by side with a small gap, as one picture.
QImage SideBySide(const std::vector<QImage>& pictures);

// `picture` (a dialog, a message box) drawn centred over `screen`, as it appears.
QImage CentredOver(QImage screen, const QImage& picture);

} // namespace screenshots
