#include "AutoPlayer.h"

#include "DirectionColour.h"
#include "GripReader.h"
#include "Navigation.h"
#include "SongControls.h"
#include "keyboard/SoundOutput.h"
#include "services/Dialogs.h"

namespace grips {

namespace {

const char* const DesignedCaptions[] = {"Mp3", "Midi", "Wav"};
const char* const Extensions[] = {"mp3", "mid", "wav"};
const QString StopCaption = QStringLiteral("Stop");

}  // namespace

AutoPlayer::AutoPlayer(services::Dialogs& dialogs, Navigation& navigation, GripReader& reader,
                       DirectionColour& direction, SongControls& controls,
                       keyboard::SoundOutput& sound, std::function<QString(int)> soundFilePath)
    : dialogs_(dialogs),
      navigation_(navigation),
      reader_(reader),
      direction_(direction),
      controls_(controls),
      sound_(sound),
      soundFilePath_(std::move(soundFilePath)) {
    timer_.setInterval(intervalForTempo(0));
}

int AutoPlayer::intervalForTempo(int position) {
    return position <= 0 ? 2000 - 800 * position : 2000 - 380 * position;
}

void AutoPlayer::cmdJakDal_Click() {
    if (!navigation_.cmdDalsi_Click() || !reader_.showByItsDirection()) {
        timer_.stop();
        dialogs_.message(QStringLiteral("Neprovedeno."), QStringLiteral("Záznam neuveden."),
                         services::MessageIcon::Critical);
        direction_.showDirection(ShownDirection::Rest);
    }
}

void AutoPlayer::cmdTimer_Click() {
    if (timer_.isActive()) {
        timer_.stop();
    } else {
        timer_.start();
    }
}

void AutoPlayer::Timer1_Timer() {
    if (!controls_.timerCommandEnabled()) {
        timer_.stop();
        return;
    }
    cmdJakDal_Click();
}

void AutoPlayer::Slider1_Change(int position) {
    timer_.setInterval(intervalForTempo(position));
}

void AutoPlayer::cmdZvuk_Click(int index) {
    const QString path = soundFilePath_(index);
    if (controls_.soundCaption(index) != StopCaption) {
        StartSound(path);
        controls_.setSoundCaption(index, StopCaption);
    } else {
        StopSound(path);
        controls_.setSoundCaption(index, QString::fromLatin1(Extensions[index]));
    }
}

void AutoPlayer::StartSound(const QString& path) {
    sound_.play(path);
}

void AutoPlayer::StopSound(const QString& path) {
    sound_.stop(path);
}

void AutoPlayer::stopAllSounds() {
    sound_.stopAll();
    for (int i = 0; i < SongControls::SoundButtonCount; ++i) {
        controls_.setSoundCaption(i, QString::fromLatin1(DesignedCaptions[i]));
    }
}

}  // namespace grips
