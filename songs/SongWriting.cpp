#include "SongWriting.h"

#include "SongLayout.h"
#include "spreadsheet/Sheet.h"
#include "spreadsheet/xls/XlsFile.h"

namespace songs {

namespace {

void writeCells(spreadsheet::Sheet& sheet, int row, int firstColumn, const QStringList& texts,
                int columns) {
    for (int i = 0; i < texts.size() && i < columns; ++i) {
        sheet.setValue({row, firstColumn + i}, spreadsheet::CellValue(texts[i]));
    }
}

}  // namespace

spreadsheet::Sheet songSheetOf(const QString& tuning, const std::vector<SongGrip>& grips) {
    spreadsheet::Sheet sheet(tuning);
    int row = 0;
    for (const SongGrip& grip : grips) {
        ++row;
        if (!grip.syllable.isEmpty()) {
            sheet.setValue({row, GripColumn + SyllableOffset},
                           spreadsheet::CellValue(grip.syllable));
        }
        writeCells(sheet, row, GripColumn, grip.treble, TrebleColumns);
        if (grip.bellows) {
            sheet.setValue(
                {row, GripColumn + DirectionOffset},
                spreadsheet::CellValue(*grip.bellows == tones::Bellows::Push ? Push : Pull));
        }
        writeCells(sheet, row, GripColumn + BassOffset, grip.basses, BassColumns);
    }
    const spreadsheet::CellAddress firstGrip{1, GripColumn};
    sheet.setSelection(spreadsheet::CellRect::single(firstGrip), firstGrip);
    return sheet;
}

void writeSongFile(const QString& path, const QString& tuning, const std::vector<SongGrip>& grips) {
    const spreadsheet::Sheet sheet = songSheetOf(tuning, grips);
    spreadsheet::xls::writeXlsFile(path, {&sheet}, 0);
}

}  // namespace songs
