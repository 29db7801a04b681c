#pragma once

#include <QString>
#include <QXmlStreamReader>

namespace melody {

// Scores never need entities of their own; a document type that declares any is refused before
// a single one is expanded, so neither "billion laughs" nor external entities can do harm.
// Call on every DTD token.
void refuseEntityDeclarations(const QXmlStreamReader& xml, const QString& fileName);

}  // namespace melody
