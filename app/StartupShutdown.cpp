#include "StartupShutdown.h"

#include "services/CommonMessages.h"
#include "services/Contact.h"
#include "services/Dialogs.h"
#include "services/ProgramSettings.h"
#include "services/VbError.h"
#include "songs/SongKeeper.h"
#include "spreadsheet/SpreadsheetError.h"
#include "views/KeyboardModels.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

namespace app {

StartupShutdown::StartupShutdown(services::SpreadsheetConnection& connection,
                                 const services::ProgramEnvironment& environment,
                                 const views::Form1Controls& controls, const MenuActions& menu,
                                 views::KeyboardModels& models, services::ProgramSettings& settings,
                                 services::Dialogs& dialogs, spreadsheet::FileChooser* fileChooser,
                                 songs::SongKeeper& keeper)
    : connection_(connection),
      environment_(environment),
      c_(controls),
      menu_(menu),
      models_(models),
      settings_(settings),
      dialogs_(dialogs),
      fileChooser_(fileChooser),
      keeper_(keeper) {}

bool StartupShutdown::Form_Load() {
    try {
        StartSpreadsheet();
    } catch (const spreadsheet::SpreadsheetError& error) {
        dialogs_.message(QStringLiteral("Program nelze spustit."),
                         services::tuningDatabaseNotOpened(error.description()),
                         services::MessageIcon::Critical);
        return false;
    }
    menu_.mnuZnaceni[0]->setChecked(false);
    menu_.mnuZnaceni[1]->setChecked(false);
    try {
        readStoredChoices();
    } catch (const services::VbError& error) {
        dialogs_.message(QStringLiteral("Chyba při čtení z registru."),
                         QStringLiteral("V programu došlo k chybě číslo %1. Možná budete moci "
                                        "dále pokračovat. V případě problémů volejte ")
                                 .arg(error.number) +
                             services::ContactLine,
                         services::MessageIcon::Exclamation);
    }
    return true;
}

// A value that cannot be converted skips only its own assignment: a missing model takes over
// the numbering just read, and the first run starts from 0 for both.
void StartupShutdown::readStoredChoices() {
    int value = 0;
    auto assign = [&value](const QString& text) {
        try {
            value = services::toSmallNumber(text);
        } catch (const services::VbError& error) {
            if (error.number != services::TypeMismatch) {
                throw;
            }
        }
    };
    assign(settings_.index(services::ProgramSettings::Znaceni));
    if (value >= static_cast<int>(menu_.mnuZnaceni.size())) {
        throw services::VbError{services::NoSuchControlArrayElement};
    }
    menu_.mnuZnaceni[static_cast<size_t>(value)]->setChecked(true);
    if (value == 1) {
        models_.ApplyTrizoniaNumbering();
    }
    assign(settings_.index(services::ProgramSettings::TypHarm));
    applyStoredModel(value);
}

void StartupShutdown::applyStoredModel(int value) {
    switch (value) {
        case 0:
            menu_.mnu2Rady->setChecked(false);
            menu_.mnuModelClub->setChecked(false);
            break;
        case 1:
            menu_.mnuModelClub->setChecked(false);
            menu_.mnu2Rady->setChecked(true);
            models_.showTwoRowBarsAsDesigned();
            break;
        case 2:
            menu_.mnu2Rady->setChecked(false);
            menu_.mnuModelClub->setChecked(false);
            models_.ApplyClubModel();
            break;
        default:
            dialogs_.message(QStringLiteral("Chyba"), services::UnexpectedValue,
                             services::MessageIcon::Critical);
    }
}

void StartupShutdown::StartSpreadsheet() {
    services::startSpreadsheet(connection_, environment_, fileChooser_);
    c_.lblLadeni->setText(connection_.SpreadsheetApplication->activeSheet().name());
    FillTuningList();
}

void StartupShutdown::FillTuningList() {
    c_.Combo1->addItems(services::tuningSheetNames(connection_, c_.lblLadeni->text()));
    views::showInTuningList(c_.Combo1, c_.lblLadeni->text());
}

bool StartupShutdown::ShutDownSpreadsheet() {
    auto* host = connection_.SpreadsheetApplication.get();
    if (!host) {
        return true;
    }
    try {
        if (connection_.ActivateSongWindow() && !keeper_.saveBeforeClosing(true)) {
            return false;
        }
        host->quit();
    } catch (const spreadsheet::SpreadsheetError& error) {
        if (error.number() != spreadsheet::ObjectGone) {
            services::showUnexpectedError(dialogs_, error.number());
            return true;
        }
        dialogs_.message(QStringLiteral("Nestandardní ukončení."),
                         QStringLiteral("Nezavírejte příště prosím Excel ručně !\r\nAplikace si "
                                        "ho ovládá sama."),
                         services::MessageIcon::Exclamation);
    }
    host->setDefaultFilePath(connection_.SavedDefaultFilePath);
    connection_.SpreadsheetApplication.reset();
    return true;
}

}  // namespace app
