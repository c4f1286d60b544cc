#include "QtSound.h"

#include "../Files.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>

namespace platform {

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::Play(const std::string& path) {
    Stop();
    if (!FileExists(path)) {
        QApplication::beep();
        return;
    }
    playing_ = std::make_unique<QSoundEffect>();
    playing_->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    playing_->play();
}

void QtSound::Stop() {
    if (playing_) {
        playing_->stop();
        playing_.reset();
    }
}

} // namespace platform
