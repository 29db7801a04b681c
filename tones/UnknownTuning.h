#pragma once

#include <QString>

// What the player is told when a song's sheet names a tuning the database does not have: the
// display says it, and so do print and the command-line tool.
namespace tones {

inline QString unknownTuningTitle() {
    return QStringLiteral("Chyba při výběru ladění !");
}

inline QString unknownTuningText(const QString& tuning) {
    return QStringLiteral("Ladění ") + tuning +
           QStringLiteral(" není v seznamu.\r\nZkontrolujte název listu v uložené skladbě !");
}

}  // namespace tones
