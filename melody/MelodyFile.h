#pragma once

#include "Melody.h"

#include <QByteArray>
#include <QString>

namespace melody {

// A melody file may be this large; real ones are far smaller.
inline constexpr qint64 MaxMelodyFileBytes = 32 * 1024 * 1024;

// The melody of a MIDI file (format 0 or 1), a MusicXML score or a compressed MusicXML score
// (.mxl), told apart by their contents. Throws ImportError with the player's message for a file
// that cannot be read, is of none of these kinds, is damaged or holds no notes.
Melody readMelodyFile(const QString& path);
// The same for a file's contents; `path` only names the file in messages.
Melody readMelodyBytes(const QByteArray& bytes, const QString& path);

}  // namespace melody
