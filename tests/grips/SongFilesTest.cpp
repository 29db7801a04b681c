// A player's story with song files: creating, opening and ending songs, and what he is told.
#include "support/ProgramFixture.h"
#include "support/TestFiles.h"

#include "grips/SongFiles.h"
#include "services/Contact.h"
#include "spreadsheet/xls/XlsFile.h"
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
using testing_support::ScriptedDialogs;

namespace {

class SongFiles : public testing_support::ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        QDir().mkpath(environment.workingFolder);
        ASSERT_TRUE(start());
        form->show();
    }
    grips::SongFiles& files() { return form->songFiles(); }
    QString songPath(const QString& name) const {
        return QDir(environment.workingFolder).filePath(name);
    }
    void newSong(const QString& name) {
        dialogs.inputs.push_back(name);
        files().cmdNovaSkladba_Click();
    }
    bool songOpen() const { return c().cmdEndEdit->isEnabled(); }
    // A song written straight to disk, as a player's earlier session left it.
    QString writeSong(const QString& name, int cursorRow) {
        spreadsheet::Application other{spreadsheet::HostSettings(dir.filePath("o.ini"))};
        auto book = other.addWorkbook();
        other.activeSheet().setName(QStringLiteral("C-F-B"));
        for (int row = 1; row <= 10; ++row) {
            other.range(QStringLiteral("A%1").arg(row))
                .setValue(CellValue(QStringLiteral("sla%1").arg(row)));
            other.range(QStringLiteral("B%1").arg(row)).setValue(CellValue(QStringLiteral("c1,")));
            other.range(QStringLiteral("I%1").arg(row)).setValue(CellValue(QStringLiteral("Tlak")));
        }
        other.range(QStringLiteral("B%1").arg(cursorRow)).select();
        book.saveAs(songPath(name));
        return songPath(name);
    }
};

const QString exists =
    QStringLiteral("Přejete si vymazat z disku původní písničku a nahradit ji novou ?");

}  // namespace

TEST_F(SongFiles, ANewSongIsCreatedInTheWorkingFolderWithTheShownTuning) {
    c().lblLadeni->setText(QStringLiteral("A-D-G"));
    newSong(QStringLiteral("Polka"));
    EXPECT_EQ(dialogs.messages.size(), 1u);  // only the input box
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Nová skladba."));
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Zadejte název nové písničky."));
    EXPECT_TRUE(QFileInfo::exists(songPath("Polka.xls")));
    EXPECT_EQ(form->connection().SongWorkbookName, QStringLiteral("Polka.xls"));
    EXPECT_EQ(host().activeSheet().name(), QStringLiteral("A-D-G"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Polka.xls"));
    EXPECT_TRUE(songOpen());
    EXPECT_FALSE(c().cmdNovaSkladba->isEnabled());
    EXPECT_FALSE(c().cmdEdit->isEnabled());
    EXPECT_FALSE(menu().mnuNovaPisen->isEnabled());
    EXPECT_FALSE(c().Combo1->isEnabled());
    EXPECT_FALSE(c().Slider1->isHidden());
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$A$1"));
    // The file on disk already names its tuning.
    EXPECT_EQ(spreadsheet::xls::readXlsFile(songPath("Polka.xls")).sheets[0]->name(),
              QStringLiteral("A-D-G"));
}

TEST_F(SongFiles, AMissingWorkingFolderIsCreatedAfterAMessage) {
    QDir(environment.workingFolder).removeRecursively();
    newSong(QStringLiteral("Valčík"));
    ASSERT_GE(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{
                  "Pracovní adresář neexistuje.",
                  "Cesta do " + QDir::toNativeSeparators(environment.workingFolder) +
                      "  nebyla nalezena.\r\nAby mohl program správně pracovat, bude nyní "
                      "vytvořena tato složka.\r\nDo ní se budou ukládat Vaše skladby.",
                  MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_TRUE(QFileInfo::exists(songPath("Valčík.xls")));
}

TEST_F(SongFiles, AnExistingNameIsKeptWhenTheAnswerIsNo) {
    const QString old = writeSong(QStringLiteral("Polka.xls"), 3);
    const QByteArray before = testing_support::readBytes(old);
    dialogs.answers = {MessageAnswer::No};
    newSong(QStringLiteral("Polka"));
    const auto shown = dialogs.take();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1],
              (ScriptedDialogs::Message{"Tato skladba již existuje!", exists,
                                        MessageIcon::Exclamation, MessageButtons::YesNo}));
    EXPECT_EQ(shown[2], (ScriptedDialogs::Message{"Založení nové skladby přerušeno.",
                                                  "Začněte znovu a zadejte jiný název písně.",
                                                  MessageIcon::Information, MessageButtons::Ok}));
    EXPECT_EQ(testing_support::readBytes(old), before);
    EXPECT_FALSE(songOpen());
}

TEST_F(SongFiles, AnExistingNameIsReplacedByAnEmptySongWhenTheAnswerIsYes) {
    writeSong(QStringLiteral("Polka.xls"), 3);
    dialogs.answers = {MessageAnswer::Yes};
    newSong(QStringLiteral("Polka"));
    EXPECT_TRUE(songOpen());
    EXPECT_TRUE(host().range(QStringLiteral("B1")).value().isEmpty());
}

TEST_F(SongFiles, AnEmptyNameOrCancelDoesNothing) {
    newSong(QString());
    dialogs.inputs.push_back(std::nullopt);
    files().cmdNovaSkladba_Click();
    EXPECT_EQ(dialogs.messages.size(), 2u);  // the two input boxes
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(host().workbookCount(), 1);
}

TEST_F(SongFiles, ANameThatIsNoFileNameIsRefusedAndNothingIsCreated) {
    for (const QString& bad :
         {QStringLiteral("../Polka"), QStringLiteral("a/b"), QStringLiteral("a\\b"),
          QStringLiteral("Co?"), QStringLiteral("NUL"), QStringLiteral("con.txt"),
          QStringLiteral("Polka."), QStringLiteral("Polka "), QStringLiteral(".."),
          QString(300, u'x'), QStringLiteral("tab\there")}) {
        dialogs.messages.clear();
        newSong(bad);
        ASSERT_EQ(dialogs.messages.size(), 2u) << bad.toStdString();
        EXPECT_EQ(dialogs.messages[1].title, QStringLiteral("Neplatný název písně."));
        EXPECT_TRUE(dialogs.messages[1].text.startsWith(QStringLiteral("Název „")));
        EXPECT_EQ(dialogs.messages[1].icon, MessageIcon::Exclamation);
    }
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(QDir(environment.workingFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList());
    EXPECT_EQ(QDir(dir.path()).entryList({"*.xls"}, QDir::Files), QStringList{"Vezar.xls"});
}

TEST_F(SongFiles, AFolderThatCannotBeWrittenGivesTheCriticalMessage) {
    QDir(environment.workingFolder).removeRecursively();
    testing_support::writeBytes(environment.workingFolder, "not a folder");
    newSong(QStringLiteral("Polka"));
    const auto shown = dialogs.take();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2], (ScriptedDialogs::Message{
                            "Pracovní adresář neexistuje.",
                            "Cesta " + QDir::toNativeSeparators(environment.workingFolder) +
                                " nenalezena. Aby mohl program správně pracovat, vytvořte "
                                "nejprve ručně tento adresář !!!",
                            MessageIcon::Critical, MessageButtons::Ok}));
    EXPECT_FALSE(songOpen());
}

TEST_F(SongFiles, SoundButtonsShowForTheSoundFilesBesideTheSong) {
    testing_support::writeBytes(songPath("Polka.mp3"), "ID3");
    testing_support::writeBytes(songPath("Polka.wav"), "RIFF");
    newSong(QStringLiteral("Polka"));
    EXPECT_FALSE(c().cmdZvuk[0]->isHidden());
    EXPECT_TRUE(c().cmdZvuk[1]->isHidden());
    EXPECT_FALSE(c().cmdZvuk[2]->isHidden());
    EXPECT_EQ(files().SoundFilePath(1), songPath("Polka.mid"));
}

// Files copied from a recorder or a phone often carry their extension in capitals.
TEST_F(SongFiles, SoundFilesAreFoundWhateverTheCaseOfTheirExtension) {
    testing_support::writeBytes(songPath("Polka.MP3"), "ID3");
    testing_support::writeBytes(songPath("Polka.Mid"), "MThd");
    testing_support::writeBytes(songPath("polka.wav"), "RIFF");  // another song's: the name differs
    newSong(QStringLiteral("Polka"));
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
    form->connection().SongWorkbookName = QStringLiteral("Polka – kopie.xls");
    EXPECT_EQ(files().SoundFilePath(0), songPath("Polka.MP3"));
    EXPECT_EQ(files().SoundFilePath(2), songPath("Polka – kopie.wav"));
    form->connection().SongWorkbookName = QStringLiteral("Polka – kopie (2).xls");
    EXPECT_EQ(files().SoundFilePath(1), songPath("Polka.Mid"));
    form->connection().SongWorkbookName = QStringLiteral("Polka kopie.xls");
    EXPECT_EQ(files().SoundFilePath(0), songPath("Polka kopie.mp3"));
}

TEST_F(SongFiles, OpenThenCancelShowsTheWindowAgainAndChangesNothing) {
    chooser.answers = {std::nullopt};
    files().cmdEdit_Click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(songOpen());
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(chooser.asked[0].title, QStringLiteral("Vyberte písničku, kterou chcete zkoušet !"));
    EXPECT_EQ(chooser.asked[0].startFolder, environment.workingFolder);
    EXPECT_EQ(chooser.asked[0].patterns, QStringLiteral("*.xls"));
}

TEST_F(SongFiles, ASongOpensOnTheGripWhereItWasLeft) {
    const QString path = writeSong(QStringLiteral("Polka.xls"), 7);
    chooser.answers = {path};
    files().cmdEdit_Click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(songOpen());
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("7"));
    EXPECT_EQ(c().lblSlabika[2]->text(), QStringLiteral("sla7"));
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("C-F-B"));
    EXPECT_EQ(c().Combo1->currentText(), QStringLiteral("C-F-B"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Polka.xls"));
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$7"));
}

// A workbook whose sheet names no tuning of the database is said so when it opens, not only
// at the first grip; it stays open, so the sheet can be renamed in the sheet window.
TEST_F(SongFiles, ASongWhoseSheetNamesNoTuningIsToldAtOnce) {
    const QString path = writeSong(QStringLiteral("Polka.xls"), 2);
    spreadsheet::Application other{spreadsheet::HostSettings(dir.filePath("o.ini"))};
    other.openWorkbook(path);
    other.activeSheet().setName(QStringLiteral("Moje ladění"));
    other.activeWorkbook().save();
    other.activeWorkbook().close();
    chooser.answers = {path};
    files().cmdEdit_Click();
    EXPECT_TRUE(songOpen());
    EXPECT_EQ(dialogs.messages,
              (std::vector<ScriptedDialogs::Message>{
                  {"Chyba při výběru ladění !",
                   "Ladění Moje ladění není v seznamu.\r\nZkontrolujte název listu v uložené "
                   "skladbě !",
                   MessageIcon::Critical, MessageButtons::Ok}}));
    // A song of a known tuning opens without a word.
    dialogs.messages.clear();
    files().cmdEndEdit_Click();
    chooser.answers = {writeSong(QStringLiteral("Valčík.xls"), 1)};
    files().cmdEdit_Click();
    EXPECT_TRUE(songOpen());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SongFiles, AFileThatIsNoWorkbookIsNamedAndNoSongIsOpen) {
    testing_support::writeBytes(songPath("Pokažená.xls"), "PK\x03\x04 not really");
    chooser.answers = {songPath("Pokažená.xls"), QString(vezarPath())};
    files().cmdEdit_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Písničku nelze otevřít."));
    EXPECT_TRUE(
        dialogs.messages[0].text.contains(QDir::toNativeSeparators(songPath("Pokažená.xls"))));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral(".xlsx")));
    EXPECT_FALSE(songOpen());
    EXPECT_TRUE(form->isVisible());
    // The tuning database is not a song.
    files().cmdEdit_Click();
    EXPECT_EQ(dialogs.messages.back().text,
              QStringLiteral("Soubor %1 je databáze ladění, ne písnička.")
                  .arg(QDir::toNativeSeparators(vezarPath())));
    EXPECT_FALSE(songOpen());
}

TEST_F(SongFiles, EndingTheSongSavesClosesAndReturnsToNoSong) {
    newSong(QStringLiteral("Polka"));
    host().range(QStringLiteral("A1")).setValue(CellValue(QStringLiteral("Šla")));
    views::setBackColour(c().cmdJakDal, views::PushColour);
    c().lblTon->setText(QStringLiteral("5"));
    files().cmdEndEdit_Click();
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Mechík"));
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("1"));
    EXPECT_EQ(views::backColour(c().cmdJakDal), views::SystemInactiveBorder);
    EXPECT_TRUE(c().cmdEdit->isEnabled());
    EXPECT_TRUE(c().Combo1->isEnabled());
    EXPECT_TRUE(menu().mnuOtevrit->isEnabled());
    EXPECT_TRUE(c().lblPopisD->isHidden());
    EXPECT_EQ(host().workbookCount(), 1);
    spreadsheet::Application reader{spreadsheet::HostSettings(dir.filePath("r.ini"))};
    reader.openWorkbook(songPath("Polka.xls"));
    EXPECT_EQ(reader.range(QStringLiteral("A1")).text(), QStringLiteral("Šla"));
    EXPECT_EQ(reader.activeSheet().name(), QStringLiteral("G-C-F"));
}

TEST_F(SongFiles, EndingWhileTheTuningDatabaseIsActiveFindsTheSongWindow) {
    newSong(QStringLiteral("Polka"));
    host().activateWindow(QStringLiteral("Vezar.xls"));
    files().cmdEndEdit_Click();
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(host().workbookCount(), 1);
    EXPECT_EQ(host().activeWorkbook().name(), QStringLiteral("Vezar.xls"));
}

TEST_F(SongFiles, ASongClosedByHandIsAnUnexpectedErrorAndStaysOpenInTheProgram) {
    newSong(QStringLiteral("Polka"));
    host().activeWorkbook().close();
    dialogs.messages.clear();
    files().cmdEndEdit_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{
                  "Neočekávaná chyba !",
                  "Volejte firmu " + services::ContactLine + " a sdělte číslo chyby 9",
                  MessageIcon::Critical, MessageButtons::Ok}));
    EXPECT_TRUE(songOpen());
}

TEST_F(SongFiles, AHostEndedBehindTheProgramsBackStillEndsTheSong) {
    newSong(QStringLiteral("Polka"));
    host().quit();
    dialogs.messages.clear();
    files().cmdEndEdit_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{"Nenalezena externí aplikace.",
                                        "Soubor nelze uložit !\r\nUživatel, nebo jiný program "
                                        "zavřel Excel.\r\nTato chyba může způsobit nestabilitu "
                                        "systému !",
                                        MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_FALSE(songOpen());
}

// A song on a stick that was pulled out: the player goes back to it first, then saves it as a
// copy in the working folder and the song ends.
TEST_F(SongFiles, ASongThatCannotBeSavedIsEndedOnlyAsThePlayerChooses) {
    const QString stick = dir.filePath(QStringLiteral("Flash"));
    QDir().mkpath(stick);
    chooser.answers = {writeSong(QStringLiteral("../Flash/Polka.xls"), 3)};
    files().cmdEdit_Click();
    ASSERT_TRUE(songOpen());
    host().range(QStringLiteral("B1")).setValue(CellValue(QStringLiteral("d1,")));
    QDir(stick).removeRecursively();
    dialogs.messages.clear();

    dialogs.answers = {MessageAnswer::Cancel};
    files().cmdEndEdit_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Píseň nelze uložit."));
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(
        dialogs.messages[0].text.contains(QStringLiteral("Ne: ukončit píseň bez uložení změn.")));
    EXPECT_TRUE(songOpen());

    dialogs.answers = {MessageAnswer::Yes};
    chooser.saveAnswers = {songPath(QStringLiteral("Polka.xls"))};
    files().cmdEndEdit_Click();
    ASSERT_EQ(chooser.askedToSave.size(), 1u);
    EXPECT_EQ(chooser.askedToSave[0].title, QStringLiteral("Uložit kopii písně"));
    EXPECT_EQ(chooser.askedToSave[0].startFolder, songPath(QStringLiteral("Polka.xls")));
    EXPECT_FALSE(songOpen());
    spreadsheet::Application reader{spreadsheet::HostSettings(dir.filePath("r.ini"))};
    reader.openWorkbook(songPath("Polka.xls"));
    EXPECT_EQ(reader.range(QStringLiteral("B1")).text(), QStringLiteral("d1,"));
}

TEST_F(SongFiles, TheMenuItemsDoWhatTheirButtonsDo) {
    dialogs.inputs.push_back(QStringLiteral("Menu"));
    menu().mnuNovaPisen->trigger();
    EXPECT_TRUE(songOpen());
    EXPECT_TRUE(menu().mnuKonecPisne->isEnabled());
    menu().mnuKonecPisne->trigger();
    EXPECT_FALSE(songOpen());
    chooser.answers = {std::nullopt};
    menu().mnuOtevrit->trigger();
    EXPECT_EQ(chooser.asked.size(), 1u);
}

// A player's old file named like the tuning database: the name is refused before the question
// whether to delete it, so nothing is lost for a song that could not be created anyway.
TEST_F(SongFiles, ANewSongNamedLikeAnOpenWorkbookIsRefusedBeforeAnythingIsDeleted) {
    const QString old = writeSong(QStringLiteral("Vezar.xls"), 2);
    const QByteArray before = testing_support::readBytes(old);
    for (const QString& name : {QStringLiteral("Vezar"), QStringLiteral("vezar")}) {
        dialogs.messages.clear();
        newSong(name);
        ASSERT_EQ(dialogs.messages.size(), 2u);
        EXPECT_EQ(dialogs.messages[1],
                  (ScriptedDialogs::Message{"Neplatný název písně.",
                                            "Název „" + name + "“ nelze použít: sešit " + name +
                                                ".xls je v programu otevřen (databáze ladění "
                                                "nebo jiná píseň). Zvolte jiný název.",
                                            MessageIcon::Exclamation, MessageButtons::Ok}));
    }
    EXPECT_EQ(testing_support::readBytes(old), before);
    EXPECT_FALSE(songOpen());
}

// What cannot be deleted is said once, instead of the same question over and over.
TEST_F(SongFiles, AnOldSongThatCannotBeDeletedIsToldOnce) {
    QDir(environment.workingFolder).mkpath(QStringLiteral("Polka.xls/obsah"));
    dialogs.answers = {MessageAnswer::Yes};
    newSong(QStringLiteral("Polka"));
    EXPECT_EQ(dialogs.titles(),
              (QStringList{"Nová skladba.", "Tato skladba již existuje!",
                           "Původní písničku nelze vymazat.", "Založení nové skladby přerušeno."}));
    EXPECT_TRUE(dialogs.messages[2].text.startsWith(
        "Soubor " + QDir::toNativeSeparators(songPath("Polka.xls")) + " se nepodařilo vymazat ("));
    EXPECT_TRUE(dialogs.messages[2].text.endsWith(
        QStringLiteral("). Vymažte ho nebo přesuňte ručně, anebo zvolte jiný název.")));
    EXPECT_FALSE(songOpen());
}

TEST_F(SongFiles, TheTuningListOpensOnTheSongsTuning) {
    chooser.answers = {writeSong(QStringLiteral("Polka.xls"), 2)};
    files().cmdEdit_Click();
    EXPECT_EQ(c().Combo1->currentText(), QStringLiteral("C-F-B"));
    EXPECT_EQ(c().Combo1->currentIndex(), c().Combo1->findText(QStringLiteral("C-F-B")));
    files().cmdEndEdit_Click();
    EXPECT_EQ(c().Combo1->currentIndex(), c().Combo1->findText(QStringLiteral("C-F-B")));
}
