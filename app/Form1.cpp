#include "Form1.h"

#include "Dialogs.h"
#include "SheetWindow.h"
#include "SongControls.h"
#include "StaffPictures.h"
#include "Twips.h"
#include "VbColour.h"
#include "keyboard/ButtonPictures.h"
#include "keyboard/Keyboard.h"
#include "keyboard/KeyboardGeometry.h"
#include "keyboard/KeyboardModels.h"
#include "auxwin/AboutAndMail.h"
#include "auxwin/frmBrowser.h"
#include "auxwin/frmZmenaCesty.h"
#include "conversion/frmKonverze.h"
#include "keyboard/AutoPlayer.h"
#include "keyboard/MediaSoundOutput.h"
#include "keyboard/Recording.h"
#include "songs/GripDisplay.h"
#include "songs/Navigation.h"
#include "tones/GripReader.h"
#include "tones/StaffEntry.h"
#include "songs/SongFiles.h"
#include "tones/TuningSelection.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>

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

Form1::Form1(const ProgramEnvironment& environment, Dialogs& dialogs, ProgramSettings& settings,
             spreadsheet::FileChooser* fileChooser)
    : dialogs_(dialogs),
      pictures_(std::make_unique<keyboard::ButtonPictures>()),
      programFolder_(environment.programFolder) {
    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    connection_.WorkingFolder = environment.workingFolder;
    setWindowTitle(ProgramTitle);
    // The main window stays in front of every other window for the whole run.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    buildForm();
    menu_ = buildMainMenu(menuBar());
    keyboard::ModelControls modelControls;
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
    models_ = std::make_unique<keyboard::KeyboardModels>(modelControls, settings, dialogs);
    startup_ = std::make_unique<StartupShutdown>(connection_, environment, c_, menu_, *models_,
                                                 settings, dialogs, fileChooser);
    songs::GripTextControls text{c_.lblSlabika, c_.lblPopisD, c_.lblTony, c_.lblPopisB,
                                 c_.lblBasy};
    display_ = std::make_unique<songs::GripDisplay>(text, connection_, *keyboard_, *staff_);
    songFiles_ = std::make_unique<songs::SongFiles>(connection_, dialogs, c_, menu_, *display_,
                                                    *this);
    tuning_ = std::make_unique<tones::TuningSelection>(
        connection_, dialogs, [this](const QString& name) { c_.lblLadeni->setText(name); });
    reader_ = std::make_unique<tones::GripReader>(connection_, dialogs, *keyboard_, *staff_,
                                                  *display_, *tuning_, c_.cmdJakDal, c_.lblBasy);
    navigation_ = std::make_unique<songs::Navigation>(
        connection_,
        songs::NavigationControls{c_.lblTon, c_.cmdPredchozi, c_.cmdPredTlak, c_.cmdPredTah},
        *display_, *reader_);
    recording_ = std::make_unique<keyboard::Recording>(connection_, dialogs, *keyboard_, *tuning_,
                                                       *reader_, *display_, *navigation_,
                                                       c_.lblTon);
    staffEntry_ = std::make_unique<tones::StaffEntry>(connection_, dialogs, *staff_, *tuning_,
                                                      *reader_, *display_, *navigation_,
                                                      c_.lblTon);
    sound_ = std::make_unique<keyboard::MediaSoundOutput>();
    player_ = std::make_unique<keyboard::AutoPlayer>(
        dialogs, *navigation_, *reader_,
        keyboard::PlayerControls{c_.cmdJakDal, c_.cmdTimer, c_.Slider1, c_.cmdZvuk}, *sound_,
        [this](int index) { return songFiles_->SoundFilePath(index); });
    songFiles_->onSongEnded = [this] { player_->stopAllSounds(); };
    SongControlsOff(c_, menu_);
    wire();
    wireSongs();
    wireGrips();
    wirePlayer();
    wireAuxiliaryWindows();
}

Form1::~Form1() = default;

void Form1::buildForm() {
    auto* form = new QWidget(this);
    form->setObjectName(QStringLiteral("Form1"));
    useDesignFont(form);
    form->setFixedSize(twipsToPixels(FormWidth), twipsToPixels(FormHeight));
    setCentralWidget(form);

    c_ = buildForm1Controls(form);
    setTextColour(c_.lblSlabika[2], QColor(0xFF, 0x00, 0x00));
    for (int i : {0, 1, 3, 4}) {
        setTextColour(c_.lblSlabika[static_cast<size_t>(i)], QColor(0x00, 0x00, 0xFF));
    }
    staff_ = std::make_unique<StaffPictures>(form);
    keyboard_ = std::make_unique<keyboard::Keyboard>(form, *pictures_);

    for (int i = 0; i < keyboard::BassButtonCount; ++i) {
        const keyboard::TwipPoint place = keyboard::bassLabelPlace(i);
        auto* label = new QLabel(keyboard::bassLabel(i).caption, form);
        label->setObjectName(QStringLiteral("lblCisBas(%1)").arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(twipRect(place.left, place.top, keyboard::BassLabelWidth,
                                    keyboard::BassLabelHeight));
    }
    for (int k = 0; k < keyboard::NumberLabelCount; ++k) {
        // As designed: the standard numbering, except that inner label 18 reads "6s".
        const bool outer = k <= 12;
        const QString caption = k == 18 ? QStringLiteral("6s") : QString::number(outer ? k + 1 : k - 12);
        const int top = outer ? 7560 - 600 * k : 6720 - 600 * (k - 13);
        auto* label = new QLabel(caption, form);
        label->setObjectName(QStringLiteral("lblCisKnofl(%1)").arg(k));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(twipRect(keyboard::numberLabelLeft(k), top,
                                    keyboard::numberLabelWidth(k), keyboard::NumberLabelHeight));
    }
    for (int i = 0; i < keyboard::BarCount; ++i) {
        const keyboard::Bar bar = keyboard::bar(i);
        auto* button = new QPushButton(form);
        button->setObjectName(QStringLiteral("cmdZabrana(%1)").arg(i));
        button->setGeometry(twipRect(bar.left, bar.top, keyboard::BarWidth, bar.designedHeight));
        button->setFocusPolicy(Qt::NoFocus);
        setBackColour(button, SystemTooltipBack);
        button->hide();
    }
}

void Form1::wire() {
    connect(menu_.mnuKonec, &QAction::triggered, this, [this] { mnuKonec_Click(); });
    onCheckItem(menu_.mnu2Rady, [this] { models_->mnu2Rady_Click(); });
    onCheckItem(menu_.mnuModelClub, [this] { models_->mnuModelClub_Click(); });
    for (int i = 0; i < 2; ++i) {
        onCheckItem(menu_.mnuZnaceni[static_cast<size_t>(i)],
                    [this, i] { models_->mnuZnaceni_Click(i); });
    }
}

void Form1::wireSongs() {
    auto click = [this](QPushButton* button, auto handler) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    auto item = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    songs::SongFiles& files = *songFiles_;
    click(c_.cmdNovaSkladba, [&files] { files.cmdNovaSkladba_Click(); });
    click(c_.cmdEdit, [&files] { files.cmdEdit_Click(); });
    click(c_.cmdEndEdit, [&files] { files.cmdEndEdit_Click(); });
    item(menu_.mnuNovaPisen, [&files] { files.mnuNovaPisen_Click(); });
    item(menu_.mnuOtevrit, [&files] { files.mnuOtevrit_Click(); });
    item(menu_.mnuKonecPisne, [&files] { files.mnuKonecPisne_Click(); });

    songs::GripDisplay& display = *display_;
    click(c_.cmdUvolDiskant, [&display] { display.cmdUvolDiskant_Click(); });
    click(c_.cmdUvolBasy, [&display] { display.cmdUvolBasy_Click(); });
    click(c_.cmdUvolKnofl, [&display] { display.cmdUvolKnofl_Click(); });
    click(c_.cmdUvolniPultony, [&display] { display.cmdUvolniPultony_Click(); });
    click(c_.cmdUvolNoty, [&display] { display.cmdUvolNoty_Click(); });
    item(menu_.mnuUvolnitDiskant, [&display] { display.ReleaseTreble(); });
    item(menu_.mnuUvolnitBasy, [&display] { display.ReleaseBass(); });
    item(menu_.mnuUvolnitKnofliky, [&display] { display.cmdUvolKnofl_Click(); });
    item(menu_.mnuUvolnitNoty, [&display] { display.cmdUvolNoty_Click(); });
    item(menu_.mnuUvolnitPultony, [&display] { display.ReleaseAccidentals(); });
    item(menu_.mnuUvolnitVse, [&display] { display.mnuUvolnitVse_Click(); });

    // Only the player's own pick counts, not the list being filled at start-up.
    connect(c_.Combo1, &QComboBox::activated, this,
            [this](int index) { tuning_->Combo1_Click(c_.Combo1->itemText(index)); });
}

void Form1::wireGrips() {
    connect(menu_.mnuKonverze, &QAction::triggered, this, [this] {
        if (auto* window = conversion::mnuKonverze_Click(connection_, dialogs_, *this)) {
            connect(window, &QObject::destroyed, this, [this] { showConvertedSong(); });
        }
    });
    auto click = [this](QPushButton* button, auto handler) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    tones::GripReader& reader = *reader_;
    click(c_.cmdReadTah, [&reader] { reader.cmdReadTah_Click(); });
    click(c_.cmdReadTlak, [&reader] { reader.cmdReadTlak_Click(); });
    songs::Navigation& go = *navigation_;
    click(c_.cmdPrvni, [&go] { go.cmdPrvni_Click(); });
    click(c_.cmdPredchozi, [&go] { go.cmdPredchozi_Click(); });
    click(c_.cmdDalsi, [&go] { go.cmdDalsi_Click(); });
    click(c_.cmdPosledni, [&go] { go.cmdPosledni_Click(); });
    click(c_.cmdDalsiTah, [&go] { go.cmdDalsiTah_Click(); });
    click(c_.cmdDalsiTlak, [&go] { go.cmdDalsiTlak_Click(); });
    click(c_.cmdPredTah, [&go] { go.cmdPredTah_Click(); });
    click(c_.cmdPredTlak, [&go] { go.cmdPredTlak_Click(); });
    keyboard::Recording& recording = *recording_;
    click(c_.cmdTlak, [&recording] { recording.cmdTlak_Click(); });
    click(c_.cmdTah, [&recording] { recording.cmdTah_Click(); });
    tones::StaffEntry& entry = *staffEntry_;
    click(c_.cmdTlakNoty, [&entry] { entry.cmdTlakNoty_Click(); });
    click(c_.cmdTahNoty, [&entry] { entry.cmdTahNoty_Click(); });
}

void Form1::wirePlayer() {
    keyboard::AutoPlayer& player = *player_;
    connect(c_.cmdJakDal, &QPushButton::clicked, this, [&player] { player.cmdJakDal_Click(); });
    connect(c_.cmdTimer, &QPushButton::clicked, this, [&player] { player.cmdTimer_Click(); });
    connect(c_.Slider1, &QSlider::valueChanged, this,
            [&player](int position) { player.Slider1_Change(position); });
    for (int i = 0; i < 3; ++i) {
        connect(c_.cmdZvuk[static_cast<size_t>(i)], &QPushButton::clicked, this,
                [&player, i] { player.cmdZvuk_Click(i); });
    }
}

void Form1::wireAuxiliaryWindows() {
    connect(menu_.mnuNastavCestu, &QAction::triggered, this,
            [this] { auxwin::mnuNastavCestu_Click(connection_, dialogs_, *this); });
    connect(menu_.mnuhtm, &QAction::triggered, this,
            [this] { auxwin::mnuhtm_Click(*this, programFolder_); });
    connect(menu_.mnuMailAutorovi, &QAction::triggered, this, [this] {
        auxwin::mnuMailAutorovi_Click(dialogs_, connection_.WorkingFolder, openUrl);
    });
    connect(c_.cmdOPrg, &QPushButton::clicked, this, [this] { auxwin::cmdOPrg_Click(dialogs_); });
    connect(menu_.mnuOProgramu, &QAction::triggered, this, [this] { c_.cmdOPrg->click(); });
}

// After a conversion of the open song the program goes on with the copy: its name and tuning
// are what the window shows.
void Form1::showConvertedSong() {
    if (!c_.cmdEndEdit->isEnabled() || !connection_.ActivateSongWindow()) {
        return;
    }
    setWindowTitle(connection_.SongWorkbookName);
    const QString tuning = connection_.SpreadsheetApplication->activeSheet().name();
    c_.lblLadeni->setText(tuning);
    c_.Combo1->setCurrentText(tuning);
}

bool Form1::Form_Load() {
    if (!startup_->Form_Load()) {
        return false;
    }
    sheetWindow_ = std::make_unique<SheetWindow>(*connection_.SpreadsheetApplication);
    connect(menu_.mnuTabulka, &QAction::triggered, sheetWindow_.get(), &SheetWindow::bringToFront);
    return true;
}

void Form1::mnuKonec_Click() {
    if (dialogs_.message(QStringLiteral("Konec programu !"),
                         QStringLiteral("Opravdu chcete ukončit program ?"), MessageIcon::None,
                         MessageButtons::YesNo) == MessageAnswer::Yes) {
        close();
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        player_->Timer1().stop();
        player_->stopAllSounds();
        if (!startup_->ShutDownSpreadsheet()) {
            event->ignore();
            return;
        }
        unloaded_ = true;
    }
    event->accept();
}

}  // namespace app
