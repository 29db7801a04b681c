#include "SongPlayer.h"

#include "GripSounder.h"

#include <algorithm>

namespace music {

SongPlayer::SongPlayer(GripSounder& sounder, BeatTimer& timer) : sounder_(sounder), timer_(timer) {
    timer_.onTimeout = [this] { step(); };
}

SongPlayer::~SongPlayer() {
    stop();
    timer_.onTimeout = nullptr;
}

bool SongPlayer::play(const SongScore& score, int fromRow, int stepMs) {
    stop();
    const auto first = std::find_if(score.beats.begin(), score.beats.end(),
                                    [fromRow](const Beat& beat) { return beat.row >= fromRow; });
    if (first == score.beats.end()) {
        return false;
    }
    beats_.assign(first, score.beats.end());
    next_ = 0;
    stepMs_ = stepMs;
    playing_ = true;
    timer_.start(stepMs_);
    step();
    return true;
}

void SongPlayer::setStepInterval(int ms) {
    stepMs_ = ms;
    if (playing_) {
        timer_.start(stepMs_);
    }
}

void SongPlayer::stop() {
    if (!playing_) {
        return;
    }
    playing_ = false;
    timer_.stop();
    sounder_.silence();
}

void SongPlayer::step() {
    if (next_ == beats_.size()) {
        stop();
        if (onFinished) {
            onFinished();
        }
        return;
    }
    // A copy: the window may start the song anew from inside onBeat.
    const Beat beat = beats_[next_++];
    if (beat.rest) {
        sounder_.silence();
    } else {
        sounder_.sound(beat.sound, stepMs_);
    }
    if (onBeat) {
        onBeat(beat);
    }
}

}  // namespace music
