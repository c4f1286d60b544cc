#include "AssetWriter.h"

#include "Dsp.h"
#include "FileWriters.h"
#include "PictureCatalog.h"
#include "Sounds.h"

#include <QDir>
#include <set>

namespace assetgen {

namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), view.size());
}

// Every (folder, name) the catalog promises, roll-over pictures and buddy frames included.
std::vector<std::pair<std::string, std::string>> expectedPictures() {
    std::vector<std::pair<std::string, std::string>> expected;
    for (const PictureEntry& entry : kPictures) {
        expected.emplace_back(entry.folder, entry.name);
        if (entry.hasRollOver)
            expected.emplace_back(entry.folder, std::string(entry.name) + std::string(kRollSuffix));
    }
    for (int frame = 1; frame <= kBuddyFrameCount; ++frame)
        expected.emplace_back(kBuddyFolder, buddyFrameName(frame));
    return expected;
}

} // namespace

QString picturePath(const QString& programFolder, std::string_view folder, std::string_view name) {
    return QStringLiteral("%1/Graphics/%2/%3/%4.bmp")
        .arg(programFolder, text(kResolutionFolder), text(folder), text(name));
}

QStringList compareWithCatalog(const PictureSet& set) {
    QStringList problems;
    std::set<std::string> expected;
    for (const auto& [folder, name] : expectedPictures()) {
        expected.insert(PictureSet::key(folder, name));
        if (!set.find(folder, name))
            problems << QString("no painter draws %1/%2").arg(folder.c_str(), name.c_str());
    }
    for (const auto& [key, image] : set.all()) {
        if (!expected.count(key))
            problems << QString("%1 is drawn but not in the catalog").arg(key.c_str());
    }
    return problems;
}

bool writeAssets(const PictureSet& set, const QString& programFolder, QString& error) {
    for (const auto& [folder, name] : expectedPictures()) {
        const QString path = picturePath(programFolder, folder, name);
        if (!QDir().mkpath(QFileInfo(path).path())) {
            error = "cannot create " + QFileInfo(path).path();
            return false;
        }
        if (!writeBmp24(*set.find(folder, name), path, error))
            return false;
    }
    const QString audio = programFolder + "/Audio";
    if (!QDir().mkpath(audio)) {
        error = "cannot create " + audio;
        return false;
    }
    for (const Sound& sound : synthesiseSounds()) {
        if (!writeWav16(sound.samples, dsp::kSampleRate,
                        audio + "/" + QString::fromStdString(sound.fileName), error))
            return false;
    }
    return true;
}

} // namespace assetgen
