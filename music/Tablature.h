#pragma once

#include "keyboard/InstrumentModel.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace songs {
struct SongGrip;
}
namespace tones {
class TuningTable;
}

// A song as a printed tablature: each grip a column, each treble column of the instrument a
// line, each tone the number of the button a player presses for it.
namespace music {

struct TablatureColumn {
    int grip = 0;       // "Pořadí hmatu": the grip's sheet row
    bool rest = false;  // a row without a direction word: an empty column
    bool pull = false;  // pull grips get a bar under the column
    // One entry per line of the tablature, top line first: the shown numbers of the grip's
    // buttons in that column of the keyboard, from the bottom of the keyboard up.
    std::vector<QStringList> lines;
    // Tones no button of the instrument gives in the grip's direction, not even under their
    // other spelling; printed as the tone's name with a "?".
    QStringList unknownTones;
    QStringList basses;
    QString syllable;
};

struct UnknownTone {
    int grip = 0;
    QString tone;
    bool pull = false;
};

struct Tablature {
    QString songName;
    QString tuning;
    keyboard::InstrumentModel model = keyboard::InstrumentModel::Full;
    keyboard::Numbering numbering = keyboard::Numbering::Standard;
    std::vector<keyboard::TrebleColumn> lines;  // top line first: outer, middle, inner
    std::vector<TablatureColumn> columns;       // every grip of the song, in order
    std::vector<UnknownTone> unknownTones;      // in grip order
};

// Grips whose number is printed wherever they stand: the first and every fifth. The first
// grip of each printed system gets its number too.
inline bool isLandmarkGrip(int grip) {
    return grip == 1 || grip % 5 == 0;
}

// The button print shows for a treble tone: the first one the display lights for the tone, or
// for its other spelling when the tuning lacks the tone as written, among the buttons the
// model has; 0 for none.
int printedButton(const tones::TuningTable& tuning, const QString& tone, bool pull,
                  keyboard::InstrumentModel model);

Tablature buildTablature(const QString& songName, const QString& tuning,
                         const std::vector<songs::SongGrip>& grips, const tones::TuningTable& table,
                         keyboard::InstrumentModel model, keyboard::Numbering numbering);

// A song's name as print shows it: the file name without ".xls".
QString songNameOfFile(const QString& path);

}  // namespace music
