#pragma once

#include "Contact.h"
#include "Dialogs.h"

namespace services {

// Any failure a command does not tell apart: the player is asked to call with its number.
inline void showUnexpectedError(Dialogs& dialogs, int number) {
    dialogs.message(QStringLiteral("Neočekávaná chyba !"),
                    QStringLiteral("Volejte firmu ") + ContactLine +
                        QStringLiteral(" a sdělte číslo chyby %1").arg(number),
                    MessageIcon::Critical);
}

}  // namespace services
