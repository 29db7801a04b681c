#pragma once

#include "BeatTimer.h"
#include "SongScore.h"

#include <functional>
#include <vector>

namespace music {

class GripSounder;

// Plays a song from a given row to its end, one beat per step, sounding each grip for one step
// and telling the window which grip to light. Rows without a direction word are silent beats.
class SongPlayer {
public:
    // `timer` must repeat.
    SongPlayer(GripSounder& sounder, BeatTimer& timer);
    ~SongPlayer();

    // Each beat as it starts, after its grip has begun to sound; a rest lights nothing.
    std::function<void(const Beat&)> onBeat;
    // The song has played to its end (not called after stop()).
    std::function<void()> onFinished;

    // Starts at the first beat at or after `fromRow`, at once; false when no beat is left.
    bool play(const SongScore& score, int fromRow, int stepMs);
    // The tempo slider moved: the next beat comes `ms` from now, and so on.
    void setStepInterval(int ms);
    void stop();
    bool isPlaying() const { return playing_; }

private:
    void step();

    GripSounder& sounder_;
    BeatTimer& timer_;
    std::vector<Beat> beats_;
    std::size_t next_ = 0;
    int stepMs_ = 0;
    bool playing_ = false;
};

}  // namespace music
