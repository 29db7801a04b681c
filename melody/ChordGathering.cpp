#include "ChordGathering.h"

#include <QDir>

namespace melody {

QString tooLongMessage(const QString& fileName) {
    return QStringLiteral("Melodie v souboru %1 je příliš dlouhá: píseň pojme nejvýše %2 hmatů.")
        .arg(QDir::toNativeSeparators(fileName))
        .arg(MaxChords);
}

}  // namespace melody
