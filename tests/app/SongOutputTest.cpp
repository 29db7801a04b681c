// The open song saved as MIDI, WAV and PDF and printed from the window: the save dialog
// scripted, the files read back.
#include "app/WindowChecks.h"
#include "support/SongFixture.h"

#include "grips/AutoPlayer.h"
#include "grips/SongFiles.h"
#include "music/SongExports.h"
#include "music/SoundSupply.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSlider>

using namespace window_checks;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Renders a steady tone and notes whether the window looked busy meanwhile.
class TonePlugin : public music::SoundPlugin {
public:
    bool renderedBusy = false;

    music::LiveSynthOpening openLiveSynth(music::AudioOutput) override {
        return {nullptr, QStringLiteral("počítač nemá dostupné zvukové zařízení.")};
    }
    bool render(const music::RenderJob& job, const music::FrameSink& sink, QString&) override {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        renderedBusy = cursor && cursor->shape() == Qt::WaitCursor;
        const std::vector<qint16> samples(static_cast<size_t>(2 * job.endFrame), 1000);
        return sink(samples.data(), static_cast<int>(job.endFrame));
    }
    std::unique_ptr<keyboard::SoundOutput> openFilePlayer() override { return nullptr; }
};

// The song "Polka.xls" in the working folder, in the G-C-F tuning.
class SongOutput : public testing_support::SongFixture {
protected:
    TonePlugin* plugin = nullptr;

    void SetUp() override {
        SongFixture::SetUp();
        QDir().mkpath(environment.workingFolder);
        auto song = host().activeWorkbook();
        song.saveAs(songPath("Polka.xls"));
        form->connection().SongWorkbookName = song.name();
        form->exports().pluginFolders = {QStringLiteral(MECHIK_BIN_DIR)};
        form->soundSupply().setLoader([this] {
            music::LoadedSound sound;
            auto tone = std::make_unique<TonePlugin>();
            plugin = tone.get();
            sound.plugin = std::move(tone);
            return sound;
        });
        put("A1", "Šla");
        putRow(1, {"c1,", "e1,"}, "Tlak", {"C"});
        put("A2", "Nanynka");
        putRow(2, {"e1,"}, "Tah", {"(D)"});
        putRow(4, {"g1,"}, "Tlak", {"(C)"});
    }
    // The stand-in loader writes into this fixture: a loading still running must end first.
    void TearDown() override {
        if (form && form->soundSupply().hasStarted()) {
            form->soundSupply().waitUntilReady();
        }
    }

    // The player picks `path` in the save dialog, or cancels it.
    void chooseToSave(std::optional<QString> path) {
        chooser.saveAnswers.push_back(std::move(path));
    }
    const testing_support::ScriptedFileChooser::Question& asked() const {
        return chooser.askedToSave.back();
    }
};

}  // namespace

TEST_F(SongOutput, MidiIsSavedWhereProposedAtTheSlidersTempoAndPlaysAsTheSongsRecording) {
    EXPECT_FALSE(c().cmdZvuk[1]->isVisibleTo(form.get()));
    c().Slider1->setValue(-1);  // 2800 ms a step
    chooseToSave(songPath("Polka.mid"));
    menu().mnuUlozitMidi->trigger();
    EXPECT_EQ(asked().title, QStringLiteral("Uložit jako MIDI"));
    EXPECT_EQ(asked().startFolder, songPath("Polka.mid"));
    EXPECT_EQ(asked().patterns, QStringLiteral("*.mid"));

    const QByteArray midi = contents(songPath("Polka.mid"));
    EXPECT_TRUE(midi.startsWith("MThd"));
    // The tempo: 2 800 000 microseconds a beat.
    EXPECT_TRUE(midi.contains(QByteArray::fromHex("ff51032ab980")));
    EXPECT_TRUE(c().cmdZvuk[1]->isVisibleTo(form.get()));
    EXPECT_EQ(form->songFiles().SoundFilePath(1), songPath("Polka.mid"));
    EXPECT_TRUE(dialogs.messages.empty());
}

// A cancelled dialog writes nothing, and a song without grips has nothing to save.
TEST_F(SongOutput, ACancelledDialogOrASongWithoutGripsWritesNothing) {
    for (QAction* command : {menu().mnuUlozitMidi, menu().mnuUlozitWav, menu().mnuUlozitPdf}) {
        chooseToSave(std::nullopt);
        command->trigger();
    }
    EXPECT_EQ(chooser.askedToSave.size(), 3u);
    EXPECT_EQ(QDir(environment.workingFolder).entryList(QDir::Files), QStringList{"Polka.xls"});
    EXPECT_FALSE(form->soundSupply().hasStarted());
    EXPECT_TRUE(dialogs.messages.empty());

    for (const char* direction : {"I1", "I2", "I4"}) {
        put(direction, "");
    }
    menu().mnuUlozitMidi->trigger();
    EXPECT_EQ(chooser.askedToSave.size(), 3u);
    EXPECT_EQ(dialogs.take(), std::vector{information("Není co uložit.",
                                                      "V písni Polka není žádný hmat (řádek se "
                                                      "slovem Tlak nebo Tah), není co uložit.")});
}

TEST_F(SongOutput, AFailedWriteSaysWhyAndTheChosenNameGetsItsExtension) {
    const QString nowhere = songPath("chybí/Polka.mid");
    chooseToSave(nowhere);
    menu().mnuUlozitMidi->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Soubor nelze uložit."));
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(
        QStringLiteral("Soubor %1 nelze uložit: ").arg(QDir::toNativeSeparators(nowhere))))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);

    // Picking the song itself cannot overwrite it.
    const QByteArray song = contents(songPath("Polka.xls"));
    chooseToSave(songPath("Polka.xls"));
    menu().mnuUlozitMidi->trigger();
    EXPECT_EQ(contents(songPath("Polka.xls")), song);
    EXPECT_TRUE(contents(songPath("Polka.xls.mid")).startsWith("MThd"));
}

TEST_F(SongOutput, CellsThatDoNotSoundAreListedAfterTheSave) {
    put("C1", "x9,");
    put("N2", "(D7)");
    chooseToSave(songPath("Polka.mid"));
    menu().mnuUlozitMidi->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Některé buňky nezní."));
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Soubor %1 je uložen. Tyto buňky písně nejsou názvy tónů ani basů, a "
                             "proto v něm nezní:\r\nŘádek 1, sloupec C: „x9,“ není název tónu; "
                             "přeskočeno.\r\nŘádek 2, sloupec N: „(D7)“ není název basu ani "
                             "akordu; přeskočeno.")
                  .arg(QDir::toNativeSeparators(songPath("Polka.mid"))));

    // Many are counted: the saved file, ten cells, the rest counted.
    put("N2", "");
    for (int column = 2; column <= 7; ++column) {  // B..G of rows 1 and 2
        put(spreadsheet::CellAddress{1, column}.toA1(), "x9,");
        put(spreadsheet::CellAddress{2, column}.toA1(), "x9,");
    }
    chooseToSave(songPath("Polka.mid"));
    menu().mnuUlozitMidi->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    const QStringList lines = dialogs.messages[1].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[10], QStringLiteral("Řádek 2, sloupec E: „x9,“ není název tónu; přeskočeno."));
    EXPECT_EQ(lines[11], QStringLiteral("Dalších přeskočených buněk: 2."));
}

TEST_F(SongOutput, WavIsRenderedWhileTheWindowLooksBusyAndItsButtonAppears) {
    c().Slider1->setValue(3);  // 860 ms a step: four beats are 3.44 s
    chooseToSave(songPath("Polka.wav"));
    menu().mnuUlozitWav->trigger();
    EXPECT_EQ(asked().title, QStringLiteral("Uložit jako WAV"));
    EXPECT_EQ(asked().startFolder, songPath("Polka.wav"));
    const QByteArray wav = contents(songPath("Polka.wav"));
    ASSERT_TRUE(wav.startsWith("RIFF"));
    EXPECT_EQ(wav.size(), 44 + 4 * qRound(4 * 0.86 * 44100));
    EXPECT_TRUE(plugin->renderedBusy);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(c().cmdZvuk[2]->isVisibleTo(form.get()));
    // Rendering needs no sound device: not worth a word.
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SongOutput, WithoutTheirPluginsTheFilesAreNotSavedAndThePlayerIsToldWhy) {
    form->soundSupply().setLoader([] {
        music::LoadedSound sound;
        sound.failure = QStringLiteral("zvukový modul chybí.");
        return sound;
    });
    chooseToSave(songPath("Polka.wav"));
    menu().mnuUlozitWav->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Soubor %1 nelze uložit: zvukový modul chybí.")
                  .arg(QDir::toNativeSeparators(songPath("Polka.wav"))));
    EXPECT_FALSE(QFile::exists(songPath("Polka.wav")));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Without the print plugin, the same for printing and PDF.
    dialogs.take();
    form->exports().pluginFolders = {dir.path()};
    form->runPrintPreview = [](QPrintPreviewDialog&) { ADD_FAILURE() << "no preview expected"; };
    menu().mnuTisk->trigger();
    chooseToSave(songPath("Polka.pdf"));
    menu().mnuUlozitPdf->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Tisk není k dispozici."));
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(
        QStringLiteral("Tabulaturu nelze vytisknout ani uložit jako PDF: tiskový modul")));
    EXPECT_FALSE(QFile::exists(songPath("Polka.pdf")));
}

TEST_F(SongOutput, PdfIsSavedWithThePlayersNumberingAndTheSongsHeader) {
    menu().mnuZnaceni[1]->trigger();  // Trizonia 56
    chooseToSave(songPath("Polka.pdf"));
    menu().mnuUlozitPdf->trigger();
    EXPECT_EQ(asked().title, QStringLiteral("Uložit jako PDF"));
    EXPECT_EQ(asked().startFolder, songPath("Polka.pdf"));
    ASSERT_TRUE(QFile::exists(songPath("Polka.pdf")));
    const QString text =
        testing_support::runTool("pdftotext", {"-layout", songPath("Polka.pdf"), "-"});
    for (const char* expected :
         {"Polka", "Ladění G-C-F", "Značení Trizonia 56", "strana 1/1", "Šla", "Nanynka"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << text.toStdString();
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SongOutput, ASongInAnUnknownTuningIsNeitherPrintedNorSaved) {
    host().workbook(form->connection().SongWorkbookName).activeSheet().setName("Neznámé");
    menu().mnuUlozitPdf->trigger();
    menu().mnuTisk->trigger();
    EXPECT_TRUE(chooser.askedToSave.empty());
    const Message unknown =
        critical("Chyba při výběru ladění !",
                 "Ladění Neznámé není v seznamu.\r\nZkontrolujte název listu v uložené skladbě !");
    EXPECT_EQ(dialogs.take(), (std::vector{unknown, unknown}));
}

TEST_F(SongOutput, ThePrintPreviewShowsTheSongsPagesAndAFailedPrintIsTold) {
    int pages = 0;
    QString title;
    form->runPrintPreview = [&](QPrintPreviewDialog& dialog) {
        title = dialog.windowTitle();
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        preview->updatePreview();
        pages = preview->pageCount();
    };
    menu().mnuTisk->trigger();
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(title, QStringLiteral("Tisk – Polka"));
    EXPECT_TRUE(dialogs.messages.empty());

    // A print that cannot be painted is not taken for done.
    form->runPrintPreview = [this](QPrintPreviewDialog& dialog) {
        // The player prints to a file in a folder that is not there.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(songPath("chybí/Polka.pdf"));
        Q_EMIT dialog.paintRequested(&printer);
    };
    menu().mnuTisk->trigger();
    EXPECT_EQ(dialogs.take(),
              std::vector{critical("Tisk se nezdařil.",
                                   "Stránky tabulatury se nepodařilo vytisknout. Zkontrolujte "
                                   "tiskárnu, nebo při tisku do souboru složku, do které se má "
                                   "uložit.")});
}

using WithoutSong = testing_support::ShownProgramFixture;

TEST_F(WithoutSong, TheSongsOutputCommandsAreOnOnlyWhileASongIsOpen) {
    const auto songCommands = [this] {
        return std::vector<bool>{menu().mnuTisk->isEnabled(), menu().mnuUlozitPdf->isEnabled(),
                                 menu().mnuUlozitMidi->isEnabled(),
                                 menu().mnuUlozitWav->isEnabled(),
                                 menu().mnuPrehratPisen->isEnabled()};
    };
    EXPECT_EQ(songCommands(), std::vector<bool>(5, false));
    EXPECT_TRUE(menu().mnuZvukHmatu->isEnabled());  // a choice, not a command on the song
    dialogs.inputs.push_back(QStringLiteral("Polka"));
    c().cmdNovaSkladba->click();
    EXPECT_EQ(songCommands(), std::vector<bool>(5, true));
    c().cmdEndEdit->click();
    EXPECT_EQ(songCommands(), std::vector<bool>(5, false));
    EXPECT_TRUE(dialogs.messages.size() == 1u) << dialogs.messages.size();  // the name asked for
}
