#pragma once

#include <QString>
#include <QTimer>

#include <array>
#include <functional>

class QPushButton;
class QSlider;

namespace services {
class Dialogs;
}
namespace songs {
class Navigation;
}
namespace tones {
class GripReader;
}

// Practising a written song: stepping to the next grip shown by its own direction, by hand or
// on a timer at the chosen tempo, and the song's accompanying sound files.
namespace keyboard {

class SoundOutput;

struct PlayerControls {
    QPushButton* cmdJakDal = nullptr;
    QPushButton* cmdTimer = nullptr;
    QSlider* Slider1 = nullptr;
    std::array<QPushButton*, 3> cmdZvuk{};
};

class AutoPlayer {
public:
    AutoPlayer(services::Dialogs& dialogs, songs::Navigation& navigation, tones::GripReader& reader,
               const PlayerControls& controls, SoundOutput& sound,
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
    songs::Navigation& navigation_;
    tones::GripReader& reader_;
    PlayerControls c_;
    SoundOutput& sound_;
    std::function<QString(int)> soundFilePath_;
    QTimer timer_;
};

}  // namespace keyboard
