#pragma once

#include "../Sound.h"

#include <memory>

class QSoundEffect;

namespace platform {

class QtSound final : public ISound {
public:
    QtSound();
    ~QtSound() override;
    void Play(const std::string& path) override;
    void Stop() override;

private:
    std::unique_ptr<QSoundEffect> playing_;
};

} // namespace platform
