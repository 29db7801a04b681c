#include "frmKonverze.h"

#include "services/CommandGuard.h"
#include "services/SpreadsheetConnection.h"
#include "services/Twips.h"
#include "views/DesignedControls.h"
#include "views/WidgetPlacement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>

namespace auxwin {

namespace {

using views::ControlDesign;
using views::ControlKind;

// Left, Top, Width, Height in twips, as designed. lblKonec and cmdKonec lie under the controls
// they replace: made first.
const ControlDesign design[] = {
    {"lblKonec", ControlKind::Label,
     "Konverzi aktuálního souboru bohužel nelze provést. Zkuste jinou korektně zapsanou skladbu !",
     360, 240, 6975, 255},
    {"cmdKonec", ControlKind::CaptionButton, "Konec", 3120, 1200, 1215, 255},
    {"cmdVyberPisen", ControlKind::CaptionButton, "Zde vyberte zdrojovou písničku.", 120, 120, 7215,
     375},
    {"Label1", ControlKind::Label, "Vyberte cílové ladění", 2640, 720, 1575, 255},
    {"Combo1", ControlKind::Combo, "", 4320, 600, 3015, 315},
    {"cmdGo", ControlKind::CaptionButton, "Provést", 2520, 1200, 2415, 375},
    {"lblLadeni", ControlKind::Label, "", 5160, 1200, 2175, 255},
};

}  // namespace

frmKonverze::frmKonverze(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                         QWidget& mainWindow, services::CommandGuard& guard)
    : session_(connection, dialogs), mainWindow_(mainWindow), guard_(guard) {
    setWindowTitle(QStringLiteral("Konverze ladění."));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(services::twipsToPixels(7470), services::twipsToPixels(1680));
    views::useDesignFont(this);
    const views::DesignedControls controls(this, design);
    lblKonec = controls.get<QLabel>("lblKonec");
    cmdKonec = controls.get<QPushButton>("cmdKonec");
    cmdVyberPisen = controls.get<QPushButton>("cmdVyberPisen");
    Label1 = controls.get<QLabel>("Label1");
    Combo1 = controls.get<QComboBox>("Combo1");
    cmdGo = controls.get<QPushButton>("cmdGo");
    lblLadeni = controls.get<QLabel>("lblLadeni");
    views::shrinkFontToFit(Label1, Label1->text());
    views::shrinkFontToFit(lblKonec, lblKonec->text());
    connect(cmdVyberPisen, &QPushButton::clicked, this,
            [this] { guard_.run([this] { cmdVyberPisen_Click(); }); });
    connect(cmdGo, &QPushButton::clicked, this, [this] { guard_.run([this] { cmdGo_Click(); }); });
    connect(cmdKonec, &QPushButton::clicked, this,
            [this] { guard_.run([this] { cmdKonec_Click(); }); });
}

// What the session holds now; a target the player picked stays picked while the list is the
// same.
void frmKonverze::showSession() {
    lblLadeni->setText(session_.sourceTuning());
    QStringList shown;
    for (int i = 0; i < Combo1->count(); ++i) {
        shown << Combo1->itemText(i);
    }
    if (shown != session_.targets()) {
        Combo1->clear();
        Combo1->addItems(session_.targets());
        // No target until the player picks one, so "Provést" cannot convert by accident.
        Combo1->setCurrentIndex(-1);
    }
    if (!session_.sourceSong().isEmpty()) {
        cmdVyberPisen->setText(session_.sourceSong());
        cmdVyberPisen->setEnabled(false);
    }
    if (session_.refused()) {
        cmdVyberPisen->hide();
        cmdGo->hide();
        Label1->hide();
        Combo1->hide();
    }
}

void frmKonverze::Form_Load() {
    session_.load();
    showSession();
}

void frmKonverze::cmdVyberPisen_Click() {
    hide();
    const auto showAgain = qScopeGuard([this] {
        showSession();
        show();
    });
    session_.chooseSource();
}

conversion::ConversionRun::Outcome frmKonverze::cmdGo_Click() {
    const auto outcome = session_.go(Combo1->currentText());
    if (outcome != conversion::ConversionRun::Outcome::NoTarget) {
        cmdGo->setEnabled(false);
        close();
    }
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
    session_.unload();
    mainWindow_.show();
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

}  // namespace auxwin
