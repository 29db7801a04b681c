// mechik-cli: what the program keeps in its workbooks, for players' scripts and for checking.
#include "WorkbookDump.h"
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/xls/XlsFile.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

void printTo(std::FILE* stream, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), stream);
}

int usage() {
    printTo(stderr, QStringLiteral("Použití: mechik-cli dump SOUBOR.xls\n"));
    return 2;
}

int dump(const QString& path) {
    try {
        printTo(stdout, tools::dumpWorkbook(spreadsheet::xls::readXlsFile(path)));
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const spreadsheet::SpreadsheetError& error) {
        printTo(stderr, error.description() + u'\n');
        return 1;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QStringLiteral("dump")) {
        return dump(args[1]);
    }
    return usage();
}
