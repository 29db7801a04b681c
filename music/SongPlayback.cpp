#include "SongPlayback.h"

#include "OpenSong.h"
#include "SoundControl.h"
#include "services/Dialogs.h"
#include "services/SpreadsheetConnection.h"
#include "songs/SongGrips.h"
#include "spreadsheet/Sheet.h"

#include <QTimer>

namespace music {

namespace {

const QString NothingToPlay = QStringLiteral("Není co přehrát.");

}  // namespace

SongPlayback::SongPlayback(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                           SoundControl& sound, QTimer& automaticPlayer)
    : connection_(connection),
      dialogs_(dialogs),
      sound_(sound),
      automaticPlayer_(automaticPlayer) {}

void SongPlayback::mnuPrehratPisen_Click() {
    if (sound_.isPlaying()) {
        sound_.stop();
    } else {
        play();
    }
}

void SongPlayback::play() {
    const SongScore score = openSongScore(connection_);
    if (score.beats.empty()) {
        dialogs_.message(NothingToPlay,
                         songWithoutGripsText(score.name) + QStringLiteral(", není co přehrát."),
                         services::MessageIcon::Information);
        return;
    }
    // Every beat is lit as the display lights a grip: a song in an unknown tuning would say so
    // at every beat.
    if (!openSongTuning(connection_, dialogs_) || !connection_.ActivateSongWindow()) {
        return;
    }
    const int row = connection_.SpreadsheetApplication->activeCell().row();
    // The automatic player would step the song away under the playing one.
    automaticPlayer_.stop();
    if (!sound_.play(score, row, automaticPlayer_.interval())) {
        dialogs_.message(NothingToPlay,
                         QStringLiteral("Od hmatu %1 do konce písně už žádný hmat není.\r\n"
                                        "Chcete-li píseň přehrát od začátku, klepněte nejprve "
                                        "na První.")
                             .arg(row),
                         services::MessageIcon::Information);
    }
}

void SongPlayback::gripLit(int row) {
    // A grip lit with no song behind it (the window closing) has nothing to sound.
    const auto sheet = connection_.songSheet();
    if (!sheet) {
        return;
    }
    const songs::SongGrip grip = songs::readSongGrip(*sheet, row);
    const int hold =
        automaticPlayer_.isActive() ? automaticPlayer_.interval() : GripSounder::DefaultHoldMs;
    sound_.gripLit(gripSound(grip.treble, grip.basses), hold);
}

void SongPlayback::tempoChanged() {
    sound_.setStepInterval(automaticPlayer_.interval());
}

}  // namespace music
