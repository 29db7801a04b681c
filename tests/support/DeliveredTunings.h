#pragma once

#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"
#include "tones/TuningTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace testing_support {

// Each tuning of the delivered database as plain data, in the database's order.
inline std::vector<tones::TuningTable> deliveredTunings() {
    std::vector<tones::TuningTable> tunings;
    for (const auto& sheet : spreadsheet::xls::readXlsFile(DeliveredDatabase).sheets) {
        tunings.push_back(tones::TuningTable::fromSheet(*sheet));
    }
    return tunings;
}

inline tones::TuningTable deliveredTuning(const QString& name) {
    for (tones::TuningTable& tuning : deliveredTunings()) {
        if (tuning.name() == name) {
            return tuning;
        }
    }
    ADD_FAILURE() << "no tuning " << name.toStdString();
    return {};
}

}  // namespace testing_support
