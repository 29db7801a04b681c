#pragma once

#include "SongLock.h"

#include <QSet>
#include <QString>

namespace services {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services

// Keeps the open song safe on disk: saved after every change the program makes to it, locked
// against a second Mechík while it is open, and never dropped unsaved without the player's word
// when it ends.
namespace songs {

class SongKeeper {
public:
    SongKeeper(services::SpreadsheetConnection& connection, services::Dialogs& dialogs);

    // After every command: the song (the open workbook named by SongWorkbookName) is locked
    // while it is open and saved when its content changed. A failed save is told once per song
    // and run; the change stays in memory and the next change tries again.
    void afterCommand();
    // The main window has opened the active workbook as its song: when it cannot be saved
    // where it lies, the player is told at once, and why.
    void songOpened();
    // Ending the song or the program; the song's window is active. False when the player
    // would rather go back to the song: the song could not be saved, and he chose neither to
    // save a copy elsewhere nor to end without saving.
    bool saveBeforeClosing(bool quitting);

private:
    bool offerCopy(const QString& reason, bool quitting);
    void tellOnce(const QString& songPath, const QString& title, const QString& text);

    services::SpreadsheetConnection& connection_;
    services::Dialogs& dialogs_;
    SongLock lock_;
    QSet<QString> told_;  // songs whose failed saves the player already knows of
};

// Why a song at `path` cannot be saved there, in Czech; the empty text when it can.
QString whyCannotSave(const QString& path);

}  // namespace songs
