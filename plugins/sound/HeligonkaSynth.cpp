#include "HeligonkaSynth.h"

#include "Soundfont.h"
#include "music/GeneralMidi.h"
#include "music/SoundPlugin.h"

#include <QDir>
#include <QFile>

namespace sound {

namespace {

constexpr int TremoloChannel = 2;
// The default bend range is 2 semitones (200 cents) over 8192 steps: +10 cents.
constexpr int TremoloBend = 8192 + 410;
// Loud enough for a backing track; even seven treble tones (two voices each) over seven basses
// and chords stay below full scale.
constexpr double Gain = 0.5;

void configure(fluid_settings_t* settings, HeligonkaSynth::Use use) {
    fluid_settings_setnum(settings, "synth.sample-rate", music::SampleRate);
    fluid_settings_setnum(settings, "synth.gain", Gain);
    // Only the accordion's samples are read from the soundfont, not all 140 MB of it.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    // General MIDI sends nothing to the chorus unless asked to; the reverb stays.
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    if (use == HeligonkaSynth::Use::Live) {
        // Two periods of 128 frames: under 6 ms from a note-on to the speaker.
        fluid_settings_setint(settings, "audio.period-size", 128);
        fluid_settings_setint(settings, "audio.periods", 2);
    } else {
        fluid_settings_setint(settings, "synth.cpu-cores", 1);
    }
}

}  // namespace

std::unique_ptr<HeligonkaSynth> HeligonkaSynth::create(Use use, QString& failure) {
    std::unique_ptr<HeligonkaSynth> synth(new HeligonkaSynth);
    if (!synth->setUp(use, failure)) {
        return nullptr;
    }
    return synth;
}

bool HeligonkaSynth::setUp(Use use, QString& failure) {
    const QString soundfont = generalMidiSoundfont();
    if (soundfont.isEmpty()) {
        failure = missingSoundfontReason();
        return false;
    }
    settings_ = new_fluid_settings();
    if (settings_) {
        configure(settings_, use);
        synth_ = new_fluid_synth(settings_);
    }
    if (!synth_) {
        failure = QStringLiteral("syntezátor FluidSynth nelze spustit.");
        return false;
    }
    if (fluid_synth_sfload(synth_, QFile::encodeName(soundfont).constData(), 1) == FLUID_FAILED) {
        failure = QStringLiteral("zvukovou banku %1 nelze načíst.")
                      .arg(QDir::toNativeSeparators(soundfont));
        return false;
    }
    for (int channel : {music::TrebleChannel, music::BassChannel, TremoloChannel}) {
        fluid_synth_program_change(synth_, channel, music::AccordionProgram);
    }
    fluid_synth_pitch_bend(synth_, TremoloChannel, TremoloBend);
    return true;
}

HeligonkaSynth::~HeligonkaSynth() {
    if (synth_) {
        delete_fluid_synth(synth_);
    }
    if (settings_) {
        delete_fluid_settings(settings_);
    }
}

void HeligonkaSynth::noteOn(music::Part part, int pitch) {
    if (part == music::Part::Bass) {
        fluid_synth_noteon(synth_, music::BassChannel, pitch, music::BassVelocity);
        return;
    }
    fluid_synth_noteon(synth_, music::TrebleChannel, pitch, music::TrebleVelocity);
    fluid_synth_noteon(synth_, TremoloChannel, pitch, music::TrebleVelocity);
}

void HeligonkaSynth::noteOff(music::Part part, int pitch) {
    if (part == music::Part::Bass) {
        fluid_synth_noteoff(synth_, music::BassChannel, pitch);
        return;
    }
    fluid_synth_noteoff(synth_, music::TrebleChannel, pitch);
    fluid_synth_noteoff(synth_, TremoloChannel, pitch);
}

}  // namespace sound
