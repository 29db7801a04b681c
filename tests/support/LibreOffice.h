#pragma once

// The outside readers that files we write must satisfy: LibreOffice Calc (headless, with a
// profile of its own) and python3-xlrd; and what Calc writes as a flat ODS file, read back.

#include "spreadsheet/CellAddress.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

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

// A flat ODS file as LibreOffice writes it, reduced to what the tests look at.
struct OdsCell {
    QString text;  // the paragraphs, joined by line breaks
    QString value;
    QString formula;
    int spannedColumns = 1;
};
struct OdsDocument {
    std::map<QString, std::map<QString, OdsCell>> cells;  // sheet -> "A1" -> cell
    std::map<QString, QString> sheetStyles;               // sheet -> table style
    std::map<QString, QString> displays;                  // table style -> "false" when hidden
    std::map<QString, QString> masterPages;               // table style -> master page
    std::map<QString, QString> pageLayouts;               // master page -> page layout
    std::map<QString, QString> headers;                   // master page -> its paragraphs
    std::map<QString, QString> orientations;              // page layout -> print orientation

    bool hidden(const QString& sheet) const {
        return displays.at(sheetStyles.at(sheet)) == u"false";
    }
    QString masterPage(const QString& sheet) const { return masterPages.at(sheetStyles.at(sheet)); }
};

inline OdsDocument readFlatOds(const QString& path) {
    OdsDocument doc;
    QXmlStreamReader xml(readBytes(path));
    QString style, layout, master, sheet;
    QString* paragraph = nullptr;
    OdsCell* cell = nullptr;
    bool inHeader = false;
    int row = 0;
    int column = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.qualifiedName();
        const auto attribute = [&xml](const char* attributeName) {
            return xml.attributes().value(QString::fromLatin1(attributeName)).toString();
        };
        if (xml.isCharacters() && paragraph) {
            *paragraph += xml.text();
            continue;
        }
        if (xml.isEndElement()) {
            if (name == u"text:p") {
                paragraph = nullptr;
            } else if (name == u"style:header") {
                inHeader = false;
            } else if (name == u"table:table-cell" || name == u"table:covered-table-cell") {
                cell = nullptr;
            }
            continue;
        }
        if (!xml.isStartElement()) {
            continue;
        }
        if (name == u"style:style") {
            style = attribute("style:name");
            doc.masterPages[style] = attribute("style:master-page-name");
        } else if (name == u"style:table-properties") {
            doc.displays[style] = attribute("table:display");
        } else if (name == u"style:page-layout") {
            layout = attribute("style:name");
        } else if (name == u"style:page-layout-properties") {
            doc.orientations[layout] = attribute("style:print-orientation");
        } else if (name == u"style:master-page") {
            master = attribute("style:name");
            doc.pageLayouts[master] = attribute("style:page-layout-name");
        } else if (name == u"style:header") {
            inHeader = true;
        } else if (name == u"table:table") {
            sheet = attribute("table:name");
            doc.sheetStyles[sheet] = attribute("table:style-name");
            row = 0;
        } else if (name == u"table:table-row") {
            ++row;
            column = 0;
        } else if (name == u"table:table-cell" || name == u"table:covered-table-cell") {
            cell = &doc.cells[sheet][spreadsheet::CellAddress{row, column + 1}.toA1()];
            cell->value = attribute("office:value");
            cell->formula = attribute("table:formula");
            cell->spannedColumns = std::max(1, attribute("table:number-columns-spanned").toInt());
            column += std::max(1, attribute("table:number-columns-repeated").toInt());
        } else if (name == u"text:p") {
            paragraph = cell ? &cell->text : inHeader ? &doc.headers[master] : nullptr;
            if (paragraph && !paragraph->isEmpty()) {
                *paragraph += u'\n';
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return doc;
}

}  // namespace testing_support
