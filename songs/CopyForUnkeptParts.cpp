#include "CopyForUnkeptParts.h"

#include "services/CommonMessages.h"
#include "services/Dialogs.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/SpreadsheetError.h"

#include <QDir>
#include <QFileInfo>

namespace songs {

QString copyPathFor(const QString& original) {
    const QFileInfo file(original);
    const QDir folder = file.absoluteDir();
    const QString base = file.completeBaseName() + QStringLiteral(" – kopie");
    QString path = folder.filePath(base + QStringLiteral(".xls"));
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = folder.filePath(base + QStringLiteral(" (%1).xls").arg(n));
    }
    return path;
}

bool continueInCopyIfNeeded(spreadsheet::Application& host, services::Dialogs& dialogs) {
    const auto workbook = host.activeWorkbook();
    const spreadsheet::UnkeptParts unkept = workbook.unkeptParts();
    if (!unkept.any()) {
        return true;
    }
    const QString name = workbook.name();
    const QString copy = copyPathFor(workbook.fullName());
    const auto answer = dialogs.message(
        QStringLiteral("Uložení do kopie"),
        QStringLiteral("Sešit %1 obsahuje %2, které Mechík neumí uložit.\r\nAby se neztratily, "
                       "zůstane soubor %1 beze změny a píseň se bude ukládat do kopie „%3“ ve "
                       "stejné složce. Kopie tyto části mít nebude.\r\n\r\nOtevřít píseň a "
                       "pracovat v kopii?")
            .arg(name, spreadsheet::describeInCzech(unkept), QFileInfo(copy).fileName()),
        services::MessageIcon::Exclamation, services::MessageButtons::YesNo);
    if (answer != services::MessageAnswer::Yes) {
        workbook.close();
        return false;
    }
    try {
        workbook.saveAs(copy);
    } catch (const spreadsheet::SpreadsheetError& error) {
        dialogs.message(services::CannotOpenSong, error.description(),
                        services::MessageIcon::Exclamation);
        workbook.close();
        return false;
    }
    return true;
}

}  // namespace songs
