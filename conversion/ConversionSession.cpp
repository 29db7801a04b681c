#include "ConversionSession.h"

#include "services/CommonMessages.h"
#include "services/Contact.h"
#include "services/SpreadsheetConnection.h"
#include "services/SpreadsheetStart.h"
#include "songs/CopyForUnkeptParts.h"
#include "songs/SongOpening.h"
#include "spreadsheet/SpreadsheetError.h"

namespace conversion {

ConversionSession::ConversionSession(services::SpreadsheetConnection& connection,
                                     services::Dialogs& dialogs)
    : connection_(connection), dialogs_(dialogs) {}

void ConversionSession::load() {
    if (!connection_.ActivateSongWindow()) {
        return;
    }
    auto& host = *connection_.SpreadsheetApplication;
    // The song's own tuning is the source, whichever tuning the database shows now: a
    // converted copy that is converted again must not be read in its source's tuning.
    sourceTuning_ = host.activeSheet().name();
    host.activateWindow(connection_.TuningWorkbookName);
    if (fillTargets()) {
        sourceSong_ = connection_.SongWorkbookName;
    } else {
        refused_ = true;
    }
    host.activateWindow(connection_.SongWorkbookName);
    songWasOpen = true;
}

bool ConversionSession::fillTargets() {
    auto& host = *connection_.SpreadsheetApplication;
    try {
        host.sheet(sourceTuning_).select();
        for (const QString& name : services::tuningSheetNames(connection_, sourceTuning_)) {
            if (name != sourceTuning_) {
                targets_ << name;
            }
        }
        return true;
    } catch (const spreadsheet::SpreadsheetError& error) {
        if (error.number() != spreadsheet::SubscriptOutOfRange) {
            services::showUnexpectedError(dialogs_, error.number());
            return false;
        }
        dialogs_.message(
            QStringLiteral("Předčasné přerušení konverze."),
            sourceTuning_ +
                QStringLiteral(" nenalezeno v seznamu podporovaných ladění. Tato chyba může mít "
                               "následující příčiny a řešení: Soubor ze kterého se snažíte "
                               "konvertovat byl vytvořen ve starší verzi Mechíka, která již není "
                               "touto verzí podporována. Obraťte se s žádostí o pomoc na ") +
                services::ContactLine +
                QStringLiteral("\r\nOtevřeli jste soubor nekompatibilní s datovými soubory "
                               "Mechíka. Zkuste to znovu se správným zdrojovým souborem !\r\nU "
                               "zdrojové písně byl v minulosti změněn název listu. Takové "
                               "operace nejsou povoleny. Pokud je soubor jinak v pořádku, "
                               "pokuste se přejmenovat list na původní název tj. přesné zadání "
                               "původního ladění shodné s názvem jednoho z listů v souboru "
                               "Vezar.xls !"),
            services::MessageIcon::Critical);
        return false;
    }
}

void ConversionSession::chooseSource() {
    auto& host = *connection_.SpreadsheetApplication;
    const auto chosen = host.getOpenFilename(QStringLiteral("Excel Files,*.xls"),
                                             QStringLiteral("Vyberte písničku, kterou chcete "
                                                            "konvertovat !"));
    // A file that cannot be a song is refused as "Otevřít" refuses it; another can be picked.
    if (chosen && songs::openAsSong(connection_, dialogs_, *chosen) &&
        (sourceOnlyRead || songs::continueInCopyIfNeeded(host, dialogs_))) {
        connection_.SongWorkbookName = host.activeWorkbook().name();
        sourceTuning_ = host.activeSheet().name();
        if (connection_.ActivateTuningWindow(dialogs_)) {
            if (fillTargets()) {
                host.activateWindow(connection_.SongWorkbookName);
                sourceSong_ = connection_.SongWorkbookName;
            } else if (connection_.ActivateSongWindow()) {
                host.activeWorkbook().save();
                host.activeWorkbook().close();
            }
        }
    }
}

ConversionRun::Outcome ConversionSession::go(const QString& target) {
    ConversionRun run(connection_, dialogs_, numbering);
    const auto outcome = run.cmdGo_Click(target, sourceTuning_, songWasOpen);
    if (outcome == ConversionRun::Outcome::Converted && onConverted) {
        onConverted(
            connection_.SpreadsheetApplication->workbook(connection_.SongWorkbookName).path());
    }
    return outcome;
}

void ConversionSession::unload() {
    auto& host = *connection_.SpreadsheetApplication;
    try {
        host.setVisible(true);
        if (songWasOpen) {
            host.activeWorkbook().save();
        } else if (connection_.ActivateSongWindow()) {
            host.activeWorkbook().save();
            host.activeWorkbook().close();
        }
    } catch (const spreadsheet::SpreadsheetError& error) {
        if (error.number() == spreadsheet::ObjectGone) {
            services::showSaveFailedHostGone(dialogs_);
        } else {
            services::showUnexpectedError(dialogs_, error.number());
        }
    }
    songWasOpen = false;
}

}  // namespace conversion
