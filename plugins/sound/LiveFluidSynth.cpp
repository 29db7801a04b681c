#include "LiveFluidSynth.h"

#include <QByteArrayList>
#include <QProcess>
#include <QtGlobal>

namespace sound {

namespace {

// MECHIK_AUDIO_DRIVER names FluidSynth's driver (alsa, pulseaudio, jack, ...) for a player
// whose sound goes elsewhere. Otherwise PulseAudio first where it exists, as the desktop's
// sound server mixes us with other programs at a lower latency than ALSA's default device
// routed through it; then FluidSynth's own default.
QByteArrayList audioDrivers(fluid_settings_t* settings) {
    const QByteArray chosen = qgetenv("MECHIK_AUDIO_DRIVER");
    if (!chosen.isEmpty()) {
        return {chosen};
    }
    QByteArrayList drivers;
#if defined(Q_OS_LINUX)
    drivers << "pulseaudio";
#endif
    char* fallback = nullptr;
    if (fluid_settings_dupstr(settings, "audio.driver", &fallback) == FLUID_OK && fallback) {
        if (!drivers.contains(fallback)) {
            drivers << fallback;
        }
        fluid_free(fallback);
    }
    return drivers;
}

}  // namespace

music::LiveSynthOpening LiveFluidSynth::open(music::AudioOutput output) {
    QString failure;
    auto synth = HeligonkaSynth::create(HeligonkaSynth::Use::Live, failure);
    if (!synth) {
        return {nullptr, failure};
    }
    std::unique_ptr<LiveFluidSynth> live(new LiveFluidSynth(std::move(synth)));
    auto* settings = live->synth_->settings();
    QByteArrayList drivers = audioDrivers(settings);
    if (output == music::AudioOutput::None) {
        // FluidSynth's file driver pulls the sound at the device's pace into the null device.
        fluid_settings_setstr(settings, "audio.file.name",
                              QProcess::nullDevice().toLocal8Bit().constData());
        fluid_settings_setstr(settings, "audio.file.type", "raw");
        drivers = {"file"};
    }
    for (const QByteArray& driver : drivers) {
        fluid_settings_setstr(settings, "audio.driver", driver.constData());
        live->driver_ = new_fluid_audio_driver(settings, live->synth_->synth());
        if (live->driver_) {
            return {std::move(live), {}};
        }
    }
    return {nullptr, QStringLiteral("počítač nemá dostupné zvukové zařízení.")};
}

LiveFluidSynth::~LiveFluidSynth() {
    // The driver pulls from the synth on its own thread: it goes first.
    if (driver_) {
        delete_fluid_audio_driver(driver_);
    }
}

}  // namespace sound
