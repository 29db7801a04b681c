// "Zvuk hmatů" and "Přehrát píseň" in the window, with the synthesizer replaced by one that
// records its notes, and the timers fired by hand.
#include "app/WindowChecks.h"
#include "music/SoundStandIns.h"
#include "support/SongFixture.h"

#include "grips/AutoPlayer.h"
#include "grips/SongFiles.h"
#include "keyboard/SoundOutput.h"
#include "music/BeatTimer.h"
#include "music/SoundControl.h"
#include "music/SoundPluginLoader.h"
#include "music/SoundSupply.h"
#include "services/CommandGuard.h"
#include "views/ButtonPictures.h"
#include "views/Keyboard.h"

#include <QSlider>

#include <atomic>

using keyboard::Side;
using testing_support::RecordingSynth;
using window_checks::exclamation;

namespace {

// The song's sound files as "play <path>", "stop <path>", "stop all".
class RecordedFiles : public keyboard::SoundOutput {
public:
    QStringList calls;
    void play(const QString& path) override { calls << QStringLiteral("play ") + path; }
    void stop(const QString& path) override { calls << QStringLiteral("stop ") + path; }
    void stopAll() override { calls << QStringLiteral("stop all"); }
};

class SoundCommands : public testing_support::SongFixture {
protected:
    RecordingSynth* synth = nullptr;  // the supply's, once loaded
    RecordedFiles* files = nullptr;   // likewise
    std::atomic<int> loadings = 0;
    QString noDevice;  // the synth's failure when set
    QString noPlugin;  // the plugin's failure when set

    void SetUp() override {
        SongFixture::SetUp();
        form->soundSupply().setLoader([this] {
            ++loadings;
            music::LoadedSound sound;
            if (!noPlugin.isEmpty()) {
                sound.failure = noPlugin;
                return sound;
            }
            auto recordedFiles = std::make_unique<RecordedFiles>();
            files = recordedFiles.get();
            sound.files = std::move(recordedFiles);
            if (!noDevice.isEmpty()) {
                sound.failure = noDevice;
                return sound;
            }
            auto recording = std::make_unique<RecordingSynth>();
            synth = recording.get();
            sound.synth = std::move(recording);
            return sound;
        });
        putRow(1, {"c1,", "e1,"}, "Tlak", {"C"});
        putRow(2, {"e1,"}, "Tah", {"(D)"});
        put("A3", "la");  // a rest inside the song
        putRow(4, {"g1,"}, "Tlak", {"(C)"});
        goToRow(1);
    }
    // The stand-in loader writes into this fixture: a loading still running must end first.
    void TearDown() override {
        if (form && form->soundSupply().hasStarted()) {
            form->soundSupply().waitUntilReady();
        }
    }

    // The player checks "Zvuk hmatů"; the test waits for the loading instead of the event loop.
    void hearGrips() {
        menu().mnuZvukHmatu->trigger();
        form->soundSupply().waitUntilReady();
    }
    void playOrStop() { menu().mnuPrehratPisen->trigger(); }
    void nextBeat() { form->songBeatTimer().onTimeout(); }
    QStringList played() { return synth ? synth->take() : QStringList(); }
    int picture(int button) { return form->keyboard().pictureOf(Side::Treble, button); }
};

const QStringList firstGrip{"on T 60", "on T 64", "on B 36"};
const QStringList firstGripOff{"off T 60", "off T 64", "off B 36"};
const QStringList secondGrip{"on T 64", "on B 50", "on B 54", "on B 57"};

}  // namespace

TEST_F(SoundCommands, GripsAreSilentUntilThePlayerTurnsTheirSoundOnAndTheChoiceIsStored) {
    EXPECT_FALSE(menu().mnuZvukHmatu->isChecked());
    c().cmdReadTlak->click();
    EXPECT_FALSE(form->soundSupply().hasStarted());  // nothing wanted a sound yet
    // Loaded once the window is shown and not before: the window is painted first.
    form->soundLoadDelay = std::chrono::milliseconds(0);
    form->show();
    EXPECT_FALSE(form->soundSupply().hasStarted());
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->soundSupply().hasStarted());
    form->soundSupply().waitUntilReady();
    EXPECT_EQ(loadings, 1);

    hearGrips();
    EXPECT_TRUE(menu().mnuZvukHmatu->isChecked());
    EXPECT_EQ(settings.index(QStringLiteral("ZvukHmatu")), QStringLiteral("1"));
    EXPECT_EQ(app::Form1(environment, dialogs, settings, &chooser).menu().mnuZvukHmatu->isChecked(),
              true);
    c().cmdReadTlak->click();
    EXPECT_EQ(played(), firstGrip);

    menu().mnuZvukHmatu->trigger();
    EXPECT_FALSE(menu().mnuZvukHmatu->isChecked());
    EXPECT_EQ(settings.index(QStringLiteral("ZvukHmatu")), QStringLiteral("0"));
    EXPECT_EQ(played(), firstGripOff);
    c().cmdReadTlak->click();
    EXPECT_TRUE(played().isEmpty());
    EXPECT_EQ(loadings, 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SoundCommands, EachLitGripSoundsUntilTheNextOneOrItsHoldTime) {
    hearGrips();
    c().cmdReadTlak->click();
    EXPECT_EQ(played(), firstGrip);
    EXPECT_TRUE(form->gripHoldTimer().isActive());
    EXPECT_EQ(form->gripHoldTimer().interval(), 800);

    c().cmdDalsiTah->click();  // the next grip shown as pull: the previous one stops first
    EXPECT_EQ(played(), firstGripOff + secondGrip);
    EXPECT_EQ(picture(10), 103);

    form->gripHoldTimer().onTimeout();  // 0.8 s later
    EXPECT_EQ(played(), (QStringList{"off T 64", "off B 50", "off B 54", "off B 57"}));

    // "?" shows the grip by its own direction; the previous-grip steps light too.
    goToRow(1);
    c().cmdJakDal->click();
    EXPECT_EQ(played(), secondGrip);
    c().cmdPredTlak->click();
    EXPECT_EQ(played().mid(4), firstGrip);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SoundCommands, TheGripShownAfterRecordingOrByTheAutomaticPlayerSounds) {
    hearGrips();
    goToRow(5);
    put("B6", "g1,");
    put("I6", "Tlak");
    form->keyboard().Obr_Click(10);  // c1, on push
    c().cmdTlak->click();
    EXPECT_EQ(cell("B5"), QStringLiteral("c1,"));
    EXPECT_EQ(played(), (QStringList{"on T 67"}));  // row 6, shown as it was written

    // Under the automatic player a grip holds for one step.
    goToRow(1);
    c().Slider1->setValue(2);
    c().cmdTimer->click();
    ASSERT_TRUE(form->player().Timer1().isActive());
    form->guard().tick([this] { form->player().Timer1_Timer(); });
    EXPECT_EQ(played(), QStringList{"off T 67"} + secondGrip);
    EXPECT_EQ(form->gripHoldTimer().interval(), grips::AutoPlayer::intervalForTempo(2));
}

TEST_F(SoundCommands, TheSongPlaysFromTheCurrentGripWithTheKeyboardLitInTime) {
    hearGrips();
    c().Slider1->setValue(1);  // 1620 ms a step: 37 beats a minute
    goToRow(2);
    playOrStop();
    EXPECT_TRUE(menu().mnuPrehratPisen->isChecked());
    EXPECT_EQ(played(), secondGrip);  // once: the lit grip does not sound a second time
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("2"));
    EXPECT_EQ(picture(10), 103);
    EXPECT_TRUE(form->songBeatTimer().isActive());
    EXPECT_EQ(form->songBeatTimer().interval(), 1620);

    nextBeat();  // the rest: silent, nothing lit, its text shown
    EXPECT_EQ(played(), (QStringList{"off T 64", "off B 50", "off B 54", "off B 57"}));
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("3"));
    EXPECT_EQ(c().lblSlabika[2]->text(), QStringLiteral("la"));
    EXPECT_EQ(picture(10), keyboard::TrebleRestPicture);

    c().Slider1->setValue(3);  // faster while it plays
    EXPECT_EQ(form->songBeatTimer().interval(), grips::AutoPlayer::intervalForTempo(3));
    nextBeat();
    EXPECT_EQ(played(), (QStringList{"on T 67", "on B 48", "on B 52", "on B 55"}));
    EXPECT_EQ(picture(19), 105);  // g1, on push
    EXPECT_EQ(picture(10), keyboard::TrebleRestPicture);
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$4"));

    nextBeat();  // past the last grip: the song has ended
    EXPECT_EQ(played(), (QStringList{"off T 67", "off B 48", "off B 52", "off B 55"}));
    EXPECT_FALSE(menu().mnuPrehratPisen->isChecked());
    EXPECT_FALSE(form->songBeatTimer().isActive());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SoundCommands, TheSameCommandStopsTheSongAndSoDoGripsLitByHandOrTheSongsEnd) {
    form->soundSupply().waitUntilReady();  // as when the window was shown
    playOrStop();
    EXPECT_TRUE(menu().mnuPrehratPisen->isChecked());
    playOrStop();
    EXPECT_FALSE(menu().mnuPrehratPisen->isChecked());
    EXPECT_FALSE(form->songBeatTimer().isActive());
    // Grips are not heard, but the song is: it stops with its notes.
    EXPECT_EQ(played(), firstGrip + firstGripOff);

    playOrStop();
    played();
    c().cmdReadTah->click();  // the player takes over
    EXPECT_FALSE(menu().mnuPrehratPisen->isChecked());
    EXPECT_FALSE(form->songBeatTimer().isActive());
    EXPECT_EQ(played(), firstGripOff);

    // Playing stops the automatic player and ends with the song.
    c().cmdTimer->click();
    playOrStop();
    EXPECT_FALSE(form->player().Timer1().isActive());
    ASSERT_TRUE(menu().mnuPrehratPisen->isChecked());
    form->songFiles().onSongEnded();
    EXPECT_FALSE(form->soundControl().isPlaying());
    EXPECT_FALSE(menu().mnuPrehratPisen->isChecked());
}

TEST_F(SoundCommands, NothingLeftToPlayOrAnUnknownTuningIsSaid) {
    goToRow(5);
    playOrStop();
    EXPECT_FALSE(menu().mnuPrehratPisen->isChecked());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Není co přehrát."));
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Od hmatu 5 do konce písně už žádný hmat není.\r\nChcete-li píseň "
                             "přehrát od začátku, klepněte nejprve na První."));

    // A song in an unknown tuning is not played.
    dialogs.take();
    host().workbook(form->connection().SongWorkbookName).activeSheet().setName("Neznámé");
    playOrStop();
    EXPECT_FALSE(form->soundControl().isPlaying());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Chyba při výběru ladění !"));
}

TEST_F(SoundCommands, WithoutASoundDeviceThePlayerIsToldOnceAndTheProgramGoesOnSilently) {
    noDevice = QStringLiteral("počítač nemá dostupné zvukové zařízení.");
    hearGrips();
    EXPECT_EQ(dialogs.take(), std::vector{exclamation("Zvuk není k dispozici.",
                                                      "Zvuk nelze přehrát: počítač nemá dostupné "
                                                      "zvukové zařízení.\nProgram pokračuje bez "
                                                      "zvuku.")});
    c().cmdReadTlak->click();
    c().cmdDalsiTah->click();
    playOrStop();
    EXPECT_TRUE(menu().mnuPrehratPisen->isChecked());  // the keyboard still shows the song
    nextBeat();
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("3"));
    EXPECT_TRUE(dialogs.messages.empty());
}

// The song's own sound files play through the sound plugin as well. The first one played
// before the window's own loading loads it at once; stopping what never played loads nothing.
TEST_F(SoundCommands, TheSongsSoundFilesPlayThroughTheSoundLoadedForTheFirstOfThem) {
    form->songFiles().onSongEnded();  // every sound stopped before any was played
    EXPECT_FALSE(form->soundSupply().hasStarted());

    form->connection().SongWorkbookName = QStringLiteral("Polka.xls");
    const QString mid = QDir(environment.workingFolder).filePath(QStringLiteral("Polka.mid"));
    const QString wav = QDir(environment.workingFolder).filePath(QStringLiteral("Polka.wav"));
    c().cmdZvuk[2]->click();
    EXPECT_EQ(loadings, 1);
    ASSERT_TRUE(files);
    EXPECT_EQ(files->calls, QStringList{"play " + wav});
    EXPECT_EQ(c().cmdZvuk[2]->text(), QStringLiteral("Stop"));
    c().cmdZvuk[1]->click();
    c().cmdZvuk[2]->click();
    EXPECT_EQ(c().cmdZvuk[2]->text(), QStringLiteral("wav"));
    form->songFiles().onSongEnded();
    EXPECT_EQ(files->calls, (QStringList{"play " + wav, "play " + mid, "stop " + wav, "stop all"}));
    EXPECT_EQ(c().cmdZvuk[1]->text(), QStringLiteral("Midi"));
    EXPECT_EQ(loadings, 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SoundCommands, WithoutTheSoundPluginThePlayerIsToldOnceWhateverHeWantedToHear) {
    noPlugin = QStringLiteral("zvukový modul mechik_sound nebyl nalezen (hledán ve složkách /x).");
    c().cmdZvuk[2]->click();
    EXPECT_EQ(dialogs.take(), std::vector{exclamation("Zvuk není k dispozici.",
                                                      "Zvuk nelze přehrát: zvukový modul "
                                                      "mechik_sound nebyl nalezen (hledán ve "
                                                      "složkách /x).\nProgram pokračuje bez "
                                                      "zvuku.")});
    EXPECT_EQ(c().cmdZvuk[2]->text(), QStringLiteral("Stop"));  // the buttons work as ever
    c().cmdZvuk[2]->click();
    EXPECT_EQ(c().cmdZvuk[2]->text(), QStringLiteral("wav"));
    c().cmdZvuk[1]->click();
    hearGrips();
    c().cmdReadTlak->click();
    playOrStop();
    form->songFiles().onSongEnded();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(loadings, 1);
}

// The plugin's own file player, with no sound device and files that cannot be played: they are
// only logged, nothing hangs, and ending the song stops them and gives the buttons back.
TEST_F(SoundCommands, ThePluginsFilePlayerOnlyLogsFilesItCannotPlay) {
    form->soundSupply().setLoader([] {
        music::LoadedSound sound;
        music::SoundPluginLoading loading = music::loadSoundPlugin({MECHIK_BIN_DIR});
        sound.failure = loading.failure;
        if (loading.plugin) {
            sound.files = loading.plugin->openFilePlayer();
            sound.plugin = std::move(loading.plugin);
        }
        return sound;
    });
    form->connection().SongWorkbookName = QStringLiteral("Polka.xls");
    QDir().mkpath(environment.workingFolder);
    testing_support::writeBytes(form->songFiles().SoundFilePath(2), "RIFF????");
    testing_support::writeBytes(form->songFiles().SoundFilePath(1), "MThd");
    c().cmdZvuk[2]->click();
    ASSERT_TRUE(form->soundSupply().sound().files)
        << form->soundSupply().sound().failure.toStdString();
    c().cmdZvuk[1]->click();
    c().cmdZvuk[0]->click();  // an mp3 that is not there at all
    c().cmdZvuk[2]->click();
    form->songFiles().onSongEnded();
    EXPECT_EQ(c().cmdZvuk[0]->text(), QStringLiteral("Mp3"));
    EXPECT_EQ(c().cmdZvuk[1]->text(), QStringLiteral("Midi"));
    EXPECT_EQ(c().cmdZvuk[2]->text(), QStringLiteral("Wav"));
    EXPECT_TRUE(dialogs.messages.empty());
}
