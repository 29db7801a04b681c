#include "SongControls.h"

#include "MainMenu.h"
#include "views/MainWindowLayout.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace app {

namespace {

void switchSongControls(const views::Form1Controls& c, const MenuActions& menu, bool on) {
    for (QPushButton* command :
         {c.cmdTah, c.cmdTlak, c.cmdTahNoty, c.cmdTlakNoty, c.cmdReadTah, c.cmdReadTlak,
          c.cmdEndEdit, c.cmdPrvni, c.cmdDalsi, c.cmdPredchozi, c.cmdPredTlak, c.cmdPredTah,
          c.cmdPosledni, c.cmdDalsiTlak, c.cmdDalsiTah, c.cmdJakDal, c.cmdTimer}) {
        command->setEnabled(on);
    }
    c.Slider1->setVisible(on);
    c.lblTempo->setVisible(on);
    menu.mnuKonecPisne->setEnabled(on);
    for (QAction* command : {menu.mnuTisk, menu.mnuUlozitPdf, menu.mnuUlozitMidi, menu.mnuUlozitWav,
                             menu.mnuPrehratPisen}) {
        command->setEnabled(on);
    }
}

}  // namespace

void SongControlsOn(const views::Form1Controls& c, const MenuActions& menu) {
    switchSongControls(c, menu, true);
}

void SongControlsOff(const views::Form1Controls& c, const MenuActions& menu) {
    switchSongControls(c, menu, false);
    for (QPushButton* sound : c.cmdZvuk) {
        sound->hide();
    }
}

}  // namespace app

namespace app {

void WindowSongControls::showRow(const QString& row) {
    c_.lblTon->setText(row);
}

void WindowSongControls::enableBackward(bool enabled) {
    for (QPushButton* command : {c_.cmdPredchozi, c_.cmdPredTlak, c_.cmdPredTah}) {
        command->setEnabled(enabled);
    }
}

void WindowSongControls::switchSongCommands(bool on) {
    if (on) {
        SongControlsOn(c_, menu_);
    } else {
        SongControlsOff(c_, menu_);
    }
}

void WindowSongControls::enableSongChoice(bool enabled) {
    c_.cmdEdit->setEnabled(enabled);
    c_.cmdNovaSkladba->setEnabled(enabled);
    menu_.mnuOtevrit->setEnabled(enabled);
    menu_.mnuNovaPisen->setEnabled(enabled);
}

void WindowSongControls::enableTuningChoice(bool enabled) {
    c_.Combo1->setEnabled(enabled);
}

QString WindowSongControls::shownTuning() const {
    return c_.lblLadeni->text();
}

void WindowSongControls::showTuning(const QString& tuning) {
    c_.lblLadeni->setText(tuning);
    views::showInTuningList(c_.Combo1, tuning);
}

void WindowSongControls::showSoundButton(int index, bool shown) {
    c_.cmdZvuk[static_cast<size_t>(index)]->setVisible(shown);
}

QString WindowSongControls::soundCaption(int index) const {
    return c_.cmdZvuk[static_cast<size_t>(index)]->text();
}

void WindowSongControls::setSoundCaption(int index, const QString& caption) {
    c_.cmdZvuk[static_cast<size_t>(index)]->setText(caption);
}

bool WindowSongControls::timerCommandEnabled() const {
    return c_.cmdTimer->isEnabled();
}

void WindowSongControls::showTitle(const QString& title) {
    window_.setWindowTitle(title);
}

void WindowSongControls::showWindow(bool shown) {
    window_.setVisible(shown);
}

}  // namespace app
