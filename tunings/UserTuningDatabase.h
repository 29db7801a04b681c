#pragma once

#include <QString>

namespace services {
class ProgramSettings;
}

namespace tunings {

// The tuning database the program works with: the one beside the executable in a build;
// installed, a copy in the user's data folder (made on the first start from the shipped one),
// so the chosen tuning can be saved and a player can keep tunings of his own. That copy is
// brought up to date on the way. The application's name must be set: it names the folder.
QString tuningDatabaseForUser();

// A player's copy of the tuning database made from an earlier version's gets the tones
// corrected since and the tunings `shipped` delivers that it never held (remembered in
// `settings`). One that cannot be read is left for the start-up to report; one that cannot be
// written stays as it is until a later start manages it.
void bringUpToDate(const QString& copy, const QString& shipped,
                   services::ProgramSettings& settings);

}  // namespace tunings
