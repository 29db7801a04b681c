// A song dressed up in LibreOffice (tests/data/lo-formatted.fods: a merged title, a wide
// column, a bold red syllable, a date, a "0.00" number, formulas, a defined name, a hidden
// sheet, print settings) keeps all of it once cells are written and the song is saved: xlrd
// reads the same formats, widths and merges, and LibreOffice reads the cells, the formulas'
// values, the merge, the hidden sheet and the page settings.
#include "support/LibreOffice.h"
#include "support/TestFiles.h"
#include "support/TestHost.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

using spreadsheet::CellValue;
using namespace testing_support;

namespace {

const QString dataDir = QStringLiteral(MECHIK_TEST_DATA);

// Opens a copy of the fixture, writes what a player's grip and a formula overwrite would
// write, and saves it over the copy.
QString editedCopy(TestHost& host, const QString& fixture) {
    const QString path = host.path(QStringLiteral("Škoda lásky.xls"));
    EXPECT_TRUE(QFile::copy(dataDir + u'/' + fixture, path));
    const auto song = host.app.openWorkbook(path);
    const auto sheet = song.sheet(QStringLiteral("G-C-F"));
    sheet.range(QStringLiteral("A2")).setValue(CellValue(QStringLiteral("Lás-")));
    sheet.range(QStringLiteral("K4")).setValue(CellValue::number(7));
    sheet.range(QStringLiteral("B5")).setValue(CellValue(QStringLiteral("c1,")));
    song.save();
    song.close();
    return path;
}

// The description of the original with the three cells of the first sheet as written: the
// same formats.
QString expectedAfterEdit(QString description) {
    const auto replaceCell = [&description](const QString& cell, const QString& value) {
        const QRegularExpression line(QStringLiteral("  cell %1 \\d+ ('[^']*'|[^ ]+) ").arg(cell));
        const auto match = line.match(description);
        ASSERT_TRUE(match.hasMatch()) << cell.toStdString();
        description.replace(match.capturedStart(), match.capturedLength(),
                            QStringLiteral("  cell %1 %2 ").arg(cell, value));
    };
    replaceCell(QStringLiteral("A2"), QStringLiteral("1 'Lás-'"));
    replaceCell(QStringLiteral("K4"), QStringLiteral("2 7.0"));
    replaceCell(QStringLiteral("B5"), QStringLiteral("1 'c1,'"));
    return description;
}

void expectSameLines(const QString& expected, const QString& actual) {
    const QStringList want = expected.split(u'\n');
    const QStringList got = actual.split(u'\n');
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
        const QString w = i < want.size() ? want[i] : QStringLiteral("(nothing)");
        const QString g = i < got.size() ? got[i] : QStringLiteral("(nothing)");
        if (w != g) {
            ADD_FAILURE() << "line " << i + 1 << ":\n expected " << w.toStdString()
                          << "\n read     " << g.toStdString();
            return;
        }
    }
}

// A flat ODS file as LibreOffice writes it, reduced to what the tests look at.
struct OdsCell {
    QString text;  // the paragraphs, joined by line breaks
    QString value;
    QString formula;
    int spannedColumns = 1;
};
struct OdsSheet {
    std::map<QString, OdsCell> cells;  // "A1" -> cell
    QString style;
};
struct OdsTableStyle {
    QString display;
    QString masterPage;
};
struct OdsMasterPage {
    QString pageLayout;
    QString header;  // the header's paragraphs on all pages
};
struct OdsDocument {
    std::map<QString, OdsSheet> sheets;
    std::map<QString, OdsTableStyle> tableStyles;
    std::map<QString, OdsMasterPage> masterPages;
    std::map<QString, QString> printOrientations;  // page layout -> orientation

    bool hidden(const QString& sheet) const {
        return tableStyles.at(sheets.at(sheet).style).display == u"false";
    }
    const OdsMasterPage& page(const QString& sheet) const {
        return masterPages.at(tableStyles.at(sheets.at(sheet).style).masterPage);
    }
};

QString columnName(int column) {
    QString name;
    for (++column; column > 0; column = (column - 1) / 26) {
        name.prepend(QChar(u'A' + (column - 1) % 26));
    }
    return name;
}

class FlatOdsReader {
public:
    explicit FlatOdsReader(const QString& path) : xml_(readBytes(path)) {}

    OdsDocument read() {
        while (!xml_.atEnd()) {
            xml_.readNext();
            if (xml_.isStartElement()) {
                start(xml_.qualifiedName(), xml_.attributes());
            } else if (xml_.isEndElement()) {
                end(xml_.qualifiedName());
            } else if (xml_.isCharacters() && paragraph_) {
                *paragraph_ += xml_.text();
            }
        }
        EXPECT_FALSE(xml_.hasError()) << xml_.errorString().toStdString();
        return std::move(doc_);
    }

private:
    QString attribute(const QXmlStreamAttributes& attributes, const char* name) {
        return attributes.value(QString::fromLatin1(name)).toString();
    }

    void start(QStringView name, const QXmlStreamAttributes& attributes) {
        if (name == u"style:style") {
            style_ = attribute(attributes, "style:name");
            doc_.tableStyles[style_].masterPage = attribute(attributes, "style:master-page-name");
        } else if (name == u"style:table-properties") {
            doc_.tableStyles[style_].display = attribute(attributes, "table:display");
        } else if (name == u"style:page-layout") {
            layout_ = attribute(attributes, "style:name");
        } else if (name == u"style:page-layout-properties") {
            doc_.printOrientations[layout_] = attribute(attributes, "style:print-orientation");
        } else if (name == u"style:master-page") {
            master_ = &doc_.masterPages[attribute(attributes, "style:name")];
            master_->pageLayout = attribute(attributes, "style:page-layout-name");
        } else if (name == u"style:header" && master_) {
            header_ = true;
        } else if (name == u"table:table") {
            sheet_ = &doc_.sheets[attribute(attributes, "table:name")];
            sheet_->style = attribute(attributes, "table:style-name");
            row_ = 0;
        } else if (name == u"table:table-row") {
            ++row_;
            column_ = 0;
        } else if (name == u"table:table-cell" || name == u"table:covered-table-cell") {
            cell_ = &sheet_->cells[columnName(column_) + QString::number(row_)];
            cell_->value = attribute(attributes, "office:value");
            cell_->formula = attribute(attributes, "table:formula");
            cell_->spannedColumns =
                std::max(1, attribute(attributes, "table:number-columns-spanned").toInt());
            column_ += std::max(1, attribute(attributes, "table:number-columns-repeated").toInt());
        } else if (name == u"text:p") {
            QString* text = cell_ ? &cell_->text : header_ ? &master_->header : nullptr;
            if (text && !text->isEmpty()) {
                *text += u'\n';
            }
            paragraph_ = text;
        }
    }

    void end(QStringView name) {
        if (name == u"text:p") {
            paragraph_ = nullptr;
        } else if (name == u"style:header") {
            header_ = false;
        } else if (name == u"style:master-page") {
            master_ = nullptr;
        } else if (name == u"table:table-cell" || name == u"table:covered-table-cell") {
            cell_ = nullptr;
        }
    }

    QXmlStreamReader xml_;
    OdsDocument doc_;
    QString style_;
    QString layout_;
    OdsMasterPage* master_ = nullptr;
    bool header_ = false;
    OdsSheet* sheet_ = nullptr;
    OdsCell* cell_ = nullptr;
    QString* paragraph_ = nullptr;
    int row_ = 0;
    int column_ = 0;
};

}  // namespace

TEST(LibreOfficeFormats, XlrdReadsTheSameFormatsWidthsMergesAndNamesAfterASave) {
    TestHost host;
    const QString original = describeWithXlrd(dataDir + QStringLiteral("/lo-formatted.xls"));
    ASSERT_TRUE(original.contains(QStringLiteral("  merged A1:I1"))) << original.toStdString();
    ASSERT_TRUE(original.contains(QStringLiteral("sheet Poznámky visibility=1")));
    ASSERT_TRUE(original.contains(QStringLiteral("name Tempo scope=-1 hidden=0 G-C-F!$K$3")));
    const QString saved = describeWithXlrd(editedCopy(host, QStringLiteral("lo-formatted.xls")));
    expectSameLines(expectedAfterEdit(original), saved);
}

// Excel 5 files are saved as Excel 97: the formats, widths, heights, rich text and hidden
// sheets come along; the defined names and formulas, whose tokens differ, do not (formulas
// keep their results as values).
TEST(LibreOfficeFormats, AnExcel5SongIsSavedAsExcel97WithItsFormats) {
    TestHost host;
    QString original = describeWithXlrd(dataDir + QStringLiteral("/lo-formatted-biff5.xls"));
    ASSERT_TRUE(original.contains(QStringLiteral("  rich A3 ")));
    original.remove(QRegularExpression(QStringLiteral("name [^\\n]*\\n")));
    const QString saved =
        describeWithXlrd(editedCopy(host, QStringLiteral("lo-formatted-biff5.xls")));
    expectSameLines(expectedAfterEdit(original), saved);
}

TEST(LibreOfficeFormats, CalcReadsTheCellsFormulasMergeHiddenSheetAndPageSettings) {
    TestHost host;
    QTemporaryDir profile;
    const QString path = editedCopy(host, QStringLiteral("lo-formatted.xls"));
    convertWithLibreOffice(path, QStringLiteral("fods"), host.dir.path(), profile);
    const OdsDocument doc = FlatOdsReader(host.path(QStringLiteral("Škoda lásky.fods"))).read();

    const auto& song = doc.sheets.at(QStringLiteral("G-C-F")).cells;
    EXPECT_EQ(song.at(QStringLiteral("A1")).text, QStringLiteral("Škoda lásky"));
    EXPECT_EQ(song.at(QStringLiteral("A1")).spannedColumns, 9);
    EXPECT_EQ(song.at(QStringLiteral("A2")).text, QStringLiteral("Lás-"));
    EXPECT_EQ(song.at(QStringLiteral("A3")).text, QStringLiteral("da lás-"));
    EXPECT_EQ(song.at(QStringLiteral("B5")).text, QStringLiteral("c1,"));
    EXPECT_EQ(song.at(QStringLiteral("K2")).text, QStringLiteral("15.3.2024"));
    EXPECT_EQ(song.at(QStringLiteral("K3")).text, QStringLiteral("1.50"));
    // The formula Mechík wrote over is a plain value; the other formulas remain.
    EXPECT_TRUE(song.at(QStringLiteral("K4")).formula.isEmpty());
    EXPECT_EQ(song.at(QStringLiteral("K4")).value, QStringLiteral("7"));
    EXPECT_EQ(song.at(QStringLiteral("K5")).formula,
              QStringLiteral("of:=CONCATENATE(\"Lad\";\"ění\")"));
    EXPECT_EQ(song.at(QStringLiteral("K5")).text, QStringLiteral("Ladění"));

    EXPECT_TRUE(doc.hidden(QStringLiteral("Poznámky")));
    EXPECT_FALSE(doc.hidden(QStringLiteral("Akordy")));
    EXPECT_FALSE(doc.hidden(QStringLiteral("G-C-F")));
    EXPECT_EQ(doc.sheets.at(QStringLiteral("Poznámky")).cells.at(QStringLiteral("A1")).text,
              QStringLiteral("Hrát pomalu, druhá sloka tišeji."));
    const OdsMasterPage& page = doc.page(QStringLiteral("G-C-F"));
    EXPECT_EQ(doc.printOrientations.at(page.pageLayout), QStringLiteral("landscape"));
    EXPECT_TRUE(page.header.contains(QStringLiteral("Zpěvník heligonkáře")))
        << page.header.toStdString();
}
