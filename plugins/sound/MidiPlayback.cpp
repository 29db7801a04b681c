#include "MidiPlayback.h"

#include "Soundfont.h"

#include <QtGlobal>

#include <fluidsynth.h>

namespace sound {

MidiPlayback::MidiPlayback(const QString& path) {
    const QString soundfont = generalMidiSoundfont();
    if (soundfont.isEmpty()) {
        qWarning("Mechík: no General MIDI soundfont, %s is not played", qPrintable(path));
        return;
    }
    auto* settings = new_fluid_settings();
    settings_ = settings;
    auto* synth = new_fluid_synth(settings);
    synth_ = synth;
    if (!synth ||
        fluid_synth_sfload(synth, soundfont.toLocal8Bit().constData(), 1) == FLUID_FAILED) {
        qWarning("Mechík: the soundfont %s cannot be loaded", qPrintable(soundfont));
        release();
        return;
    }
    auto* driver = new_fluid_audio_driver(settings, synth);
    driver_ = driver;
    if (!driver) {
        qWarning("Mechík: no audio device for %s", qPrintable(path));
        release();
        return;
    }
    auto* player = new_fluid_player(synth);
    player_ = player;
    if (!player || fluid_player_add(player, path.toLocal8Bit().constData()) == FLUID_FAILED ||
        fluid_player_play(player) == FLUID_FAILED) {
        qWarning("Mechík: %s cannot be played", qPrintable(path));
        release();
    }
}

MidiPlayback::~MidiPlayback() {
    release();
}

void MidiPlayback::release() {
    if (player_) {
        fluid_player_stop(static_cast<fluid_player_t*>(player_));
        delete_fluid_player(static_cast<fluid_player_t*>(player_));
        player_ = nullptr;
    }
    if (driver_) {
        delete_fluid_audio_driver(static_cast<fluid_audio_driver_t*>(driver_));
        driver_ = nullptr;
    }
    if (synth_) {
        delete_fluid_synth(static_cast<fluid_synth_t*>(synth_));
        synth_ = nullptr;
    }
    if (settings_) {
        delete_fluid_settings(static_cast<fluid_settings_t*>(settings_));
        settings_ = nullptr;
    }
}

}  // namespace sound
