#pragma once

#include "grips/SongControls.h"

class QWidget;

namespace views {
struct Form1Controls;
}

namespace app {

struct MenuActions;

// The one switch between "a song is open" and "no song": the song commands enabled and the
// tempo controls shown, or all of them off and the sound buttons hidden.
void SongControlsOn(const views::Form1Controls& c, const MenuActions& menu);
void SongControlsOff(const views::Form1Controls& c, const MenuActions& menu);

// The main window's song controls as the song and grip logic switches them.
class WindowSongControls : public grips::SongControls {
public:
    WindowSongControls(const views::Form1Controls& controls, const MenuActions& menu,
                       QWidget& window)
        : c_(controls), menu_(menu), window_(window) {}

    void showRow(const QString& row) override;
    void enableBackward(bool enabled) override;
    void switchSongCommands(bool on) override;
    void enableSongChoice(bool enabled) override;
    void enableTuningChoice(bool enabled) override;
    QString shownTuning() const override;
    void showTuning(const QString& tuning) override;
    void showSoundButton(int index, bool shown) override;
    QString soundCaption(int index) const override;
    void setSoundCaption(int index, const QString& caption) override;
    bool timerCommandEnabled() const override;
    void showTitle(const QString& title) override;
    void showWindow(bool shown) override;

private:
    const views::Form1Controls& c_;
    const MenuActions& menu_;
    QWidget& window_;
};

}  // namespace app
