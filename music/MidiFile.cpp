#include "MidiFile.h"

#include "GeneralMidi.h"
#include "Tempo.h"
#include "spreadsheet/AtomicFile.h"

namespace music {

namespace {

// A track's events with their delta times, framed as an "MTrk" chunk at the end.
class TrackWriter {
public:
    void event(int tick, std::initializer_list<char> bytes) {
        variableLength(tick - lastTick_);
        lastTick_ = tick;
        body_.append(bytes.begin(), static_cast<qsizetype>(bytes.size()));
    }
    void meta(int tick, char type, const QByteArray& data) {
        event(tick, {'\xFF', type});
        variableLength(static_cast<quint32>(data.size()));
        body_ += data;
    }
    QByteArray chunk(int endTick) {
        meta(endTick, '\x2F', {});
        return "MTrk" + bigEndian(static_cast<quint32>(body_.size()), 4) + body_;
    }

    static QByteArray bigEndian(quint32 value, int bytes) {
        QByteArray out;
        for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
            out += static_cast<char>((value >> shift) & 0xFF);
        }
        return out;
    }

private:
    void variableLength(quint32 value) {
        QByteArray groups(1, static_cast<char>(value & 0x7F));
        while ((value >>= 7) != 0) {
            groups.prepend(static_cast<char>(0x80 | (value & 0x7F)));
        }
        body_ += groups;
    }

    QByteArray body_;
    int lastTick_ = 0;
};

QByteArray tempoTrack(const SongScore& score, double bpm) {
    TrackWriter track;
    track.meta(0, '\x03', score.name.toUtf8());
    track.meta(0, '\x51',
               TrackWriter::bigEndian(static_cast<quint32>(microsecondsPerBeat(bpm)), 3));
    return track.chunk(score.endTick());
}

QByteArray partTrack(const SongScore& score, const std::vector<NoteEvent>& events, Part part) {
    const int channel = part == Part::Treble ? TrebleChannel : BassChannel;
    const char velocity = static_cast<char>(part == Part::Treble ? TrebleVelocity : BassVelocity);
    TrackWriter track;
    track.event(0, {static_cast<char>(0xC0 | channel), static_cast<char>(AccordionProgram)});
    for (const auto& note : events) {
        if (note.part != part) {
            continue;
        }
        const auto status = static_cast<char>((note.on ? 0x90 : 0x80) | channel);
        track.event(note.tick, {status, static_cast<char>(note.pitch),
                                note.on ? velocity : static_cast<char>(ReleaseVelocity)});
    }
    return track.chunk(score.endTick());
}

}  // namespace

QByteArray midiFileBytes(const SongScore& score, double bpm) {
    const auto events = noteEvents(score);
    QByteArray file = "MThd" + TrackWriter::bigEndian(6, 4);
    file += TrackWriter::bigEndian(1, 2);  // format 1: tracks played together
    file += TrackWriter::bigEndian(3, 2);
    file += TrackWriter::bigEndian(TicksPerBeat, 2);
    file += tempoTrack(score, bpm);
    file += partTrack(score, events, Part::Treble);
    file += partTrack(score, events, Part::Bass);
    return file;
}

void writeMidiFile(const QString& path, const SongScore& score, double bpm) {
    spreadsheet::AtomicFile file(path);
    file.write(midiFileBytes(score, bpm));
    file.commit();
}

}  // namespace music
