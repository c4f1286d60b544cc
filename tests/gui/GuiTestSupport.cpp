#include "GuiTestSupport.h"

#include <QWidget>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace guitest {

void WritePicture(const platform::fakes::FakePlatform& fakes, const std::string& folder,
                  const std::string& name, QSize size, QColor colour) {
    const std::filesystem::path path =
        fakes.Path("/Graphics/800x600/" + folder + "/" + name + ".bmp");
    std::filesystem::create_directories(path.parent_path());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "BMP"));
}

std::string ReadErrorLog(const platform::fakes::FakePlatform& fakes) {
    std::ifstream file(fakes.Path("/Error Log.txt"), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int CountRecords(const std::string& log, const std::string& message) {
    int count = 0;
    for (auto at = log.find(message); at != std::string::npos; at = log.find(message, at + 1)) {
        ++count;
    }
    return count;
}

void LinkInstalledGraphics(const platform::fakes::FakePlatform& fakes) {
    std::filesystem::create_directory_symlink(TALLYHOP_PROGRAM_DIR "/Graphics",
                                              fakes.Path("/Graphics"));
}

QImage Snapshot(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace guitest
