#include "UnkeptParts.h"

#include <QStringList>

namespace spreadsheet {

UnkeptParts& UnkeptParts::operator|=(const UnkeptParts& other) {
    drawings = drawings || other.drawings;
    comments = comments || other.comments;
    charts = charts || other.charts;
    embeddedObjects = embeddedObjects || other.embeddedObjects;
    macros = macros || other.macros;
    return *this;
}

QString describeInCzech(const UnkeptParts& parts) {
    QStringList names;
    if (parts.drawings) {
        names << QStringLiteral("obrázky nebo kresby");
    }
    if (parts.comments) {
        names << QStringLiteral("komentáře k buňkám");
    }
    if (parts.charts) {
        names << QStringLiteral("grafy");
    }
    if (parts.embeddedObjects) {
        names << QStringLiteral("vložené objekty");
    }
    if (parts.macros) {
        names << QStringLiteral("makra");
    }
    if (names.size() < 2) {
        return names.join(QString());
    }
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" a ") + last;
}

}  // namespace spreadsheet
