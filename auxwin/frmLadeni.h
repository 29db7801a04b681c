#pragma once

#include "TuningKeyboard.h"

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace tunings {
class TuningEditor;
}

// The tunings window ("Úpravy > Ladění..."): the tunings of the database in order; a copy of
// the selected one added under a new name, moved by some semitones if wished; the selected one
// renamed or deleted; one button's tones edited on a drawing of the keyboard. The main window
// is hidden while it is open.
namespace auxwin {

class frmLadeni : public QWidget {
public:
    frmLadeni(tunings::TuningEditor& editor, const KeyboardLook& look, const QString& shownTuning,
              QWidget& mainWindow);

    // Every command of the window runs through this (the program's command guard).
    std::function<void(const std::function<void()>&)> runCommand;

    void lstLadeni_Click();
    void Knoflik_Click(KeyboardButton button);
    void cmdUlozit_Click();
    void cmdPridat_Click();
    void cmdPrejmenovat_Click();
    void cmdSmazat_Click();
    void cmdZavrit_Click() { close(); }

    QString selectedTuning() const;

    QListWidget* lstLadeni;
    QPushButton* cmdPrejmenovat;
    QPushButton* cmdSmazat;
    QLineEdit* txtNazev;
    QSpinBox* spnPosun;
    QPushButton* cmdPridat;
    QLabel* lblKnoflik;
    QLineEdit* txtTlak;
    QLineEdit* txtTah;
    QPushButton* cmdUlozit;
    QPushButton* cmdZavrit;
    TuningKeyboard* keyboard;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build(const KeyboardLook& look);
    void wire();
    void onCommand(QPushButton* button, void (frmLadeni::*handler)());
    void fillList(int row);
    void showButton();

    tunings::TuningEditor& editor_;
    KeyboardLook look_;
    QWidget& mainWindow_;
};

// The menu command: hides the main window and shows the tunings window on the tuning it shows.
frmLadeni* mnuLadeni_Click(tunings::TuningEditor& editor, const KeyboardLook& look,
                           const QString& shownTuning, QWidget& mainWindow);

}  // namespace auxwin
