// The pictures the screen painters produce, by screen folder and name.
#pragma once

#include <QImage>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace assetgen {

class PictureSet {
public:
    void add(std::string_view folder, std::string_view name, QImage image);
    // A button: its normal picture under name and its lit picture under name + "Roll".
    void addButton(std::string_view folder, std::string_view name,
                   const std::function<QImage(bool lit)>& paint);

    const QImage* find(std::string_view folder, std::string_view name) const;
    // "folder/name" keys of everything added, in sorted order.
    const std::map<std::string, QImage>& all() const { return pictures_; }

    static std::string key(std::string_view folder, std::string_view name);

private:
    std::map<std::string, QImage> pictures_;
};

} // namespace assetgen
