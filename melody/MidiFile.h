#pragma once

#include "Melody.h"

#include <QByteArray>
#include <QString>

namespace melody {

// The melody of a Standard MIDI File, format 0 or 1: of the (track, channel) pairs that hold
// notes, drums on channel 10 left out, the one with the highest average pitch. Its notes that
// start on the same tick form one chord. Anything malformed throws ImportError naming
// `fileName`; the reader never trusts a length or count the file gives.
Melody readMidiMelody(const QByteArray& bytes, const QString& fileName);

}  // namespace melody
