#include "GripSound.h"

#include "Pitch.h"
#include "songs/SongGrips.h"
#include "songs/SongLayout.h"
#include "spreadsheet/CellAddress.h"

#include <algorithm>

namespace music {

namespace {

void addOnce(std::vector<int>& notes, int pitch) {
    if (std::find(notes.begin(), notes.end(), pitch) == notes.end()) {
        notes.push_back(pitch);
    }
}

}  // namespace

GripSound gripSound(const QStringList& treble, const QStringList& basses,
                    const std::function<void(bool isBass, int index)>& unknown) {
    GripSound sound;
    for (int i = 0; i < treble.size(); ++i) {
        if (const auto pitch = tonePitch(treble[i])) {
            addOnce(sound.treble, *pitch);
        } else if (unknown) {
            unknown(false, i);
        }
    }
    for (int i = 0; i < basses.size(); ++i) {
        if (const auto bass = parseBass(basses[i])) {
            for (int pitch : bass->pitches()) {
                addOnce(sound.basses, pitch);
            }
        } else if (unknown) {
            unknown(true, i);
        }
    }
    return sound;
}

GripSound gripSound(const songs::SongGrip& grip, std::vector<SkippedCell>& skipped) {
    if (grip.isRest()) {
        return {};
    }
    return gripSound(grip.treble, grip.basses, [&](bool isBass, int index) {
        const int column = songs::GripColumn + (isBass ? songs::BassOffset : 0) + index;
        const QString& text = isBass ? grip.basses[index] : grip.treble[index];
        skipped.push_back({grip.row, column, text, isBass});
    });
}

QString describeSkippedCell(const SkippedCell& cell) {
    const QString what = cell.isBass ? QStringLiteral("není název basu ani akordu")
                                     : QStringLiteral("není název tónu");
    return QStringLiteral("Řádek %1, sloupec %2: „%3“ %4; přeskočeno.")
        .arg(cell.row)
        .arg(spreadsheet::CellAddress::columnName(cell.column), cell.text, what);
}

}  // namespace music
