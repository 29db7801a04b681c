#pragma once

#include "Bellows.h"
#include "TuningSheetLayout.h"

#include <QString>

#include <optional>
#include <vector>

namespace spreadsheet {
class Sheet;
}

// One tuning of the database as plain data: which tone every treble and bass button gives on
// push and pull. Lookups answer as the display's and recording's searches in the sheet do, so
// features that work without the spreadsheet's cursor (sound, print, import) agree with them.
namespace tones {

class TuningTable {
public:
    struct Row {
        std::optional<int> button;  // column A when it holds a whole number
        QString push;
        QString pull;
    };

    TuningTable() = default;
    TuningTable(QString name, std::vector<Row> treble, std::vector<Row> bass);
    // Rows 1..43 of A, B, C and rows 1..13 of A, F, G.
    static TuningTable fromSheet(const spreadsheet::Sheet& sheet);

    const QString& name() const { return name_; }
    const std::vector<Row>& trebleRows() const { return treble_; }
    const std::vector<Row>& bassRows() const { return bass_; }

    // The tone of a button (control number), looked up by its number in column A as recording
    // does; empty when no row has that number or its cell is empty.
    QString trebleTone(int button, Bellows bellows) const;
    QString bassTone(int button, Bellows bellows) const;
    // The sheet row (from 1) that recording takes for a button; nothing when none has its number.
    std::optional<int> trebleRowOf(int button) const;
    std::optional<int> bassRowOf(int button) const;

    // The buttons whose cell holds exactly `tone`, in the order the display lights them: the
    // sheet is searched from row 2 down and row 1 last. Rows without a button number are left
    // out. The first one is the button the display lights first.
    std::vector<int> trebleButtonsOf(const QString& tone, Bellows bellows) const;
    std::vector<int> bassButtonsOf(const QString& bass, Bellows bellows) const;

private:
    QString name_;
    std::vector<Row> treble_;  // index 0 = row 1
    std::vector<Row> bass_;
};

}  // namespace tones
