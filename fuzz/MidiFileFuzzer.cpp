// Any bytes as a MIDI file: a melody, fingered or refused with ImportError, nothing else; never
// a hang or unbounded memory.
#include "MelodyFuzzTuning.h"

#include "melody/Fingering.h"
#include "melody/ImportError.h"
#include "melody/MidiFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const melody::Melody melody = melody::readMidiMelody(bytes, QStringLiteral("fuzz.mid"));
        melody::fingerMelody(melody, fuzzing::fuzzTuning());
    } catch (const melody::ImportError&) {
    }
    return 0;
}
