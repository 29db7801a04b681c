#pragma once

class QTimer;

namespace services {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services

// The window's sound: each grip the keyboard lights, and "Přehrát píseň", which plays the song
// from the current grip to its end at the tempo of the automatic player.
namespace music {

class SoundControl;

class SongPlayback {
public:
    SongPlayback(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                 SoundControl& sound, QTimer& automaticPlayer);

    // Starts the song, or stops it when it plays.
    void mnuPrehratPisen_Click();
    // The keyboard lit the grip of `row`: it sounds for one step of the running automatic
    // player, otherwise for the usual hold time.
    void gripLit(int row);
    // The tempo slider moved: the playing song follows it.
    void tempoChanged();

private:
    void play();

    services::SpreadsheetConnection& connection_;
    services::Dialogs& dialogs_;
    SoundControl& sound_;
    QTimer& automaticPlayer_;
};

}  // namespace music
