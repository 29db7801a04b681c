#pragma once

#include "ConversionRun.h"
#include "keyboard/ButtonNumbering.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace services {
class CommandGuard;
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services

// The conversion window: the source song (the open one, or one picked here), its tuning, the
// other tunings as targets, and "Provést". While it is open the main window is hidden.
namespace conversion {

class frmKonverze : public QWidget {
public:
    frmKonverze(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                QWidget& mainWindow, services::CommandGuard& guard);

    void Form_Load();
    bool FillTargetTunings();
    void cmdVyberPisen_Click();
    // The run's outcome, for callers that report it themselves.
    ConversionRun::Outcome cmdGo_Click();
    void cmdKonec_Click() { close(); }

    QPushButton* cmdVyberPisen;
    QLabel* Label1;
    QComboBox* Combo1;
    QPushButton* cmdGo;
    QLabel* lblLadeni;
    QLabel* lblKonec;
    QPushButton* cmdKonec;
    bool SongWasOpen = false;
    // Set where the source is only read, never edited (the command line): a workbook holding
    // parts Mechík cannot save is converted straight into the target copy, which lacks them,
    // without a working copy beside the source.
    bool sourceOnlyRead = false;
    // The numbering the main window shows, by which the final message names buttons.
    keyboard::Numbering numbering = keyboard::Numbering::Standard;
    // Called with the copy's path after a conversion succeeded.
    std::function<void(const QString&)> onConverted;

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload

private:
    void Form_Unload();
    void hideConversionControls();

    services::SpreadsheetConnection& connection_;
    services::Dialogs& dialogs_;
    QWidget& mainWindow_;
    services::CommandGuard& guard_;
    bool unloaded_ = false;
};

// The menu command "Konverze": opens the window, or shows the main window again when the
// tuning database is not open.
frmKonverze* mnuKonverze_Click(services::SpreadsheetConnection& connection,
                               services::Dialogs& dialogs, QWidget& mainWindow,
                               services::CommandGuard& guard);

}  // namespace conversion
