// `mechik-cli pdf`: a song printed to PDF by the plugin the tool loads only for this command.
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testing_support::CliRun;
using testing_support::sheetOf;

namespace {

const QString Database = testing_support::DeliveredDatabase;

CliRun pdf(const QStringList& arguments) {
    return testing_support::runMechikCli(QStringList{"pdf"} + arguments);
}

QString writeSong(const QString& path, const QString& tuning) {
    const auto song =
        sheetOf(tuning, {"A1=Ja", "B1=c2,", "I1=Tlak", "M1=C", "A2=su", "B2=es1,", "I2=Tah"});
    spreadsheet::xls::writeXlsFile(path, {song.get()}, 0);
    return path;
}

QString pdfText(const QString& path) {
    return testing_support::runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
}

}  // namespace

TEST(PdfCommand, PrintsTheSongAndItsPath) {
    QTemporaryDir dir;
    const QString song =
        writeSong(dir.filePath(QStringLiteral("Pod dubem.xls")), QStringLiteral("G-C-F"));
    const QString out = dir.filePath(QStringLiteral("Pod dubem.pdf"));
    const CliRun standard = pdf({song, out, "--db", Database});
    EXPECT_EQ(standard.exitCode, 0) << standard.err.toStdString();
    EXPECT_EQ(standard.out, out + u'\n');
    EXPECT_TRUE(standard.err.isEmpty()) << standard.err.toStdString();
    const QString text = pdfText(out);
    EXPECT_TRUE(text.contains(QStringLiteral("Pod dubem"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ladění G-C-F · Základní značení")));
    EXPECT_TRUE(text.contains(QStringLiteral("strana 1/1")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ja")));
    // Only the PDF was added: no temporary file left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{"Pod dubem.pdf", "Pod dubem.xls"}));

    // The program's own database by default; the numbering chosen; the file replaced.
    const CliRun trizonia = pdf({song, out, "--numbering", "trizonia"});
    EXPECT_EQ(trizonia.exitCode, 0) << trizonia.err.toStdString();
    EXPECT_TRUE(pdfText(out).contains(QStringLiteral("Značení Trizonia 56")));
    EXPECT_TRUE(pdfText(out).contains(QStringLiteral("5s")));
}

TEST(PdfCommand, UnreadableFilesAndForeignTuningsAreRefused) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("x.pdf"));
    const CliRun missing = pdf({dir.filePath(QStringLiteral("nic.xls")), out});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_EQ(missing.err, QStringLiteral("Soubor %1 nelze otevřít: soubor neexistuje.\n")
                               .arg(dir.filePath(QStringLiteral("nic.xls"))));

    const QString song =
        writeSong(dir.filePath(QStringLiteral("Polka.xls")), QStringLiteral("G-C-F"));
    const CliRun noDatabase = pdf({song, out, "--db", dir.filePath(QStringLiteral("Vezar.xls"))});
    EXPECT_EQ(noDatabase.exitCode, 1);
    EXPECT_TRUE(noDatabase.err.contains(QStringLiteral("nelze otevřít")))
        << noDatabase.err.toStdString();

    const QString foreign =
        writeSong(dir.filePath(QStringLiteral("Cizí.xls")), QStringLiteral("Nákupy"));
    const CliRun refused = pdf({foreign, out, "--db", Database});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err,
              QStringLiteral("Ladění Nákupy není v seznamu. Zkontrolujte název listu v "
                             "uložené skladbě !\n"));

    const CliRun unwritable =
        pdf({song, dir.filePath(QStringLiteral("chybí/x.pdf")), "--db", Database});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.startsWith(QStringLiteral("Soubor %1 nelze uložit: ")
                                              .arg(dir.filePath(QStringLiteral("chybí/x.pdf")))))
        << unwritable.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST(PdfCommand, WrongArgumentsShowTheUsage) {
    for (const QStringList& arguments :
         {QStringList{"a.xls"}, QStringList{"a.xls", "b.pdf", "--numbering", "x"},
          QStringList{"a.xls", "b.pdf", "--db"}, QStringList{"a.xls", "b.pdf", "--out", "c"}}) {
        const CliRun run = pdf(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("mechik-cli pdf PÍSEŇ.xls VÝSTUP.pdf")));
    }
}
