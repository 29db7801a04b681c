// Any bytes as a melody file of any kind, compressed scores included: read or refused with
// ImportError. Reaches the archive reader, which the other melody fuzzers do not.
#include "melody/ImportError.h"
#include "melody/MelodyFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        melody::readMelodyBytes(bytes, QStringLiteral("fuzz.mxl"));
    } catch (const melody::ImportError&) {
    }
    return 0;
}
