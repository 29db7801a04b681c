#include "WorkbookDump.h"

namespace tools {

QString escapeCellText(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'\\':
                escaped += QStringLiteral("\\\\");
                break;
            case u'\t':
                escaped += QStringLiteral("\\t");
                break;
            case u'\n':
                escaped += QStringLiteral("\\n");
                break;
            case u'\r':
                escaped += QStringLiteral("\\r");
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

QString dumpWorkbook(const spreadsheet::WorkbookData& workbook) {
    QString out;
    for (size_t i = 0; i < workbook.sheets.size(); ++i) {
        const auto& sheet = *workbook.sheets[i];
        out += QStringLiteral("sheet\t") + sheet.name();
        if (static_cast<int>(i) == workbook.activeSheet) {
            out += QStringLiteral("\tactive");
        }
        out += QStringLiteral("\ncursor\t") + sheet.activeCell().toAbsolute() + u'\n';
        sheet.forEachCell([&out](spreadsheet::CellAddress cell, const spreadsheet::CellValue& v) {
            out += cell.toA1() + u'\t' + escapeCellText(v.text()) + u'\n';
        });
    }
    return out;
}

}  // namespace tools
