#pragma once

// Stand-ins for the synthesizer and the timers, so the live sound's logic runs without a sound
// device and without waiting.

#include "music/BeatTimer.h"
#include "music/SoundPlugin.h"

#include <QString>
#include <QStringList>

namespace testing_support {

// Notes as "on T 60", "off B 36".
class RecordingSynth : public music::LiveSynth {
public:
    QStringList played;

    void noteOn(music::Part part, int pitch) override { record("on", part, pitch); }
    void noteOff(music::Part part, int pitch) override { record("off", part, pitch); }
    QStringList take() { return std::exchange(played, {}); }

private:
    void record(const char* what, music::Part part, int pitch) {
        played << QStringLiteral("%1 %2 %3")
                      .arg(QString::fromLatin1(what), part == music::Part::Treble ? u"T" : u"B")
                      .arg(pitch);
    }
};

// A timer fired by hand; it remembers how it was started.
class ManualTimer : public music::BeatTimer {
public:
    explicit ManualTimer(bool repeating) : repeating_(repeating) {}
    bool running = false;
    int intervalMs = 0;
    int starts = 0;

    void start(int ms) override {
        running = true;
        intervalMs = ms;
        ++starts;
    }
    void stop() override { running = false; }
    // What the event loop would do when the interval has passed.
    void fire() {
        if (!running) {
            return;
        }
        running = repeating_;
        onTimeout();
    }

private:
    bool repeating_;
};

}  // namespace testing_support
