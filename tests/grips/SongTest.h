#pragma once

#include "grips/Said.h"
#include "support/SongFixture.h"

// A song open in G-C-F, its rows written and read as compactly as a player names its cells.
class SongTest : public testing_support::SongFixture {
protected:
    // Fills cells written as "B1=c1, I1=Tlak M1=(C)"; "I2=" writes an empty text.
    void putCells(const QString& cells) {
        for (const QString& cell : cells.split(u' ', Qt::SkipEmptyParts)) {
            put(cell.section(u'=', 0, 0), cell.section(u'=', 1));
        }
    }
    // The filled cells of a grip's row as putCells writes them: treble B..I, basses M..T.
    QString row(int number) {
        QStringList cells;
        for (int column = 2; column <= 20; ++column) {
            const QString address = spreadsheet::CellAddress{number, column}.toA1();
            const QString text = column <= 9 || column >= 13 ? cell(address) : QString();
            if (!text.isEmpty()) {
                cells << address + u'=' + text;
            }
        }
        return cells.join(u' ');
    }
    QString cursor() { return host().activeCell().address(); }
};
