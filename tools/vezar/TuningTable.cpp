#include "TuningTable.h"

#include <QStringList>

#include <set>
#include <stdexcept>

namespace tools {

namespace {

using spreadsheet::CellValue;

[[noreturn]] void fail(const QString& name, int line, const QString& what) {
    throw std::runtime_error(
        QStringLiteral("%1, line %2: %3").arg(name).arg(line).arg(what).toStdString());
}

void writeTitles(spreadsheet::Sheet& sheet) {
    sheet.setValue({1, 1}, CellValue(QStringLiteral("Knoflík")));
    sheet.setValue({1, 2}, CellValue(QStringLiteral("Tlak")));
    sheet.setValue({1, 3}, CellValue(QStringLiteral("Tah")));
    sheet.setValue({1, 6}, CellValue(QStringLiteral("Bas tlak")));
    sheet.setValue({1, 7}, CellValue(QStringLiteral("Bas tah")));
    // Every button number is present, even for a button the model lacks: lookups by number
    // rely on column A counting up from row 2.
    for (int button = 1; button <= TrebleButtons; ++button) {
        sheet.setValue({button + 1, 1}, CellValue::number(button));
    }
}

}  // namespace

std::shared_ptr<spreadsheet::Sheet> tuningSheetFromTable(const QString& name,
                                                         const QString& table) {
    auto sheet = std::make_shared<spreadsheet::Sheet>(name);
    writeTitles(*sheet);
    const QStringList lines = table.split(u'\n');
    if (lines.isEmpty() || lines[0].trimmed() != QStringLiteral("side\tbutton\tpush\tpull")) {
        fail(name, 1, QStringLiteral("expected the header \"side button push pull\""));
    }
    std::set<std::pair<QString, int>> seen;
    for (int i = 1; i < lines.size(); ++i) {
        const QString line = lines[i].endsWith(u'\r') ? lines[i].chopped(1) : lines[i];
        if (line.trimmed().isEmpty()) {
            continue;
        }
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 4) {
            fail(name, i + 1, QStringLiteral("expected 4 tab-separated fields"));
        }
        bool ok = false;
        const int button = fields[1].toInt(&ok);
        const bool treble = fields[0] == QStringLiteral("treble");
        const bool bass = fields[0] == QStringLiteral("bass");
        if (!treble && !bass) {
            fail(name, i + 1, QStringLiteral("side must be treble or bass"));
        }
        const int buttons = treble ? TrebleButtons : BassButtons;
        if (!ok || button < 1 || button > buttons) {
            fail(name, i + 1, QStringLiteral("button must be 1..%1").arg(buttons));
        }
        if (!seen.insert({fields[0], button}).second) {
            fail(name, i + 1, QStringLiteral("button listed twice"));
        }
        const int pushColumn = treble ? 2 : 6;
        sheet->setValue({button + 1, pushColumn}, CellValue(fields[2].trimmed()));
        sheet->setValue({button + 1, pushColumn + 1}, CellValue(fields[3].trimmed()));
    }
    return sheet;
}

}  // namespace tools
