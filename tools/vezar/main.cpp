// Builds the tuning database Vezar.xls from the tuning tables: one sheet per tuning in the
// order of order.txt, the first sheet active.
#include "TuningTable.h"
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/xls/XlsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <stdexcept>

namespace {

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read " + path.toStdString());
    }
    return QString::fromUtf8(file.readAll());
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: mechik-vezar TUNINGS_FOLDER OUTPUT.xls\n");
        return 2;
    }
    try {
        const QDir folder(args[1]);
        std::vector<std::shared_ptr<spreadsheet::Sheet>> sheets;
        for (const QString& name : readText(folder.filePath(QStringLiteral("order.txt")))
                                       .split(u'\n', Qt::SkipEmptyParts)) {
            const QString tuning = name.trimmed();
            sheets.push_back(tools::tuningSheetFromTable(
                tuning, readText(folder.filePath(tuning + QStringLiteral(".tsv")))));
        }
        std::vector<const spreadsheet::Sheet*> order;
        for (const auto& sheet : sheets) {
            order.push_back(sheet.get());
        }
        spreadsheet::xls::writeXlsFile(args[2], order, 0);
    } catch (const spreadsheet::SpreadsheetError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
