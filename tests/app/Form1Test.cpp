// The main window as designed: controls, menu, keyboard, staff, and how it looks.
#include "app/WindowChecks.h"

#include "views/Keyboard.h"
#include "views/SheetWindow.h"
#include "views/StaffPictures.h"
#include "views/TwipPicture.h"
#include "views/VbColour.h"

#include <QMenu>
#include <QMenuBar>
#include <QSlider>

using keyboard::Side;
using window_checks::texts;

namespace {

class MainWindow : public testing_support::ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(start());
    }
    template <typename T = QWidget>
    T* control(const QString& name) const {
        T* widget = form->findChild<T*>(name);
        EXPECT_TRUE(widget) << name.toStdString();
        return widget;
    }
    QRect twips(int l, int t, int w, int h) const { return QRect(l / 15, t / 15, w / 15, h / 15); }
};

QStringList menuItems(QMenu* menu) {
    QStringList items;
    for (QAction* action : menu->actions()) {
        QString item = action->isSeparator() ? QStringLiteral("-") : action->text();
        if (!action->shortcut().isEmpty()) {
            item += QStringLiteral(" [%1]").arg(action->shortcut().toString());
        }
        if (action->menu()) {
            item += QStringLiteral(" {") + menuItems(action->menu()).join(u'|') + u'}';
        }
        items << item;
    }
    return items;
}

}  // namespace

TEST_F(MainWindow, CaptionTopmostAndTheMenuAsDesigned) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Knoflovka"));
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(texts(form->menuBar()->actions()),
              (QStringList{"Soubor", "Úpravy", "Zvuk", "Pošta", "Nápověda"}));
    EXPECT_EQ(
        menuItems(menu().mnuSoubor),
        (QStringList{"Nová píseň [Ctrl+N]", "Otevřít [Ctrl+O]", "Importovat melodii... [Ctrl+I]",
                     "Konec písničky [Ctrl+X]", "-", "Tisk... [Ctrl+P]", "Uložit jako PDF...",
                     "Uložit jako MIDI...", "Uložit jako WAV...", "-",
                     "Změna implicitní cesty pro Excel", "-", "Konec"}));
    EXPECT_EQ(menuItems(menu().mnuZvuk), (QStringList{"Zvuk hmatů", "Přehrát píseň [F5]"}));
    EXPECT_TRUE(menu().mnuZvukHmatu->isCheckable());
    EXPECT_TRUE(menu().mnuPrehratPisen->isCheckable());
    EXPECT_EQ(
        menuItems(menu().mnuUpravy),
        (QStringList{"Konverze [Ctrl+K]", "Tabulka", "Ladění...", "-", "Uvolnit basy [Ctrl+B]",
                     "Uvolnit diskant", "Uvolnit oboje [Ctrl+U]", "Uvolnit noty", "Uvolnit půltóny",
                     "Uvolnit vše [Ctrl+A]", "-", "Typ knoflovky {Dvouřadovka|Model Club}", "-",
                     "Základní značení", "Značení Trizonia 56"}));
    EXPECT_EQ(menuItems(menu().mnuPosta), (QStringList{"Poslat zprávu autorovi"}));
    EXPECT_EQ(menuItems(menu().mnuNapoveda), (QStringList{"Ovládání Mechíka [F1]", "O programu"}));
    EXPECT_TRUE(menu().mnu2Rady->isCheckable());
    EXPECT_TRUE(menu().mnuZnaceni[1]->isCheckable());
}

TEST_F(MainWindow, ControlsStandWhereTheDesignPutsThem) {
    EXPECT_EQ(control<QPushButton>("cmdTlak")->text(), QStringLiteral("> Tlak"));
    EXPECT_EQ(control<QPushButton>("cmdTlak")->geometry(), twips(120, 2880, 975, 375));
    EXPECT_EQ(views::backColour(control("cmdTlak")), 0x0080C0FFu);
    EXPECT_EQ(views::backColour(control("cmdTahNoty")), 0x0080C0FFu);
    EXPECT_EQ(control<QPushButton>("cmdPredTlak")->text(), QStringLiteral("Před- chozí tlak"));
    EXPECT_EQ(control("cmdReadTah")->geometry(), twips(7200, 3480, 615, 2175));
    EXPECT_EQ(control<QPushButton>("cmdJakDal")->text(), QStringLiteral("?"));
    EXPECT_EQ(views::backColour(control("cmdJakDal")), 0x8000000Bu);
    EXPECT_EQ(control<QLabel>("Label1")->text(), QStringLiteral("Pořadí hmatu"));
    EXPECT_EQ(control<QLabel>("lblTon")->text(), QStringLiteral("1"));
    EXPECT_EQ(control<QLabel>("lblNoty")->text(), QStringLiteral("Noty pro zápis skladby."));
    EXPECT_EQ(control("Combo1")->geometry(), twips(6480, 7320, 1455, 315));
    EXPECT_EQ(control<QSlider>("Slider1")->minimum(), -5);
    EXPECT_EQ(control<QSlider>("Slider1")->maximum(), 5);
    EXPECT_EQ(control("lblSlabika(4)")->geometry(), twips(120, 6840, 975, 255));
    EXPECT_EQ(control<QLabel>("lblSlabika(2)")->palette().color(QPalette::WindowText),
              QColor(0xFF, 0, 0));
    EXPECT_EQ(control<QLabel>("lblSlabika(0)")->palette().color(QPalette::WindowText),
              QColor(0, 0, 0xFF));
    EXPECT_EQ(control("cmdZvuk(2)")->geometry(), twips(3240, 1080, 615, 375));
    EXPECT_EQ(control<QPushButton>("cmdZvuk(1)")->text(), QStringLiteral("Midi"));

    // Without a song its commands are off.
    for (const char* name :
         {"cmdTah", "cmdTlak", "cmdTahNoty", "cmdTlakNoty", "cmdReadTah", "cmdReadTlak",
          "cmdEndEdit", "cmdPrvni", "cmdDalsi", "cmdPredchozi", "cmdPredTlak", "cmdPredTah",
          "cmdPosledni", "cmdDalsiTlak", "cmdDalsiTah", "cmdJakDal", "cmdTimer"}) {
        EXPECT_FALSE(control(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(control("Slider1")->isHidden());
    EXPECT_TRUE(control("lblTempo")->isHidden());
    EXPECT_FALSE(menu().mnuKonecPisne->isEnabled());
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(control(QStringLiteral("cmdZvuk(%1)").arg(i))->isHidden());
    }
    EXPECT_TRUE(control("cmdNovaSkladba")->isEnabled());
    EXPECT_TRUE(control("cmdEdit")->isEnabled());
}

TEST_F(MainWindow, TheKeyboardInThreeStaggeredColumnsAndTwoBassColumnsAndTheStaffAtRest) {
    EXPECT_EQ(control("Image1")->geometry(), twips(4200, 120, 600, 570));
    EXPECT_EQ(control("Image12")->geometry(), twips(4200, 6720, 600, 570));
    EXPECT_EQ(control("Image13")->geometry(), twips(4800, 360, 600, 570));
    EXPECT_EQ(control("Image24")->geometry(), twips(4800, 6960, 600, 570));
    EXPECT_EQ(control("Image37")->geometry(), twips(5400, 7320, 600, 570));
    EXPECT_EQ(control("Obr(37)")->geometry(), twips(5400, 7320, 615, 615));
    EXPECT_EQ(control("ImgBas(6)")->geometry(), twips(1680, 4680, 600, 570));
    EXPECT_EQ(control("ObrBas(7)")->geometry(), twips(2280, 1920, 615, 615));
    const QStringList shown{"3", "4", "1", "2", "11", "12", "5", "6", "7", "8", "9", "10"};
    for (int index = 0; index < 12; ++index) {
        const int button = 12 - index;
        auto* label = control<QLabel>(QStringLiteral("lblCisBas(%1)").arg(index));
        EXPECT_EQ(label->text(), shown[button - 1]) << index;
        EXPECT_EQ(label->x(), (button <= 6 ? 1320 : 2880) / 15) << index;
    }
    EXPECT_EQ(control<QLabel>("lblCisKnofl(0)")->y(), 7560 / 15);  // level with Image37
    EXPECT_EQ(control<QLabel>("lblCisKnofl(24)")->y(), 120 / 15);  // level with Image1

    auto& staff = form->staff();
    EXPECT_EQ(staff.LinOsnova[5]->geometry(), QRect(2520 / 15, 6840 / 15, 1200 / 15, 1));
    EXPECT_EQ(staff.LinOsnova[9]->y(), 6360 / 15);
    EXPECT_EQ(staff.LinOsnova[0]->geometry(), QRect(3480 / 15, 7440 / 15, 120 / 15, 1));
    EXPECT_EQ(staff.LinOsnova[16]->y(), 5520 / 15);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(staff.imgNota[i]->isHidden());
        EXPECT_EQ(staff.imgNota[i]->twipTop(), 7340);
        EXPECT_EQ(staff.imgBecko[i]->twipTop(), 7200);
        EXPECT_EQ(staff.imgKrizek[i]->twipTop(), 7240);
        EXPECT_EQ(staff.picBecko[i]->twipLeft(), 2280 - 90 * i);
        EXPECT_EQ(staff.picKrizek[i]->twipLeft(), 1680 - 90 * i);
        EXPECT_EQ(staff.picBecko[i]->twipTop(), 5760);
    }
    EXPECT_EQ(staff.picNota[2]->twipLeft(), 2880);
    EXPECT_EQ(staff.picNota[2]->twipTop(), 5880);
    EXPECT_EQ(staff.picNota[4]->twipLeft(), 2835);
    EXPECT_EQ(staff.picNota[4]->twipTop(), 5760);
}

// Rest buttons are light cyan, marked ones show the bare button; clicking again unmarks.
TEST_F(MainWindow, ClickingAButtonMarksItAndItsPictureShowsIt) {
    form->show();
    QWidget* area = form->centralWidget();
    const QPoint centre = QRect(4200 / 15, 120 / 15, 40, 38).center();  // Image1
    EXPECT_EQ(area->grab().toImage().pixelColor(centre), QColor(0x80, 0xFF, 0xFF));
    const QPoint bassCentre = QRect(2280 / 15, 1920 / 15, 40, 38).center();  // ImgBas(7)
    EXPECT_EQ(area->grab().toImage().pixelColor(bassCentre), QColor(0x80, 0xFF, 0xFF));
    auto& keys = form->keyboard();
    keys.Obr_Click(1);
    EXPECT_NE(area->grab().toImage().pixelColor(centre), QColor(0x80, 0xFF, 0xFF));
    keys.setPicture(Side::Treble, 1, 103);
    keys.Image_Click(1);
    EXPECT_EQ(area->grab().toImage().pixelColor(centre), QColor(0x00, 0x00, 0xFF));

    QTest::mouseClick(keys.overlay(Side::Treble, 20), Qt::LeftButton, {}, QPoint(20, 19));
    EXPECT_TRUE(keys.isMarked(Side::Treble, 20));
    EXPECT_TRUE(keys.overlay(Side::Treble, 20)->isHidden());
    QTest::mouseClick(keys.button(Side::Treble, 20), Qt::LeftButton, {}, QPoint(20, 19));
    EXPECT_FALSE(keys.isMarked(Side::Treble, 20));
    QTest::mouseClick(keys.overlay(Side::Bass, 12), Qt::LeftButton, {}, QPoint(20, 19));
    EXPECT_TRUE(keys.isMarked(Side::Bass, 12));
    keys.release(Side::Bass);
    EXPECT_FALSE(keys.isMarked(Side::Bass, 12));
    EXPECT_EQ(keys.pictureOf(Side::Bass, 12), 107);
    // A barred button can still be marked beside its bar.
    menu().mnuModelClub->trigger();
    QTest::mouseClick(keys.overlay(Side::Treble, 25), Qt::LeftButton, {}, QPoint(5, 19));
    EXPECT_TRUE(keys.isMarked(Side::Treble, 25));
}

// A picture dragged with the mouse moves until released; dropped, it snaps onto the staff or
// goes back.
TEST_F(MainWindow, StaffPicturesAreDraggedAndDropped) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    auto& staff = form->staff();
    views::TwipPicture* note = staff.picNota[0];
    QTest::mousePress(note, Qt::LeftButton, {}, QPoint(3, 2));
    const QPoint target = note->mapFromParent(QPoint(3450 / 15 + 3, 6800 / 15 + 2));
    QMouseEvent move(QEvent::MouseMove, target, note->mapToGlobal(target), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(note, &move);
    QTest::mouseRelease(note, Qt::LeftButton, {},
                        note->mapFromParent(QPoint(3450 / 15 + 3, 6800 / 15 + 2)));
    EXPECT_EQ(note->twipLeft(), 3450);
    EXPECT_EQ(note->twipTop(), 6800);

    note->drop(3400, 6930);
    EXPECT_EQ(note->twipLeft(), 3450);
    EXPECT_EQ(note->twipTop(), 6980);
    staff.picBecko[1]->drop(3000, 6300);
    EXPECT_EQ(staff.flat(1).left, 3240);
    EXPECT_EQ(staff.flat(1).top, 6300);
    staff.picKrizek[0]->drop(3000, 4000);
    EXPECT_EQ(staff.sharp(0).left, 1230);
    EXPECT_EQ(staff.sharp(0).top, 5880);
}

TEST_F(MainWindow, TabulkaBringsTheSheetWindowBack) {
    ASSERT_TRUE(form->sheetWindow());
    // Start-up shows the host, once the main window is on the screen.
    EXPECT_FALSE(form->sheetWindow()->isVisible());
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->sheetWindow()->isVisible());
    form->sheetWindow()->close();
    EXPECT_FALSE(form->sheetWindow()->isVisible());
    EXPECT_FALSE(host().visible());
    EXPECT_EQ(host().workbookCount(), 1);
    menu().mnuTabulka->trigger();
    EXPECT_TRUE(form->sheetWindow()->isVisible());
    EXPECT_TRUE(host().visible());
    EXPECT_FALSE(form->sheetWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
}
