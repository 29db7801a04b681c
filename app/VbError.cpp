#include "VbError.h"

#include "tones/StaffSnapping.h"

namespace app {

int toSmallNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok) {
        throw VbError{TypeMismatch};
    }
    if (value <= -0.5 || value >= 255.5) {
        throw VbError{Overflow};
    }
    return tones::roundHalfEven(value);
}

}  // namespace app
