#include "Form1.h"

#include "RecentSongsMenu.h"
#include "SongControls.h"
#include "auxwin/AboutAndMail.h"
#include "auxwin/frmBrowser.h"
#include "auxwin/frmKonverze.h"
#include "auxwin/frmLadeni.h"
#include "auxwin/frmZmenaCesty.h"
#include "grips/AutoPlayer.h"
#include "grips/GripDisplay.h"
#include "grips/GripReader.h"
#include "grips/Navigation.h"
#include "grips/Recording.h"
#include "grips/SongFiles.h"
#include "grips/SongImport.h"
#include "grips/StaffEntry.h"
#include "keyboard/ButtonNumbering.h"
#include "keyboard/KeyboardGeometry.h"
#include "music/BeatTimer.h"
#include "music/SongExports.h"
#include "music/SongPlayback.h"
#include "music/SoundControl.h"
#include "music/SoundFiles.h"
#include "music/SoundSupply.h"
#include "music/Tempo.h"
#include "services/CommandGuard.h"
#include "services/Dialogs.h"
#include "services/Twips.h"
#include "songs/SongKeeper.h"
#include "tones/TuningSelection.h"
#include "tunings/OpenTuningDatabase.h"
#include "tunings/TuningEditor.h"
#include "views/ButtonPictures.h"
#include "views/DirectionButton.h"
#include "views/GripTextLabels.h"
#include "views/Keyboard.h"
#include "views/KeyboardModels.h"
#include "views/PrintPreview.h"
#include "views/SheetWindow.h"
#include "views/StaffPictures.h"
#include "views/TwipPicture.h"
#include "views/VbColour.h"
#include "views/WidgetPlacement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QTimer>

namespace app {

namespace {

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

// A check-mark item whose handler sets the marks itself: undo Qt's own toggle first.
void onCheckItem(QAction* action, std::function<void()> handler) {
    QObject::connect(action, &QAction::triggered, action, [action, handler] {
        action->setChecked(!action->isChecked());
        handler();
    });
}

}  // namespace

Form1::Form1(const services::ProgramEnvironment& environment, services::Dialogs& dialogs,
             services::ProgramSettings& settings, spreadsheet::FileChooser* fileChooser)
    : dialogs_(dialogs),
      pictures_(std::make_unique<views::ButtonPictures>()),
      fileChooser_(fileChooser),
      programFolder_(environment.programFolder) {
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    connection_.WorkingFolder = environment.workingFolder;
    setWindowTitle(services::ProgramTitle);
    // The main window stays in front of every other window for the whole run.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    buildForm();
    menu_ = buildMainMenu(menuBar());
    views::ModelControls modelControls;
    for (int i = 0; i < keyboard::BarCount; ++i) {
        modelControls.cmdZabrana[static_cast<size_t>(i)] =
            centralWidget()->findChild<QPushButton*>(QStringLiteral("cmdZabrana(%1)").arg(i));
    }
    for (int i = 0; i < keyboard::NumberLabelCount; ++i) {
        modelControls.lblCisKnofl[static_cast<size_t>(i)] =
            centralWidget()->findChild<QLabel*>(QStringLiteral("lblCisKnofl(%1)").arg(i));
    }
    modelControls.mnu2Rady = menu_.mnu2Rady;
    modelControls.mnuModelClub = menu_.mnuModelClub;
    modelControls.mnuZnaceni = menu_.mnuZnaceni;
    models_ = std::make_unique<views::KeyboardModels>(modelControls, settings, dialogs);
    guard_ = std::make_unique<services::CommandGuard>(dialogs);
    keeper_ = std::make_unique<songs::SongKeeper>(connection_, dialogs);
    guard_->afterCommand = [this] { keeper_->afterCommand(); };
    startup_ = std::make_unique<StartupShutdown>(connection_, environment, c_, menu_, *models_,
                                                 settings, dialogs, fileChooser, *keeper_);
    gripText_ = std::make_unique<views::GripTextLabels>(c_);
    direction_ = std::make_unique<views::DirectionButton>(c_.cmdJakDal);
    songControls_ = std::make_unique<WindowSongControls>(c_, menu_, *this);
    display_ = std::make_unique<grips::GripDisplay>(*gripText_, connection_, *keyboard_, *staff_);
    songFiles_ = std::make_unique<grips::SongFiles>(connection_, dialogs, *songControls_,
                                                    *direction_, *display_, *keeper_);
    tuning_ = std::make_unique<tones::TuningSelection>(
        connection_, dialogs, [this](const QString& name) { c_.lblLadeni->setText(name); });
    reader_ = std::make_unique<grips::GripReader>(connection_, dialogs, *keyboard_, *staff_,
                                                  *display_, *gripText_, *direction_, *tuning_);
    navigation_ =
        std::make_unique<grips::Navigation>(connection_, *songControls_, *display_, *reader_);
    recording_ =
        std::make_unique<grips::Recording>(connection_, dialogs, *keyboard_, *tuning_, *navigation_,
                                           [this] { return models_->numbering(); });
    staffEntry_ =
        std::make_unique<grips::StaffEntry>(connection_, dialogs, *staff_, *tuning_, *navigation_);
    soundSupply_ = std::make_unique<music::SoundSupply>(
        [folders = music::pluginFolders()] { return music::loadLiveSound(folders); });
    sound_ = std::make_unique<music::SoundFiles>(*soundSupply_,
                                                 [this] { soundControl_->tellUnavailableOnce(); });
    player_ = std::make_unique<grips::AutoPlayer>(
        dialogs, *navigation_, *reader_, *direction_, *songControls_, *sound_,
        [this](int index) { return songFiles_->SoundFilePath(index); });
    buildSound(settings);
    songFiles_->onSongEnded = [this] {
        player_->stopAllSounds();
        soundControl_->stop();
    };
    openDatabase_ = std::make_unique<tunings::OpenTuningDatabase>(connection_);
    tuningEditor_ = std::make_unique<tunings::TuningEditor>(*openDatabase_, dialogs);
    songImport_ =
        std::make_unique<grips::SongImport>(*songFiles_, *openDatabase_, *reader_, dialogs);
    SongControlsOff(c_, menu_);
    wire();
    wireSongs();
    wireGrips();
    wirePlayer();
    wireSound();
    wireSongOutput();
    wireAuxiliaryWindows();
    wireOwnTunings();
    wireRecentSongs(settings);
}

grips::SongControls& Form1::songControls() {
    return *songControls_;
}

Form1::~Form1() {
    // The sheet window goes before the guard that asks it.
    guard_->beforeCommand = nullptr;
    guard_->holdsTicks = nullptr;
}

void Form1::buildForm() {
    auto* form = new QWidget(this);
    form->setObjectName(QStringLiteral("Form1"));
    views::useDesignFont(form);
    form->setFixedSize(services::twipsToPixels(views::FormWidth),
                       services::twipsToPixels(views::FormHeight));
    setCentralWidget(form);

    c_ = views::buildForm1Controls(form);
    setTextColour(c_.lblSlabika[2], QColor(0xFF, 0x00, 0x00));
    for (int i : {0, 1, 3, 4}) {
        setTextColour(c_.lblSlabika[static_cast<size_t>(i)], QColor(0x00, 0x00, 0xFF));
    }
    staff_ = std::make_unique<views::StaffPictures>(form);
    keyboard_ = std::make_unique<views::Keyboard>(form, *pictures_);

    for (int i = 0; i < keyboard::BassButtonCount; ++i) {
        const keyboard::TwipPoint place = keyboard::bassLabelPlace(i);
        auto* label = new QLabel(keyboard::bassLabel(i).caption, form);
        label->setObjectName(QStringLiteral("lblCisBas(%1)").arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(services::twipRect(place.left, place.top, keyboard::BassLabelWidth,
                                              keyboard::BassLabelHeight));
    }
    for (int k = 0; k < keyboard::NumberLabelCount; ++k) {
        // As designed: the standard numbering, except that inner label 18 reads "6s".
        const QString caption =
            k == 18 ? QStringLiteral("6s")
                    : keyboard::numberLabelCaption(k, keyboard::Numbering::Standard);
        const int top = keyboard::numberLabelTop(k, keyboard::Numbering::Standard);
        auto* label = new QLabel(caption, form);
        label->setObjectName(QStringLiteral("lblCisKnofl(%1)").arg(k));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(services::twipRect(keyboard::numberLabelLeft(k), top,
                                              keyboard::numberLabelWidth(k),
                                              keyboard::NumberLabelHeight));
    }
    for (int i = 0; i < keyboard::BarCount; ++i) {
        const keyboard::Bar bar = keyboard::bar(i);
        auto* button = new QPushButton(form);
        button->setObjectName(QStringLiteral("cmdZabrana(%1)").arg(i));
        button->setGeometry(
            services::twipRect(bar.left, bar.top, keyboard::BarWidth, bar.designedHeight));
        button->setFocusPolicy(Qt::NoFocus);
        views::setBackColour(button, views::SystemTooltipBack);
        button->hide();
    }
}

template <typename Sender, typename Signal>
void Form1::onSignal(Sender* sender, Signal signal, std::function<void()> command) {
    connect(sender, signal, this, [this, command = std::move(command)] { guard_->run(command); });
}

void Form1::wire() {
    onSignal(menu_.mnuKonec, &QAction::triggered, [this] { mnuKonec_Click(); });
    onCheckItem(menu_.mnu2Rady, [this] { guard_->run([this] { models_->mnu2Rady_Click(); }); });
    onCheckItem(menu_.mnuModelClub,
                [this] { guard_->run([this] { models_->mnuModelClub_Click(); }); });
    for (int i = 0; i < 2; ++i) {
        onCheckItem(menu_.mnuZnaceni[static_cast<size_t>(i)],
                    [this, i] { guard_->run([this, i] { models_->mnuZnaceni_Click(i); }); });
    }
    guardPictures();
}

// The keyboard's buttons and the staff's pictures call their handlers themselves: those calls
// go through the guard too.
void Form1::guardPictures() {
    for (const keyboard::Side side : {keyboard::Side::Treble, keyboard::Side::Bass}) {
        const int count = side == keyboard::Side::Treble ? keyboard::TrebleButtonCount
                                                         : keyboard::BassButtonCount;
        for (int n = 1; n <= count; ++n) {
            for (views::ClickablePicture* picture :
                 {keyboard_->overlay(side, n), keyboard_->button(side, n)}) {
                picture->onClick = [this, click = picture->onClick] { guard_->run(click); };
            }
        }
    }
    for (const auto* pictures : {&staff_->picNota, &staff_->picKrizek, &staff_->picBecko}) {
        for (views::TwipPicture* picture : *pictures) {
            picture->onDropped = [this, dropped = picture->onDropped](int left, int top) {
                guard_->run([&] { dropped(left, top); });
            };
        }
    }
}

void Form1::wireSongs() {
    grips::SongFiles& files = *songFiles_;
    onSignal(c_.cmdNovaSkladba, &QPushButton::clicked, [&files] { files.cmdNovaSkladba_Click(); });
    onSignal(c_.cmdEdit, &QPushButton::clicked, [&files] { files.cmdEdit_Click(); });
    onSignal(c_.cmdEndEdit, &QPushButton::clicked, [&files] { files.cmdEndEdit_Click(); });
    onSignal(menu_.mnuNovaPisen, &QAction::triggered, [&files] { files.mnuNovaPisen_Click(); });
    onSignal(menu_.mnuOtevrit, &QAction::triggered, [&files] { files.mnuOtevrit_Click(); });
    onSignal(menu_.mnuKonecPisne, &QAction::triggered, [&files] { files.mnuKonecPisne_Click(); });

    grips::GripDisplay& display = *display_;
    onSignal(c_.cmdUvolDiskant, &QPushButton::clicked,
             [&display] { display.cmdUvolDiskant_Click(); });
    onSignal(c_.cmdUvolBasy, &QPushButton::clicked, [&display] { display.cmdUvolBasy_Click(); });
    onSignal(c_.cmdUvolKnofl, &QPushButton::clicked, [&display] { display.cmdUvolKnofl_Click(); });
    onSignal(c_.cmdUvolniPultony, &QPushButton::clicked,
             [&display] { display.cmdUvolniPultony_Click(); });
    onSignal(c_.cmdUvolNoty, &QPushButton::clicked, [&display] { display.cmdUvolNoty_Click(); });
    onSignal(menu_.mnuUvolnitDiskant, &QAction::triggered, [&display] { display.ReleaseTreble(); });
    onSignal(menu_.mnuUvolnitBasy, &QAction::triggered, [&display] { display.ReleaseBass(); });
    onSignal(menu_.mnuUvolnitKnofliky, &QAction::triggered,
             [&display] { display.cmdUvolKnofl_Click(); });
    onSignal(menu_.mnuUvolnitNoty, &QAction::triggered,
             [&display] { display.cmdUvolNoty_Click(); });
    onSignal(menu_.mnuUvolnitPultony, &QAction::triggered,
             [&display] { display.ReleaseAccidentals(); });
    onSignal(menu_.mnuUvolnitVse, &QAction::triggered,
             [&display] { display.mnuUvolnitVse_Click(); });

    // Only the player's own pick counts, not the list being filled at start-up.
    connect(c_.Combo1, &QComboBox::activated, this, [this](int index) {
        guard_->run([this, index] { tuning_->Combo1_Click(c_.Combo1->itemText(index)); });
    });
}

void Form1::wireGrips() {
    onSignal(menu_.mnuKonverze, &QAction::triggered, [this] {
        const int row = currentGripRow();
        const QString song = connection_.SongWorkbookName;
        if (auto* window = auxwin::mnuKonverze_Click(connection_, dialogs_, *this, *guard_)) {
            window->session().numbering = models_->numbering();
            connect(window, &QObject::destroyed, this, [this, row, song] {
                guard_->run([this, row, song] { showConvertedSong(song, row); });
            });
            window->session().onConverted = [this](const QString& path) {
                recentSongs_->remember(path);
            };
        }
    });
    grips::GripReader& reader = *reader_;
    onSignal(c_.cmdReadTah, &QPushButton::clicked, [&reader] { reader.cmdReadTah_Click(); });
    onSignal(c_.cmdReadTlak, &QPushButton::clicked, [&reader] { reader.cmdReadTlak_Click(); });
    grips::Navigation& go = *navigation_;
    onSignal(c_.cmdPrvni, &QPushButton::clicked, [&go] { go.cmdPrvni_Click(); });
    onSignal(c_.cmdPredchozi, &QPushButton::clicked, [&go] { go.cmdPredchozi_Click(); });
    onSignal(c_.cmdDalsi, &QPushButton::clicked, [&go] { go.cmdDalsi_Click(); });
    onSignal(c_.cmdPosledni, &QPushButton::clicked, [&go] { go.cmdPosledni_Click(); });
    onSignal(c_.cmdDalsiTah, &QPushButton::clicked, [&go] { go.cmdDalsiTah_Click(); });
    onSignal(c_.cmdDalsiTlak, &QPushButton::clicked, [&go] { go.cmdDalsiTlak_Click(); });
    onSignal(c_.cmdPredTah, &QPushButton::clicked, [&go] { go.cmdPredTah_Click(); });
    onSignal(c_.cmdPredTlak, &QPushButton::clicked, [&go] { go.cmdPredTlak_Click(); });
    grips::Recording& recording = *recording_;
    onSignal(c_.cmdTlak, &QPushButton::clicked, [&recording] { recording.cmdTlak_Click(); });
    onSignal(c_.cmdTah, &QPushButton::clicked, [&recording] { recording.cmdTah_Click(); });
    grips::StaffEntry& entry = *staffEntry_;
    onSignal(c_.cmdTlakNoty, &QPushButton::clicked, [&entry] { entry.cmdTlakNoty_Click(); });
    onSignal(c_.cmdTahNoty, &QPushButton::clicked, [&entry] { entry.cmdTahNoty_Click(); });
}

void Form1::wirePlayer() {
    grips::AutoPlayer& player = *player_;
    onSignal(c_.cmdJakDal, &QPushButton::clicked, [&player] { player.cmdJakDal_Click(); });
    onSignal(c_.cmdTimer, &QPushButton::clicked, [&player] { player.cmdTimer_Click(); });
    // A tick while a command or its message is in progress is dropped, not deferred.
    connect(&player.Timer1(), &QTimer::timeout, this,
            [this, &player] { guard_->tick([&player] { player.Timer1_Timer(); }); });
    connect(c_.Slider1, &QSlider::valueChanged, this, [this, &player](int position) {
        guard_->run([&player, position] { player.Slider1_Change(position); });
    });
    for (int i = 0; i < 3; ++i) {
        onSignal(c_.cmdZvuk[static_cast<size_t>(i)], &QPushButton::clicked,
                 [&player, i] { player.cmdZvuk_Click(i); });
    }
}

void Form1::buildSound(services::ProgramSettings& settings) {
    gripHoldTimer_ = std::make_unique<music::QtBeatTimer>(false);
    songBeatTimer_ = std::make_unique<music::QtBeatTimer>(true);
    soundControl_ = std::make_unique<music::SoundControl>(*soundSupply_, dialogs_, settings,
                                                          *gripHoldTimer_, *songBeatTimer_);
    playback_ = std::make_unique<music::SongPlayback>(connection_, dialogs_, *soundControl_,
                                                      player_->Timer1());
    exports_ =
        std::make_unique<music::SongExports>(connection_, dialogs_, fileChooser_, *soundSupply_);
}

void Form1::wireSound() {
    music::SoundControl& sound = *soundControl_;
    soundSupply_->onReady = [this, &sound] { guard_->run([&sound] { sound.soundReady(); }); };
    // A beat while a command or its message is in progress is dropped: the song waits.
    songBeatTimer_->onTimeout = [this, beat = songBeatTimer_->onTimeout] { guard_->tick(beat); };
    sound.onBeat = [this](const music::Beat& beat) { navigation_->showBeat(beat.row); };
    sound.onStopped = [this] { menu_.mnuPrehratPisen->setChecked(false); };
    reader_->onGripLit = [this](int row) { playback_->gripLit(row); };

    menu_.mnuZvukHmatu->setChecked(sound.hearsGrips());
    onCheckItem(menu_.mnuZvukHmatu, [this, &sound] {
        guard_->run([this, &sound] {
            sound.setHearsGrips(!sound.hearsGrips());
            menu_.mnuZvukHmatu->setChecked(sound.hearsGrips());
        });
    });
    onCheckItem(menu_.mnuPrehratPisen, [this, &sound] {
        guard_->run([this, &sound] {
            playback_->mnuPrehratPisen_Click();
            menu_.mnuPrehratPisen->setChecked(sound.isPlaying());
        });
    });
    // After the automatic player's own handler, which sets the step this follows.
    connect(c_.Slider1, &QSlider::valueChanged, this,
            [this] { guard_->run([this] { playback_->tempoChanged(); }); });
}

void Form1::wireSongOutput() {
    music::SongExports& exports = *exports_;
    exports.onSoundFileSaved = [this] { songFiles_->ShowSoundButtons(); };
    exports.whileBusy = [](const std::function<void()>& work) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        work();
    };
    runPrintPreview = [](QPrintPreviewDialog& dialog) { dialog.exec(); };
    const auto tempo = [this] { return music::tempoOfStepInterval(player_->Timer1().interval()); };
    onSignal(menu_.mnuTisk, &QAction::triggered, [this] { mnuTisk_Click(); });
    onSignal(menu_.mnuUlozitPdf, &QAction::triggered,
             [this, &exports] { exports.savePdf(models_->model(), models_->numbering()); });
    onSignal(menu_.mnuUlozitMidi, &QAction::triggered,
             [&exports, tempo] { exports.saveMidi(tempo()); });
    onSignal(menu_.mnuUlozitWav, &QAction::triggered,
             [&exports, tempo] { exports.saveWav(tempo()); });
}

void Form1::mnuTisk_Click() {
    const auto tablature = exports_->tablature(models_->model(), models_->numbering());
    if (music::PrintPlugin* plugin = tablature ? exports_->printPlugin() : nullptr) {
        if (!views::showPrintPreview(*tablature, *plugin, this, runPrintPreview)) {
            dialogs_.message(QStringLiteral("Tisk se nezdařil."),
                             QStringLiteral("Stránky tabulatury se nepodařilo vytisknout. "
                                            "Zkontrolujte tiskárnu, nebo při tisku do souboru "
                                            "složku, do které se má uložit."),
                             services::MessageIcon::Critical);
        }
    }
}

void Form1::wireAuxiliaryWindows() {
    onSignal(menu_.mnuNastavCestu, &QAction::triggered,
             [this] { auxwin::mnuNastavCestu_Click(connection_, dialogs_, *this); });
    onSignal(menu_.mnuhtm, &QAction::triggered,
             [this] { auxwin::mnuhtm_Click(*this, programFolder_); });
    onSignal(menu_.mnuMailAutorovi, &QAction::triggered, [this] {
        auxwin::mnuMailAutorovi_Click(dialogs_, connection_.WorkingFolder, openUrl);
    });
    onSignal(c_.cmdOPrg, &QPushButton::clicked, [this] { auxwin::cmdOPrg_Click(dialogs_); });
    onSignal(menu_.mnuOProgramu, &QAction::triggered, [this] { c_.cmdOPrg->click(); });
}

// A melody imported as a new song; a player's own tunings, the main window's list following
// every change made to them.
void Form1::wireOwnTunings() {
    onSignal(menu_.mnuImportovat, &QAction::triggered,
             [this] { songImport_->mnuImportovat_Click(c_.lblLadeni->text()); });
    tuningEditor_->changed = [this](const tunings::TuningChange& change) {
        followTuningChange(change);
    };
    onSignal(menu_.mnuLadeni, &QAction::triggered, [this] {
        auxwin::KeyboardLook look;
        look.model = menu_.mnu2Rady->isChecked()       ? keyboard::InstrumentModel::TwoRow
                     : menu_.mnuModelClub->isChecked() ? keyboard::InstrumentModel::Club
                                                       : keyboard::InstrumentModel::Full;
        look.numbering = menu_.mnuZnaceni[1]->isChecked() ? keyboard::Numbering::Trizonia
                                                          : keyboard::Numbering::Standard;
        auto* window = auxwin::mnuLadeni_Click(*tuningEditor_, look, c_.lblLadeni->text(), *this);
        window->runCommand = [this](const std::function<void()>& command) { guard_->run(command); };
    });
}

void Form1::followTuningChange(const tunings::TuningChange& change) {
    const QString shown = tunings::tuningShownAfter(c_.lblLadeni->text(), change);
    c_.lblLadeni->setText(shown);
    c_.Combo1->clear();
    c_.Combo1->addItems(change.names);
    views::showInTuningList(c_.Combo1, shown);
}

void Form1::wireRecentSongs(services::ProgramSettings& settings) {
    recentSongs_ = std::make_unique<RecentSongsMenu>(menu_, settings, dialogs_);
    recentSongs_->runCommand = [this](const std::function<void()>& command) {
        guard_->run(command);
    };
    recentSongs_->open = [this](const QString& path) { songFiles_->openSongFile(path); };
    songFiles_->onSongFileUsed = [this](const QString& path) { recentSongs_->remember(path); };
}

void Form1::openGivenSong(const QString& path) {
    guard_->run([this, &path] { songFiles_->openSongFile(path); });
}

// After a conversion of the open song the program goes on with the copy: its name and tuning
// are what the window shows.
int Form1::currentGripRow() {
    if (!c_.cmdEndEdit->isEnabled() || !connection_.ActivateSongWindow()) {
        return 1;
    }
    return connection_.SpreadsheetApplication->activeCell().row();
}

// The copy goes on where the song was: the same grip under the cursor and in the counter, the
// copy's tuning and its own sound files. Nothing changes when the window was closed without a
// copy: the grip and its marked buttons stay as they were.
void Form1::showConvertedSong(const QString& song, int row) {
    if (connection_.SongWorkbookName == song || !c_.cmdEndEdit->isEnabled() ||
        !connection_.ActivateSongWindow()) {
        return;
    }
    setWindowTitle(connection_.SongWorkbookName);
    songFiles_->FindSoundFiles();
    navigation_->showGrip(row);
}

bool Form1::Form_Load() {
    if (!startup_->Form_Load()) {
        return false;
    }
    sheetWindow_ = std::make_unique<views::SheetWindow>(*connection_.SpreadsheetApplication,
                                                        nullptr, /*held=*/true);
    // An edit in the sheet window is a change like any of the program's: saved at once.
    sheetWindow_->runEdit = [this](const std::function<void()>& edit) { guard_->run(edit); };
    guard_->beforeCommand = [this] { sheetWindow_->commitEdit(); };
    guard_->holdsTicks = [this] { return sheetWindow_->isEditing(); };
    connect(menu_.mnuTabulka, &QAction::triggered, sheetWindow_.get(),
            &views::SheetWindow::bringToFront);
    return true;
}

void Form1::mnuKonec_Click() {
    if (dialogs_.message(QStringLiteral("Konec programu !"),
                         QStringLiteral("Opravdu chcete ukončit program ?"),
                         services::MessageIcon::None,
                         services::MessageButtons::YesNo) == services::MessageAnswer::Yes) {
        close();
    }
}

// The sound is loaded in the background once the window is up, so that neither the start nor
// the first grip heard waits for the synthesizer.
void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The host's window follows once this one is on the screen.
    if (sheetWindow_) {
        sheetWindow_->showHeldWindowOnceExposed(windowHandle());
    }
    if (!soundLoadScheduled_) {
        soundLoadScheduled_ = true;
        QTimer::singleShot(soundLoadDelay, this, [this] { soundSupply_->prepare(); });
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        bool closing = false;
        guard_->run([this, &closing] {
            player_->Timer1().stop();
            soundControl_->stop();
            player_->stopAllSounds();
            closing = startup_->ShutDownSpreadsheet();
        });
        if (!closing) {
            event->ignore();
            return;
        }
        unloaded_ = true;
    }
    event->accept();
}

}  // namespace app
