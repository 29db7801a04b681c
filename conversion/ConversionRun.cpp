#include "ConversionRun.h"

#include "keyboard/KeyboardGeometry.h"
#include "services/CommonMessages.h"
#include "services/SpreadsheetConnection.h"
#include "songs/SongGrips.h"
#include "songs/SongLayout.h"
#include "songs/SongOpening.h"
#include "spreadsheet/Sheet.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/ToneLookup.h"
#include "tones/TuningSheetLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace conversion {

namespace {

const QString Unfinished = QStringLiteral(" Nedokončeno");
constexpr int MaxSheetName = 31;
// More grips than fit a message are counted, not listed.
constexpr int MaxListedLosses = 20;

// The number a tuning sheet gives a button, named as the player finds it on the keyboard.
QString buttonName(int number, bool bass, keyboard::Numbering numbering) {
    if (bass) {
        return number >= 1 && number <= keyboard::BassButtonCount
                   ? keyboard::bassButtonName(number)
                   : QStringLiteral("basový knoflík %1").arg(number);
    }
    return number >= 1 && number <= keyboard::TrebleButtonCount
               ? keyboard::trebleButtonName(number, numbering)
               : QStringLiteral("knoflík %1").arg(number);
}

}  // namespace

QString convertedCopyPath(const QString& workingFolder, const QString& songWorkbook,
                          const QString& target) {
    const QString base =
        songWorkbook.size() > 4 ? songWorkbook.left(songWorkbook.size() - 4) : songWorkbook;
    return QDir(workingFolder).filePath(base + u' ' + target + QStringLiteral(".xls"));
}

ConversionRun::ConversionRun(services::SpreadsheetConnection& connection,
                             services::Dialogs& dialogs, keyboard::Numbering numbering)
    : connection_(connection), dialogs_(dialogs), numbering_(numbering) {}

QString ConversionRun::copyPath(const QString& target) const {
    return convertedCopyPath(connection_.WorkingFolder, connection_.SongWorkbookName, target);
}

void ConversionRun::stop(const QString& title, const QString& text) {
    dialogs_.message(title, text, services::MessageIcon::Critical);
    throw Stop{};
}

ConversionRun::Outcome ConversionRun::cmdGo_Click(const QString& target, const QString& source,
                                                  bool songWasOpen) {
    if (target.isEmpty()) {
        dialogs_.message(QStringLiteral("Do čeho budete převádět ?"),
                         QStringLiteral("Než začnete konverzi, musíte nejprve vybrat ") +
                             (songWasOpen ? QStringLiteral("cílové ladění.")
                                          : QStringLiteral("zdrojovou písničku a cílové ladění.")),
                         services::MessageIcon::Exclamation);
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
                         services::MessageIcon::Critical);
        return Outcome::Failed;
    }
    if (songs::isOpenElsewhere(dialogs_, copyPath(target))) {
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
                         services::MessageIcon::Critical);
        return Outcome::Failed;
    }
    try {
        selectSource(source);
        // Bass-only grips and rows left empty inside the song do not end it: only a sheet
        // without any direction word holds nothing to convert.
        if (songs::lastGripRow(*host.activeSheet().contents()) == 0) {
            stop(QStringLiteral("Přerušeno na začátku."),
                 QStringLiteral("Program nemá k dispozici očekávaná data. Konverze nebude "
                                "provedena. Smažte soubor ") +
                     connection_.SongWorkbookName +
                     QStringLiteral("\r\nEventuelně může být tento soubor použit pro ruční zápis "
                                    "v požadovaném ladění."));
        }
        convertRows(target);
        host.activeSheet().setName(target);
        dialogs_.message(QStringLiteral("Hotovo."), successText(target),
                         lost_.empty() ? services::MessageIcon::Information
                                       : services::MessageIcon::Exclamation);
        return Outcome::Converted;
    } catch (const Stop&) {
        return Outcome::Failed;
    } catch (const spreadsheet::SpreadsheetError& error) {
        services::showUnexpectedError(dialogs_, error.number());
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
    if (song.size() <= 4) {
        host.activeWorkbook().saveAs(path);
        return true;
    }
    if (QFileInfo::exists(path)) {
        if (dialogs_.message(QStringLiteral("Dotaz"),
                             QStringLiteral("Soubor již existuje. Přejete si ho vymazat a "
                                            "nahradit novým ?"),
                             services::MessageIcon::None,
                             services::MessageButtons::OkCancel) != services::MessageAnswer::Ok) {
            dialogs_.message(QStringLiteral("Storno převodu."),
                             QStringLiteral("Zpracování zrušeno uživatelem."),
                             services::MessageIcon::Information);
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

QString ConversionRun::successText(const QString& target) const {
    if (lost_.empty()) {
        return QStringLiteral("Konverze do ladění ") + target +
               QStringLiteral(" úspěšně dokončena.");
    }
    QString text = QStringLiteral(
                       "Konverze do ladění %1 dokončena. Některé knoflíky nedávají v "
                       "ladění %1 žádný tón, a jejich tóny proto v těchto hmatech "
                       "chybí:")
                       .arg(target);
    QStringList lines;
    int grips = 0;
    int lastRow = 0;
    for (const LostTone& lost : lost_) {
        if (lost.row != lastRow) {
            lastRow = lost.row;
            if (++grips <= MaxListedLosses) {
                lines << QStringLiteral("hmat %1: ").arg(lost.row) + lost.button;
            }
        } else if (grips <= MaxListedLosses) {
            lines.back() += QStringLiteral(", ") + lost.button;
        }
    }
    text += QStringLiteral("\r\n") + lines.join(QStringLiteral("\r\n"));
    if (grips > MaxListedLosses) {
        text += QStringLiteral("\r\nDalších hmatů s chybějícím tónem: %1.")
                    .arg(grips - MaxListedLosses);
    }
    return text;
}

// Every grip up to the song's last direction word, bass-only grips too; and a row with tones
// but no direction word after it, which stops the run rather than stay in the old tuning.
void ConversionRun::convertRows(const QString& target) {
    auto& host = *connection_.SpreadsheetApplication;
    const auto sheet = host.activeSheet().contents();
    int last = songs::lastGripRow(*sheet);
    sheet->forEachCell([&last](spreadsheet::CellAddress cell, const spreadsheet::CellValue& value) {
        if ((cell.column == songs::GripColumn ||
             cell.column == songs::GripColumn + songs::BassOffset) &&
            !value.text().isEmpty()) {
            last = std::max(last, cell.row);
        }
    });
    host.range(QStringLiteral("B1")).select();
    for (int row = 1; row <= last; ++row) {
        convertRow(row, target);
    }
    // The copy is left where a player goes on writing: the row after the song.
    host.range(QStringLiteral("B%1").arg(std::min(last + 1, spreadsheet::MaxRows))).select();
}

// A row without a direction word is left as it is, unless it holds tones: those cannot be
// looked up, and the run stops.
void ConversionRun::convertRow(int row, const QString& target) {
    auto& host = *connection_.SpreadsheetApplication;
    const QString direction = host.range(QStringLiteral("I%1").arg(row)).text();
    if (direction != songs::Push && direction != songs::Pull) {
        if (!host.range(QStringLiteral("B%1").arg(row)).text().isEmpty()) {
            stop(QStringLiteral("Chyba v datovém souboru."),
                 QStringLiteral("Chybí záznam o směru tahu měchu. Konverze do jiného ladění bude "
                                "předčasně ukončena."));
        }
        if (!host.range(QStringLiteral("M%1").arg(row)).text().isEmpty()) {
            stop(QStringLiteral("Neočekávaná chyba."),
                 QStringLiteral("Chybí záznam o směru tahu měchu. Konverze basů do jiného ladění "
                                "bude předčasně ukončena."));
        }
        return;
    }
    convertCells(row, direction, target, false);
    convertCells(row, direction, target, true);
}

// The packed tones from B (or M) up to the first gap, each written as soon as it is converted;
// a tone the target tuning lacks is left out and the rest stay packed.
void ConversionRun::convertCells(int row, const QString& direction, const QString& target,
                                 bool bass) {
    auto& host = *connection_.SpreadsheetApplication;
    const QString first = (bass ? QStringLiteral("M%1") : QStringLiteral("B%1")).arg(row);
    const int count = bass ? songs::BassColumns : songs::TrebleColumns;
    int written = 0;
    int read = 0;
    for (; read < count; ++read) {
        const QString tone = host.range(first).offset(0, read).text();
        if (tone.isEmpty()) {
            break;
        }
        if (const auto converted = targetTone(tone, direction, target, bass, row)) {
            host.range(first).offset(0, written++).setValue(spreadsheet::CellValue(*converted));
        }
    }
    for (int column = written; column < read; ++column) {
        host.range(first).offset(0, column).clearContents();
    }
}

// The tone found whole in the source tuning's column for the direction, as the cell of the
// same address in the target tuning gives it; nothing when that cell is empty.
std::optional<QString> ConversionRun::targetTone(const QString& tone, const QString& direction,
                                                 const QString& target, bool bass, int row) {
    auto& host = *connection_.SpreadsheetApplication;
    host.activateWindow(connection_.TuningWorkbookName);
    const tones::KeyboardSide side = bass ? tones::KeyboardSide::Bass : tones::KeyboardSide::Treble;
    const tones::Bellows bellows =
        direction == songs::Push ? tones::Bellows::Push : tones::Bellows::Pull;
    host.range(tones::toneRange(side, bellows, tones::TuningReach::Converted)).select();
    const spreadsheet::Range found = tones::findWholeCell(host, tone);
    if (!found) {
        host.activateWindow(connection_.SongWorkbookName);
        stop(QStringLiteral("Tón nebyl nalezen."),
             tone + QStringLiteral(" nenalezeno. Sloupce B až H edituje Mechík. Pokud do nich "
                                   "přesto ručně zadáte hodnotu, která není syntakticky správně, "
                                   "nebo obsahuje ve zdrojovém ladění neexistující tón, může "
                                   "nastat tato chyba !!!"));
    }
    const QString converted = host.activeWorkbook().sheet(target).range(found.address()).text();
    const int button = found.offset(0, -tones::columnsBackToButton(side, bellows)).text().toInt();
    host.activateWindow(connection_.SongWorkbookName);
    if (converted.isEmpty()) {
        lost_.push_back({row, buttonName(button, bass, numbering_)});
        return std::nullopt;
    }
    return converted;
}

}  // namespace conversion
