#include "Transposition.h"

#include "music/Pitch.h"
#include "spreadsheet/Sheet.h"
#include "tones/Bellows.h"
#include "tones/KeyboardSide.h"
#include "tones/SemitoneShift.h"
#include "tones/TuningSheetLayout.h"
#include "tones/TuningTable.h"

#include <vector>

namespace tunings {

namespace {

using spreadsheet::CellAddress;
using tones::Bellows;
using tones::KeyboardSide;

struct Column {
    KeyboardSide side;
    Bellows bellows;
};

// Every cell a lookup or a conversion reads.
const Column ToneColumns[] = {
    {KeyboardSide::Treble, Bellows::Push},
    {KeyboardSide::Treble, Bellows::Pull},
    {KeyboardSide::Bass, Bellows::Push},
    {KeyboardSide::Bass, Bellows::Pull},
};

struct Change {
    CellAddress cell;
    QString text;
};

// "knoflíku 12 (tlak)", "basového knoflíku 3 (tah)"; a row without a button number by its cell.
QString buttonText(const Column& column, const CellAddress& cell,
                   const std::optional<int>& button) {
    if (!button) {
        return QStringLiteral("buňky %1").arg(cell.toA1());
    }
    return QStringLiteral("%1 %2 (%3)")
        .arg(column.side == KeyboardSide::Treble ? QStringLiteral("knoflíku")
                                                 : QStringLiteral("basového knoflíku"))
        .arg(*button)
        .arg(column.bellows == Bellows::Push ? QStringLiteral("tlak") : QStringLiteral("tah"));
}

std::optional<QString> movedTreble(const QString& tone, int semitones) {
    const auto pitch = music::tonePitch(tone);
    if (!pitch) {
        return std::nullopt;
    }
    return music::toneNameOfPitch(*pitch + semitones);
}

std::optional<QString> movedBass(const QString& bass, int semitones) {
    const auto sound = music::parseBass(bass);
    if (!sound) {
        return std::nullopt;
    }
    return music::bassNameOf(sound->root + semitones, sound->kind);
}

}  // namespace

QString transposeTuning(spreadsheet::Sheet& sheet, int semitones) {
    const auto buttonRows = tones::TuningTable::fromSheet(sheet).trebleRows();
    const QString refusal =
        QStringLiteral("Ladění nelze transponovat %1: ").arg(tones::semitoneShiftText(semitones));
    std::vector<Change> changes;
    for (const Column& column : ToneColumns) {
        const int lastRow = tones::tuningRows(column.side, tones::TuningReach::Converted);
        for (int row = 1; row <= lastRow; ++row) {
            const CellAddress cell{row, tones::toneColumn(column.side, column.bellows)};
            const QString text = sheet.value(cell).text();
            if (text.isEmpty()) {
                continue;
            }
            const bool treble = column.side == KeyboardSide::Treble;
            const auto moved = treble ? movedTreble(text, semitones) : movedBass(text, semitones);
            const auto& button = buttonRows[static_cast<size_t>(row - 1)].button;
            if (!moved && !button) {
                continue;  // a title
            }
            if (!moved) {
                return refusal + QStringLiteral("„%1“ u %2 není %3.")
                                     .arg(text, buttonText(column, cell, button),
                                          treble ? QStringLiteral("tón")
                                                 : QStringLiteral("bas, který program zná"));
            }
            if (moved->isEmpty()) {
                return refusal +
                       QStringLiteral("tón %1 u %2 by vyšel mimo rozsah osnovy (c, až g4,).")
                           .arg(text, buttonText(column, cell, button));
            }
            changes.push_back({cell, *moved});
        }
    }
    for (const Change& change : changes) {
        sheet.setValue(change.cell, spreadsheet::CellValue(change.text));
    }
    return {};
}

}  // namespace tunings
