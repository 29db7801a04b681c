#include "TuningTable.h"

#include "spreadsheet/Sheet.h"

#include <cmath>

namespace tones {

namespace {

std::optional<int> wholeNumber(const spreadsheet::CellValue& value) {
    if (value.isNumber()) {
        const double number = value.numberValue();
        if (std::floor(number) == number && std::abs(number) < 1e6) {
            return static_cast<int>(number);
        }
        return std::nullopt;
    }
    bool ok = false;
    const int number = value.text().toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

std::vector<TuningTable::Row> readRows(const spreadsheet::Sheet& sheet, KeyboardSide side) {
    const int rows = tuningRows(side, TuningReach::Shown);
    std::vector<TuningTable::Row> result;
    result.reserve(static_cast<size_t>(rows));
    for (int row = 1; row <= rows; ++row) {
        result.push_back({wholeNumber(sheet.value({row, ButtonNumberColumn})),
                          sheet.value({row, toneColumn(side, Bellows::Push)}).text(),
                          sheet.value({row, toneColumn(side, Bellows::Pull)}).text()});
    }
    return result;
}

const QString& toneIn(const TuningTable::Row& row, Bellows bellows) {
    return bellows == Bellows::Push ? row.push : row.pull;
}

// Recording finds a button by its number in column A, whole cell, from row 2 down, row 1 last.
std::optional<int> rowOfButton(const std::vector<TuningTable::Row>& rows, int button) {
    for (size_t i = 1; i <= rows.size(); ++i) {
        if (rows[i % rows.size()].button == button) {
            return static_cast<int>(i % rows.size()) + 1;
        }
    }
    return std::nullopt;
}

QString toneOfButton(const std::vector<TuningTable::Row>& rows, int button, Bellows bellows) {
    const auto row = rowOfButton(rows, button);
    return row ? toneIn(rows[static_cast<size_t>(*row - 1)], bellows) : QString();
}

std::vector<int> buttonsOf(const std::vector<TuningTable::Row>& rows, const QString& tone,
                           Bellows bellows) {
    std::vector<int> buttons;
    if (tone.isEmpty()) {
        return buttons;
    }
    for (size_t i = 1; i <= rows.size(); ++i) {
        const TuningTable::Row& row = rows[i % rows.size()];
        if (row.button && toneIn(row, bellows) == tone) {
            buttons.push_back(*row.button);
        }
    }
    return buttons;
}

}  // namespace

TuningTable::TuningTable(QString name, std::vector<Row> treble, std::vector<Row> bass)
    : name_(std::move(name)), treble_(std::move(treble)), bass_(std::move(bass)) {}

TuningTable TuningTable::fromSheet(const spreadsheet::Sheet& sheet) {
    return TuningTable(sheet.name(), readRows(sheet, KeyboardSide::Treble),
                       readRows(sheet, KeyboardSide::Bass));
}

QString TuningTable::trebleTone(int button, Bellows bellows) const {
    return toneOfButton(treble_, button, bellows);
}

QString TuningTable::bassTone(int button, Bellows bellows) const {
    return toneOfButton(bass_, button, bellows);
}

std::optional<int> TuningTable::trebleRowOf(int button) const {
    return rowOfButton(treble_, button);
}

std::optional<int> TuningTable::bassRowOf(int button) const {
    return rowOfButton(bass_, button);
}

std::vector<int> TuningTable::trebleButtonsOf(const QString& tone, Bellows bellows) const {
    return buttonsOf(treble_, tone, bellows);
}

std::vector<int> TuningTable::bassButtonsOf(const QString& bass, Bellows bellows) const {
    return buttonsOf(bass_, bass, bellows);
}

}  // namespace tones
