#include "SongName.h"

#include <QStringList>

namespace songs {

namespace {

// Most file systems take 255 bytes for a name; the name gets ".xls" and may get " " plus a
// tuning when the song is converted.
constexpr int MaxNameBytes = 200;

bool isReservedDeviceName(const QString& name) {
    static const QStringList reserved{
        "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
        "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    const QString stem = name.section(u'.', 0, 0).trimmed().toUpper();
    return reserved.contains(stem);
}

}  // namespace

QString songNameProblem(const QString& name) {
    const QString intro = QStringLiteral("Název „%1“ nelze použít: ").arg(name);
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringView(u"<>:\"/\\|?*").contains(c)) {
            return intro + QStringLiteral(
                               "název písničky nesmí obsahovat znaky < > : \" / \\ | ? * "
                               "ani řídicí znaky.");
        }
    }
    if (name.trimmed() == QStringLiteral(".") || name.trimmed() == QStringLiteral("..")) {
        return intro + QStringLiteral("to není název souboru.");
    }
    if (name.endsWith(u'.') || name.endsWith(u' ') || name.startsWith(u' ')) {
        return intro +
               QStringLiteral("název nesmí začínat mezerou ani končit tečkou nebo mezerou.");
    }
    if (isReservedDeviceName(name)) {
        return intro + QStringLiteral("tento název si vyhrazuje operační systém.");
    }
    if (name.toUtf8().size() > MaxNameBytes) {
        return intro + QStringLiteral("název je příliš dlouhý.");
    }
    return {};
}

}  // namespace songs
