#include "SongExport.h"

#include "music/Tempo.h"
#include "songs/SongGrips.h"
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/xls/XlsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <optional>

namespace tools {

namespace {

struct ExportArguments {
    QString song;
    QString out;
    double bpm = music::DefaultTempo;
};

std::optional<double> tempoArgument(const QString& text) {
    bool ok = false;
    const double bpm = QLocale::c().toDouble(text, &ok);
    if (!ok || !music::isValidTempo(bpm)) {
        return std::nullopt;
    }
    return bpm;
}

music::SongScore readSongScore(const QString& path) {
    const auto workbook = spreadsheet::xls::readXlsFile(path);
    std::vector<songs::SongGrip> grips;
    const auto active = static_cast<size_t>(workbook.activeSheet);
    if (active < workbook.sheets.size()) {
        grips = songs::readSongGrips(*workbook.sheets[active]);
    }
    return music::songScore(grips, QFileInfo(path).completeBaseName());
}

}  // namespace

CommandResult exportSong(const QStringList& args, const SongSaver& save) {
    ExportArguments arguments;
    if (args.size() == 4 && args[2] == QStringLiteral("--tempo")) {
        const auto bpm = tempoArgument(args[3]);
        if (!bpm) {
            return {
                2,
                {},
                QStringLiteral("Tempo %1 nelze použít: zadejte počet dob za minutu od %2 do %3.\n")
                    .arg(args[3])
                    .arg(music::MinTempo)
                    .arg(music::MaxTempo)};
        }
        arguments.bpm = *bpm;
    } else if (args.size() != 2) {
        return {2, {}, {}};
    }
    arguments.song = args[0];
    arguments.out = args[1];
    CommandResult result;
    try {
        const music::SongScore score = readSongScore(arguments.song);
        if (score.beats.empty()) {
            return {1,
                    {},
                    music::songWithoutGripsText(QDir::toNativeSeparators(arguments.song)) +
                        QStringLiteral(", není co uložit.\n")};
        }
        for (const auto& cell : score.skipped) {
            result.err += music::describeSkippedCell(cell) + u'\n';
        }
        save(arguments.out, score, arguments.bpm);
    } catch (const spreadsheet::SpreadsheetError& error) {
        result.status = 1;
        result.err += error.description() + u'\n';
        return result;
    }
    result.out = QDir::toNativeSeparators(QFileInfo(arguments.out).absoluteFilePath()) + u'\n';
    return result;
}

}  // namespace tools
