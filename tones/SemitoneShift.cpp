#include "SemitoneShift.h"

#include <cstdlib>

namespace tones {

QString semitoneShiftText(int semitones) {
    const int count = std::abs(semitones);
    const QString unit = count == 1                 ? QStringLiteral("půltón")
                         : count >= 2 && count <= 4 ? QStringLiteral("půltóny")
                                                    : QStringLiteral("půltónů");
    return QStringLiteral("o %1 %2 %3")
        .arg(count)
        .arg(unit, semitones > 0 ? QStringLiteral("nahoru") : QStringLiteral("dolů"));
}

}  // namespace tones
