#include "ScreenBitmaps.h"

#include "../BaseFolder.h"
#include "../Files.h"
#include "../Language.h"
#include "../Logs.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <map>

namespace platform {
namespace {

constexpr std::string_view kSource = "Ctallyhopapp";
constexpr std::string_view kResolution = "800x600";

// The chosen language's pictures, by "<screen folder>/<file name>" in small letters, as they
// are matched ignoring case; each with its path.
std::map<std::string, std::string>& LanguagePictures() {
    static std::map<std::string, std::string> pictures;
    return pictures;
}

std::string Lowered(std::string text) {
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string ScreenFolderPath(std::string_view screenFolder) {
    std::string folder(screenFolder);
    std::replace(folder.begin(), folder.end(), '\\', '/');
    return folder;
}

std::string PicturePath(std::string_view screenFolder, std::string_view fileName) {
    return GetBaseFolder() + "/Graphics/" + std::string(kResolution) + "/" +
           ScreenFolderPath(screenFolder) + "/" + std::string(fileName);
}

// Pictures are kept in the one format every paint device copies fastest.
QImage LoadPicture(const std::string& path) {
    QImage picture;
    if (!picture.load(QString::fromStdString(ResolveInstalledPath(path)), "BMP")) {
        return {};
    }
    return picture.convertToFormat(QImage::Format_RGB32);
}

// The language's own picture, where it has one; a damaged one is noted and left.
QImage LoadLanguagePicture(std::string_view screenFolder, const std::string& fileName) {
    const auto& pictures = LanguagePictures();
    const auto found = pictures.find(Lowered(ScreenFolderPath(screenFolder) + "/" + fileName));
    if (found == pictures.end()) {
        return {};
    }
    QImage picture = LoadPicture(found->second);
    if (picture.isNull()) {
        WriteErrorLog(kSource, __LINE__, "Failed to open " + found->second);
    }
    return picture;
}

} // namespace

QImage LoadScreenBitmap(std::string_view screenFolder, std::string_view pictureName) {
    const std::string name(pictureName);
    const std::array<std::string, 2> fileNames{name + " " + std::string(kResolution) + ".bmp",
                                               name + ".bmp"};
    for (const std::string& fileName : fileNames) {
        if (QImage picture = LoadLanguagePicture(screenFolder, fileName); !picture.isNull()) {
            return picture;
        }
    }
    for (const std::string& fileName : fileNames) {
        if (QImage picture = LoadPicture(PicturePath(screenFolder, fileName)); !picture.isNull()) {
            return picture;
        }
    }
    WriteErrorLog(kSource, __LINE__, "Failed to open " + PicturePath(screenFolder, fileNames[1]));
    return {};
}

bool UseLanguagePictures(const std::string& code) {
    auto& pictures = LanguagePictures();
    pictures.clear();
    if (code.empty()) {
        return true;
    }
    namespace fs = std::filesystem;
    const std::string root =
        ResolveInstalledPath(GetBaseFolder() + "/" + LanguagePicturesFolder(code));
    std::error_code error;
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file(error)) {
            const std::string path = it->path().string();
            pictures.emplace(Lowered(path.substr(root.size() + 1)), path);
        }
    }
    return !pictures.empty();
}
QSize GetBitmapSize(const QImage& picture) {
    return picture.isNull() ? QSize(0, 0) : picture.size();
}

void DrawBitmap(GdiDc& dc, const QImage& picture, int x, int y) {
    dc.DrawImage(x, y, picture);
}

} // namespace platform
