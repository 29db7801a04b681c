#pragma once

#include <QString>

// How players reach the program's makers; several messages end with the contact line.
namespace services {

inline const QString AuthorMail = QStringLiteral("podpora@mechik.invalid");
inline const QString ContactLine =
    QStringLiteral("Mechík, podpora (e-mail podpora@mechik.invalid)");

}  // namespace services
