#pragma once

#include <QString>

namespace spreadsheet {
class Application;
}

// Where a grip lives in a song sheet: one row per grip, the cursor in column B. Every reader
// and writer reaches the row's cells by these offsets from column B, so no other code spells
// a column of its own.
namespace songs {

inline constexpr int SyllableOffset = -1;  // A: the lyrics sung to the grip
inline constexpr int TrebleColumns = 7;    // B..H, packed from B
inline constexpr int DirectionOffset = 7;  // I: "Tlak" or "Tah"
inline constexpr int TrebleLineCells = 9;  // B..J, shown as the treble line
inline constexpr int BassOffset = 11;      // M: the first bass
inline constexpr int BassColumns = 7;      // M..S
inline constexpr int BassLineCells = 9;    // M..U, shown as the bass line
inline constexpr int GripColumn = 2;       // B

inline const QString Push = QStringLiteral("Tlak");
inline const QString Pull = QStringLiteral("Tah");

// Selects column B of the active cell's row: the current grip.
void SelectGripCell(spreadsheet::Application& host);

}  // namespace songs
