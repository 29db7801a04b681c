#pragma once

#include <QPixmap>

// The note head, sharp and flat pictures, drawn so that a sharp 110 twips and a flat 140 twips
// above a note's Top stand level with its head, which lies 40 twips below the Top.
namespace views {

inline constexpr int NoteWidth = 180, NoteHeight = 90;
inline constexpr int SharpWidth = 150, SharpHeight = 300;
inline constexpr int FlatWidth = 150, FlatHeight = 270;

QPixmap notePicture(const QColor& colour);
QPixmap sharpPicture(const QColor& colour);
QPixmap flatPicture(const QColor& colour);

}  // namespace views
