// Any bytes as an uncompressed MusicXML score: a melody, fingered or refused with ImportError.
#include "MelodyFuzzTuning.h"

#include "melody/Fingering.h"
#include "melody/ImportError.h"
#include "melody/MusicXmlFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const melody::Melody melody =
            melody::readMusicXmlMelody(bytes, QStringLiteral("fuzz.musicxml"));
        melody::fingerMelody(melody, fuzzing::fuzzTuning());
    } catch (const melody::ImportError&) {
    }
    return 0;
}
