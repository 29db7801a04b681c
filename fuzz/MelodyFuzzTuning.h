#pragma once

// The tuning the melody fuzzers finger what they read in: a delivered instrument's table, so
// the solver meets playable and unplayable grips alike.
#include "tones/TuningTable.h"
#include "tools/vezar/TuningTable.h"

#include <QFile>

namespace fuzzing {

inline const tones::TuningTable& fuzzTuning() {
    static const tones::TuningTable tuning = [] {
        QFile table(QStringLiteral(MECHIK_FUZZ_TUNING));
        if (!table.open(QIODevice::ReadOnly)) {
            __builtin_trap();
        }
        const auto sheet = tools::tuningSheetFromTable(QStringLiteral("C-F-B"),
                                                       QString::fromUtf8(table.readAll()));
        return tones::TuningTable::fromSheet(*sheet);
    }();
    return tuning;
}

}  // namespace fuzzing
