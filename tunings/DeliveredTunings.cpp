#include "DeliveredTunings.h"

#include "spreadsheet/xls/XlsFile.h"

namespace tunings {

namespace {

bool holds(const spreadsheet::WorkbookData& database, const QString& name) {
    for (const auto& sheet : database.sheets) {
        if (sheet->name().compare(name, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

QStringList addDeliveredTunings(const QString& userDatabase, const QString& deliveredDatabase,
                                QStringList& known) {
    spreadsheet::WorkbookData copy = spreadsheet::xls::readXlsFile(userDatabase);
    const spreadsheet::WorkbookData delivered = spreadsheet::xls::readXlsFile(deliveredDatabase);
    QStringList added;
    QStringList nowKnown = known;
    for (const auto& sheet : delivered.sheets) {
        if (nowKnown.contains(sheet->name(), Qt::CaseInsensitive)) {
            continue;
        }
        if (!holds(copy, sheet->name())) {
            copy.sheets.push_back(std::make_shared<spreadsheet::Sheet>(*sheet));
            added << sheet->name();
        }
        nowKnown << sheet->name();
    }
    if (!added.isEmpty()) {
        spreadsheet::xls::writeXlsFile(userDatabase, copy);
    }
    known = nowKnown;
    return added;
}

}  // namespace tunings
