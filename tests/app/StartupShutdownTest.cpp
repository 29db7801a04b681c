// Start-up and shutdown as a player meets them: the tuning list, the stored choices, the
// messages for bad stored values, and what happens to an open song at the end.
#include "app/WindowChecks.h"

#include "services/Contact.h"
#include "views/KeyboardModels.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

using namespace window_checks;
using spreadsheet::CellValue;

namespace {

const QStringList AllTunings{"G-C-F",  "A-D-G", "B-Es-As", "C-F-B",
                             "F-B-Es", "C-F",   "G-C",     "Club C-F"};

using Startup = testing_support::ProgramFixture;

Message registryError(int number) {
    return {"Chyba při čtení z registru.",
            QStringLiteral("V programu došlo k chybě číslo %1. Možná budete moci dále pokračovat. "
                           "V případě problémů volejte ")
                    .arg(number) +
                services::ContactLine,
            MessageIcon::Exclamation, MessageButtons::Ok};
}

}  // namespace

TEST_F(Startup, TheFirstRunShowsTheDesignedWindowWithEveryTuning) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(texts(c().Combo1), AllTunings);
    EXPECT_EQ(c().Combo1->currentText(), QStringLiteral("G-C-F"));
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("G-C-F"));
    EXPECT_EQ(form->connection().TuningWorkbookName, QStringLiteral("Vezar.xls"));
    EXPECT_TRUE(host().visible());
    // The host works in the working folder during the run.
    EXPECT_EQ(host().defaultFilePath(), environment.workingFolder);
}

// The stored numbering and model as the next start reads them, the bad ones reported.
TEST_F(Startup, TheStoredChoicesAreAppliedAndBadOnesReported) {
    struct Case {
        const char* numbering;  // the stored texts; nullptr: nothing stored
        const char* model;
        std::vector<Message> told;
        int checkedNumbering;  // -1: none
        const char* bars;      // "01234": the two-row model, "012345": the club model
        const char* label1;
        const char* label18;
    };
    const Case cases[] = {
        {nullptr, nullptr, {}, 0, "", "2", "6s"},  // the first run
        // Trizonia without a stored model takes the two-row model.
        {"1", nullptr, {}, 1, "01234", "A", "5s"},
        {"0", "2", {}, 0, "012345", "2", "6s"},
        // Text that is no number keeps what was read before.
        {"jedna", "1", {}, 0, "01234", "2", "6s"},
        // Numbering five is reported and the model is not read.
        {"5", "2", {registryError(340)}, -1, "", "2", "6s"},
        {"300", nullptr, {registryError(6)}, -1, "", "2", "6s"},  // an overflow
        // Model three is an unexpected value after the rest of start-up.
        {"1", "3", {critical("Chyba", "Neočekávaná hodnota !")}, 1, "", "A", "5s"},
    };
    for (const Case& row : cases) {
        const QString numbering = QString::fromUtf8(row.numbering);
        const QString model = QString::fromUtf8(row.model);
        SCOPED_TRACE((numbering + u'/' + model).toStdString());
        form.reset();
        {
            QSettings raw(dir.filePath(QStringLiteral("mechik.ini")), QSettings::IniFormat);
            raw.clear();
            if (row.numbering) {
                raw.setValue(QStringLiteral("Znaceni/Index"), numbering);
            }
            if (row.model) {
                raw.setValue(QStringLiteral("TypHarm/Index"), model);
            }
        }
        ASSERT_TRUE(start());
        EXPECT_EQ(dialogs.take(), row.told);
        EXPECT_EQ(menu().mnuZnaceni[0]->isChecked(), row.checkedNumbering == 0);
        EXPECT_EQ(menu().mnuZnaceni[1]->isChecked(), row.checkedNumbering == 1);
        EXPECT_EQ(shownBars(*form), QString::fromLatin1(row.bars));
        EXPECT_EQ(menu().mnu2Rady->isChecked(), shownBars(*form) == u"01234");
        EXPECT_EQ(menu().mnuModelClub->isChecked(), shownBars(*form) == u"012345");
        EXPECT_EQ(numberLabel(*form, 1)->text(), QString::fromLatin1(row.label1));
        EXPECT_EQ(numberLabel(*form, 18)->text(), QString::fromLatin1(row.label18));
        EXPECT_EQ(texts(c().Combo1), AllTunings);
        EXPECT_EQ(settings.index(services::ProgramSettings::TypHarm), model);  // stored again
    }
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
    EXPECT_EQ(texts(c().Combo1), AllTunings);
    EXPECT_EQ(host().activeSheet().name(), QStringLiteral("B-Es-As"));
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
    EXPECT_EQ(dialogs.take().back(),
              critical("Chyba.", "Soubor Vezar.xls není otevřen. Nelze načítat data !"));
    EXPECT_FALSE(form->connection().ActivateSongWindow());
    EXPECT_TRUE(dialogs.messages.empty());
}

namespace {

class Shutdown : public testing_support::ProgramFixture {
protected:
    // Started with the host's own default folder `folder`.
    void startFrom(const QString& folder) {
        spreadsheet::Application(spreadsheet::HostSettings(environment.hostSettingsFile))
            .setDefaultFilePath(folder);
        ASSERT_TRUE(start());
    }
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
    QString hostsFolder() const {
        return spreadsheet::HostSettings(environment.hostSettingsFile).defaultFilePath();
    }
};

}  // namespace

TEST_F(Shutdown, KonecAsksAndYesSavesTheOpenSongEndsTheHostAndRestoresItsFolder) {
    startFrom(QStringLiteral("/home/hrac/Dokumenty"));
    form->show();
    const QString song = openSong();
    dialogs.answers = {MessageAnswer::No};
    form->mnuKonec_Click();
    const Message asked{"Konec programu !", "Opravdu chcete ukončit program ?", MessageIcon::None,
                        MessageButtons::YesNo};
    EXPECT_EQ(dialogs.take(), std::vector{asked});
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->connection().SpreadsheetApplication);

    dialogs.answers = {MessageAnswer::Yes};
    form->mnuKonec_Click();
    EXPECT_EQ(dialogs.take(), std::vector{asked});
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->connection().SpreadsheetApplication);
    EXPECT_EQ(savedCellB1(song), QStringLiteral("c1,"));
    EXPECT_EQ(hostsFolder(), QStringLiteral("/home/hrac/Dokumenty"));
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
    startFrom(QStringLiteral("/home/hrac"));
    host().quit();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs.take(), std::vector{exclamation("Nestandardní ukončení.",
                                                      "Nezavírejte příště prosím Excel ručně "
                                                      "!\r\nAplikace si ho ovládá sama.")});
    EXPECT_EQ(hostsFolder(), QStringLiteral("/home/hrac"));
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
    QSettings(hostSettings, QSettings::IniFormat)
        .setValue(QStringLiteral("Tabulka/DefaultFilePath"), playersFolder);
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
