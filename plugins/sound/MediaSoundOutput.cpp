#include "MediaSoundOutput.h"

#include "MidiPlayback.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace sound {

struct MediaSoundOutput::MediaPlayback {
    QAudioOutput output;
    QMediaPlayer player;
};

MediaSoundOutput::MediaSoundOutput() = default;

MediaSoundOutput::~MediaSoundOutput() {
    stopAll();
}

void MediaSoundOutput::play(const QString& path) {
    stop(path);
    if (QFileInfo(path).suffix().compare(QStringLiteral("mid"), Qt::CaseInsensitive) == 0) {
        midi_[path] = std::make_unique<MidiPlayback>(path);
        return;
    }
    auto playback = std::make_unique<MediaPlayback>();
    playback->player.setAudioOutput(&playback->output);
    QObject::connect(&playback->player, &QMediaPlayer::errorOccurred, &playback->player,
                     [path](QMediaPlayer::Error, const QString& reason) {
                         qWarning("Mechík: %s cannot be played: %s", qPrintable(path),
                                  qPrintable(reason));
                     });
    // A URL, not a command string: a path with blanks plays like any other.
    playback->player.setSource(QUrl::fromLocalFile(path));
    playback->player.play();
    media_[path] = std::move(playback);
}

void MediaSoundOutput::stop(const QString& path) {
    if (const auto it = media_.find(path); it != media_.end()) {
        it->second->player.stop();
        media_.erase(it);
    }
    midi_.erase(path);
}

void MediaSoundOutput::stopAll() {
    for (auto& [path, playback] : media_) {
        playback->player.stop();
    }
    media_.clear();
    midi_.clear();
}

}  // namespace sound
