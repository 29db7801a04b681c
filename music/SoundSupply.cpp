#include "SoundSupply.h"

#include "SoundPluginLoader.h"

#include <QThread>

namespace music {

LoadedSound loadLiveSound(const QStringList& folders) {
    LoadedSound sound;
    SoundPluginLoading loading = loadSoundPlugin(folders);
    if (!loading.plugin) {
        sound.failure = loading.failure;
        return sound;
    }
    sound.files = loading.plugin->openFilePlayer();
    LiveSynthOpening opening = loading.plugin->openLiveSynth(AudioOutput::Device);
    sound.plugin = std::move(loading.plugin);
    sound.synth = std::move(opening.synth);
    sound.failure = opening.failure;
    return sound;
}

SoundSupply::SoundSupply(Loader loader) : loader_(std::move(loader)) {}

SoundSupply::~SoundSupply() {
    if (thread_) {
        thread_->wait();
    }
}

void SoundSupply::prepare() {
    if (thread_ || ready_) {
        return;
    }
    thread_.reset(QThread::create([this, load = loader_] { loaded_ = load(); }));
    QObject::connect(thread_.get(), &QThread::finished, &context_, [this] { deliver(); });
    thread_->start();
}

const LoadedSound& SoundSupply::waitUntilReady() {
    prepare();
    deliver();
    return loaded_;
}

void SoundSupply::deliver() {
    if (ready_) {
        return;
    }
    thread_->wait();
    ready_ = true;
    if (onReady) {
        onReady();
    }
}

}  // namespace music
