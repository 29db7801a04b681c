#include "SongOpening.h"

#include "SongLock.h"
#include "services/CommonMessages.h"
#include "services/Dialogs.h"
#include "services/SpreadsheetConnection.h"
#include "spreadsheet/SpreadsheetError.h"

#include <QDir>
#include <QFileInfo>

namespace songs {

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

bool isOpenElsewhere(services::Dialogs& dialogs, const QString& path) {
    const auto holder = SongLock::holderElsewhere(path);
    if (!holder) {
        return false;
    }
    dialogs.message(QStringLiteral("Píseň je otevřena jinde."),
                    QStringLiteral("Píseň %1 má právě otevřenou jiný spuštěný Mechík (počítač %2, "
                                   "proces %3). Aby si programy navzájem nepřepsaly zapsané "
                                   "hmaty, smí být píseň otevřena jen v jednom z nich. Ukončete "
                                   "ji nejprve tam.\r\nPokud tam otevřená není, smažte soubor %4.")
                        .arg(native(QFileInfo(path).absoluteFilePath()), holder->hostName)
                        .arg(holder->processId)
                        .arg(native(SongLock::lockPathOf(path))),
                    services::MessageIcon::Exclamation);
    return true;
}

bool openAsSong(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                const QString& path) {
    if (QFileInfo(path).fileName().compare(connection.TuningWorkbookName, Qt::CaseInsensitive) ==
        0) {
        dialogs.message(
            services::CannotOpenSong,
            QStringLiteral("Soubor %1 je databáze ladění, ne písnička.").arg(native(path)),
            services::MessageIcon::Exclamation);
        return false;
    }
    auto& host = *connection.SpreadsheetApplication;
    if (isOpenElsewhere(dialogs, host.resolveExistingPath(path))) {
        return false;
    }
    try {
        host.openWorkbook(path);
    } catch (const spreadsheet::SpreadsheetError& error) {
        dialogs.message(services::CannotOpenSong, error.description(),
                        services::MessageIcon::Exclamation);
        return false;
    }
    return true;
}

}  // namespace songs
