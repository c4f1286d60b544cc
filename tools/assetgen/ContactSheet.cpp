#include "ContactSheet.h"

#include "AssetWriter.h"
#include "LayoutChecks.h"
#include "PictureCatalog.h"
#include "Shapes.h"
#include "Style.h"

#include <QDir>
#include <vector>

namespace assetgen {

namespace {

struct Tile {
    QString caption;
    std::vector<QImage> images; // shown side by side
};

constexpr int kSheetWidth = 1400;
constexpr int kGap = 10;
constexpr int kCaption = 16;

// Shelf packing: tiles left to right, a new row when the sheet is full.
QImage packTiles(const std::vector<Tile>& tiles) {
    struct Placed {
        const Tile* tile;
        QPoint at;
    };
    std::vector<Placed> placed;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const Tile& tile : tiles) {
        int width = 0, height = 0;
        for (const QImage& image : tile.images) {
            width += image.width() + kGap;
            height = qMax(height, image.height());
        }
        if (x + width > kSheetWidth && x > kGap) {
            x = kGap;
            y += rowHeight + kCaption + kGap;
            rowHeight = 0;
        }
        placed.push_back({&tile, QPoint(x, y)});
        x += width + kGap;
        rowHeight = qMax(rowHeight, height);
    }
    QImage sheet = canvas(kSheetWidth, y + rowHeight + kCaption + kGap, style::kWindow);
    QPainter p;
    beginPainting(p, sheet);
    p.setFont(style::sans(11));
    for (const Placed& item : placed) {
        p.setPen(Qt::black);
        p.drawText(item.at + QPoint(0, 12), item.tile->caption);
        int left = item.at.x();
        for (const QImage& image : item.tile->images) {
            p.drawImage(QPoint(left, item.at.y() + kCaption), image);
            left += image.width() + kGap;
        }
    }
    p.end();
    return sheet;
}

QImage frogSheet(const PictureSet& set) {
    const QSize frame = pictureSize(set, kBuddyFolder, buddyFrameName(1)) / 2;
    constexpr int kColumns = 4;
    const int rows = (kBuddyFrameCount + kColumns - 1) / kColumns;
    QImage sheet = canvas(kColumns * (frame.width() + kGap), rows * (frame.height() + kCaption),
                          style::kWindow);
    QPainter p;
    beginPainting(p, sheet);
    p.setFont(style::sans(10));
    for (int i = 0; i < kBuddyFrameCount; ++i) {
        const QPoint at((i % kColumns) * (frame.width() + kGap),
                        (i / kColumns) * (frame.height() + kCaption));
        const std::string name = buddyFrameName(i + 1);
        p.drawText(at + QPoint(0, 11), QString::fromStdString(name));
        p.drawImage(QRect(at + QPoint(0, kCaption - 2), frame), *set.find(kBuddyFolder, name));
    }
    p.end();
    return sheet;
}

QImage homeSheet(const PictureSet& set) {
    QImage screen = canvas(800, 600, Qt::magenta); // gaps would show up loudly
    QPainter p(&screen);
    for (const auto& [name, place] : homePlacement(set))
        p.drawImage(place.topLeft(), *set.find("Login", name));
    p.end();
    return screen;
}

// Both pad layouts as the number pad places them, side by side on the pad's background.
QImage padSheet(const PictureSet& set) {
    const QSize key = pictureSize(set, "Numbers", "0");
    const QSize pad(6 * key.width(), 4 * key.height());
    QImage sheet = canvas(2 * pad.width() + 3 * kGap, pad.height() + 2 * kGap, style::kWindow);
    QPainter p(&sheet);
    const std::pair<const char*, std::vector<std::pair<std::string, QPoint>>> layouts[] = {
        {"Numbers", standardPadPlacement(set)}, {"Numbers/Small", smallPadPlacement(set)}};
    QPoint origin(kGap, kGap);
    for (const auto& [folder, keys] : layouts) {
        p.fillRect(QRect(origin, pad), style::kPanel);
        for (const auto& [name, at] : keys)
            p.drawImage(origin + at, *set.find(folder, name));
        origin.rx() += pad.width() + kGap;
    }
    p.end();
    return sheet;
}

} // namespace

bool writeContactSheets(const QString& programFolder, const QString& outFolder, QString& error) {
    PictureSet set;
    std::vector<Tile> buttons, pictures;
    auto load = [&](std::string_view folder, const std::string& name) {
        QImage image(picturePath(programFolder, folder, name));
        if (image.isNull())
            error = "cannot read " + picturePath(programFolder, folder, name);
        set.add(folder, name, image);
        return image;
    };
    for (const PictureEntry& entry : kPictures) {
        const QString caption = QString::fromLatin1(entry.folder.data(), entry.folder.size()) +
                                "/" + QString::fromLatin1(entry.name.data(), entry.name.size());
        Tile tile{caption, {load(entry.folder, std::string(entry.name))}};
        if (entry.hasRollOver) {
            tile.images.push_back(load(entry.folder, std::string(entry.name) + "Roll"));
            buttons.push_back(tile);
        } else {
            pictures.push_back(tile);
        }
    }
    for (int frame = 1; frame <= kBuddyFrameCount; ++frame)
        load(kBuddyFolder, buddyFrameName(frame));
    if (!error.isEmpty())
        return false;

    QDir().mkpath(outFolder);
    const std::pair<const char*, QImage> sheets[] = {
        {"buttons.png", packTiles(buttons)}, {"pictures.png", packTiles(pictures)},
        {"frog.png", frogSheet(set)},        {"home.png", homeSheet(set)},
        {"pad.png", padSheet(set)},
    };
    for (const auto& [file, image] : sheets) {
        if (!image.save(outFolder + "/" + file, "PNG")) {
            error = "cannot write " + outFolder + "/" + file;
            return false;
        }
    }
    return true;
}

} // namespace assetgen
