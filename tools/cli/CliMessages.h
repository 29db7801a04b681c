#pragma once

#include <QDir>
#include <QString>

// Texts more than one command of mechik-cli says.
namespace tools {

// A message of the window on one line of the terminal.
inline QString oneLine(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

inline const QString DatabaseNotOpened = QStringLiteral("Databázi ladění nelze otevřít.");

// An output file the command would overwrite without being told to.
inline QString existingFileRefusal(const QString& path) {
    return QStringLiteral("Soubor %1 již existuje. Přepsat ho lze volbou --force.")
        .arg(QDir::toNativeSeparators(path));
}

}  // namespace tools
