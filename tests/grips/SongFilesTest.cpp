// A player's story with song files: creating, opening and ending songs, and what he is told;
// the tuning of the song made current before a lookup, and the tuning picked in the list.
#include "grips/Said.h"
#include "support/ProgramFixture.h"
#include "support/TestFiles.h"

#include "grips/SongFiles.h"
#include "services/Contact.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tones/TuningSelection.h"
#include "views/VbColour.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

using services::MessageAnswer;
using services::MessageButtons;
using services::MessageIcon;
using spreadsheet::CellValue;

namespace {

class SongFiles : public testing_support::ShownProgramFixture {
protected:
    grips::SongFiles& files() { return form->songFiles(); }
    void newSong(const QString& name) {
        dialogs.inputs.push_back(name);
        files().cmdNovaSkladba_Click();
    }
    // A song written straight to disk, as a player's earlier session left it.
    QString writeSong(const QString& name, int cursorRow, const QString& tuning = "C-F-B") {
        spreadsheet::Application other{spreadsheet::HostSettings(dir.filePath("o.ini"))};
        auto book = other.addWorkbook();
        other.activeSheet().setName(tuning);
        for (int row = 1; row <= 10; ++row) {
            for (const char* cell : {"A%1=sla%1", "B%1=c1,", "I%1=Tlak"}) {
                const QString text = QString::fromUtf8(cell).arg(row);
                other.range(text.section(u'=', 0, 0)).setValue(CellValue(text.section(u'=', 1)));
            }
        }
        other.range(QStringLiteral("B%1").arg(cursorRow)).select();
        book.saveAs(songPath(name));
        return songPath(name);
    }
    // A cell of a song on disk, as the player reopening it sees it.
    QString fileCell(const QString& name, const QString& address) {
        spreadsheet::Application reader{spreadsheet::HostSettings(dir.filePath("r.ini"))};
        reader.openWorkbook(songPath(name));
        return reader.range(address).text();
    }
    void open(const QString& path) {
        chooser.answers = {path};
        files().cmdEdit_Click();
    }
    void openSongIn(const QString& tuning) {
        host().addWorkbook();
        host().activeSheet().setName(tuning);
        form->connection().SongWorkbookName = host().activeWorkbook().name();
    }
};

const said::Message nameQuestion{"Nová skladba.", "Zadejte název nové písničky.", MessageIcon::None,
                                 MessageButtons::OkCancel};

}  // namespace

TEST_F(SongFiles, ANewSongIsCreatedWithTheShownTuningAndEndingItSavesAndCloses) {
    c().lblLadeni->setText("A-D-G");
    newSong("Polka");
    EXPECT_EQ(dialogs.messages, said::Messages{nameQuestion});
    EXPECT_TRUE(QFileInfo::exists(songPath("Polka.xls")));
    EXPECT_EQ(form->connection().SongWorkbookName, "Polka.xls");
    EXPECT_EQ(host().activeSheet().name(), "A-D-G");
    EXPECT_EQ(form->windowTitle(), "Polka.xls");
    EXPECT_TRUE(songOpen());
    EXPECT_FALSE(c().cmdNovaSkladba->isEnabled());
    EXPECT_FALSE(c().cmdEdit->isEnabled());
    EXPECT_FALSE(menu().mnuNovaPisen->isEnabled());
    EXPECT_FALSE(c().Combo1->isEnabled());
    EXPECT_FALSE(c().Slider1->isHidden());
    EXPECT_EQ(host().activeCell().address(), "$A$1");
    // The file on disk already names its tuning.
    EXPECT_EQ(spreadsheet::xls::readXlsFile(songPath("Polka.xls")).sheets[0]->name(), "A-D-G");

    host().range("A1").setValue(CellValue("Šla"));
    views::setBackColour(c().cmdJakDal, views::PushColour);
    c().lblTon->setText("5");
    files().cmdEndEdit_Click();
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(form->windowTitle(), "Mechík");
    EXPECT_EQ(c().lblTon->text(), "1");
    EXPECT_EQ(views::backColour(c().cmdJakDal), views::SystemInactiveBorder);
    EXPECT_TRUE(c().cmdEdit->isEnabled());
    EXPECT_TRUE(c().Combo1->isEnabled());
    EXPECT_TRUE(menu().mnuOtevrit->isEnabled());
    EXPECT_TRUE(c().lblPopisD->isHidden());
    EXPECT_EQ(host().workbookCount(), 1);
    EXPECT_EQ(fileCell("Polka.xls", "A1"), "Šla");
    EXPECT_EQ(spreadsheet::xls::readXlsFile(songPath("Polka.xls")).sheets[0]->name(), "A-D-G");
}

TEST_F(SongFiles, AWorkingFolderThatIsAFileIsCriticalAMissingOneIsCreatedAfterAMessage) {
    const QString folder = QDir::toNativeSeparators(environment.workingFolder);
    QDir(environment.workingFolder).removeRecursively();
    testing_support::writeBytes(environment.workingFolder, "not a folder");
    newSong("Polka");
    const auto shown = dialogs.take();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2], said::critical("Pracovní adresář neexistuje.",
                                       "Cesta " + folder +
                                           " nenalezena. Aby mohl program správně pracovat, "
                                           "vytvořte nejprve ručně tento adresář !!!"));
    EXPECT_FALSE(songOpen());

    QFile::remove(environment.workingFolder);
    newSong("Valčík");
    ASSERT_GE(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              said::exclamation("Pracovní adresář neexistuje.",
                                "Cesta do " + folder +
                                    "  nebyla nalezena.\r\nAby mohl program správně pracovat, "
                                    "bude nyní vytvořena tato složka.\r\nDo ní se budou ukládat "
                                    "Vaše skladby."));
    EXPECT_TRUE(QFileInfo::exists(songPath("Valčík.xls")));
}

TEST_F(SongFiles, AnExistingNameIsKeptOnNoAndReplacedByAnEmptySongOnYes) {
    const QString old = writeSong("Polka.xls", 3);
    const QByteArray before = testing_support::readBytes(old);
    dialogs.answers = {MessageAnswer::No};
    newSong("Polka");
    EXPECT_EQ(dialogs.take(),
              (said::Messages{nameQuestion,
                              {"Tato skladba již existuje!",
                               "Přejete si vymazat z disku původní písničku a nahradit ji novou ?",
                               MessageIcon::Exclamation, MessageButtons::YesNo},
                              said::information("Založení nové skladby přerušeno.",
                                                "Začněte znovu a zadejte jiný název písně.")}));
    EXPECT_EQ(testing_support::readBytes(old), before);
    EXPECT_FALSE(songOpen());

    dialogs.answers = {MessageAnswer::Yes};
    newSong("Polka");
    EXPECT_TRUE(songOpen());
    EXPECT_TRUE(host().range("B1").value().isEmpty());
}

// A player's old file named like the tuning database: the name is refused before the question
// whether to delete it, so nothing is lost for a song that could not be created anyway.
TEST_F(SongFiles, AnEmptyCancelledOrUnusableNameCreatesAndDeletesNothing) {
    newSong(QString());
    dialogs.inputs.push_back(std::nullopt);
    files().cmdNovaSkladba_Click();
    EXPECT_EQ(dialogs.take(), (said::Messages{nameQuestion, nameQuestion}));
    EXPECT_EQ(host().workbookCount(), 1);
    for (const QString& bad :
         QStringList{"../Polka", "a/b", "a\\b", "Co?", "NUL", "con.txt", "Polka.", "Polka ", "..",
                     QString(300, u'x'), "tab\there"}) {
        newSong(bad);
        const auto shown = dialogs.take();
        ASSERT_EQ(shown.size(), 2u) << bad.toStdString();
        EXPECT_EQ(shown[1].title, "Neplatný název písně.");
        EXPECT_TRUE(shown[1].text.startsWith("Název „"));
        EXPECT_EQ(shown[1].icon, MessageIcon::Exclamation);
    }
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(QDir(environment.workingFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList());
    EXPECT_EQ(QDir(dir.path()).entryList({"*.xls"}, QDir::Files), QStringList{"Vezar.xls"});

    const QString old = writeSong("Vezar.xls", 2);
    const QByteArray before = testing_support::readBytes(old);
    for (const QString& name : QStringList{"Vezar", "vezar"}) {
        newSong(name);
        EXPECT_EQ(
            dialogs.take(),
            (said::Messages{nameQuestion,
                            said::exclamation("Neplatný název písně.",
                                              "Název „" + name + "“ nelze použít: sešit " + name +
                                                  ".xls je v programu otevřen (databáze "
                                                  "ladění nebo jiná píseň). Zvolte jiný "
                                                  "název.")}));
    }
    EXPECT_EQ(testing_support::readBytes(old), before);
    EXPECT_FALSE(songOpen());
}

// What cannot be deleted is said once, instead of the same question over and over.
TEST_F(SongFiles, AnOldSongThatCannotBeDeletedIsToldOnce) {
    QDir(environment.workingFolder).mkpath("Polka.xls/obsah");
    dialogs.answers = {MessageAnswer::Yes};
    newSong("Polka");
    EXPECT_EQ(dialogs.titles(),
              (QStringList{"Nová skladba.", "Tato skladba již existuje!",
                           "Původní písničku nelze vymazat.", "Založení nové skladby přerušeno."}));
    EXPECT_TRUE(dialogs.messages[2].text.startsWith(
        "Soubor " + QDir::toNativeSeparators(songPath("Polka.xls")) + " se nepodařilo vymazat ("));
    EXPECT_TRUE(dialogs.messages[2].text.endsWith(
        "). Vymažte ho nebo přesuňte ručně, anebo zvolte jiný název."));
    EXPECT_FALSE(songOpen());
}

// Files copied from a recorder or a phone often carry their extension in capitals.
TEST_F(SongFiles, SoundButtonsShowForTheSoundFilesBesideTheSongWhateverTheirCase) {
    testing_support::writeBytes(songPath("Valčík.mp3"), "ID3");
    testing_support::writeBytes(songPath("Valčík.wav"), "RIFF");
    newSong("Valčík");
    EXPECT_FALSE(c().cmdZvuk[0]->isHidden());
    EXPECT_TRUE(c().cmdZvuk[1]->isHidden());
    EXPECT_FALSE(c().cmdZvuk[2]->isHidden());
    EXPECT_EQ(files().SoundFilePath(1), songPath("Valčík.mid"));
    files().cmdEndEdit_Click();

    testing_support::writeBytes(songPath("Polka.MP3"), "ID3");
    testing_support::writeBytes(songPath("Polka.Mid"), "MThd");
    testing_support::writeBytes(songPath("polka.wav"), "RIFF");  // another song's: the name differs
    newSong("Polka");
    EXPECT_FALSE(c().cmdZvuk[0]->isHidden());
    EXPECT_FALSE(c().cmdZvuk[1]->isHidden());
    EXPECT_TRUE(c().cmdZvuk[2]->isHidden());
    EXPECT_EQ(files().SoundFilePath(0), songPath("Polka.MP3"));
    EXPECT_EQ(files().SoundFilePath(1), songPath("Polka.Mid"));
    EXPECT_EQ(files().SoundFilePath(2), songPath("Polka.wav"));
    files().cmdEndEdit_Click();

    // The working copy of a workbook with drawings plays the original's recordings, unless it
    // has its own.
    testing_support::writeBytes(songPath("Polka – kopie.wav"), "RIFF");
    form->connection().SongWorkbookName = "Polka – kopie.xls";
    EXPECT_EQ(files().SoundFilePath(0), songPath("Polka.MP3"));
    EXPECT_EQ(files().SoundFilePath(2), songPath("Polka – kopie.wav"));
    form->connection().SongWorkbookName = "Polka – kopie (2).xls";
    EXPECT_EQ(files().SoundFilePath(1), songPath("Polka.Mid"));
    form->connection().SongWorkbookName = "Polka kopie.xls";
    EXPECT_EQ(files().SoundFilePath(0), songPath("Polka kopie.mp3"));
}

TEST_F(SongFiles, ASongOpensOnTheGripAndTheTuningWhereItWasLeftCancelChangesNothing) {
    chooser.answers = {std::nullopt};
    files().cmdEdit_Click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(songOpen());
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(chooser.asked[0].title, "Vyberte písničku, kterou chcete zkoušet !");
    EXPECT_EQ(chooser.asked[0].startFolder, environment.workingFolder);
    EXPECT_EQ(chooser.asked[0].patterns, "*.xls");

    open(writeSong("Polka.xls", 7));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(songOpen());
    EXPECT_EQ(c().lblTon->text(), "7");
    EXPECT_EQ(c().lblSlabika[2]->text(), "sla7");
    EXPECT_EQ(c().lblLadeni->text(), "C-F-B");
    EXPECT_EQ(c().Combo1->currentText(), "C-F-B");
    EXPECT_EQ(c().Combo1->currentIndex(), c().Combo1->findText("C-F-B"));
    EXPECT_EQ(form->windowTitle(), "Polka.xls");
    EXPECT_EQ(host().activeCell().address(), "$B$7");
    EXPECT_TRUE(dialogs.messages.empty());
    files().cmdEndEdit_Click();
    EXPECT_EQ(c().Combo1->currentIndex(), c().Combo1->findText("C-F-B"));
}

// A workbook whose sheet names no tuning of the database is said so when it opens, not only
// at the first grip; it stays open, so the sheet can be renamed in the sheet window.
TEST_F(SongFiles, ASongWhoseSheetNamesNoTuningIsToldAtOnce) {
    open(writeSong("Polka.xls", 2, "Moje ladění"));
    EXPECT_TRUE(songOpen());
    EXPECT_EQ(dialogs.messages, said::Messages{said::critical(
                                    "Chyba při výběru ladění !",
                                    "Ladění Moje ladění není v seznamu.\r\nZkontrolujte název "
                                    "listu v uložené skladbě !")});
}

TEST_F(SongFiles, AFileThatIsNoWorkbookIsNamedAndNoSongIsOpen) {
    testing_support::writeBytes(songPath("Pokažená.xls"), "PK\x03\x04 not really");
    open(songPath("Pokažená.xls"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Písničku nelze otevřít.");
    EXPECT_TRUE(
        dialogs.messages[0].text.contains(QDir::toNativeSeparators(songPath("Pokažená.xls"))));
    EXPECT_TRUE(dialogs.messages[0].text.contains(".xlsx"));
    EXPECT_FALSE(songOpen());
    EXPECT_TRUE(form->isVisible());
    // The tuning database is not a song.
    open(vezarPath());
    EXPECT_EQ(dialogs.messages.back().text,
              QStringLiteral("Soubor %1 je databáze ladění, ne písnička.")
                  .arg(QDir::toNativeSeparators(vezarPath())));
    EXPECT_FALSE(songOpen());
}

TEST_F(SongFiles, EndingFindsTheSongWindowASongClosedByHandIsAnUnexpectedError) {
    newSong("Polka");
    host().activateWindow("Vezar.xls");
    files().cmdEndEdit_Click();
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(host().workbookCount(), 1);
    EXPECT_EQ(host().activeWorkbook().name(), "Vezar.xls");

    newSong("Valčík");
    host().activeWorkbook().close();
    dialogs.messages.clear();
    files().cmdEndEdit_Click();
    EXPECT_EQ(dialogs.messages,
              said::Messages{said::critical(
                  "Neočekávaná chyba !",
                  "Volejte firmu " + services::ContactLine + " a sdělte číslo chyby 9")});
    EXPECT_TRUE(songOpen());
}

TEST_F(SongFiles, AHostEndedBehindTheProgramsBackStillEndsTheSong) {
    newSong("Polka");
    host().quit();
    dialogs.messages.clear();
    files().cmdEndEdit_Click();
    EXPECT_EQ(dialogs.messages, said::Messages{said::exclamation(
                                    "Nenalezena externí aplikace.",
                                    "Soubor nelze uložit !\r\nUživatel, nebo jiný program zavřel "
                                    "Excel.\r\nTato chyba může způsobit nestabilitu systému !")});
    EXPECT_FALSE(songOpen());
}

// A song on a stick that was pulled out: the player goes back to it first, then saves it as a
// copy in the working folder and the song ends.
TEST_F(SongFiles, ASongThatCannotBeSavedIsEndedOnlyAsThePlayerChooses) {
    const QString stick = dir.filePath("Flash");
    QDir().mkpath(stick);
    open(writeSong("../Flash/Polka.xls", 3));
    ASSERT_TRUE(songOpen());
    host().range("B1").setValue(CellValue("d1,"));
    QDir(stick).removeRecursively();
    dialogs.messages.clear();

    dialogs.answers = {MessageAnswer::Cancel};
    files().cmdEndEdit_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Píseň nelze uložit.");
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(dialogs.messages[0].text.contains("Ne: ukončit píseň bez uložení změn."));
    EXPECT_TRUE(songOpen());

    dialogs.answers = {MessageAnswer::Yes};
    chooser.saveAnswers = {songPath("Polka.xls")};
    files().cmdEndEdit_Click();
    ASSERT_EQ(chooser.askedToSave.size(), 1u);
    EXPECT_EQ(chooser.askedToSave[0].title, "Uložit kopii písně");
    EXPECT_EQ(chooser.askedToSave[0].startFolder, songPath("Polka.xls"));
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(fileCell("Polka.xls", "B1"), "d1,");
}

TEST_F(SongFiles, TheMenuItemsDoWhatTheirButtonsDo) {
    dialogs.inputs.push_back("Menu");
    menu().mnuNovaPisen->trigger();
    EXPECT_TRUE(songOpen());
    EXPECT_TRUE(menu().mnuKonecPisne->isEnabled());
    menu().mnuKonecPisne->trigger();
    EXPECT_FALSE(songOpen());
    chooser.answers = {std::nullopt};
    menu().mnuOtevrit->trigger();
    EXPECT_EQ(chooser.asked.size(), 1u);
}

TEST_F(SongFiles, TheSongsTuningBecomesCurrentOrIsRefusedWithTheSongStillActive) {
    openSongIn("H-E-A");
    EXPECT_FALSE(form->tuning().SelectSongTuning());
    EXPECT_EQ(dialogs.take(), said::Messages{said::critical(
                                  "Chyba při výběru ladění !",
                                  "Ladění H-E-A není v seznamu.\r\nZkontrolujte název listu v "
                                  "uložené skladbě !")});
    EXPECT_EQ(host().activeWorkbook().name(), form->connection().SongWorkbookName);
    EXPECT_EQ(c().lblLadeni->text(), "G-C-F");

    openSongIn("club c-f");
    EXPECT_TRUE(form->tuning().SelectSongTuning());
    EXPECT_EQ(c().lblLadeni->text(), "club c-f");
    EXPECT_EQ(host().activeWorkbook().name(), form->connection().SongWorkbookName);
    EXPECT_EQ(host().workbook("Vezar.xls").activeSheet().name(), "Club C-F");
    EXPECT_TRUE(dialogs.messages.empty());
}

// A program folder the user may not write (or a full disk): the pick still holds for the run.
TEST_F(SongFiles, ADatabaseThatCannotBeSavedKeepsThePickForThisRunAndSaysSo) {
    testing_support::withFullDisk([&] { form->tuning().Combo1_Click("F-B-Es"); });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Ladění nelze uložit.");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(
        "Zvolené ladění F-B-Es platí jen do ukončení programu, databázi ladění se nepodařilo "
        "uložit.\r\nSoubor "));
    EXPECT_EQ(c().lblLadeni->text(), "F-B-Es");
    EXPECT_EQ(host().activeSheet().name(), "F-B-Es");
}
