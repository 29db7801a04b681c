#pragma once

#include <array>

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar as designed: menus, items, separators, shortcuts, check marks.
namespace app {

struct MenuActions {
    QMenu* mnuSoubor;
    QAction* mnuNovaPisen;
    QAction* mnuOtevrit;
    QAction* mnuImportovat;
    QAction* mnuKonecPisne;
    QAction* mnuTisk;
    QAction* mnuUlozitPdf;
    QAction* mnuUlozitMidi;
    QAction* mnuUlozitWav;
    QAction* mnuNastavCestu;
    QAction* sepKonec;  // the last songs are listed above it
    QAction* mnuKonec;
    QMenu* mnuUpravy;
    QAction* mnuKonverze;
    QAction* mnuTabulka;
    QAction* mnuLadeni;
    QAction* mnuUvolnitBasy;
    QAction* mnuUvolnitDiskant;
    QAction* mnuUvolnitKnofliky;
    QAction* mnuUvolnitNoty;
    QAction* mnuUvolnitPultony;
    QAction* mnuUvolnitVse;
    QMenu* mnuTypHel;
    QAction* mnu2Rady;
    QAction* mnuModelClub;
    std::array<QAction*, 2> mnuZnaceni;
    QMenu* mnuZvuk;
    QAction* mnuZvukHmatu;
    QAction* mnuPrehratPisen;
    QMenu* mnuPosta;
    QAction* mnuMailAutorovi;
    QMenu* mnuNapoveda;
    QAction* mnuhtm;
    QAction* mnuOProgramu;
};

MenuActions buildMainMenu(QMenuBar* bar);

}  // namespace app
