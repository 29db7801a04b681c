#pragma once

// The outside readers that files we write must satisfy: LibreOffice Calc (headless, with a
// profile of its own) and python3-xlrd.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace testing_support {

// Runs soffice --convert-to `filter`; the converted file lands in `outDir`.
inline void convertWithLibreOffice(const QString& file, const QString& filter,
                                   const QString& outDir, const QTemporaryDir& profile) {
    QProcess soffice;
    soffice.start(
        QStringLiteral("soffice"),
        {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
         QStringLiteral("--headless"), QStringLiteral("--norestore"),
         QStringLiteral("--convert-to"), filter, QStringLiteral("--outdir"), outDir, file});
    ASSERT_TRUE(soffice.waitForStarted(30000)) << "soffice is not installed";
    ASSERT_TRUE(soffice.waitForFinished(180000));
    ASSERT_EQ(soffice.exitCode(), 0) << soffice.readAllStandardError().toStdString();
}

// What tests/data/xls-formats.py prints for `file`: its formats, widths, merges and cells as
// python3-xlrd reads them with formatting_info=True.
inline QString describeWithXlrd(const QString& file) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(MECHIK_TEST_DATA "/xls-formats.py"), file});
    if (!python.waitForStarted(30000) || !python.waitForFinished(60000) || python.exitCode() != 0) {
        ADD_FAILURE() << "xls-formats.py failed on " << file.toStdString() << ": "
                      << python.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(python.readAllStandardOutput());
}

}  // namespace testing_support
