#include "PdfCommand.h"

#include "music/PrintLibrary.h"
#include "music/Tablature.h"
#include "songs/SongGrips.h"
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tones/TuningTable.h"
#include "tones/UnknownTuning.h"

#include <QFileInfo>

namespace tools {

namespace {

const spreadsheet::Sheet* sheetNamed(const spreadsheet::WorkbookData& workbook,
                                     const QString& name) {
    for (const auto& sheet : workbook.sheets) {
        // As the spreadsheet finds a sheet by its name.
        if (sheet->name().compare(name, Qt::CaseInsensitive) == 0) {
            return sheet.get();
        }
    }
    return nullptr;
}

std::optional<keyboard::Numbering> numberingNamed(const QString& name) {
    if (name == QStringLiteral("standard")) {
        return keyboard::Numbering::Standard;
    }
    if (name == QStringLiteral("trizonia")) {
        return keyboard::Numbering::Trizonia;
    }
    return std::nullopt;
}

}  // namespace

std::optional<PdfRequest> parsePdfArguments(const QStringList& args,
                                            const QString& defaultDatabase) {
    if (args.size() < 3 || args[0] != QStringLiteral("pdf")) {
        return std::nullopt;
    }
    PdfRequest request{args[1], args[2], defaultDatabase};
    for (int i = 3; i < args.size(); ++i) {
        if (i + 1 >= args.size()) {
            return std::nullopt;
        }
        if (args[i] == QStringLiteral("--db")) {
            request.tuningDatabase = args[++i];
        } else if (const auto numbering = numberingNamed(args[i + 1]);
                   args[i] == QStringLiteral("--numbering") && numbering) {
            request.numbering = *numbering;
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return request;
}

int writeSongPdf(const PdfRequest& request, QString& output, QString& error) {
    music::Tablature tablature;
    try {
        const spreadsheet::WorkbookData song = spreadsheet::xls::readXlsFile(request.songPath);
        const spreadsheet::WorkbookData database =
            spreadsheet::xls::readXlsFile(request.tuningDatabase);
        const spreadsheet::Sheet& songSheet =
            *song.sheets.at(static_cast<size_t>(song.activeSheet));
        const spreadsheet::Sheet* tuning = sheetNamed(database, songSheet.name());
        if (!tuning) {
            error = tones::unknownTuningText(songSheet.name())
                        .replace(QStringLiteral("\r\n"), QStringLiteral(" "));
            return 1;
        }
        tablature = music::buildTablature(music::songNameOfFile(request.songPath), songSheet.name(),
                                          songs::readSongGrips(songSheet),
                                          tones::TuningTable::fromSheet(*tuning),
                                          keyboard::InstrumentModel::Full, request.numbering);
    } catch (const spreadsheet::SpreadsheetError& e) {
        error = e.description();
        return 1;
    }
    const auto library = music::PrintLibrary::load(error);
    if (!library || !library->writePdf(tablature, request.pdfPath, error)) {
        return 1;
    }
    output = QFileInfo(request.pdfPath).absoluteFilePath();
    return 0;
}

}  // namespace tools
