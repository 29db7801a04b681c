#include "SongControls.h"

#include "MainMenu.h"
#include "views/MainWindowLayout.h"

#include <QAction>
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
