// The printed pages as a reader gets them: the PDF's text read back with pdftotext, its fonts
// with pdffonts, and one page rendered with pdftoppm.
#include "support/DeliveredTunings.h"

#include "music/PrintPluginLoader.h"
#include "music/Tablature.h"
#include "plugins/print/PdfFile.h"
#include "plugins/print/TablaturePainter.h"
#include "songs/SongGrips.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/TuningTable.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QRegularExpression>

#include <algorithm>

#include <gtest/gtest.h>

using keyboard::InstrumentModel;
using keyboard::Numbering;
using music::Tablature;
using spreadsheet::CellAddress;
using spreadsheet::CellValue;
using testing_support::runTool;

namespace {

// A G-C-F song of text cells, each "B1=c1,".
Tablature tablatureOf(const QStringList& cells, Numbering numbering = Numbering::Standard) {
    return music::buildTablature(
        QStringLiteral("Holka modrooká"), QStringLiteral("G-C-F"),
        songs::readSongGrips(*testing_support::sheetOf(QStringLiteral("G-C-F"), cells)),
        testing_support::deliveredTuning(QStringLiteral("G-C-F")), InstrumentModel::Full,
        numbering);
}

// Push c1 e1 g1 (middle 5 6, inner 3); a rest; pull es1 as1 fis2 (outer 1 2 11); push c2 and
// d4, which no button gives (inner 6); pull es1 (outer 1).
const QStringList ShortSong{"A1=Hol", "B1=c1,",  "C1=e1,", "D1=g1,",  "I1=Tlak", "M1=C",
                            "N1=(C)", "A2=ka",   "A3=mo",  "B3=es1,", "C3=as1,", "D3=fis2,",
                            "I3=Tah", "M3=(G)",  "A4=dro", "B4=c2,",  "C4=d4,",  "I4=Tlak",
                            "A5=oká", "B5=es1,", "I5=Tah", "M5=D"};

// Grip after grip of the given tones, every `pullEvery`th one (from the `firstPull`th) pulled.
QStringList gripsOf(int count, const QString& cells, int pullEvery, int firstPull) {
    QStringList song;
    for (int row = 1; row <= count; ++row) {
        song << QString(cells).replace(u'#', QString::number(row)).split(u' ')
             << QStringLiteral("I%1=%2").arg(row).arg(row % pullEvery == firstPull % pullEvery
                                                          ? QStringLiteral("Tah")
                                                          : QStringLiteral("Tlak"));
    }
    return song;
}

// The text layer as rows of words, top to bottom and each left to right: words whose middle
// lies within a row's height belong to it. pdftotext's own layout would join numbers that
// stand closer than one character.
QStringList textRows(const QString& pdf) {
    struct Word {
        double x, top, bottom;
        QString text;
    };
    static const QRegularExpression pattern(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>|<page )re"));
    std::vector<Word> words;
    double pageOffset = -1000;
    auto it = pattern.globalMatch(runTool(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"}));
    while (it.hasNext()) {
        const auto match = it.next();
        if (match.captured(4).isEmpty()) {
            pageOffset += 1000;  // pages one below the other
            continue;
        }
        words.push_back({match.captured(1).toDouble(), pageOffset + match.captured(2).toDouble(),
                         pageOffset + match.captured(3).toDouble(), match.captured(4)});
    }
    const auto middle = [](const Word& w) { return (w.top + w.bottom) / 2; };
    std::sort(words.begin(), words.end(),
              [&](const Word& a, const Word& b) { return middle(a) < middle(b); });
    std::vector<std::vector<Word>> rows;
    for (const Word& word : words) {
        if (rows.empty() || middle(word) > rows.back().front().bottom) {
            rows.emplace_back();
        }
        rows.back().push_back(word);
    }
    QStringList lines;
    for (auto& row : rows) {
        std::sort(row.begin(), row.end(), [](const Word& a, const Word& b) { return a.x < b.x; });
        QStringList texts;
        for (const Word& word : row) {
            texts << QString(word.text).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        }
        lines << texts.join(u' ');
    }
    return lines;
}

QString writePdf(const QTemporaryDir& dir, const Tablature& tablature) {
    const QString path = dir.filePath(QStringLiteral("píseň.pdf"));
    testing_support::writeBytes(path, print::tablaturePdf(tablature));
    return path;
}

// The layout the PDF writer gets.
music::TablatureLayout pdfLayout(const Tablature& tablature) {
    QBuffer buffer;
    QPdfWriter writer(&buffer);
    print::setUpPdfWriter(writer, tablature);
    return print::layOutForDevice(tablature, writer);
}

// A grey-scale page rendered by pdftoppm: one byte a pixel, 0 black.
struct GreyPage {
    int width = 0;
    int height = 0;
    QByteArray pixels;
    int at(int x, int y) const { return static_cast<unsigned char>(pixels[y * width + x]); }
};

GreyPage renderFirstPage(const QString& pdf, int dpi) {
    const QString prefix = pdf + QStringLiteral("-page");
    runTool(QStringLiteral("pdftoppm"), {"-gray", "-r", QString::number(dpi), "-f", "1", "-l", "1",
                                         "-singlefile", pdf, prefix});
    const QByteArray file = testing_support::readBytes(prefix + QStringLiteral(".pgm"));
    // "P5\n<width> <height>\n255\n" then the pixels
    const QStringList header =
        QString::fromLatin1(file.left(40)).split(QRegularExpression(QStringLiteral("\\s+")));
    GreyPage page;
    page.width = header.value(1).toInt();
    page.height = header.value(2).toInt();
    page.pixels = file.right(static_cast<qsizetype>(page.width) * page.height);
    return page;
}

}  // namespace

TEST(TablaturePdf, TextLayerHoldsTheHeaderTheNumbersAndTheSyllablesInOrderInEmbeddedFonts) {
    QTemporaryDir dir;
    const QString pdf = writePdf(dir, tablatureOf(ShortSong));
    const QStringList fonts =
        runTool(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());  // below the column titles
    for (const QString& font : fonts) {
        EXPECT_TRUE(font.startsWith(QStringLiteral("DejaVuSans"))) << font.toStdString();
        EXPECT_EQ(font.simplified().split(u' ').value(4), QStringLiteral("yes"))
            << font.toStdString();
    }
    const QStringList rows = textRows(pdf);
    ASSERT_GE(rows.size(), 8);
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("Holka modrooká"))) << rows[0].toStdString();
    EXPECT_TRUE(rows[0].endsWith(QStringLiteral("strana 1/1")));
    EXPECT_TRUE(rows[1].startsWith(QStringLiteral("Ladění G-C-F · Základní značení")));
    // The system: lines outer, middle, inner; basses; syllables. Each row left to right.
    const int outer = static_cast<int>(rows.indexOf(QStringLiteral("1 2 11 1")));
    ASSERT_GT(outer, 1) << rows.join(u'\n').toStdString();
    EXPECT_EQ(rows[outer + 1], QStringLiteral("5 6"));
    EXPECT_EQ(rows[outer + 2], QStringLiteral("3 6"));
    EXPECT_EQ(rows[outer + 3], QStringLiteral("C (C) (G) D"));
    EXPECT_EQ(rows[outer + 4], QStringLiteral("Hol ka mo dro oká"));
    // The unknown tone above its column and in the list at the end.
    EXPECT_EQ(rows[outer - 1], QStringLiteral("d4,?"));
    EXPECT_EQ(rows[outer - 2], QStringLiteral("1 5"));
    EXPECT_TRUE(rows.contains(
        QStringLiteral("Tóny, které knoflovka v ladění G-C-F v daném směru měchu nemá:")));
    EXPECT_EQ(rows.back(), QStringLiteral("hmat 4: d4,? (tlak)"));

    // The Trizonia numbering prints its captions.
    const QStringList trizonia =
        textRows(writePdf(dir, tablatureOf(ShortSong, Numbering::Trizonia)));
    EXPECT_TRUE(trizonia[1].contains(QStringLiteral("Značení Trizonia 56")));
    const int trizoniaOuter = static_cast<int>(trizonia.indexOf(QStringLiteral("1 A 9 1")));
    ASSERT_GT(trizoniaOuter, 1) << trizonia.join(u'\n').toStdString();
    EXPECT_EQ(trizonia[trizoniaOuter + 2], QStringLiteral("2 5s"));
}

TEST(TablaturePdf, ALongSongBreaksIntoNumberedPagesWithEveryGripOnce) {
    const Tablature tablature = tablatureOf(gripsOf(400, "A#=la B#=c1,", 2, 2));
    QTemporaryDir dir;
    const QString pdf = writePdf(dir, tablature);
    const music::TablatureLayout layout = pdfLayout(tablature);
    const int pages = static_cast<int>(layout.pages.size());
    ASSERT_GT(pages, 2);
    EXPECT_TRUE(runTool(QStringLiteral("pdfinfo"), {pdf})
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))));
    const QStringList text = textRows(pdf);
    EXPECT_EQ(text.filter(QRegularExpression(QStringLiteral("strana \\d+/%1$").arg(pages))).size(),
              pages);
    // Push c1 is inner 3, pull c1 inner 2: each grip's number once, in order.
    QString numbers;
    for (const QString& row : text) {
        if (row.contains(QRegularExpression(QStringLiteral("^[23]( [23])*$")))) {
            numbers += row + u' ';
        }
    }
    QString expected;
    for (int i = 0; i < 400; ++i) {
        expected += i % 2 ? QStringLiteral("2 ") : QStringLiteral("3 ");
    }
    EXPECT_EQ(numbers, expected);
}

TEST(TablaturePdf, ThePullBarLiesUnderPullColumnsOnly) {
    const Tablature tablature = tablatureOf(gripsOf(30, "B#=c1, C#=e1,", 3, 2));
    QTemporaryDir dir;
    const QString pdf = writePdf(dir, tablature);
    const music::TablatureLayout layout = pdfLayout(tablature);
    const music::PlacedSystem& system = layout.pages.front().systems.front();

    constexpr int Dpi = 144;
    const double scale = Dpi / 72.0;
    const GreyPage page = renderFirstPage(pdf, Dpi);
    ASSERT_NEAR(page.width, 595.276 * scale, 1);
    const int barMiddle =
        qRound((system.top + system.rows.barTop + system.rows.barHeight / 2) * scale);
    const int belowBar =
        qRound((system.top + system.rows.barTop + system.rows.barHeight + 1.5) * scale);
    int pulls = 0;
    for (const music::PlacedColumn& column : system.columns) {
        const bool pull = tablature.columns[static_cast<size_t>(column.column)].pull;
        pulls += pull;
        for (int x = qRound((column.x + 1) * scale);
             x < qRound((column.x + column.width - 1) * scale); ++x) {
            if (pull) {
                ASSERT_LT(page.at(x, barMiddle), 64) << "grip " << column.column + 1 << " x " << x;
            } else {
                ASSERT_GT(page.at(x, barMiddle), 192) << "grip " << column.column + 1 << " x " << x;
            }
            ASSERT_GT(page.at(x, belowBar), 192) << "grip " << column.column + 1 << " x " << x;
        }
    }
    EXPECT_GT(pulls, 5);
}

// The way the program and mechik-cli print: through the plugin, loaded as they load it.
TEST(TablaturePdf, ThePluginsFileIsReplacedWholeOrNotAtAllAMissingPluginIsNamed) {
    const music::PrintPluginLoading loading = music::loadPrintPlugin({MECHIK_BIN_DIR});
    ASSERT_TRUE(loading.plugin) << loading.failure.toStdString();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("píseň.pdf"));
    testing_support::writeBytes(path, "stará verze");
    music::writeTablaturePdf(tablatureOf(ShortSong), path, *loading.plugin);
    EXPECT_TRUE(textRows(path).contains(QStringLiteral("d4,?")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"píseň.pdf"});

    const QString nowhere = dir.filePath(QStringLiteral("chybí/píseň.pdf"));
    try {
        music::writeTablaturePdf(tablatureOf(ShortSong), nowhere, *loading.plugin);
        ADD_FAILURE() << "written into a missing folder";
    } catch (const spreadsheet::SpreadsheetError& error) {
        EXPECT_TRUE(
            error.description().startsWith(QStringLiteral("Soubor %1 nelze uložit: ").arg(nowhere)))
            << error.description().toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"píseň.pdf"});

    // A missing plugin is named with the folders searched.
    const music::PrintPluginLoading missing = music::loadPrintPlugin({dir.path()});
    EXPECT_FALSE(missing.plugin);
    EXPECT_EQ(missing.failure, QStringLiteral("tiskový modul mechik_print nebyl nalezen (hledán ve "
                                              "složkách %1).")
                                   .arg(dir.path()));
}
