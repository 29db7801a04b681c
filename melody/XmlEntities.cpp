#include "XmlEntities.h"

#include "ImportError.h"

#include <QDir>

namespace melody {

void refuseEntityDeclarations(const QXmlStreamReader& xml, const QString& fileName) {
    if (xml.tokenType() == QXmlStreamReader::DTD && !xml.entityDeclarations().isEmpty()) {
        throw ImportError(
            QStringLiteral("Soubor %1 deklaruje vlastní entity XML; takový soubor program "
                           "z bezpečnostních důvodů nečte.")
                .arg(QDir::toNativeSeparators(fileName)));
    }
}

}  // namespace melody
