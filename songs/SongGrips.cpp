#include "SongGrips.h"

#include "SongLayout.h"
#include "spreadsheet/Sheet.h"

namespace songs {

namespace {

constexpr int SyllableColumn = GripColumn + SyllableOffset;
constexpr int DirectionColumn = GripColumn + DirectionOffset;
constexpr int FirstBassColumn = GripColumn + BassOffset;

std::optional<tones::Bellows> bellowsOf(const QString& word) {
    if (word == Push) {
        return tones::Bellows::Push;
    }
    if (word == Pull) {
        return tones::Bellows::Pull;
    }
    return std::nullopt;
}

QStringList packedCells(const spreadsheet::Sheet& sheet, int row, int firstColumn, int count) {
    QStringList cells;
    for (int column = firstColumn; column < firstColumn + count; ++column) {
        const QString text = sheet.value({row, column}).text();
        if (text.isEmpty()) {
            break;
        }
        cells << text;
    }
    return cells;
}

}  // namespace

int lastGripRow(const spreadsheet::Sheet& sheet) {
    int last = 0;
    sheet.forEachCell([&last](spreadsheet::CellAddress cell, const spreadsheet::CellValue& value) {
        if (cell.column == DirectionColumn && bellowsOf(value.text())) {
            last = cell.row;
        }
    });
    return last;
}

SongGrip readSongGrip(const spreadsheet::Sheet& sheet, int row) {
    SongGrip grip;
    grip.row = row;
    grip.syllable = sheet.value({row, SyllableColumn}).text();
    grip.treble = packedCells(sheet, row, GripColumn, TrebleColumns);
    grip.bellows = bellowsOf(sheet.value({row, DirectionColumn}).text());
    grip.basses = packedCells(sheet, row, FirstBassColumn, BassColumns);
    return grip;
}

std::vector<SongGrip> readSongGrips(const spreadsheet::Sheet& sheet) {
    const int last = lastGripRow(sheet);
    std::vector<SongGrip> grips;
    grips.reserve(static_cast<size_t>(last));
    for (int row = 1; row <= last; ++row) {
        grips.push_back(readSongGrip(sheet, row));
    }
    return grips;
}

}  // namespace songs
