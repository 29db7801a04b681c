#include "MainMenu.h"

#include "keyboard/ButtonNumbering.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace app {

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption, const char* shortcut = nullptr,
              bool checkable = false) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (shortcut) {
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    }
    action->setCheckable(checkable);
    return action;
}

QAction* item(QMenu* menu, const char* name, const char* caption, const char* shortcut = nullptr,
              bool checkable = false) {
    return item(menu, name, QString::fromUtf8(caption), shortcut, checkable);
}

QMenu* menu(QMenuBar* bar, QWidget* parent, const char* name, const char* caption) {
    QMenu* m = new QMenu(QString::fromUtf8(caption), parent);
    m->setObjectName(QString::fromLatin1(name));
    bar->addMenu(m);
    return m;
}

}  // namespace

MenuActions buildMainMenu(QMenuBar* bar) {
    MenuActions a{};
    a.mnuSoubor = menu(bar, bar, "mnuSoubor", "Soubor");
    a.mnuNovaPisen = item(a.mnuSoubor, "mnuNovaPisen", "Nová píseň", "Ctrl+N");
    a.mnuOtevrit = item(a.mnuSoubor, "mnuOtevrit", "Otevřít", "Ctrl+O");
    // A melody becomes a new song: offered when a song may be opened.
    a.mnuImportovat = item(a.mnuSoubor, "mnuImportovat", "Importovat melodii...", "Ctrl+I");
    QObject::connect(a.mnuOtevrit, &QAction::enabledChanged, a.mnuImportovat, &QAction::setEnabled);
    a.mnuKonecPisne = item(a.mnuSoubor, "mnuKonecPisne", "Konec písničky", "Ctrl+X");
    a.mnuSoubor->addSeparator();
    // The open song on paper and in other programs.
    a.mnuTisk = item(a.mnuSoubor, "mnuTisk", "Tisk...", "Ctrl+P");
    a.mnuUlozitPdf = item(a.mnuSoubor, "mnuUlozitPdf", "Uložit jako PDF...");
    a.mnuUlozitMidi = item(a.mnuSoubor, "mnuUlozitMidi", "Uložit jako MIDI...");
    a.mnuUlozitWav = item(a.mnuSoubor, "mnuUlozitWav", "Uložit jako WAV...");
    a.mnuSoubor->addSeparator();
    a.mnuNastavCestu = item(a.mnuSoubor, "mnuNastavCestu", "Změna implicitní cesty pro Excel");
    a.sepKonec = a.mnuSoubor->addSeparator();
    a.mnuKonec = item(a.mnuSoubor, "mnuKonec", "Konec");

    a.mnuUpravy = menu(bar, bar, "mnuUpravy", "Úpravy");
    a.mnuKonverze = item(a.mnuUpravy, "mnuKonverze", "Konverze", "Ctrl+K");
    // The workbooks themselves, where players type lyrics and correct cells.
    a.mnuTabulka = item(a.mnuUpravy, "mnuTabulka", "Tabulka");
    a.mnuLadeni = item(a.mnuUpravy, "mnuLadeni", "Ladění...");
    a.mnuUpravy->addSeparator();
    a.mnuUvolnitBasy = item(a.mnuUpravy, "mnuUvolnitBasy", "Uvolnit basy", "Ctrl+B");
    a.mnuUvolnitDiskant = item(a.mnuUpravy, "mnuUvolnitDiskant", "Uvolnit diskant");
    a.mnuUvolnitKnofliky = item(a.mnuUpravy, "mnuUvolnitKnofliky", "Uvolnit oboje", "Ctrl+U");
    a.mnuUvolnitNoty = item(a.mnuUpravy, "mnuUvolnitNoty", "Uvolnit noty");
    a.mnuUvolnitPultony = item(a.mnuUpravy, "mnuUvolnitPultony", "Uvolnit půltóny");
    a.mnuUvolnitVse = item(a.mnuUpravy, "mnuUvolnitVse", "Uvolnit vše", "Ctrl+A");
    a.mnuUpravy->addSeparator();
    a.mnuTypHel = a.mnuUpravy->addMenu(QStringLiteral("Typ knoflovky"));
    a.mnuTypHel->setObjectName(QStringLiteral("mnuTypHel"));
    a.mnu2Rady = item(a.mnuTypHel, "mnu2Rady", "Dvouřadovka", nullptr, true);
    a.mnuModelClub = item(a.mnuTypHel, "mnuModelClub", "Model Club", nullptr, true);
    a.mnuUpravy->addSeparator();
    a.mnuZnaceni[0] = item(a.mnuUpravy, "mnuZnaceni(0)",
                           keyboard::numberingName(keyboard::Numbering::Standard), nullptr, true);
    a.mnuZnaceni[1] = item(a.mnuUpravy, "mnuZnaceni(1)",
                           keyboard::numberingName(keyboard::Numbering::Trizonia), nullptr, true);
    // The design checks the standard numbering; start-up sets the stored one.
    a.mnuZnaceni[0]->setChecked(true);

    a.mnuZvuk = menu(bar, bar, "mnuZvuk", "Zvuk");
    a.mnuZvukHmatu = item(a.mnuZvuk, "mnuZvukHmatu", "Zvuk hmatů", nullptr, true);
    // Checked while the song plays; the same item stops it.
    a.mnuPrehratPisen = item(a.mnuZvuk, "mnuPrehratPisen", "Přehrát píseň", "F5", true);

    a.mnuPosta = menu(bar, bar, "mnuPosta", "Pošta");
    a.mnuMailAutorovi = item(a.mnuPosta, "mnuMailAutorovi", "Poslat zprávu autorovi");

    a.mnuNapoveda = menu(bar, bar, "mnuNapoveda", "Nápověda");
    a.mnuhtm = item(a.mnuNapoveda, "mnuhtm", "Ovládání Mechíka", "F1");
    a.mnuOProgramu = item(a.mnuNapoveda, "mnuOProgramu", "O programu");
    return a;
}

}  // namespace app
