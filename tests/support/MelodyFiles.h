#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

// Melody files built byte by byte in the tests, so every case says exactly what the file holds.
namespace testing_support {

// The body of an MTrk chunk, event by event; `delta` is the time since the previous event.
class MidiTrack {
public:
    MidiTrack& event(std::uint32_t delta, std::initializer_list<std::uint8_t> bytes);
    MidiTrack& noteOn(std::uint32_t delta, int channel, int pitch, int velocity = 100) {
        return event(delta,
                     {std::uint8_t(0x90 | channel), std::uint8_t(pitch), std::uint8_t(velocity)});
    }
    MidiTrack& noteOff(std::uint32_t delta, int channel, int pitch) {
        return event(delta, {std::uint8_t(0x80 | channel), std::uint8_t(pitch), 64});
    }
    MidiTrack& meta(std::uint32_t delta, std::uint8_t type, const QByteArray& data);
    MidiTrack& end(std::uint32_t delta = 0) { return meta(delta, 0x2F, {}); }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

// A whole Standard MIDI File; `declaredTracks` < 0 declares as many as are given.
QByteArray midiFile(int format, int division, const std::vector<MidiTrack>& tracks,
                    int declaredTracks = -1);

// A one-track tune: each chord's notes start together and last `ticks`.
QByteArray midiTune(const std::vector<std::vector<int>>& chords, int ticks = 480);

// A partwise MusicXML score of one part "P1" around `measures` (the <measure> elements).
QByteArray musicXml(const QString& measures);

// A zip archive of the given files, deflated, written with libzip.
QByteArray zipArchive(const std::vector<std::pair<QString, QByteArray>>& files);

}  // namespace testing_support
