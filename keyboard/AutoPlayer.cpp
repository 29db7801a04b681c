#include "AutoPlayer.h"

#include "SoundOutput.h"
#include "services/Dialogs.h"
#include "songs/Navigation.h"
#include "tones/GripReader.h"
#include "views/VbColour.h"

#include <QPushButton>
#include <QSlider>

namespace keyboard {

namespace {

const char* const DesignedCaptions[] = {"Mp3", "Midi", "Wav"};
const char* const Extensions[] = {"mp3", "mid", "wav"};
const QString StopCaption = QStringLiteral("Stop");

}  // namespace

AutoPlayer::AutoPlayer(services::Dialogs& dialogs, songs::Navigation& navigation,
                       tones::GripReader& reader, const PlayerControls& controls,
                       SoundOutput& sound, std::function<QString(int)> soundFilePath)
    : dialogs_(dialogs),
      navigation_(navigation),
      reader_(reader),
      c_(controls),
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
        views::setBackColour(c_.cmdJakDal, views::SystemInactiveBorder);
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
    if (!c_.cmdTimer->isEnabled()) {
        timer_.stop();
        return;
    }
    cmdJakDal_Click();
}

void AutoPlayer::Slider1_Change(int position) {
    timer_.setInterval(intervalForTempo(position));
}

void AutoPlayer::cmdZvuk_Click(int index) {
    QPushButton* button = c_.cmdZvuk[static_cast<size_t>(index)];
    const QString path = soundFilePath_(index);
    if (button->text() != StopCaption) {
        StartSound(path);
        button->setText(StopCaption);
    } else {
        StopSound(path);
        button->setText(QString::fromLatin1(Extensions[index]));
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
    for (int i = 0; i < 3; ++i) {
        c_.cmdZvuk[static_cast<size_t>(i)]->setText(QString::fromLatin1(DesignedCaptions[i]));
    }
}

}  // namespace keyboard
