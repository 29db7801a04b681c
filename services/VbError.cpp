#include "VbError.h"

#include "VbRounding.h"

namespace services {

int toSmallNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok) {
        throw VbError{TypeMismatch};
    }
    if (value <= -0.5 || value >= 255.5) {
        throw VbError{Overflow};
    }
    return roundHalfEven(value);
}

}  // namespace services
