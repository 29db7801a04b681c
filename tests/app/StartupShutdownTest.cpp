// Start-up and shutdown as a player meets them: the tuning list, the stored choices, the
// messages for bad stored values, and what happens to an open song at the end.
#include "support/ProgramFixture.h"
#include "support/TestFiles.h"

#include "services/Contact.h"
#include "views/KeyboardModels.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

using services::MessageAnswer;
using services::MessageButtons;
using services::MessageIcon;
using spreadsheet::CellValue;
using testing_support::ScriptedDialogs;

namespace {

class Startup : public testing_support::ProgramFixture {
protected:
    QStringList tuningList() const {
        QStringList items;
        for (int i = 0; i < c().Combo1->count(); ++i) {
            items << c().Combo1->itemText(i);
        }
        return items;
    }
    bool barShown(int i) const {
        return !form->findChild<QPushButton*>(QStringLiteral("cmdZabrana(%1)").arg(i))->isHidden();
    }
    QString label(int k) const {
        return form->findChild<QLabel*>(QStringLiteral("lblCisKnofl(%1)").arg(k))->text();
    }
    const QStringList allTunings{"G-C-F",  "A-D-G", "B-Es-As", "C-F-B",
                                 "F-B-Es", "C-F",   "G-C",     "Club C-F"};
};

}  // namespace

TEST_F(Startup, TheFirstRunShowsTheDesignedWindowWithEveryTuning) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(tuningList(), allTunings);
    EXPECT_EQ(c().Combo1->currentText(), QStringLiteral("G-C-F"));
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("G-C-F"));
    EXPECT_TRUE(menu().mnuZnaceni[0]->isChecked());
    EXPECT_FALSE(menu().mnuZnaceni[1]->isChecked());
    EXPECT_FALSE(menu().mnu2Rady->isChecked());
    EXPECT_FALSE(menu().mnuModelClub->isChecked());
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(barShown(i)) << i;
    }
    EXPECT_EQ(label(18), QStringLiteral("6s"));
    EXPECT_EQ(form->connection().TuningWorkbookName, QStringLiteral("Vezar.xls"));
    EXPECT_TRUE(host().visible());
    // The host works in the working folder during the run.
    EXPECT_EQ(host().defaultFilePath(), environment.workingFolder);
}

TEST_F(Startup, TheTuningActiveAtTheLastSaveIsTheCurrentOne) {
    {
        spreadsheet::Application other{spreadsheet::HostSettings(dir.filePath("other.ini"))};
        other.openWorkbook(vezarPath());
        other.sheet(3).select();
        other.activeWorkbook().save();
    }
    ASSERT_TRUE(start());
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("B-Es-As"));
    EXPECT_EQ(c().Combo1->currentText(), QStringLiteral("B-Es-As"));
    EXPECT_EQ(tuningList(), allTunings);
    EXPECT_EQ(host().activeSheet().name(), QStringLiteral("B-Es-As"));
}

TEST_F(Startup, TrizoniaWithoutAStoredModelTakesTheTwoRowModel) {
    settings.setIndex(services::ProgramSettings::Znaceni, 1);
    ASSERT_TRUE(start());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(menu().mnuZnaceni[1]->isChecked());
    EXPECT_FALSE(menu().mnuZnaceni[0]->isChecked());
    EXPECT_EQ(label(1), QStringLiteral("A"));
    EXPECT_EQ(label(18), QStringLiteral("5s"));
    EXPECT_TRUE(menu().mnu2Rady->isChecked());
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(barShown(i)) << i;
    }
    EXPECT_FALSE(barShown(5));
}

TEST_F(Startup, TheClubModelIsLaidAndStoredAgain) {
    settings.setIndex(services::ProgramSettings::Znaceni, 0);
    settings.setIndex(services::ProgramSettings::TypHarm, 2);
    ASSERT_TRUE(start());
    EXPECT_TRUE(menu().mnuModelClub->isChecked());
    EXPECT_FALSE(menu().mnu2Rady->isChecked());
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(barShown(i)) << i;
    }
    EXPECT_EQ(settings.index(services::ProgramSettings::TypHarm), QStringLiteral("2"));
}

TEST_F(Startup, NumberingFiveIsReportedAndTheModelIsNotRead) {
    settings.setIndex(services::ProgramSettings::Znaceni, 5);
    settings.setIndex(services::ProgramSettings::TypHarm, 2);
    ASSERT_TRUE(start());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{
                  "Chyba při čtení z registru.",
                  "V programu došlo k chybě číslo 340. Možná budete moci dále pokračovat. V "
                  "případě problémů volejte " +
                      services::ContactLine,
                  MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_FALSE(menu().mnuModelClub->isChecked());
    EXPECT_FALSE(barShown(0));
    EXPECT_EQ(tuningList(), allTunings);
}

TEST_F(Startup, ANumberTooLargeForTheSettingIsAnOverflow) {
    settings.setIndex(services::ProgramSettings::Znaceni, 300);
    ASSERT_TRUE(start());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(
        dialogs.messages[0].text.startsWith(QStringLiteral("V programu došlo k chybě číslo 6. ")));
}

TEST_F(Startup, ModelThreeIsAnUnexpectedValueAfterTheRestOfStartUp) {
    settings.setIndex(services::ProgramSettings::Znaceni, 1);
    settings.setIndex(services::ProgramSettings::TypHarm, 3);
    ASSERT_TRUE(start());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{"Chyba", "Neočekávaná hodnota !", MessageIcon::Critical,
                                        MessageButtons::Ok}));
    EXPECT_EQ(label(1), QStringLiteral("A"));
    EXPECT_FALSE(barShown(0));
}

TEST_F(Startup, TextThatIsNoNumberKeepsWhatWasReadBefore) {
    QSettings raw(dir.filePath(QStringLiteral("mechik.ini")), QSettings::IniFormat);
    raw.setValue(QStringLiteral("Znaceni/Index"), QStringLiteral("jedna"));
    raw.setValue(QStringLiteral("TypHarm/Index"), QStringLiteral("1"));
    raw.sync();
    ASSERT_TRUE(start());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(menu().mnuZnaceni[0]->isChecked());
    EXPECT_TRUE(menu().mnu2Rady->isChecked());
}

TEST_F(Startup, AMissingTuningDatabaseIsNamedAndTheProgramEnds) {
    QFile::remove(vezarPath());
    EXPECT_FALSE(start());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Program nelze spustit."));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QDir::toNativeSeparators(vezarPath())))
        << dialogs.messages[0].text.toStdString();
    EXPECT_TRUE(dialogs.messages[0].text.endsWith(QStringLiteral("Program bude ukončen.")));
}

TEST_F(Startup, ActivatingAClosedTuningDatabaseSaysSo) {
    ASSERT_TRUE(start());
    host().workbook(QStringLiteral("Vezar.xls")).close();
    EXPECT_FALSE(form->connection().ActivateTuningWindow(dialogs));
    EXPECT_EQ(
        dialogs.take().back(),
        (ScriptedDialogs::Message{"Chyba.", "Soubor Vezar.xls není otevřen. Nelze načítat data !",
                                  MessageIcon::Critical, MessageButtons::Ok}));
    EXPECT_FALSE(form->connection().ActivateSongWindow());
    EXPECT_TRUE(dialogs.messages.empty());
}

namespace {

class Shutdown : public Startup {
protected:
    // A song open in the host, as creating it will leave it.
    QString openSong() {
        auto& h = host();
        h.addWorkbook().saveAs(dir.filePath(QStringLiteral("Polka.xls")));
        form->connection().SongWorkbookName = h.activeWorkbook().name();
        h.range(QStringLiteral("B1")).setValue(CellValue(QStringLiteral("c1,")));
        return dir.filePath(QStringLiteral("Polka.xls"));
    }
    QString savedCellB1(const QString& path) {
        spreadsheet::Application reader{spreadsheet::HostSettings(dir.filePath("r.ini"))};
        reader.openWorkbook(path);
        return reader.range(QStringLiteral("B1")).text();
    }
};

}  // namespace

TEST_F(Shutdown, KonecAsksAndNoChangesNothing) {
    ASSERT_TRUE(start());
    form->show();
    dialogs.answers = {MessageAnswer::No};
    form->mnuKonec_Click();
    EXPECT_EQ(dialogs.messages.back(),
              (ScriptedDialogs::Message{"Konec programu !", "Opravdu chcete ukončit program ?",
                                        MessageIcon::None, MessageButtons::YesNo}));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->connection().SpreadsheetApplication);
}

TEST_F(Shutdown, YesSavesTheOpenSongEndsTheHostAndRestoresItsFolder) {
    spreadsheet::Application(spreadsheet::HostSettings(environment.hostSettingsFile))
        .setDefaultFilePath(QStringLiteral("/home/hrac/Dokumenty"));
    ASSERT_TRUE(start());
    form->show();
    const QString song = openSong();
    dialogs.answers = {MessageAnswer::Yes};
    form->mnuKonec_Click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->connection().SpreadsheetApplication);
    EXPECT_EQ(savedCellB1(song), QStringLiteral("c1,"));
    EXPECT_EQ(spreadsheet::HostSettings(environment.hostSettingsFile).defaultFilePath(),
              QStringLiteral("/home/hrac/Dokumenty"));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(Shutdown, TheCloseBoxEndsTheSameWayWithoutAQuestion) {
    ASSERT_TRUE(start());
    form->show();
    const QString song = openSong();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(savedCellB1(song), QStringLiteral("c1,"));
}

TEST_F(Shutdown, ASongAlreadyClosedIsNotSavedAgain) {
    ASSERT_TRUE(start());
    const QString song = openSong();
    host().activeWorkbook().save();
    host().range(QStringLiteral("B1")).setValue(CellValue(QStringLiteral("d1,")));
    host().activeWorkbook().close();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(savedCellB1(song), QStringLiteral("c1,"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Shutdown, AHostEndedBehindTheProgramsBackIsReportedAndTheFolderStillRestored) {
    spreadsheet::Application(spreadsheet::HostSettings(environment.hostSettingsFile))
        .setDefaultFilePath(QStringLiteral("/home/hrac"));
    ASSERT_TRUE(start());
    host().quit();
    EXPECT_TRUE(form->close());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{
                  "Nestandardní ukončení.",
                  "Nezavírejte příště prosím Excel ručně !\r\nAplikace si ho ovládá sama.",
                  MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(spreadsheet::HostSettings(environment.hostSettingsFile).defaultFilePath(),
              QStringLiteral("/home/hrac"));
}

// Ending the program must not lose a song that cannot be written without the player's word:
// he is told why and chooses to go back, to save a copy, or to quit without saving.
TEST_F(Shutdown, ASongThatCannotBeSavedIsKeptUntilThePlayerChooses) {
    ASSERT_TRUE(start());
    form->show();
    const QString song = openSong();
    host().activeWorkbook().save();
    host().range(QStringLiteral("B1")).setValue(CellValue(QStringLiteral("d1,")));
    dialogs.answers = {MessageAnswer::Cancel};
    bool closed = true;
    testing_support::withFullDisk([&] { closed = form->close(); });
    EXPECT_FALSE(closed);
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Píseň nelze uložit."));
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(dialogs.messages[0].text.endsWith(QStringLiteral(
        "\r\n\r\nAno: uložit píseň jako kopii do jiného souboru.\r\nNe: ukončit program bez "
        "uložení změn.\r\nStorno: vrátit se k písni.")))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(savedCellB1(song), QStringLiteral("c1,"));
    EXPECT_EQ(host().range(QStringLiteral("B1")).text(), QStringLiteral("d1,"));

    dialogs.answers = {MessageAnswer::No};
    testing_support::withFullDisk([&] { closed = form->close(); });
    EXPECT_TRUE(closed);
    EXPECT_FALSE(form->connection().SpreadsheetApplication);
    EXPECT_EQ(savedCellB1(song), QStringLiteral("c1,"));
}

// MECHIK_QUIT_WHEN_SHOWN=1, for timing the start from outside: the program itself shows its
// window and ends at once, successfully, through the ordinary shutdown, which gives the host
// back its own default folder.
TEST(QuitWhenShown, TheProgramEndsAsSoonAsItsWindowIsShownLeavingTheSettingsAsTheyWere) {
    QTemporaryDir home;
    const QString hostSettings = home.filePath(QStringLiteral(".config/Mechik/Tabulka.conf"));
    const QString playersFolder = home.filePath(QStringLiteral("Písničky"));
    {
        QSettings settings(hostSettings, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Tabulka/DefaultFilePath"), playersFolder);
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("MECHIK_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(MECHIK_BIN_DIR "/mechik"), {});
    ASSERT_TRUE(program.waitForFinished(30000)) << "the program went on running";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_EQ(QSettings(hostSettings, QSettings::IniFormat)
                  .value(QStringLiteral("Tabulka/DefaultFilePath"))
                  .toString(),
              playersFolder);
}
