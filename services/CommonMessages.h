#pragma once

#include "Contact.h"
#include "Dialogs.h"

namespace services {

inline const QString CannotOpenSong = QStringLiteral("Písničku nelze otevřít.");
inline const QString UnexpectedValue = QStringLiteral("Neočekávaná hodnota !");

// Why the program cannot run: the tuning database did not open, for the reason `description`.
inline QString tuningDatabaseNotOpened(const QString& description) {
    return QStringLiteral("Databázi ladění Vezar.xls se nepodařilo otevřít.\r\n") + description +
           QStringLiteral("\r\nProgram bude ukončen.");
}

// The spreadsheet went away under a command; `failure` says what could not be done.
inline void showHostGone(Dialogs& dialogs, const QString& failure) {
    dialogs.message(
        QStringLiteral("Nenalezena externí aplikace."),
        failure + QStringLiteral("\r\nUživatel, nebo jiný program zavřel Excel.\r\nTato "
                                 "chyba může způsobit nestabilitu systému !"),
        MessageIcon::Exclamation);
}

inline void showSaveFailedHostGone(Dialogs& dialogs) {
    showHostGone(dialogs, QStringLiteral("Soubor nelze uložit !"));
}

// Any failure a command does not tell apart: the player is asked to call with its number.
inline void showUnexpectedError(Dialogs& dialogs, int number) {
    dialogs.message(QStringLiteral("Neočekávaná chyba !"),
                    QStringLiteral("Volejte firmu ") + ContactLine +
                        QStringLiteral(" a sdělte číslo chyby %1").arg(number),
                    MessageIcon::Critical);
}

}  // namespace services
