#include "Soundfont.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace sound {

QString generalMidiSoundfont() {
    QStringList folders;
    if (QCoreApplication::instance()) {
        folders << QCoreApplication::applicationDirPath();
    }
    folders << QStringLiteral("/usr/share/sounds/sf2");
    for (const char* name : {"FluidR3_GM.sf2", "TimGM6mb.sf2"}) {
        for (const QString& folder : folders) {
            const QString path = QDir(folder).filePath(QString::fromLatin1(name));
            if (QFileInfo::exists(path)) {
                return path;
            }
        }
    }
    return {};
}

QString missingSoundfontReason() {
    return QStringLiteral(
        "chybí zvuková banka General MIDI (FluidR3_GM.sf2 nebo TimGM6mb.sf2; "
        "v Debianu balíček fluid-soundfont-gm).");
}

}  // namespace sound
