#include "Tablature.h"

#include "songs/SongGrips.h"
#include "tones/TuningTable.h"
#include "tones/clsNoty.h"

#include <QFileInfo>

#include <algorithm>

namespace music {

namespace {

using keyboard::InstrumentModel;

std::vector<int> buttonsOfGrip(const Tablature& tablature, const songs::SongGrip& grip,
                               const tones::TuningTable& table, TablatureColumn& column) {
    std::vector<int> buttons;
    for (const QString& tone : grip.treble) {
        const int button = printedButton(table, tone, column.pull, tablature.model);
        if (button == 0) {
            column.unknownTones << tone;
        } else if (std::find(buttons.begin(), buttons.end(), button) == buttons.end()) {
            buttons.push_back(button);
        }
    }
    // A line reads as the keyboard does, from the chin end up.
    std::sort(buttons.begin(), buttons.end(), [](int a, int b) {
        return keyboard::placeFromBottom(a) < keyboard::placeFromBottom(b);
    });
    return buttons;
}

TablatureColumn columnOf(const Tablature& tablature, const songs::SongGrip& grip,
                         const tones::TuningTable& table) {
    TablatureColumn column;
    column.grip = grip.row;
    column.syllable = grip.syllable;
    column.lines.resize(tablature.lines.size());
    if (grip.isRest()) {
        column.rest = true;
        return column;
    }
    column.pull = *grip.bellows == tones::Bellows::Pull;
    column.basses = grip.basses;
    for (const int button : buttonsOfGrip(tablature, grip, table, column)) {
        const auto line = std::find(tablature.lines.begin(), tablature.lines.end(),
                                    keyboard::trebleColumnOf(button));
        column.lines[static_cast<size_t>(line - tablature.lines.begin())]
            << keyboard::shownButtonNumber(button, tablature.numbering);
    }
    return column;
}

}  // namespace

int printedButton(const tones::TuningTable& tuning, const QString& tone, bool pull,
                  InstrumentModel model) {
    const tones::Bellows bellows = pull ? tones::Bellows::Pull : tones::Bellows::Push;
    std::vector<int> buttons = tuning.trebleButtonsOf(tone, bellows);
    if (buttons.empty()) {
        const QString alternative = tones::alternativeToneName(tone);
        if (alternative != QStringLiteral("nejde")) {
            buttons = tuning.trebleButtonsOf(alternative, bellows);
        }
    }
    const auto it = std::find_if(buttons.begin(), buttons.end(),
                                 [model](int b) { return keyboard::hasTrebleButton(model, b); });
    return it == buttons.end() ? 0 : *it;
}

Tablature buildTablature(const QString& songName, const QString& tuning,
                         const std::vector<songs::SongGrip>& grips, const tones::TuningTable& table,
                         InstrumentModel model, keyboard::Numbering numbering) {
    Tablature tablature;
    tablature.songName = songName;
    tablature.tuning = tuning;
    tablature.model = model;
    tablature.numbering = numbering;
    tablature.lines = keyboard::trebleColumnsOf(model);
    tablature.columns.reserve(grips.size());
    for (const songs::SongGrip& grip : grips) {
        tablature.columns.push_back(columnOf(tablature, grip, table));
        const TablatureColumn& column = tablature.columns.back();
        for (const QString& tone : column.unknownTones) {
            tablature.unknownTones.push_back({column.grip, tone, column.pull});
        }
    }
    return tablature;
}

QString songNameOfFile(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive) ? name.chopped(4) : name;
}

}  // namespace music
