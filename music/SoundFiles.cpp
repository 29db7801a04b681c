#include "SoundFiles.h"

#include "SoundSupply.h"

namespace music {

SoundFiles::SoundFiles(SoundSupply& supply, std::function<void()> onUnavailable)
    : supply_(supply), onUnavailable_(std::move(onUnavailable)) {}

void SoundFiles::play(const QString& path) {
    if (keyboard::SoundOutput* player = supply_.waitUntilReady().files.get()) {
        player->play(path);
    } else if (onUnavailable_) {
        onUnavailable_();
    }
}

void SoundFiles::stop(const QString& path) {
    if (keyboard::SoundOutput* player = loadedPlayer()) {
        player->stop(path);
    }
}

void SoundFiles::stopAll() {
    if (keyboard::SoundOutput* player = loadedPlayer()) {
        player->stopAll();
    }
}

keyboard::SoundOutput* SoundFiles::loadedPlayer() const {
    return supply_.isReady() ? supply_.sound().files.get() : nullptr;
}

}  // namespace music
