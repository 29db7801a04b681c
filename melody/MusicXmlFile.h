#pragma once

#include "Melody.h"

#include <QByteArray>
#include <QString>

namespace melody {

// The melody of an uncompressed MusicXML score (partwise or timewise): the first part, all its
// voices, at sounding pitch. Notes that start at the same time form one chord; the continuation
// of a tie starts nothing, grace and cue notes and rests are left out, repeats are read as
// written. A chord's syllable is the first lyric of its first note. A document that declares
// entities is refused, so no expansion can blow up. Anything malformed throws ImportError
// naming `fileName`.
Melody readMusicXmlMelody(const QByteArray& bytes, const QString& fileName);

}  // namespace melody
