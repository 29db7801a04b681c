#pragma once

#include "conversion/ConversionSession.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace services {
class CommandGuard;
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services

// The conversion window: shows the conversion session (the source song, its tuning, the other
// tunings as targets) and runs it by "Provést". While it is open the main window is hidden.
namespace auxwin {

class frmKonverze : public QWidget {
public:
    frmKonverze(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                QWidget& mainWindow, services::CommandGuard& guard);

    void Form_Load();
    void cmdVyberPisen_Click();
    // The run's outcome, for callers that report it themselves.
    conversion::ConversionRun::Outcome cmdGo_Click();
    void cmdKonec_Click() { close(); }

    conversion::ConversionSession& session() { return session_; }

    QPushButton* cmdVyberPisen;
    QLabel* Label1;
    QComboBox* Combo1;
    QPushButton* cmdGo;
    QLabel* lblLadeni;
    QLabel* lblKonec;
    QPushButton* cmdKonec;

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload

private:
    void Form_Unload();
    void showSession();

    conversion::ConversionSession session_;
    QWidget& mainWindow_;
    services::CommandGuard& guard_;
    bool unloaded_ = false;
};

// The menu command "Konverze": opens the window, or shows the main window again when the
// tuning database is not open.
frmKonverze* mnuKonverze_Click(services::SpreadsheetConnection& connection,
                               services::Dialogs& dialogs, QWidget& mainWindow,
                               services::CommandGuard& guard);

}  // namespace auxwin
