#include "SongScore.h"

#include "songs/SongGrips.h"

namespace music {

namespace {

void addNotes(std::vector<NoteEvent>& events, int tick, const GripSound& sound, bool on) {
    for (int pitch : sound.treble) {
        events.push_back({tick, Part::Treble, pitch, on});
    }
    for (int pitch : sound.basses) {
        events.push_back({tick, Part::Bass, pitch, on});
    }
}

}  // namespace

SongScore songScore(const std::vector<songs::SongGrip>& grips, const QString& name) {
    SongScore score;
    score.name = name;
    score.beats.reserve(grips.size());
    for (const auto& grip : grips) {
        score.beats.push_back({grip.row, grip.isRest(), gripSound(grip, score.skipped)});
    }
    return score;
}

std::vector<NoteEvent> noteEvents(const SongScore& score) {
    std::vector<NoteEvent> events;
    const GripSound* sounding = nullptr;
    int tick = 0;
    for (const auto& beat : score.beats) {
        if (sounding) {
            addNotes(events, tick, *sounding, false);
        }
        addNotes(events, tick, beat.sound, true);
        sounding = &beat.sound;
        tick += TicksPerBeat;
    }
    if (sounding) {
        addNotes(events, tick, *sounding, false);
    }
    return events;
}

QString songWithoutGripsText(const QString& song) {
    return QStringLiteral("V písni %1 není žádný hmat (řádek se slovem Tlak nebo Tah)").arg(song);
}

}  // namespace music
