#pragma once

#include <QString>
#include <QTimer>

#include <functional>

namespace services {
class Dialogs;
}
namespace keyboard {
class SoundOutput;
}

// Practising a written song: stepping to the next grip shown by its own direction, by hand or
// on a timer at the chosen tempo, and the song's accompanying sound files.
namespace grips {

class DirectionColour;
class GripReader;
class Navigation;
class SongControls;

class AutoPlayer {
public:
    AutoPlayer(services::Dialogs& dialogs, Navigation& navigation, GripReader& reader,
               DirectionColour& direction, SongControls& controls, keyboard::SoundOutput& sound,
               std::function<QString(int)> soundFilePath);

    void cmdJakDal_Click();
    void cmdTimer_Click();
    void Timer1_Timer();
    void Slider1_Change(int position);
    void cmdZvuk_Click(int index);
    void StartSound(const QString& path);
    void StopSound(const QString& path);
    // Every sound stopped and its button captioned as designed: nothing may go on playing
    // once its button is hidden with the song.
    void stopAllSounds();

    QTimer& Timer1() { return timer_; }
    static int intervalForTempo(int position);

private:
    services::Dialogs& dialogs_;
    Navigation& navigation_;
    GripReader& reader_;
    DirectionColour& direction_;
    SongControls& controls_;
    keyboard::SoundOutput& sound_;
    std::function<QString(int)> soundFilePath_;
    QTimer timer_;
};

}  // namespace grips
