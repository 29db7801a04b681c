#include "ConversionRun.h"

#include "app/CommonMessages.h"
#include "app/SpreadsheetConnection.h"
#include "songs/SongLayout.h"
#include "songs/SongOpening.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/ToneLookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace conversion {

namespace {

const QString Unfinished = QStringLiteral(" Nedokončeno");
constexpr int MaxSheetName = 31;

}  // namespace

ConversionRun::ConversionRun(app::SpreadsheetConnection& connection, app::Dialogs& dialogs)
    : connection_(connection), dialogs_(dialogs) {}

QString ConversionRun::copyPath(const QString& target) const {
    const QString& song = connection_.SongWorkbookName;
    const QString base = song.size() > 4 ? song.left(song.size() - 4) : song;
    return QDir(connection_.WorkingFolder).filePath(base + u' ' + target + QStringLiteral(".xls"));
}

void ConversionRun::stop(const QString& title, const QString& text) {
    dialogs_.message(title, text, app::MessageIcon::Critical);
    throw Stop{};
}

ConversionRun::Outcome ConversionRun::cmdGo_Click(const QString& target, const QString& source,
                                                  bool songWasOpen) {
    if (target.isEmpty()) {
        dialogs_.message(QStringLiteral("Do čeho budete převádět ?"),
                         songWasOpen ? QStringLiteral("Než začnete konverzi, musíte nejprve vybrat "
                                                      "cílové ladění.")
                                     : QStringLiteral("Než začnete konverzi, musíte nejprve vybrat "
                                                      "zdrojovou písničku a cílové ladění."),
                         app::MessageIcon::Exclamation);
        return Outcome::NoTarget;
    }
    if (!connection_.ActivateSongWindow()) {
        return Outcome::Closed;
    }
    // The unfinished copy's sheet name must be valid before anything is written.
    if ((target + Unfinished).size() > MaxSheetName) {
        dialogs_.message(QStringLiteral("Konverze nemožná."),
                         QStringLiteral("Název listu „%1“ by byl delší než 31 znaků, které sešit "
                                        "dovoluje. Zkraťte název ladění v souboru Vezar.xls.")
                             .arg(target + Unfinished),
                         app::MessageIcon::Critical);
        return Outcome::Failed;
    }
    auto& host = *connection_.SpreadsheetApplication;
    try {
        if (!makeCopy(target)) {
            return Outcome::Cancelled;
        }
        host.setVisible(false);
        connection_.SongWorkbookName = host.activeWorkbook().name();
        host.activeSheet().setName(target + Unfinished);
    } catch (const spreadsheet::SpreadsheetError& error) {
        // Saving, deleting or renaming failed: the source song on disk is as it was.
        dialogs_.message(QStringLiteral("Konverze přerušena."), error.description(),
                         app::MessageIcon::Critical);
        return Outcome::Failed;
    }
    try {
        selectSource(source);
        host.range(QStringLiteral("B1")).select();
        if (host.activeCell().value().isEmpty()) {
            stop(QStringLiteral("Přerušeno na začátku."),
                 QStringLiteral("Program nemá k dispozici očekávaná data. Konverze nebude "
                                "provedena. Smažte soubor ") +
                     connection_.SongWorkbookName +
                     QStringLiteral("\r\nEventuelně může být tento soubor použit pro ruční zápis "
                                    "v požadovaném ladění."));
        }
        convertRows(target);
        host.activeSheet().setName(target);
        dialogs_.message(QStringLiteral("Hotovo."),
                         QStringLiteral("Konverze do ladění ") + target +
                             QStringLiteral(" úspěšně dokončena."),
                         app::MessageIcon::Information);
        return Outcome::Converted;
    } catch (const Stop&) {
        return Outcome::Failed;
    } catch (const spreadsheet::SpreadsheetError& error) {
        app::showUnexpectedError(dialogs_, error.number());
        return Outcome::Failed;
    }
}

// The sheet of the source tuning is the one searched, whatever sheet of the tuning database the
// player last looked at.
void ConversionRun::selectSource(const QString& source) {
    auto& host = *connection_.SpreadsheetApplication;
    host.activateWindow(connection_.TuningWorkbookName);
    host.sheet(source).select();
    host.activateWindow(connection_.SongWorkbookName);
}

// The source is saved in place, then saved as the copy, which stays open as the song. The copy
// goes to the working folder by its full path, whatever another running program has made the
// host's default folder meanwhile.
bool ConversionRun::makeCopy(const QString& target) {
    auto& host = *connection_.SpreadsheetApplication;
    const QString& song = connection_.SongWorkbookName;
    const QString path = copyPath(target);
    if (songs::isOpenElsewhere(dialogs_, path)) {
        return false;
    }
    if (song.size() <= 4) {
        host.activeWorkbook().saveAs(path);
        return true;
    }
    if (QFileInfo::exists(path)) {
        if (dialogs_.message(QStringLiteral("Dotaz"),
                             QStringLiteral("Soubor již existuje. Přejete si ho vymazat a "
                                            "nahradit novým ?"),
                             app::MessageIcon::None,
                             app::MessageButtons::OkCancel) != app::MessageAnswer::Ok) {
            dialogs_.message(QStringLiteral("Storno převodu."),
                             QStringLiteral("Zpracování zrušeno uživatelem."),
                             app::MessageIcon::Information);
            return false;
        }
        if (!QFile::remove(path)) {
            throw spreadsheet::SpreadsheetError(
                spreadsheet::FileOrCellOperation,
                QStringLiteral("Soubor %1 nelze smazat.").arg(QDir::toNativeSeparators(path)));
        }
    }
    host.activeWorkbook().save();
    host.activeWorkbook().saveAs(path);
    return true;
}

void ConversionRun::convertRows(const QString& target) {
    auto& host = *connection_.SpreadsheetApplication;
    while (!host.activeCell().value().isEmpty()) {
        const QString direction = host.activeCell().offset(0, songs::DirectionOffset).text();
        for (int i = 0; i < songs::TrebleColumns; ++i) {
            convertCell(direction, target, false);
            if (host.activeCell().value().isEmpty()) {
                break;
            }
        }
        ConvertBassRow(direction, target);
        if (host.activeCell().row() == spreadsheet::MaxRows) {
            break;  // the sheet's last row: the song ends with it
        }
        host.activeCell().offset(1, 0).select();
        songs::SelectGripCell(host);
    }
}

void ConversionRun::ConvertBassRow(const QString& direction, const QString& target) {
    auto& host = *connection_.SpreadsheetApplication;
    host.range(QStringLiteral("M%1").arg(host.activeCell().row())).select();
    for (int i = 0; i < songs::BassColumns; ++i) {
        convertCell(direction, target, true);
        if (host.activeCell().value().isEmpty()) {
            break;
        }
    }
}

// One song cell: found whole in the source tuning's column for the direction, replaced by the
// cell of the same address in the target tuning; the cursor moves one cell right. An empty
// cell stays empty.
void ConversionRun::convertCell(const QString& direction, const QString& target, bool bass) {
    auto& host = *connection_.SpreadsheetApplication;
    const QString tone = host.activeCell().text();
    if (tone.isEmpty()) {
        host.activeCell().offset(0, 1).select();
        return;
    }
    host.activateWindow(connection_.TuningWorkbookName);
    QString area;
    if (direction == songs::Push) {
        area = bass ? QStringLiteral("F1:F17") : QStringLiteral("B1:B43");
    } else if (direction == songs::Pull) {
        area = bass ? QStringLiteral("G1:G17") : QStringLiteral("C1:C43");
    } else if (bass) {
        stop(QStringLiteral("Neočekávaná chyba."),
             QStringLiteral("Chybí záznam o směru tahu měchu. Konverze basů do jiného ladění bude "
                            "předčasně ukončena."));
    } else {
        stop(QStringLiteral("Chyba v datovém souboru."),
             QStringLiteral("Chybí záznam o směru tahu měchu. Konverze do jiného ladění bude "
                            "předčasně ukončena."));
    }
    host.range(area).select();
    const spreadsheet::Range found = tones::findWholeCell(host, tone);
    if (!found) {
        host.activateWindow(connection_.SongWorkbookName);
        stop(QStringLiteral("Tón nebyl nalezen."),
             tone + QStringLiteral(" nenalezeno. Sloupce B až H edituje Mechík. Pokud do nich "
                                   "přesto ručně zadáte hodnotu, která není syntakticky správně, "
                                   "nebo obsahuje ve zdrojovém ladění neexistující tón, může "
                                   "nastat tato chyba !!!"));
    }
    const QString converted =
        host.activeWorkbook().sheet(target).range(found.address()).text();
    host.activateWindow(connection_.SongWorkbookName);
    host.activeCell().setValue(spreadsheet::CellValue(converted));
    host.activeCell().offset(0, 1).select();
}

}  // namespace conversion
