#pragma once

#include "GripSounder.h"
#include "SongPlayer.h"

#include <functional>

namespace services {
class Dialogs;
class ProgramSettings;
}  // namespace services

namespace music {

class SoundSupply;

// What the player hears in the window: each grip as the keyboard lights it ("Zvuk hmatů"),
// and the whole song played from the current grip ("Přehrát píseň"). Without a sound device
// the player is told once, and the program goes on silently.
class SoundControl {
public:
    // `holdTimer` must be single-shot, `beatTimer` repeating.
    SoundControl(SoundSupply& supply, services::Dialogs& dialogs,
                 services::ProgramSettings& settings, BeatTimer& holdTimer, BeatTimer& beatTimer);
    ~SoundControl();

    // "Zvuk hmatů": stored; off until the player turns it on.
    bool hearsGrips() const { return hearsGrips_; }
    void setHearsGrips(bool on);

    // The keyboard lit a grip. It sounds for `holdMs` while grips are heard. Lit by anything
    // but the playing song itself, it stops that song: the player has taken over.
    void gripLit(const GripSound& grip, int holdMs);

    // From the first beat at or after `fromRow`; false when none is left.
    bool play(const SongScore& score, int fromRow, int stepMs);
    void stop();
    bool isPlaying() const { return player_.isPlaying(); }
    void setStepInterval(int ms) { player_.setStepInterval(ms); }

    // The supply's sound is ready: grips sound from now on, or the player learns why not.
    void soundReady();
    // Something else wanted the sound and found none: the player is told, unless he was already.
    void tellUnavailableOnce();

    // Each beat of the playing song, to be lit; what the window lights meanwhile is the song's.
    std::function<void(const Beat&)> onBeat;
    // The song has played to its end or was stopped: by the player, by a grip he lit himself,
    // or by the song's end.
    std::function<void()> onStopped;

private:
    void wantSound();

    SoundSupply& supply_;
    services::Dialogs& dialogs_;
    services::ProgramSettings& settings_;
    GripSounder sounder_;
    SongPlayer player_;  // after the sounder, which it sounds through
    bool hearsGrips_ = false;
    bool wanted_ = false;
    bool told_ = false;
    bool inBeat_ = false;
};

}  // namespace music
