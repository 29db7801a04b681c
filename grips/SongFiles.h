#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace services {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services

// Creating a new song in the working folder, opening one chosen in the file dialog, and ending
// the work on a song; the song commands switch with it.
namespace songs {
class SongKeeper;
}

namespace grips {

class DirectionColour;
class GripDisplay;
class SongControls;

class SongFiles {
public:
    SongFiles(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
              SongControls& controls, DirectionColour& direction, GripDisplay& display,
              songs::SongKeeper& keeper);

    void cmdNovaSkladba_Click();
    void cmdEdit_Click();
    void cmdEndEdit_Click();
    void mnuNovaPisen_Click() { cmdNovaSkladba_Click(); }
    void mnuOtevrit_Click() { cmdEdit_Click(); }
    void mnuKonecPisne_Click() { cmdEndEdit_Click(); }

    // What "Nová píseň" asks before it creates the song: the new song's path in the working
    // folder, or nothing when the player cancelled or the name cannot be used (he was told).
    std::optional<QString> askNewSongPath();
    // The song at `path` opened as "Otevřít" opens the chosen one, at its saved grip; false,
    // after a message, when it cannot be.
    bool openSongFile(const QString& path);
    // A file picked in the host's dialog, the main window hidden meanwhile as for "Otevřít".
    std::optional<QString> chooseFile(const QString& filter, const QString& title);

    static bool FldExist(const QString& folderPath);
    // False when no such file exists (any more); true when it exists and the user would not
    // have it replaced, or it cannot be: deleting it failed, or another Mechík has it open.
    bool FileExists(const QString& fileName);
    void FindSoundFiles();
    // A button for each recording beside the song in the working folder.
    void ShowSoundButtons();
    QString SoundFilePath(int index) const;

    // Called when the program returns to the no-song state.
    std::function<void()> onSongEnded;
    // Called with its path when a song has been created or opened.
    std::function<void(const QString&)> onSongFileUsed;

private:
    bool ensureWorkingFolder();
    bool isNameOfOpenWorkbook(const QString& name);
    bool createSong(const QString& path);
    bool openSong(const QString& path);
    bool saveAndCloseSong();
    void unexpectedError(int number);
    void backToNoSong();
    void songFileUsed();

    services::SpreadsheetConnection& connection_;
    services::Dialogs& dialogs_;
    SongControls& controls_;
    DirectionColour& direction_;
    GripDisplay& display_;
    songs::SongKeeper& keeper_;
};

}  // namespace grips
