#include "SoundControl.h"

#include "SoundPluginLoader.h"
#include "SoundSupply.h"
#include "services/Dialogs.h"
#include "services/ProgramSettings.h"

namespace music {

SoundControl::SoundControl(SoundSupply& supply, services::Dialogs& dialogs,
                           services::ProgramSettings& settings, BeatTimer& holdTimer,
                           BeatTimer& beatTimer)
    : supply_(supply),
      dialogs_(dialogs),
      settings_(settings),
      sounder_(nullptr, holdTimer),
      player_(sounder_, beatTimer) {
    hearsGrips_ = settings_.index(services::ProgramSettings::ZvukHmatu) == QStringLiteral("1");
    player_.onBeat = [this](const Beat& beat) {
        inBeat_ = true;
        if (onBeat) {
            onBeat(beat);
        }
        inBeat_ = false;
    };
    player_.onFinished = [this] {
        if (onStopped) {
            onStopped();
        }
    };
}

SoundControl::~SoundControl() = default;

void SoundControl::setHearsGrips(bool on) {
    hearsGrips_ = on;
    settings_.setIndex(services::ProgramSettings::ZvukHmatu, on ? 1 : 0);
    if (on) {
        wantSound();
    } else if (!isPlaying()) {
        sounder_.silence();
    }
}

void SoundControl::gripLit(const GripSound& grip, int holdMs) {
    if (inBeat_) {
        return;
    }
    stop();
    if (!hearsGrips_) {
        return;
    }
    wantSound();
    sounder_.sound(grip, holdMs);
}

bool SoundControl::play(const SongScore& score, int fromRow, int stepMs) {
    wantSound();
    return player_.play(score, fromRow, stepMs);
}

void SoundControl::stop() {
    if (!isPlaying()) {
        return;
    }
    player_.stop();
    if (onStopped) {
        onStopped();
    }
}

void SoundControl::soundReady() {
    sounder_.setSynth(supply_.sound().synth.get());
    if (wanted_) {
        tellUnavailableOnce();
    }
}

void SoundControl::wantSound() {
    wanted_ = true;
    if (supply_.isReady()) {
        tellUnavailableOnce();
    } else {
        supply_.prepare();
    }
}

void SoundControl::tellUnavailableOnce() {
    if (supply_.sound().synth || told_) {
        return;
    }
    told_ = true;
    dialogs_.message(QStringLiteral("Zvuk není k dispozici."),
                     soundUnavailableMessage(supply_.sound().failure),
                     services::MessageIcon::Exclamation);
}

}  // namespace music
