#pragma once

#include <QString>

#include <functional>

namespace services {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services

// Which sheet of the tuning database is current: the song's own tuning before every lookup,
// or the one the player picks in the tuning list for the next new song.
namespace tones {

class TuningSelection {
public:
    TuningSelection(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                    std::function<void(const QString&)> showTuning);

    // Makes the open song's tuning the selected sheet of the tuning database and returns to
    // the song; false (after a message) when the database has no sheet of that name.
    bool SelectSongTuning();
    // The player picked `tuning` in the list: select it and save the database, so that it is
    // the current tuning at the next start.
    void Combo1_Click(const QString& tuning);

private:
    services::SpreadsheetConnection& connection_;
    services::Dialogs& dialogs_;
    std::function<void(const QString&)> showTuning_;
};

// True when the open tuning database has no sheet named `tuning` (case aside, as every lookup
// finds it): a song of that tuning cannot be shown or written. Which window is active stays.
bool databaseLacksTuning(const services::SpreadsheetConnection& connection, const QString& tuning);

}  // namespace tones
