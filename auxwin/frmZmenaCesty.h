#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace services {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services

// Which default folder the spreadsheet host gets back when the program ends; the folder in
// force during the run stays the working folder.
namespace auxwin {

class frmZmenaCesty : public QWidget {
public:
    frmZmenaCesty(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                  QWidget& mainWindow);

    void Form_Load();
    void OKButton_Click();
    void CancelButton_Click() { close(); }

    QLabel* Label1;
    QLabel* lblStaraCesta;
    QLabel* Label2;
    std::array<QRadioButton*, 4> Option1;
    QLineEdit* txtCesta;
    QPushButton* OKButton;
    QPushButton* CancelButton;

    // The paths of options 0 and 1: the Windows folders as designed, their counterparts in
    // the home folder elsewhere.
    static QString presetPath(int index);

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload

private:
    services::SpreadsheetConnection& connection_;
    services::Dialogs& dialogs_;
    QWidget& mainWindow_;
};

// The menu command: hides the main window and shows the window.
frmZmenaCesty* mnuNastavCestu_Click(services::SpreadsheetConnection& connection,
                                    services::Dialogs& dialogs, QWidget& mainWindow);

}  // namespace auxwin
