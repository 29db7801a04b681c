// A player imports a tune from the window: the file picked, the tune solved in the tuning shown,
// the name asked as for a new song, and the new song open at its first grip.
#include "grips/Said.h"
#include "support/MelodyFiles.h"
#include "support/ProgramFixture.h"
#include "support/TestFiles.h"

#include "app/RecentSongsMenu.h"
#include "grips/SongFiles.h"
#include "grips/SongImport.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tones/TuningTable.h"
#include "tools/cli/WorkbookDump.h"
#include "tunings/TuningEditor.h"
#include "views/ButtonPictures.h"
#include "views/Keyboard.h"
#include "views/VbColour.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using services::MessageAnswer;
using services::MessageButtons;
using services::MessageIcon;

namespace {

const QString ChooserTitle = "Vyberte melodii, kterou chcete importovat !";

class SongImport : public testing_support::ShownProgramFixture {
protected:
    void SetUp() override {
        ShownProgramFixture::SetUp();
        pickTuning("C-F-B");
    }
    void pickTuning(const QString& tuning) {
        const int index = c().Combo1->findText(tuning);
        ASSERT_GE(index, 0);
        c().Combo1->setCurrentIndex(index);
        Q_EMIT c().Combo1->activated(index);
    }
    QString melody(const QString& name, const QByteArray& bytes) const {
        const QString path = dir.filePath(name);
        testing_support::writeBytes(path, bytes);
        return path;
    }
    // The player picks `file` and, when asked, names the song `name`.
    void import(const QString& file, std::optional<QString> name = std::nullopt) {
        chooser.answers.push_back(file);
        if (name) {
            dialogs.inputs.push_back(*name);
        }
        menu().mnuImportovat->trigger();
    }
    QStringList workingFiles() const {
        return QDir(environment.workingFolder).entryList(QDir::Files | QDir::Hidden);
    }
};

const said::Message nameQuestion{"Nová skladba.", "Zadejte název nové písničky.", MessageIcon::None,
                                 MessageButtons::OkCancel};

}  // namespace

TEST_F(SongImport, AMidiTuneBecomesAnOpenSongShownAtItsFirstGrip) {
    // In C-F-B fis1 is pushed only and cis2 pulled only: two reversals.
    import(melody("tune.mid", testing_support::midiTune({{66}, {73}, { 66 }})), "Polka");

    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(chooser.asked[0].title, ChooserTitle);
    EXPECT_EQ(chooser.asked[0].filterName, "Melodie MIDI a MusicXML");
    EXPECT_EQ(chooser.asked[0].patterns, "*.mid;*.midi;*.musicxml;*.xml;*.mxl");
    EXPECT_EQ(dialogs.take(),
              (said::Messages{nameQuestion,
                              said::information("Melodie importována.",
                                                "Píseň Polka.xls v ladění C-F-B má 3 hmaty a 2 "
                                                "obraty měchu.\r\nBasy import nepíše; doplňte je "
                                                "podle potřeby sami.")}));

    EXPECT_EQ(tools::dumpWorkbook(spreadsheet::xls::readXlsFile(songPath("Polka.xls"))),
              "sheet\tC-F-B\tactive\ncursor\t$B$1\n"
              "B1\tfis1,\nI1\tTlak\nB2\tcis2,\nI2\tTah\nB3\tfis1,\nI3\tTlak\n");
    EXPECT_TRUE(songOpen());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), "Polka.xls");
    EXPECT_EQ(form->connection().SongWorkbookName, "Polka.xls");
    EXPECT_EQ(c().lblTon->text(), "1");
    EXPECT_EQ(c().lblTony->text(), "fis1,       Tlak ");
    EXPECT_FALSE(menu().mnuImportovat->isEnabled());
    EXPECT_FALSE(c().Combo1->isEnabled());
    // The first grip lit as a push grip, on the button the tone is written for.
    const auto tuning = form->tuningEditor().tuning("C-F-B");
    const int button = tuning->trebleButtonsOf("fis1,", tones::Bellows::Push).front();
    EXPECT_NE(form->keyboard().pictureOf(keyboard::Side::Treble, button),
              keyboard::TrebleRestPicture);
    EXPECT_EQ(views::backColour(c().cmdJakDal), views::PushColour);
    // Locked as any open song, and the first of the last songs.
    EXPECT_TRUE(workingFiles().contains(".Polka.xls.lock"));
    EXPECT_EQ(settings.list(services::ProgramSettings::PosledniPisne),
              QStringList{songPath("Polka.xls")});

    form->songFiles().cmdEndEdit_Click();
    EXPECT_TRUE(menu().mnuImportovat->isEnabled());
}

TEST_F(SongImport, AScoreKeepsItsChordsAndSyllablesAndSaysTheShift) {
    import(
        melody(
            "píseň.musicxml",
            testing_support::musicXml(
                "<measure number=\"1\"><note><pitch><step>C</step><octave>4</octave></pitch>"
                "<duration>1</duration><lyric><text>Já</text></lyric></note><note><chord/><pitch>"
                "<step>E</step><octave>4</octave></pitch><duration>1</duration></note></measure>")),
        "Já");
    EXPECT_EQ(tools::dumpWorkbook(spreadsheet::xls::readXlsFile(songPath("Já.xls"))),
              "sheet\tC-F-B\tactive\ncursor\t$B$1\nA1\tJá\nB1\tc1,\nC1\te1,\nI1\tTlak\n");
    EXPECT_EQ(c().lblSlabika[2]->text(), "Já");
    form->songFiles().cmdEndEdit_Click();
    dialogs.take();

    // fis, lies below every button: the tune goes an octave up.
    import(melody("nízko.mid", testing_support::midiTune({{ 54 }})), "Nízko");
    const auto shown = dialogs.take();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].text,
              "Píseň Nízko.xls v ladění C-F-B má 1 hmat a 0 obratů měchu.\r\n"
              "Melodie je posunutá o oktávu nahoru: v původní výšce ji "
              "ladění celou nezahraje.\r\n"
              "Basy import nepíše; doplňte je podle potřeby sami.");
}

TEST_F(SongImport, ATuneThatCannotBeImportedAsksNoNameAndWritesNothing) {
    const QString chord =
        melody("akord.mid", testing_support::midiTune({{60, 62, 64, 65, 67, 69}}));
    const QString text = melody("text.mid", "do re mi");
    const std::pair<QString, QString> cases[] = {
        {chord,
         "Akord na místě takt 1, doba 1 (MIDI čas 0) má 6 různých tónů; pravá ruka jich "
         "zahraje nejvýše pět."},
        {text, QStringLiteral("Soubor %1 není MIDI ani MusicXML (.mid, .musicxml, .xml, .mxl).")
                   .arg(QDir::toNativeSeparators(text))},
    };
    for (const auto& [file, message] : cases) {
        import(file);
        EXPECT_EQ(dialogs.take(),
                  said::Messages{said::exclamation("Melodii nelze importovat.", message)});
    }
    EXPECT_TRUE(workingFiles().isEmpty());
    EXPECT_FALSE(songOpen());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(SongImport, CancellingTheFileOrTheNameOrRefusingToReplaceChangesNothing) {
    chooser.answers.push_back(std::nullopt);
    menu().mnuImportovat->trigger();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(form->isVisible());

    import(melody("tune.mid", testing_support::midiTune({{ 66 }})), QString());
    EXPECT_EQ(dialogs.take(), said::Messages{nameQuestion});
    EXPECT_TRUE(workingFiles().isEmpty());
    EXPECT_FALSE(songOpen());

    // An existing song is replaced only when the player says so.
    const QString old = songPath("Polka.xls");
    testing_support::writeBytes(old, "stará píseň");
    const QString tune = melody("tune.mid", testing_support::midiTune({{66}}));
    dialogs.answers = {MessageAnswer::No};
    import(tune, "Polka");
    EXPECT_EQ(dialogs.titles(), (QStringList{"Nová skladba.", "Tato skladba již existuje!",
                                             "Založení nové skladby přerušeno."}));
    EXPECT_EQ(testing_support::readBytes(old), QByteArray("stará píseň"));
    EXPECT_FALSE(songOpen());

    dialogs.answers = {MessageAnswer::Yes};
    import(tune, "Polka");
    EXPECT_TRUE(songOpen());
    EXPECT_EQ(host().range("B1").text(), "fis1,");
}

TEST(ImportSummary, CountsAreSaidInCzech) {
    EXPECT_EQ(grips::importSummary("A.xls", "G-C-F", 1, 1, -24),
              "Píseň A.xls v ladění G-C-F má 1 hmat a 1 obrat měchu.\r\nMelodie je posunutá "
              "o dvě oktávy dolů: v původní výšce ji ladění celou nezahraje.\r\n"
              "Basy import nepíše; doplňte je podle potřeby sami.");
    EXPECT_TRUE(grips::importSummary("A.xls", "G-C-F", 4, 5, 0)
                    .startsWith("Píseň A.xls v ladění G-C-F má 4 hmaty a 5 obratů měchu."));
    EXPECT_TRUE(
        grips::importSummary("A.xls", "G-C-F", 22, 0, 2).contains("posunutá o 2 půltóny nahoru"));
}
