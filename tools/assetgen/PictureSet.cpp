#include "PictureSet.h"

#include "PictureCatalog.h"

namespace assetgen {

std::string PictureSet::key(std::string_view folder, std::string_view name) {
    std::string result(folder);
    result += '/';
    result += name;
    return result;
}

void PictureSet::add(std::string_view folder, std::string_view name, QImage image) {
    pictures_[key(folder, name)] = std::move(image);
}

void PictureSet::addButton(std::string_view folder, std::string_view name,
                           const std::function<QImage(bool lit)>& paint) {
    add(folder, name, paint(false));
    add(folder, std::string(name) + std::string(kRollSuffix), paint(true));
}

const QImage* PictureSet::find(std::string_view folder, std::string_view name) const {
    auto found = pictures_.find(key(folder, name));
    return found == pictures_.end() ? nullptr : &found->second;
}

} // namespace assetgen
