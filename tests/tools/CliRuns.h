#pragma once

// What the mechik-cli tests share: songs written as players write them, the tool run on them,
// and its refusals checked as a script sees them.
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"
#include "tools/cli/WorkbookDump.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace cli_test {

using testing_support::CliRun;
using testing_support::readBytes;

inline const QString Database = testing_support::DeliveredDatabase;

// `folder` empty: the test's own working folder.
inline CliRun cli(const QStringList& arguments, const QString& folder = {}) {
    return testing_support::runMechikCli(arguments, folder);
}

inline QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// A workbook of one sheet of text cells, each "B1=c1,", written to `path`.
inline QString writeSheet(const QString& path, const QString& sheet, const QStringList& cells) {
    spreadsheet::xls::writeXlsFile(path, {testing_support::sheetOf(sheet, cells).get()}, 0);
    return path;
}

inline QString dumpOf(const QString& path) {
    return tools::dumpWorkbook(spreadsheet::xls::readXlsFile(path));
}

// Refused with `exitCode` and nothing on the standard output. A `message` ending in a newline
// is the whole error output, any other its beginning.
inline void expectRefused(const CliRun& run, int exitCode, const QString& message) {
    EXPECT_EQ(run.exitCode, exitCode);
    EXPECT_EQ(run.out, QString());
    if (message.endsWith(u'\n')) {
        EXPECT_EQ(run.err, message);
    } else {
        EXPECT_TRUE(run.err.startsWith(message)) << run.err.toStdString();
    }
}

}  // namespace cli_test
