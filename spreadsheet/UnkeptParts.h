#pragma once

#include <QString>

namespace spreadsheet {

// What a workbook file held that cannot be written back: a save leaves these parts out, so the
// file they came from must never be written over.
struct UnkeptParts {
    bool drawings = false;  // pictures, shapes, text boxes, form controls
    bool comments = false;
    bool charts = false;
    bool embeddedObjects = false;  // objects of other programs, pivot caches and the like
    bool macros = false;

    bool any() const { return drawings || comments || charts || embeddedObjects || macros; }
    UnkeptParts& operator|=(const UnkeptParts& other);
};

// The parts in Czech, as a player would name them: "obrázky nebo kresby, grafy a makra".
QString describeInCzech(const UnkeptParts& parts);

}  // namespace spreadsheet
