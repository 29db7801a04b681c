#include "PdfCommand.h"

#include "CliMessages.h"

#include "music/PrintPluginLoader.h"
#include "music/Tablature.h"
#include "songs/SongGrips.h"
#include "spreadsheet/AtomicFile.h"
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tones/TuningTable.h"
#include "tones/UnknownTuning.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace tools {

namespace {

struct PdfArguments {
    QString song;
    QString out;
    QString database;
    keyboard::Numbering numbering = keyboard::Numbering::Standard;
};

std::optional<keyboard::Numbering> numberingNamed(const QString& name) {
    if (name == QStringLiteral("standard")) {
        return keyboard::Numbering::Standard;
    }
    if (name == QStringLiteral("trizonia")) {
        return keyboard::Numbering::Trizonia;
    }
    return std::nullopt;
}

std::optional<PdfArguments> parse(const QStringList& args) {
    if (args.size() < 2) {
        return std::nullopt;
    }
    PdfArguments parsed{args[0], args[1], {}};
    for (int i = 2; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            return std::nullopt;
        }
        if (args[i] == QStringLiteral("--db")) {
            parsed.database = args[i + 1];
        } else if (const auto numbering = numberingNamed(args[i + 1]);
                   args[i] == QStringLiteral("--numbering") && numbering) {
            parsed.numbering = *numbering;
        } else {
            return std::nullopt;
        }
    }
    return parsed;
}

// As the spreadsheet finds a sheet by its name.
const spreadsheet::Sheet* sheetNamed(const spreadsheet::WorkbookData& workbook,
                                     const QString& name) {
    for (const auto& sheet : workbook.sheets) {
        if (sheet->name().compare(name, Qt::CaseInsensitive) == 0) {
            return sheet.get();
        }
    }
    return nullptr;
}

// Throws SpreadsheetError for a file that cannot be read; nothing, with `refusal`, for a song
// whose sheet names no tuning of the database.
std::optional<music::Tablature> tablatureOf(const PdfArguments& arguments, QString& refusal) {
    const spreadsheet::WorkbookData song = spreadsheet::xls::readXlsFile(arguments.song);
    const spreadsheet::WorkbookData database = spreadsheet::xls::readXlsFile(arguments.database);
    const spreadsheet::Sheet& sheet = *song.sheets.at(static_cast<size_t>(song.activeSheet));
    const spreadsheet::Sheet* tuning = sheetNamed(database, sheet.name());
    if (!tuning) {
        refusal = oneLine(tones::unknownTuningText(sheet.name()));
        return std::nullopt;
    }
    return music::buildTablature(music::songNameOfFile(arguments.song), sheet.name(),
                                 songs::readSongGrips(sheet),
                                 tones::TuningTable::fromSheet(*tuning),
                                 keyboard::InstrumentModel::Full, arguments.numbering);
}

}  // namespace

CommandResult pdfCommand(const QStringList& args, const std::function<QString()>& defaultDatabase) {
    std::optional<PdfArguments> arguments = parse(args);
    if (!arguments) {
        return {2, {}, {}};
    }
    if (arguments->database.isEmpty()) {
        arguments->database = defaultDatabase();
    }
    try {
        QString refusal;
        const std::optional<music::Tablature> tablature = tablatureOf(*arguments, refusal);
        if (!tablature) {
            return {1, {}, refusal + u'\n'};
        }
        const music::PrintPluginLoading loading = music::loadPrintPlugin();
        if (!loading.plugin) {
            throw spreadsheet::cannotSave(arguments->out, loading.failure);
        }
        music::writeTablaturePdf(*tablature, arguments->out, *loading.plugin);
    } catch (const spreadsheet::SpreadsheetError& error) {
        return {1, {}, error.description() + u'\n'};
    }
    return {0, QDir::toNativeSeparators(QFileInfo(arguments->out).absoluteFilePath()) + u'\n', {}};
}

}  // namespace tools
