// Workbooks written by LibreOffice (tests/data, with their sources) read back with the sheets,
// cells, active sheet and cursors their expected dumps list.
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"
#include "tools/cli/WorkbookDump.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QStringList fixtures() {
    QStringList names;
    const QDir data(QStringLiteral(MECHIK_TEST_DATA));
    for (const QString& expected : data.entryList({QStringLiteral("*.expected")}, QDir::Files)) {
        names << expected.chopped(QStringLiteral(".expected").size());
    }
    return names;
}

}  // namespace

TEST(XlsFixtures, LibreOfficeFilesReadAsTheirSourcesSay) {
    const QStringList names = fixtures();
    ASSERT_GE(names.size(), 4) << "the LibreOffice fixtures are missing from tests/data";
    const QDir data(QStringLiteral(MECHIK_TEST_DATA));
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString expected = QString::fromUtf8(
            testing_support::readBytes(data.filePath(name + QStringLiteral(".expected"))));
        const auto workbook =
            spreadsheet::xls::readXlsFile(data.filePath(name + QStringLiteral(".xls")));
        testing_support::expectSameLines(expected, tools::dumpWorkbook(workbook));
    }
}
