#include "MelodyFile.h"

#include "ImportError.h"
#include "MidiFile.h"
#include "MusicXmlFile.h"
#include "MxlArchive.h"

#include <QDir>
#include <QFile>

namespace melody {

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// XML begins with '<', possibly after a byte order mark and blanks; UTF-16 as well.
bool looksLikeXml(const QByteArray& bytes) {
    for (const char c : bytes.left(1024)) {
        if (c == '<') {
            return true;
        }
        const bool markOrBlank = c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0' ||
                                 static_cast<unsigned char>(c) >= 0xEF;
        if (!markOrBlank) {
            return false;
        }
    }
    return false;
}

Melody readContents(const QByteArray& bytes, const QString& path) {
    if (bytes.startsWith("MThd")) {
        return readMidiMelody(bytes, path);
    }
    if (bytes.startsWith("PK\x03\x04")) {
        return readMusicXmlMelody(mxlScore(bytes, path), path);
    }
    if (looksLikeXml(bytes)) {
        return readMusicXmlMelody(bytes, path);
    }
    throw ImportError(
        QStringLiteral("Soubor %1 není MIDI ani MusicXML (.mid, .musicxml, .xml, .mxl).")
            .arg(native(path)));
}

}  // namespace

Melody readMelodyFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw ImportError(QStringLiteral("Soubor %1 nelze otevřít.").arg(native(path)));
    }
    const QByteArray bytes = file.read(MaxMelodyFileBytes + 1);
    if (bytes.size() > MaxMelodyFileBytes) {
        throw ImportError(QStringLiteral("Soubor %1 je na melodii příliš velký (nejvýše %2 MB).")
                              .arg(native(path))
                              .arg(MaxMelodyFileBytes / (1024 * 1024)));
    }
    if (file.error() != QFileDevice::NoError) {
        throw ImportError(QStringLiteral("Soubor %1 nelze přečíst.").arg(native(path)));
    }
    return readMelodyBytes(bytes, path);
}

Melody readMelodyBytes(const QByteArray& bytes, const QString& path) {
    Melody melody = readContents(bytes, path);
    if (melody.chords.empty()) {
        throw ImportError(QStringLiteral("Soubor %1 neobsahuje žádné noty.").arg(native(path)));
    }
    return melody;
}

}  // namespace melody
