#include "XlsFile.h"

#include "../AtomicFile.h"
#include "../SpreadsheetError.h"
#include "CompoundFile.h"
#include "KeptRecords.h"
#include "XlsFormatError.h"
#include "XlsReader.h"
#include "XlsWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace spreadsheet::xls {

namespace {

const QByteArray compoundFileMagic("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
const QByteArray zipMagic("PK\x03\x04", 4);

[[noreturn]] void throwCannotOpen(const QString& path, const QString& reason) {
    throw SpreadsheetError(
        FileOrCellOperation,
        QStringLiteral("Soubor %1 nelze otevřít: %2").arg(QDir::toNativeSeparators(path), reason));
}

[[noreturn]] void throwCannotSave(const QString& path, const QString& reason) {
    throw cannotSave(path, reason);
}

QString notAWorkbook() {
    return QStringLiteral("není to sešit Excel 97-2003 (.xls).");
}

ContainerContents containerOf(const QByteArray& bytes) {
    if (bytes.startsWith(zipMagic)) {
        throw XlsFormatError(QStringLiteral(
            "je to sešit v novějším formátu (.xlsx nebo .ods), ne Excel 97-2003 (.xls). Uložte "
            "ho v Excelu nebo LibreOffice jako „Sešit Excel 97-2003 (*.xls)“."));
    }
    if (!bytes.startsWith(compoundFileMagic)) {
        throw XlsFormatError(notAWorkbook());
    }
    auto contents = extractWorkbookStream(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                          static_cast<std::size_t>(bytes.size()),
                                          static_cast<std::size_t>(MaxFileSize));
    switch (contents.problem) {
        case ContainerProblem::None:
            return contents;
        case ContainerProblem::NotCompoundFile:
            throwDamaged();
        case ContainerProblem::NoWorkbookStream:
            throw XlsFormatError(notAWorkbook());
        case ContainerProblem::EncryptedPackage:
            throw XlsFormatError(QStringLiteral(
                "sešit je chráněn heslem. Odstraňte heslo v Excelu nebo LibreOffice a uložte ho "
                "jako „Sešit Excel 97-2003 (*.xls)“."));
        case ContainerProblem::StreamTooLarge:
            break;
    }
    throw XlsFormatError(QStringLiteral("sešit je příliš velký."));
}

WorkbookData readFromContainer(ContainerContents contents) {
    WorkbookData data =
        parseWorkbookStream(contents.workbookStream, std::move(contents.propertyStreams));
    data.unkept.macros = data.unkept.macros || contents.hasMacros;
    data.unkept.embeddedObjects = data.unkept.embeddedObjects || contents.hasEmbeddedStorages;
    return data;
}

}  // namespace

WorkbookData readXlsBytes(const QByteArray& bytes, const QString& path) {
    try {
        return readFromContainer(containerOf(bytes));
    } catch (const XlsFormatError& error) {
        throwCannotOpen(path, error.reason());
    } catch (const std::bad_alloc&) {
        throwCannotOpen(path, QStringLiteral("sešit je příliš velký."));
    }
}

WorkbookData readXlsFile(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        throwCannotOpen(path, QStringLiteral("soubor neexistuje."));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throwCannotOpen(path, QStringLiteral("soubor nelze číst (chybí oprávnění nebo je "
                                             "zamčen jiným programem)."));
    }
    if (file.size() > MaxFileSize) {
        throwCannotOpen(path, QStringLiteral("soubor je příliš velký."));
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size()) {
        throwCannotOpen(path, QStringLiteral("soubor nelze celý přečíst."));
    }
    return readXlsBytes(bytes, path);
}

QByteArray encodeXls(const std::vector<const Sheet*>& sheets, int activeSheet,
                     const KeptWorkbook* kept) {
    static const std::vector<NamedStream> noStreams;
    const auto container = buildCompoundFile(buildWorkbookStream(sheets, activeSheet, kept),
                                             "Workbook", kept ? kept->otherStreams : noStreams);
    return QByteArray(reinterpret_cast<const char*>(container.data()),
                      static_cast<qsizetype>(container.size()));
}

void writeXlsFile(const QString& path, const std::vector<const Sheet*>& sheets, int activeSheet,
                  const KeptWorkbook* kept) {
    QByteArray bytes;
    try {
        bytes = encodeXls(sheets, activeSheet, kept);
    } catch (const XlsFormatError& error) {
        throwCannotSave(path, error.reason());
    } catch (const std::runtime_error&) {
        throwCannotSave(path, QStringLiteral("sešit nelze sestavit."));
    }
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
}

void writeXlsFile(const QString& path, const WorkbookData& workbook) {
    std::vector<const Sheet*> sheets;
    sheets.reserve(workbook.sheets.size());
    for (const auto& sheet : workbook.sheets) {
        sheets.push_back(sheet.get());
    }
    writeXlsFile(path, sheets, workbook.activeSheet, workbook.kept.get());
}

}  // namespace spreadsheet::xls
