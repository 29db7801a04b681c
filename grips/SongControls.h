#pragma once

#include <QString>

// The window's controls that follow the song: what the song commands switch, step and show.
namespace grips {

class SongControls {
public:
    static constexpr int SoundButtonCount = 3;  // mp3, mid, wav

    virtual ~SongControls() = default;

    // The number of the grip row shown.
    virtual void showRow(const QString& row) = 0;
    // The backward steps: off on the first grip.
    virtual void enableBackward(bool enabled) = 0;
    // Every song command with the tempo controls, on while a song is open; off also hides the
    // sound buttons.
    virtual void switchSongCommands(bool on) = 0;
    // New and open, as buttons and menu items: off while a song is open.
    virtual void enableSongChoice(bool enabled) = 0;
    virtual void enableTuningChoice(bool enabled) = 0;
    virtual QString shownTuning() const = 0;
    virtual void showTuning(const QString& tuning) = 0;
    virtual void showSoundButton(int index, bool shown) = 0;
    virtual QString soundCaption(int index) const = 0;
    virtual void setSoundCaption(int index, const QString& caption) = 0;
    // Whether the step timer's command is on: a timer left running stops when it is not.
    virtual bool timerCommandEnabled() const = 0;
    virtual void showTitle(const QString& title) = 0;
    // The main window hidden while the host's file dialog is open.
    virtual void showWindow(bool shown) = 0;
};

}  // namespace grips
