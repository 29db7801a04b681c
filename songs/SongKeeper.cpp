#include "SongKeeper.h"

#include "SongOpening.h"
#include "services/Dialogs.h"
#include "services/SpreadsheetConnection.h"
#include "spreadsheet/SpreadsheetError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>

namespace songs {

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

QString whyCannotSave(const QString& path) {
    const QFileInfo song(path);
    if (QStorageInfo(song.absolutePath()).isReadOnly()) {
        return QStringLiteral("disk, na kterém leží, je jen pro čtení.");
    }
    // Opened for writing, not written: the file stays as it is.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return QStringLiteral("soubor je chráněn proti zápisu.");
    }
    file.close();
    // A save writes a new file beside the song and puts it in the song's place.
    QTemporaryFile probe(song.absoluteDir().filePath(QStringLiteral(".mechik-XXXXXX")));
    if (!probe.open()) {
        return QStringLiteral("do složky %1 nelze zapisovat.").arg(native(song.absolutePath()));
    }
    return {};
}

SongKeeper::SongKeeper(services::SpreadsheetConnection& connection, services::Dialogs& dialogs)
    : connection_(connection), dialogs_(dialogs) {}

void SongKeeper::tellOnce(const QString& songPath, const QString& title, const QString& text) {
    if (told_.contains(songPath)) {
        return;
    }
    told_.insert(songPath);
    dialogs_.message(title, text, services::MessageIcon::Exclamation);
}

void SongKeeper::afterCommand() {
    auto* host = connection_.SpreadsheetApplication.get();
    spreadsheet::WorkbookRef song;
    try {
        if (host && host->isRunning() && !connection_.SongWorkbookName.isEmpty()) {
            song = host->workbook(connection_.SongWorkbookName);
        }
    } catch (const spreadsheet::SpreadsheetError&) {
    }
    if (!song || song.path().isEmpty()) {
        lock_.release();
        return;
    }
    const QString path = song.path();
    lock_.acquire(path);
    if (!song.hasUnsavedChanges()) {
        return;
    }
    try {
        song.save();
    } catch (const spreadsheet::SpreadsheetError& error) {
        tellOnce(path, QStringLiteral("Píseň nelze průběžně ukládat."),
                 error.description() +
                     QStringLiteral("\r\nZměny zůstávají v programu. Mechík je zkusí uložit znovu "
                                    "při každé další změně a při ukončení písně."));
    }
}

void SongKeeper::songOpened() {
    const QString path = connection_.SpreadsheetApplication->activeWorkbook().path();
    const QString problem = whyCannotSave(path);
    if (problem.isEmpty()) {
        return;
    }
    tellOnce(path, QStringLiteral("Píseň nelze ukládat."),
             QStringLiteral("Do písně %1 nelze ukládat: ").arg(native(path)) + problem +
                 QStringLiteral("\r\nPíseň si můžete prohlížet a přehrávat. Změny, které v ní "
                                "uděláte, zůstanou jen v programu; při ukončení písně Vám Mechík "
                                "nabídne uložit ji jako kopii jinam."));
}

bool SongKeeper::saveBeforeClosing(bool quitting) {
    try {
        connection_.SpreadsheetApplication->activeWorkbook().save();
        return true;
    } catch (const spreadsheet::SpreadsheetError& error) {
        if (error.number() != spreadsheet::FileOrCellOperation) {
            throw;
        }
        // The player now knows that it cannot be saved: no second word about it afterwards.
        told_.insert(connection_.SpreadsheetApplication->activeWorkbook().path());
        return offerCopy(error.description(), quitting);
    }
}

bool SongKeeper::offerCopy(const QString& reason, bool quitting) {
    auto& host = *connection_.SpreadsheetApplication;
    const services::MessageAnswer answer = dialogs_.message(
        QStringLiteral("Píseň nelze uložit."),
        reason + QStringLiteral("\r\n\r\nAno: uložit píseň jako kopii do jiného souboru.\r\nNe: ") +
            (quitting ? QStringLiteral("ukončit program") : QStringLiteral("ukončit píseň")) +
            QStringLiteral(" bez uložení změn.\r\nStorno: vrátit se k písni."),
        services::MessageIcon::Exclamation, services::MessageButtons::YesNoCancel);
    if (answer == services::MessageAnswer::No) {
        return true;
    }
    if (answer != services::MessageAnswer::Yes) {
        return false;
    }
    try {
        const QString name = host.activeWorkbook().name();
        const auto chosen = host.getSaveAsFilename(QDir(connection_.WorkingFolder).filePath(name),
                                                   QStringLiteral("Excel Files,*.xls"),
                                                   QStringLiteral("Uložit kopii písně"));
        if (!chosen || isOpenElsewhere(dialogs_, *chosen)) {
            return false;
        }
        host.activeWorkbook().saveAs(*chosen);
        return true;
    } catch (const spreadsheet::SpreadsheetError& error) {
        dialogs_.message(QStringLiteral("Kopii nelze uložit."), error.description(),
                         services::MessageIcon::Exclamation);
        return false;
    }
}

}  // namespace songs
