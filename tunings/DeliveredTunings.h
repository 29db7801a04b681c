#pragma once

#include <QString>
#include <QStringList>

namespace tunings {

// A player's own copy of the tuning database gets the tunings that a newer program delivers
// and it lacks (by name, whose case does not count), appended at its end. `known` names every
// delivered tuning the copy has ever held, as kept in the settings: one the player deleted or
// renamed is not brought back. It grows by every delivered tuning now in the copy.
// Returns the names appended; the copy is saved (atomically) only when there are some.
// Throws SpreadsheetError 1004 when a database cannot be read or the copy cannot be saved.
QStringList addDeliveredTunings(const QString& userDatabase, const QString& deliveredDatabase,
                                QStringList& known);

}  // namespace tunings
