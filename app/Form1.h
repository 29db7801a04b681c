#pragma once

#include "MainMenu.h"
#include "StartupShutdown.h"
#include "services/SpreadsheetConnection.h"
#include "views/MainWindowLayout.h"

#include <QMainWindow>
#include <QUrl>

class QPrintPreviewDialog;

#include <chrono>
#include <functional>

#include <memory>

namespace keyboard {
class SoundOutput;
}  // namespace keyboard
namespace grips {
class AutoPlayer;
class DirectionColour;
class GripDisplay;
class GripReader;
class GripText;
class Navigation;
class SongControls;
class Recording;
class SongFiles;
class SongImport;
class StaffEntry;
}  // namespace grips
namespace songs {
class SongKeeper;
}  // namespace songs
namespace music {
class QtBeatTimer;
class SongExports;
class SongPlayback;
class SoundControl;
class SoundSupply;
}  // namespace music
namespace tones {
class TuningSelection;
}  // namespace tones
namespace tunings {
class OpenTuningDatabase;
class TuningEditor;
struct TuningChange;
}  // namespace tunings

namespace services {
class CommandGuard;
class Dialogs;
class ProgramSettings;
}  // namespace services

namespace views {
class ButtonPictures;
class KeyboardModels;
class Keyboard;
class SheetWindow;
class StaffPictures;
}  // namespace views

namespace app {

class RecentSongsMenu;
class WindowSongControls;

// The main window: builds its controls, keyboard, staff and menu from the design's tables and
// wires them to the handlers of each subject; it holds no behaviour of its own.
class Form1 : public QMainWindow {
public:
    Form1(const services::ProgramEnvironment& environment, services::Dialogs& dialogs,
          services::ProgramSettings& settings, spreadsheet::FileChooser* fileChooser);
    ~Form1() override;

    bool Form_Load();
    void mnuKonec_Click();
    // `mechik SONG.xls`: the song opened after start-up as "Otevřít" opens it.
    void openGivenSong(const QString& path);

    const views::Form1Controls& controls() const { return c_; }
    const MenuActions& menu() const { return menu_; }
    views::Keyboard& keyboard() { return *keyboard_; }
    views::KeyboardModels& models() { return *models_; }
    views::StaffPictures& staff() { return *staff_; }
    services::SpreadsheetConnection& connection() { return connection_; }
    grips::GripDisplay& display() { return *display_; }
    grips::SongFiles& songFiles() { return *songFiles_; }
    tones::TuningSelection& tuning() { return *tuning_; }
    grips::GripReader& reader() { return *reader_; }
    grips::Navigation& navigation() { return *navigation_; }
    grips::Recording& recording() { return *recording_; }
    grips::StaffEntry& staffEntry() { return *staffEntry_; }
    grips::DirectionColour& directionColour() { return *direction_; }
    grips::SongControls& songControls();
    views::SheetWindow* sheetWindow() { return sheetWindow_.get(); }
    grips::AutoPlayer& player() { return *player_; }
    services::CommandGuard& guard() { return *guard_; }
    songs::SongKeeper& keeper() { return *keeper_; }
    music::SoundSupply& soundSupply() { return *soundSupply_; }
    music::SoundControl& soundControl() { return *soundControl_; }
    music::QtBeatTimer& gripHoldTimer() { return *gripHoldTimer_; }
    music::QtBeatTimer& songBeatTimer() { return *songBeatTimer_; }
    music::SongExports& exports() { return *exports_; }
    grips::SongImport& songImport() { return *songImport_; }
    tunings::TuningEditor& tuningEditor() { return *tuningEditor_; }
    RecentSongsMenu& recentSongs() { return *recentSongs_; }

    // Hands an address to the desktop (the mail program); false when nothing took it. Tests
    // look at it instead.
    std::function<bool(const QUrl&)> openUrl;
    // Shows the print preview and waits for it; tests look at it instead.
    std::function<void(QPrintPreviewDialog&)> runPrintPreview;
    // How long after the window is first shown the sound starts loading: the window is painted
    // and ready for the player before the synthesizer takes a core. Tests shorten it.
    std::chrono::milliseconds soundLoadDelay{1000};

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload
    void showEvent(QShowEvent* event) override;

private:
    void buildForm();
    void wire();
    void wireSongs();
    void wireGrips();
    void wirePlayer();
    void wireAuxiliaryWindows();
    void buildSound(services::ProgramSettings& settings);
    void wireSound();
    void wireSongOutput();
    void mnuTisk_Click();
    void wireOwnTunings();
    void wireRecentSongs(services::ProgramSettings& settings);
    void followTuningChange(const tunings::TuningChange& change);
    void guardPictures();
    // The song's grip under the cursor; 1 without a song.
    int currentGripRow();
    // After the conversion window: `song` and `row` are the song and grip shown before it.
    void showConvertedSong(const QString& song, int row);
    // Every command of the window, as each signal's slot: run through the guard.
    template <typename Sender, typename Signal>
    void onSignal(Sender* sender, Signal signal, std::function<void()> command);

    services::Dialogs& dialogs_;
    services::SpreadsheetConnection connection_;
    std::unique_ptr<services::CommandGuard> guard_;
    std::unique_ptr<songs::SongKeeper> keeper_;
    std::unique_ptr<views::ButtonPictures> pictures_;
    views::Form1Controls c_{};
    MenuActions menu_{};
    std::unique_ptr<views::Keyboard> keyboard_;
    std::unique_ptr<views::StaffPictures> staff_;
    std::unique_ptr<views::KeyboardModels> models_;
    std::unique_ptr<StartupShutdown> startup_;
    std::unique_ptr<grips::GripText> gripText_;
    std::unique_ptr<grips::DirectionColour> direction_;
    std::unique_ptr<WindowSongControls> songControls_;
    std::unique_ptr<grips::GripDisplay> display_;
    std::unique_ptr<grips::SongFiles> songFiles_;
    std::unique_ptr<tones::TuningSelection> tuning_;
    std::unique_ptr<grips::GripReader> reader_;
    std::unique_ptr<grips::Navigation> navigation_;
    std::unique_ptr<grips::Recording> recording_;
    std::unique_ptr<grips::StaffEntry> staffEntry_;
    std::unique_ptr<keyboard::SoundOutput> sound_;
    std::unique_ptr<grips::AutoPlayer> player_;
    spreadsheet::FileChooser* fileChooser_;
    std::unique_ptr<music::SoundSupply> soundSupply_;
    std::unique_ptr<music::QtBeatTimer> gripHoldTimer_;
    std::unique_ptr<music::QtBeatTimer> songBeatTimer_;
    std::unique_ptr<music::SoundControl> soundControl_;
    std::unique_ptr<music::SongPlayback> playback_;
    std::unique_ptr<music::SongExports> exports_;
    std::unique_ptr<tunings::OpenTuningDatabase> openDatabase_;
    std::unique_ptr<tunings::TuningEditor> tuningEditor_;
    std::unique_ptr<grips::SongImport> songImport_;
    std::unique_ptr<RecentSongsMenu> recentSongs_;
    // Not a child: under the topmost main window it would stay in front of it.
    std::unique_ptr<views::SheetWindow> sheetWindow_;
    QString programFolder_;
    bool unloaded_ = false;
    bool soundLoadScheduled_ = false;
};

}  // namespace app
