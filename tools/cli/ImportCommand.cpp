#include "ImportCommand.h"

#include "CliMessages.h"
#include "melody/ImportError.h"
#include "melody/MelodyImport.h"
#include "songs/SongWriting.h"
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tones/TuningTable.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace tools {

namespace {

constexpr int MaxShift = 127;

struct ImportArguments {
    QString melody;
    QString tuning;
    QString out;
    QString database;
    std::optional<int> shift;
    bool force = false;
};

std::optional<ImportArguments> parse(const QStringList& arguments, const QString& defaultDatabase) {
    if (arguments.size() < 3) {
        return std::nullopt;
    }
    ImportArguments parsed{arguments[0],    arguments[1], arguments[2],
                           defaultDatabase, std::nullopt, false};
    for (int i = 3; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (option == QStringLiteral("--force")) {
            parsed.force = true;
        } else if (option == QStringLiteral("--db") && hasValue) {
            parsed.database = arguments[++i];
        } else if (option == QStringLiteral("--transpose") && hasValue) {
            bool ok = false;
            const int shift = arguments[++i].toInt(&ok);
            if (!ok || std::abs(shift) > MaxShift) {
                return std::nullopt;
            }
            parsed.shift = shift;
        } else {
            return std::nullopt;
        }
    }
    return parsed;
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The tuning sheet of that name (in any case, as the program looks tunings up), as data.
tones::TuningTable tuningFrom(const QString& database, const QString& tuning) {
    const spreadsheet::WorkbookData data = spreadsheet::xls::readXlsFile(database);
    QStringList names;
    for (const auto& sheet : data.sheets) {
        if (sheet->name().compare(tuning, Qt::CaseInsensitive) == 0) {
            return tones::TuningTable::fromSheet(*sheet);
        }
        names << sheet->name();
    }
    throw melody::ImportError(QStringLiteral("Ladění %1 v databázi ladění %2 není (jsou v ní: %3).")
                                  .arg(tuning, native(database), names.join(QStringLiteral(", "))));
}

QString refusalToWrite(const ImportArguments& arguments) {
    if (!arguments.out.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive)) {
        return QStringLiteral("Píseň se ukládá jako sešit .xls; zadejte soubor s příponou .xls.");
    }
    const QFileInfo out(arguments.out);
    if (out.exists() &&
        out.canonicalFilePath() == QFileInfo(arguments.database).canonicalFilePath()) {
        return QStringLiteral("Databázi ladění %1 nelze přepsat písní.")
            .arg(native(arguments.database));
    }
    if (out.exists() && !arguments.force) {
        return existingFileRefusal(arguments.out);
    }
    return {};
}

}  // namespace

int importCommand(const QStringList& arguments, const QString& defaultDatabase, QString& output,
                  QString& error) {
    const auto parsed = parse(arguments, defaultDatabase);
    if (!parsed) {
        return 2;
    }
    error = refusalToWrite(*parsed);
    if (!error.isEmpty()) {
        return 1;
    }
    try {
        const tones::TuningTable tuning = tuningFrom(parsed->database, parsed->tuning);
        const melody::ImportedMelody song =
            melody::importMelody(parsed->melody, tuning, parsed->shift);
        songs::writeSongFile(parsed->out, tuning.name(), song.grips);
        output = QStringLiteral("imported\t%1\t%2\t%3")
                     .arg(song.grips.size())
                     .arg(song.reversals)
                     .arg(song.shift);
        return 0;
    } catch (const melody::ImportError& refusal) {
        error = refusal.message();
    } catch (const spreadsheet::SpreadsheetError& failure) {
        error = failure.description();
    }
    return 1;
}

}  // namespace tools
