#include "frmKonverze.h"

#include "ConversionRun.h"
#include "services/CommandGuard.h"
#include "services/CommonMessages.h"
#include "services/Contact.h"
#include "services/SpreadsheetConnection.h"
#include "services/Twips.h"
#include "songs/CopyForUnkeptParts.h"
#include "songs/SongOpening.h"
#include "spreadsheet/SpreadsheetError.h"
#include "views/CaptionButton.h"
#include "views/WidgetPlacement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>

namespace conversion {

frmKonverze::frmKonverze(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                         QWidget& mainWindow, services::CommandGuard& guard)
    : connection_(connection), dialogs_(dialogs), mainWindow_(mainWindow), guard_(guard) {
    setWindowTitle(QStringLiteral("Konverze ladění."));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(services::twipsToPixels(7470), services::twipsToPixels(1680));
    views::useDesignFont(this);
    // lblKonec and cmdKonec lie under the controls they replace: created first.
    lblKonec = views::placeControl(
        new QLabel(QStringLiteral("Konverzi aktuálního souboru bohužel nelze "
                                  "provést. Zkuste jinou korektně zapsanou skladbu !"),
                   this),
        "lblKonec", 360, 240, 6975, 255);
    cmdKonec = views::placeControl(new views::CaptionButton(QStringLiteral("Konec"), this),
                                   "cmdKonec", 3120, 1200, 1215, 255);
    cmdVyberPisen = views::placeControl(
        new views::CaptionButton(QStringLiteral("Zde vyberte zdrojovou písničku."), this),
        "cmdVyberPisen", 120, 120, 7215, 375);
    Label1 = views::placeControl(new QLabel(QStringLiteral("Vyberte cílové ladění"), this),
                                 "Label1", 2640, 720, 1575, 255);
    Combo1 = views::placeControl(new QComboBox(this), "Combo1", 4320, 600, 3015, 315);
    cmdGo = views::placeControl(new views::CaptionButton(QStringLiteral("Provést"), this), "cmdGo",
                                2520, 1200, 2415, 375);
    lblLadeni = views::placeControl(new QLabel(this), "lblLadeni", 5160, 1200, 2175, 255);

    views::shrinkFontToFit(Label1, Label1->text());
    views::shrinkFontToFit(lblKonec, lblKonec->text());
    connect(cmdVyberPisen, &QPushButton::clicked, this,
            [this] { guard_.run([this] { cmdVyberPisen_Click(); }); });
    connect(cmdGo, &QPushButton::clicked, this, [this] { guard_.run([this] { cmdGo_Click(); }); });
    connect(cmdKonec, &QPushButton::clicked, this,
            [this] { guard_.run([this] { cmdKonec_Click(); }); });
}

void frmKonverze::hideConversionControls() {
    cmdVyberPisen->hide();
    cmdGo->hide();
    Label1->hide();
    Combo1->hide();
}

void frmKonverze::Form_Load() {
    if (connection_.ActivateSongWindow()) {
        auto& host = *connection_.SpreadsheetApplication;
        // The song's own tuning is the source, whichever tuning the database shows now: a
        // converted copy that is converted again must not be read in its source's tuning.
        lblLadeni->setText(host.activeSheet().name());
        host.activateWindow(connection_.TuningWorkbookName);
        if (FillTargetTunings()) {
            cmdVyberPisen->setText(connection_.SongWorkbookName);
            cmdVyberPisen->setEnabled(false);
        } else {
            hideConversionControls();
        }
        host.activateWindow(connection_.SongWorkbookName);
        SongWasOpen = true;
    }
}

bool frmKonverze::FillTargetTunings() {
    auto& host = *connection_.SpreadsheetApplication;
    const QString source = lblLadeni->text();
    try {
        host.sheet(source).select();
        host.sheet(1).select();
        const int count = host.sheetCount();
        for (;;) {
            if (host.activeSheet().name() != source) {
                Combo1->addItem(host.activeSheet().name());
            }
            if (host.activeSheet().index() == count) {
                break;
            }
            host.activeSheet().next().select();
        }
        host.sheet(source).select();
        // No target until the player picks one, so "Provést" cannot convert by accident.
        Combo1->setCurrentIndex(-1);
        return true;
    } catch (const spreadsheet::SpreadsheetError& error) {
        if (error.number() != spreadsheet::SubscriptOutOfRange) {
            services::showUnexpectedError(dialogs_, error.number());
            return false;
        }
        dialogs_.message(
            QStringLiteral("Předčasné přerušení konverze."),
            source +
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

void frmKonverze::cmdVyberPisen_Click() {
    auto& host = *connection_.SpreadsheetApplication;
    hide();
    const auto showAgain = qScopeGuard([this] { show(); });
    const auto chosen = host.getOpenFilename(QStringLiteral("Excel Files,*.xls"),
                                             QStringLiteral("Vyberte písničku, kterou chcete "
                                                            "konvertovat !"));
    // A file that cannot be a song is refused as "Otevřít" refuses it; another can be picked.
    if (chosen && songs::openAsSong(connection_, dialogs_, *chosen) &&
        (sourceOnlyRead || songs::continueInCopyIfNeeded(host, dialogs_))) {
        connection_.SongWorkbookName = host.activeWorkbook().name();
        lblLadeni->setText(host.activeSheet().name());
        if (connection_.ActivateTuningWindow(dialogs_)) {
            if (FillTargetTunings()) {
                host.activateWindow(connection_.SongWorkbookName);
                cmdVyberPisen->setText(connection_.SongWorkbookName);
                cmdVyberPisen->setEnabled(false);
            } else if (connection_.ActivateSongWindow()) {
                host.activeWorkbook().save();
                host.activeWorkbook().close();
            }
        }
    }
}

ConversionRun::Outcome frmKonverze::cmdGo_Click() {
    ConversionRun run(connection_, dialogs_, numbering);
    const auto outcome = run.cmdGo_Click(Combo1->currentText(), lblLadeni->text(), SongWasOpen);
    if (outcome == ConversionRun::Outcome::NoTarget) {
        return outcome;
    }
    if (outcome == ConversionRun::Outcome::Converted && onConverted) {
        onConverted(
            connection_.SpreadsheetApplication->workbook(connection_.SongWorkbookName).path());
    }
    cmdGo->setEnabled(false);
    close();
    return outcome;
}

void frmKonverze::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        guard_.run([this] { Form_Unload(); });
    }
    event->accept();
}

void frmKonverze::Form_Unload() {
    auto& host = *connection_.SpreadsheetApplication;
    try {
        host.setVisible(true);
        if (SongWasOpen) {
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
    mainWindow_.show();
    SongWasOpen = false;
}

frmKonverze* mnuKonverze_Click(services::SpreadsheetConnection& connection,
                               services::Dialogs& dialogs, QWidget& mainWindow,
                               services::CommandGuard& guard) {
    mainWindow.hide();
    if (!connection.ActivateTuningWindow(dialogs)) {
        mainWindow.show();
        return nullptr;
    }
    auto* window = new frmKonverze(connection, dialogs, mainWindow, guard);
    bool loaded = false;
    guard.run([window, &loaded] {
        window->Form_Load();
        loaded = true;
    });
    if (!loaded) {  // told by the guard; the closing steps show the main window again
        window->close();
        return nullptr;
    }
    window->show();
    return window;
}

}  // namespace conversion
