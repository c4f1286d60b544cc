#include "ScreenBitmaps.h"

#include "../BaseFolder.h"
#include "../Files.h"
#include "../Logs.h"

#include <algorithm>
#include <string>

namespace platform {
namespace {

constexpr std::string_view kSource = "Ctallyhopapp";
constexpr std::string_view kResolution = "800x600";

std::string PicturePath(std::string_view screenFolder, std::string_view fileName) {
    std::string folder(screenFolder);
    std::replace(folder.begin(), folder.end(), '\\', '/');
    return GetBaseFolder() + "/Graphics/" + std::string(kResolution) + "/" + folder + "/" +
           std::string(fileName);
}

// Pictures are kept in the one format every paint device copies fastest.
QImage LoadPicture(const std::string& path) {
    QImage picture;
    if (!picture.load(QString::fromStdString(ResolveInstalledPath(path)), "BMP")) {
        return {};
    }
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage LoadScreenBitmap(std::string_view screenFolder, std::string_view pictureName) {
    const std::string name(pictureName);
    QImage picture =
        LoadPicture(PicturePath(screenFolder, name + " " + std::string(kResolution) + ".bmp"));
    if (!picture.isNull()) {
        return picture;
    }
    const std::string plainPath = PicturePath(screenFolder, name + ".bmp");
    picture = LoadPicture(plainPath);
    if (picture.isNull()) {
        WriteErrorLog(kSource, __LINE__, "Failed to open " + plainPath);
    }
    return picture;
}

QSize GetBitmapSize(const QImage& picture) {
    return picture.isNull() ? QSize(0, 0) : picture.size();
}

void DrawBitmap(GdiDc& dc, const QImage& picture, int x, int y) {
    dc.DrawImage(x, y, picture);
}

} // namespace platform
