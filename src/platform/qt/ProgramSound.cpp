#include "ProgramSound.h"

#include "../BaseFolder.h"
#include "../CommandLine.h"
#include "../Files.h"
#include "../Services.h"

#include <string>

namespace platform {
namespace {

const char* FileName(ProgramSound sound) {
    switch (sound) {
    case ProgramSound::kType:
        return "type.wav";
    case ProgramSound::kWrongAnswer:
        return "wronganswer2.wav";
    case ProgramSound::kApplause:
        return "applauselong.wav";
    case ProgramSound::kNavigate:
        return "navigate.wav";
    case ProgramSound::kRibbit:
        return "ribbit.wav";
    }
    return "";
}

} // namespace

void PlayProgramSound(ProgramSound sound) {
    const std::string path = ResolveInstalledPath(GetBaseFolder() + "/Audio/" + FileName(sound));
    ISound& player = GetSound();
    player.Stop();
    if (HasOption(kOptionNoSound)) {
        return;
    }
    player.Play(path);
}

} // namespace platform
