// A player sets up his own tunings in the window "Úpravy > Ladění...": every entry checked, every
// change saved at once, and the main window's tuning list following.
#include "app/WindowChecks.h"

#include "auxwin/frmLadeni.h"
#include "grips/SongFiles.h"
#include "music/Pitch.h"
#include "songs/SongWriting.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tones/TuningSelection.h"
#include "tones/TuningTable.h"
#include "tunings/TuningDatabase.h"
#include "tunings/TuningEditor.h"
#include "views/KeyboardModels.h"

#include <QLineEdit>
#include <QPointer>
#include <QSpinBox>

using namespace window_checks;
using testing_support::readBytes;
using tones::Bellows;
using tones::KeyboardSide;

namespace {

const QStringList Delivered{"G-C-F",  "A-D-G", "B-Es-As", "C-F-B",
                            "F-B-Es", "C-F",   "G-C",     "Club C-F"};

class TuningsWindow : public testing_support::ShownProgramFixture {
protected:
    void TearDown() override {
        if (window) {
            window->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    void openWindow() {
        menu().mnuLadeni->trigger();
        window = shownWindow<auxwin::frmLadeni>();
        EXPECT_TRUE(window);
    }
    bool restart() {
        form->close();
        form.reset();
        return start();
    }
    QStringList listed() const { return texts(window->lstLadeni); }
    void select(const QString& tuning) {
        const auto items = window->lstLadeni->findItems(tuning, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        window->lstLadeni->setCurrentItem(items.first());
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void clickKey(KeyboardSide side, int number) {
        QTest::mouseClick(window->keyboard->button({side, number}), Qt::LeftButton);
    }
    void add(const QString& name, int semitones = 0) {
        window->txtNazev->setText(name);
        window->spnPosun->setValue(semitones);
        click(window->cmdPridat);
    }
    void typeTones(const QString& push, const QString& pull) {
        window->txtTlak->setText(push);
        window->txtTah->setText(pull);
        click(window->cmdUlozit);
    }
    tunings::TuningDatabase onDisk() const { return tunings::TuningDatabase(vezarPath()); }
    QString activeOnDisk() const { return onDisk().names()[onDisk().activeIndex()]; }
    // The tuning as the program uses it: the spreadsheet host's copy.
    QString inProgram(const QString& tuning, KeyboardSide side, int button, Bellows bellows) {
        const auto table = form->tuningEditor().tuning(tuning);
        EXPECT_TRUE(table);
        return side == KeyboardSide::Treble ? table->trebleTone(button, bellows)
                                            : table->bassTone(button, bellows);
    }
    // The tuning the main window shows, in its label and its list.
    void expectShown(const QString& tuning) {
        EXPECT_EQ(c().lblLadeni->text(), tuning);
        EXPECT_EQ(c().Combo1->currentText(), tuning);
    }

    QPointer<auxwin::frmLadeni> window;
};

}  // namespace

TEST_F(TuningsWindow, ItShowsTheTuningsOnTheMainWindowsKeyboardAndHidesTheMainWindow) {
    form->models().mnu2Rady_Click();
    form->models().mnuZnaceni_Click(1);
    menu().mnu2Rady->setChecked(true);
    pickTuning(c(), "C-F-B");
    openWindow();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ladění"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(listed(), Delivered);
    EXPECT_EQ(window->selectedTuning(), QStringLiteral("C-F-B"));
    // Each button shows its push tone above its pull tone; nothing is selected yet.
    const auto table = form->tuningEditor().tuning(QStringLiteral("C-F-B"));
    EXPECT_EQ(window->keyboard->button({KeyboardSide::Treble, 5})->toolTip(),
              QStringLiteral("tlak: %1\ntah: %2")
                  .arg(table->trebleTone(5, Bellows::Push), table->trebleTone(5, Bellows::Pull)));
    EXPECT_FALSE(window->cmdUlozit->isEnabled());
    EXPECT_EQ(window->lblKnoflik->text(), QStringLiteral("Klikněte na knoflík klávesnice."));

    // The main window's model with its bars and its numbering.
    QStringList bars;
    for (const QWidget* bar :
         window->keyboard->findChildren<QWidget*>(QRegularExpression("^Zabrana"))) {
        bars << bar->objectName();
    }
    bars.sort();
    EXPECT_EQ(bars,
              (QStringList{"Zabrana(0)", "Zabrana(1)", "Zabrana(2)", "Zabrana(3)", "Zabrana(4)"}));
    clickKey(KeyboardSide::Treble, 7);  // "5s" in the Trizonia numbering
    EXPECT_EQ(window->lblKnoflik->text(), QStringLiteral("Knoflík 5s diskantu (vnitřní řada)"));
    clickKey(KeyboardSide::Bass, 1);
    EXPECT_EQ(window->lblKnoflik->text(), QStringLiteral("Basový knoflík 3"));
    EXPECT_EQ(window->keyboard->button({KeyboardSide::Treble, 30})->mapTo(window, QPoint()),
              QPoint((2880 + 5400 - 1200) / 15, (120 + 5 * 600) / 15));

    click(window->findChild<QPushButton*>(QStringLiteral("cmdZavrit")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(TuningsWindow, ACopyIsCheckedAddedAtTheEndAndTheMainListFollows) {
    openWindow();
    select(QStringLiteral("G-C-F"));
    const QByteArray before = readBytes(vezarPath());
    const std::pair<std::pair<QString, int>, QString> refused[] = {
        {{"", 0}, "Ladění musí mít název."},
        {{"c-f-b", 0}, "Ladění „C-F-B“ už v seznamu je; zvolte jiný název."},
        {{"Vysoko", 8},
         "Ladění nelze transponovat o 8 půltónů nahoru: tón c4, u knoflíku 1 (tlak) by "
         "vyšel mimo rozsah osnovy (c, až g4,)."},
    };
    for (const auto& [entry, message] : refused) {
        add(entry.first, entry.second);
        EXPECT_EQ(dialogs.take(), std::vector{exclamation("Ladění nelze přidat.", message)});
        EXPECT_EQ(window->txtNazev->text(), entry.first);
    }
    EXPECT_EQ(readBytes(vezarPath()), before);
    EXPECT_EQ(listed(), Delivered);

    add(QStringLiteral(" Moje G-C-F "));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(listed(), Delivered + QStringList{"Moje G-C-F"});
    EXPECT_EQ(window->selectedTuning(), QStringLiteral("Moje G-C-F"));
    EXPECT_TRUE(window->txtNazev->text().isEmpty());
    EXPECT_EQ(onDisk().names(), listed());
    EXPECT_EQ(texts(c().Combo1), listed());
    expectShown("G-C-F");
    for (int button : {1, 12, 37}) {
        EXPECT_EQ(inProgram("Moje G-C-F", KeyboardSide::Treble, button, Bellows::Pull),
                  inProgram("G-C-F", KeyboardSide::Treble, button, Bellows::Pull));
    }

    // Transposed by two semitones (every cell is the database's): the shift reaches it.
    select(QStringLiteral("C-F"));
    add(QStringLiteral("D-G"), 2);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(listed().last(), QStringLiteral("D-G"));
    const auto pitch = music::tonePitch(inProgram("C-F", KeyboardSide::Treble, 5, Bellows::Pull));
    ASSERT_TRUE(pitch);
    EXPECT_EQ(inProgram("D-G", KeyboardSide::Treble, 5, Bellows::Pull),
              music::toneNameOfPitch(*pitch + 2));
    EXPECT_EQ(inProgram("D-G", KeyboardSide::Bass, 1, Bellows::Push), QStringLiteral("(D)"));
}

TEST_F(TuningsWindow, AButtonsTonesAreCheckedStoredAndUsedAtOnce) {
    openWindow();
    // A wrong entry is refused and kept for mending; the grammar's refusals are the tone
    // entry's, here each side's reach the player.
    select(QStringLiteral("A-D-G"));
    const QByteArray before = readBytes(vezarPath());
    const QString treblePull = inProgram("A-D-G", KeyboardSide::Treble, 9, Bellows::Pull);
    const std::pair<QString, QString> treble[] = {
        {"c5,", "„c5,“ není tón: oktáva se píše číslicí 1 až 4 (nejnižší oktáva je bez číslice)."},
        {"a4,", "„a4,“ nelze zapsat: leží mimo rozsah osnovy (c, až g4,)."},
    };
    clickKey(KeyboardSide::Treble, 9);
    for (const auto& [typed, message] : treble) {
        typeTones(typed, treblePull);
        EXPECT_EQ(dialogs.take(), std::vector{exclamation("Tón pro tlak nelze uložit.", message)});
        EXPECT_EQ(window->txtTlak->text(), typed);
    }
    typeTones(inProgram("A-D-G", KeyboardSide::Treble, 9, Bellows::Push), QStringLiteral("bes1,"));
    EXPECT_EQ(dialogs.take(), std::vector{exclamation("Tón pro tah nelze uložit.",
                                                      "„bes1,“ není tón: po b už „is“ ani „es“ "
                                                      "nenásleduje (b je samo snížené h).")});
    clickKey(KeyboardSide::Bass, 4);
    typeTones(inProgram("A-D-G", KeyboardSide::Bass, 4, Bellows::Push), QStringLiteral("Am"));
    EXPECT_EQ(dialogs.take(), std::vector{exclamation("Tón pro tah nelze uložit.",
                                                      "„Am“ není bas: mollový akord se píše v "
                                                      "závorkách, např. „(Am)“.")});
    EXPECT_EQ(window->txtTah->text(), QStringLiteral("Am"));
    EXPECT_EQ(readBytes(vezarPath()), before);

    select(QStringLiteral("G-C-F"));
    clickKey(KeyboardSide::Treble, 5);
    EXPECT_TRUE(window->cmdUlozit->isEnabled());
    EXPECT_EQ(window->txtTlak->text(), inProgram("G-C-F", KeyboardSide::Treble, 5, Bellows::Push));
    EXPECT_EQ(window->txtTah->text(), inProgram("G-C-F", KeyboardSide::Treble, 5, Bellows::Pull));
    typeTones(QStringLiteral("cis1"), QString());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(window->txtTlak->text(), QStringLiteral("cis1,"));
    EXPECT_EQ(window->txtTah->text(), QString());
    EXPECT_EQ(inProgram("G-C-F", KeyboardSide::Treble, 5, Bellows::Push), QStringLiteral("cis1,"));
    EXPECT_EQ(inProgram("G-C-F", KeyboardSide::Treble, 5, Bellows::Pull), QString());
    EXPECT_EQ(onDisk().tuning("G-C-F")->trebleTone(5, Bellows::Push), QStringLiteral("cis1,"));
    EXPECT_EQ(window->keyboard->button({KeyboardSide::Treble, 5})->toolTip(),
              QStringLiteral("tlak: cis1,\ntah: –"));

    clickKey(KeyboardSide::Bass, 2);
    typeTones(QStringLiteral("(Fism)"), QStringLiteral("Es"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(onDisk().tuning("G-C-F")->bassTone(2, Bellows::Push), QStringLiteral("(Fism)"));
    EXPECT_EQ(inProgram("G-C-F", KeyboardSide::Bass, 2, Bellows::Pull), QStringLiteral("Es"));
}

// Deleting and renaming ask first; the main list falls back to the first tuning and follows its
// new name.
TEST_F(TuningsWindow, DeletingAndRenamingAskFirstAndTheMainListFollows) {
    pickTuning(c(), "C-F-B");
    openWindow();
    select(QStringLiteral("C-F-B"));
    dialogs.answers = {MessageAnswer::No};
    click(window->cmdSmazat);
    EXPECT_EQ(dialogs.take(),
              (std::vector<Message>{{"Smazat ladění",
                                     "Písničky zapsané v ladění „C-F-B“ pak Mechík nezobrazí ani "
                                     "nepřevede, dokud ladění tohoto názvu znovu nepřidáte.\r\n"
                                     "Smazat ladění „C-F-B“?",
                                     MessageIcon::Exclamation, MessageButtons::YesNo}}));
    EXPECT_EQ(listed(), Delivered);

    dialogs.answers = {MessageAnswer::Yes};
    click(window->cmdSmazat);
    dialogs.take();
    QStringList left = Delivered;
    left.removeAll(QStringLiteral("C-F-B"));
    EXPECT_EQ(listed(), left);
    EXPECT_EQ(window->selectedTuning(), QStringLiteral("F-B-Es"));
    EXPECT_EQ(onDisk().names(), left);
    EXPECT_EQ(onDisk().activeIndex(), 0);
    EXPECT_EQ(texts(c().Combo1), left);
    expectShown("G-C-F");

    select(QStringLiteral("G-C-F"));
    dialogs.inputs = {QStringLiteral("Moje G-C-F")};
    dialogs.answers = {MessageAnswer::No};
    click(window->cmdPrejmenovat);
    EXPECT_EQ(dialogs.take(),
              (std::vector<Message>{
                  {"Přejmenovat ladění", "Nový název ladění „G-C-F“:", MessageIcon::None,
                   MessageButtons::OkCancel},
                  {"Přejmenovat ladění",
                   "Písničky zapsané v ladění „G-C-F“ ho hledají podle názvu. Po přejmenování na "
                   "„Moje G-C-F“ je Mechík nezobrazí ani nepřevede, dokud jejich list "
                   "nepřejmenujete také.\r\nPřejmenovat ladění „G-C-F“ na „Moje G-C-F“?",
                   MessageIcon::Exclamation, MessageButtons::YesNo}}));
    EXPECT_EQ(listed(), left);

    dialogs.inputs = {QStringLiteral("Moje G-C-F")};
    dialogs.answers = {MessageAnswer::Yes};
    click(window->cmdPrejmenovat);
    EXPECT_EQ(listed()[0], QStringLiteral("Moje G-C-F"));
    EXPECT_EQ(window->selectedTuning(), QStringLiteral("Moje G-C-F"));
    EXPECT_EQ(onDisk().names()[0], QStringLiteral("Moje G-C-F"));
    EXPECT_EQ(texts(c().Combo1), listed());
    expectShown("Moje G-C-F");

    // A name in use is refused before anything is asked.
    dialogs.inputs = {QStringLiteral("a-d-g")};
    click(window->cmdPrejmenovat);
    EXPECT_EQ(dialogs.take().back(),
              exclamation("Ladění nelze přejmenovat.",
                          "Ladění „A-D-G“ už v seznamu je; zvolte jiný název."));
}

// A database of the player's own, of two tunings, with an odd cell written before this version
// checked entries: a cell he did not touch is never refused; the last tuning and the open song's
// tuning stay.
TEST_F(TuningsWindow, AnOddCellIsNotRefusedAndTheLastTuningAndTheOpenSongsTuningStay) {
    auto data = spreadsheet::xls::readXlsFile(vezarPath());
    const int row = *tones::TuningTable::fromSheet(*data.sheets[0]).trebleRowOf(5);
    data.sheets[0]->setValue({row, 3}, spreadsheet::CellValue(QStringLiteral("Fis")));  // 5 pull
    data.sheets.resize(2);
    spreadsheet::xls::writeXlsFile(vezarPath(), data);
    ASSERT_TRUE(restart());
    pickTuning(c(), "A-D-G");
    dialogs.inputs.push_back(QStringLiteral("Píseň"));
    form->songFiles().cmdNovaSkladba_Click();
    dialogs.take();
    openWindow();
    select(QStringLiteral("G-C-F"));
    clickKey(KeyboardSide::Treble, 5);
    ASSERT_EQ(window->txtTah->text(), QStringLiteral("Fis"));
    typeTones(QStringLiteral("d1,"), window->txtTah->text());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(onDisk().tuning("G-C-F")->trebleTone(5, Bellows::Push), QStringLiteral("d1,"));
    EXPECT_EQ(onDisk().tuning("G-C-F")->trebleTone(5, Bellows::Pull), QStringLiteral("Fis"));

    select(QStringLiteral("A-D-G"));
    click(window->cmdSmazat);
    EXPECT_EQ(dialogs.take(), std::vector{exclamation("Ladění nelze smazat.",
                                                      "Ladění „A-D-G“ má otevřená písnička; "
                                                      "smazat ho lze, až ji zavřete.")});
    dialogs.inputs = {QStringLiteral("Jiné")};
    click(window->cmdPrejmenovat);
    EXPECT_EQ(
        dialogs.take().back(),
        exclamation("Ladění nelze přejmenovat.",
                    "Ladění „A-D-G“ má otevřená písnička; přejmenovat ho lze, až ji zavřete."));

    dialogs.answers = {MessageAnswer::Yes};
    select(QStringLiteral("G-C-F"));
    click(window->cmdSmazat);
    dialogs.take();
    EXPECT_EQ(listed(), QStringList{"A-D-G"});
    // The song goes on in its tuning, its window active.
    EXPECT_EQ(host().activeWorkbook().name(), QStringLiteral("Píseň.xls"));
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("A-D-G"));
    EXPECT_TRUE(form->tuning().SelectSongTuning());

    window->close();
    form->songFiles().cmdEndEdit_Click();
    openWindow();
    click(window->cmdSmazat);
    EXPECT_EQ(dialogs.take(), std::vector{exclamation("Ladění nelze smazat.",
                                                      "Ladění „A-D-G“ je v databázi jediné; "
                                                      "smazat ho nelze.")});
}

// The host keeps its own copy of the database and writes it back when a tuning is picked: the
// copy and the file must agree after every change, or the pick would undo it.
TEST_F(TuningsWindow, AnAddedTuningSurvivesALaterPickARestartAndAnOpenSong) {
    // A cell edited in the sheet window, not yet saved, is not lost either.
    host()
        .workbook(QStringLiteral("Vezar.xls"))
        .sheet(QStringLiteral("G-C"))
        .range(QStringLiteral("H1"))
        .setValue(spreadsheet::CellValue(QStringLiteral("poznámka")));
    openWindow();
    select(QStringLiteral("G-C-F"));
    add(QStringLiteral("Moje"));
    window->close();
    pickTuning(c(), "A-D-G");
    EXPECT_EQ(onDisk().names(), Delivered + QStringList{"Moje"});
    EXPECT_EQ(activeOnDisk(), QStringLiteral("A-D-G"));
    EXPECT_EQ(spreadsheet::xls::readXlsFile(vezarPath()).sheets[6]->value({1, 8}).text(),
              QStringLiteral("poznámka"));

    ASSERT_TRUE(restart());
    EXPECT_EQ(texts(c().Combo1), Delivered + QStringList{"Moje"});
    expectShown("A-D-G");
    pickTuning(c(), "Moje");
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("Moje"));
    EXPECT_TRUE(dialogs.messages.empty());

    // A song looks its tones up in its own tuning, which the host selects in its copy; that
    // does not make it the tuning for the next new song.
    const QString song = songPath(QStringLiteral("Píseň.xls"));
    songs::writeSongFile(song, QStringLiteral("C-F"), {});
    ASSERT_TRUE(form->songFiles().openSongFile(song));
    ASSERT_TRUE(form->tuning().SelectSongTuning());
    openWindow();
    select(QStringLiteral("G-C"));
    add(QStringLiteral("Moje G-C"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(activeOnDisk(), QStringLiteral("Moje"));
    EXPECT_EQ(host().activeWorkbook().name(), QStringLiteral("Píseň.xls"));
    expectShown("C-F");
    EXPECT_FALSE(c().Combo1->isEnabled());
}
