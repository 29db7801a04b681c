// `mechik-cli pdf`: a song printed to PDF by the plugin the tool loads only for this command.
#include "CliRuns.h"

using namespace cli_test;

namespace {

QString writeSong(const QString& path, const QString& tuning) {
    return writeSheet(path, tuning,
                      {"A1=Ja", "B1=c2,", "I1=Tlak", "M1=C", "A2=su", "B2=es1,", "I2=Tah"});
}

QString pdfText(const QString& path) {
    return testing_support::runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
}

}  // namespace

TEST(PdfCommand, PrintsTheSongAndItsPath) {
    QTemporaryDir dir;
    const QString song = writeSong(dir.filePath(QStringLiteral("Pod dubem.xls")), "G-C-F");
    const QString out = dir.filePath(QStringLiteral("Pod dubem.pdf"));
    const CliRun standard = cli({"pdf", song, out, "--db", Database});
    EXPECT_EQ(standard.exitCode, 0) << standard.err.toStdString();
    EXPECT_EQ(standard.out, out + u'\n');
    EXPECT_TRUE(standard.err.isEmpty()) << standard.err.toStdString();
    const QString text = pdfText(out);
    for (const char* printed :
         {"Pod dubem", "Ladění G-C-F · Základní značení", "strana 1/1", "Ja"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(printed))) << printed << text.toStdString();
    }
    // Only the PDF was added: no temporary file left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{"Pod dubem.pdf", "Pod dubem.xls"}));

    // The program's own database by default; the numbering chosen; the file replaced.
    const CliRun trizonia = cli({"pdf", song, out, "--numbering", "trizonia"});
    EXPECT_EQ(trizonia.exitCode, 0) << trizonia.err.toStdString();
    EXPECT_TRUE(pdfText(out).contains(QStringLiteral("Značení Trizonia 56")));
    EXPECT_TRUE(pdfText(out).contains(QStringLiteral("5s")));
}

TEST(PdfCommand, UnreadableFilesAndForeignTuningsAreRefused) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("x.pdf"));
    const QString missing = dir.filePath(QStringLiteral("nic.xls"));
    const QString song = writeSong(dir.filePath(QStringLiteral("Polka.xls")), "G-C-F");
    const QString foreign = writeSong(dir.filePath(QStringLiteral("Cizí.xls")), "Nákupy");
    const QString unwritable = dir.filePath(QStringLiteral("chybí/x.pdf"));
    const QString noDatabase = dir.filePath(QStringLiteral("Vezar.xls"));
    const std::pair<QStringList, QString> cases[] = {
        {{missing, out},
         QStringLiteral("Soubor %1 nelze otevřít: soubor neexistuje.\n").arg(missing)},
        {{song, out, "--db", noDatabase},
         QStringLiteral("Soubor %1 nelze otevřít").arg(noDatabase)},
        {{foreign, out, "--db", Database},
         QStringLiteral("Ladění Nákupy není v seznamu. Zkontrolujte název listu v uložené "
                        "skladbě !\n")},
        {{song, unwritable, "--db", Database},
         QStringLiteral("Soubor %1 nelze uložit: ").arg(unwritable)}};
    for (const auto& [arguments, message] : cases) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        expectRefused(cli(QStringList{"pdf"} + arguments), 1, message);
    }
    EXPECT_FALSE(QFileInfo::exists(out));
}
