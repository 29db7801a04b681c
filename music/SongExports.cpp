#include "SongExports.h"

#include "MidiFile.h"
#include "OpenSong.h"
#include "PrintPluginLoader.h"
#include "SoundSupply.h"
#include "WavFile.h"
#include "services/Dialogs.h"
#include "services/SpreadsheetConnection.h"
#include "songs/SongGrips.h"
#include "spreadsheet/AtomicFile.h"
#include "spreadsheet/FileChooser.h"
#include "spreadsheet/Sheet.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/TuningTable.h"

#include <QDir>
#include <QFileInfo>

namespace music {

namespace {

// Enough to find the cells in the sheet; the rest is counted.
constexpr int ListedSkippedCells = 10;

}  // namespace

SongExports::SongExports(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                         spreadsheet::FileChooser* chooser, SoundSupply& supply)
    : whileBusy([](const std::function<void()>& work) { work(); }),
      connection_(connection),
      dialogs_(dialogs),
      chooser_(chooser),
      supply_(supply) {}

SongExports::~SongExports() = default;

void SongExports::saveMidi(double bpm) {
    const SongScore score = openSongScore(connection_);
    if (!hasGrips(score)) {
        return;
    }
    const auto path = chooseTarget(QStringLiteral("MIDI"), QStringLiteral("mid"));
    if (path && written([&] { writeMidiFile(*path, score, bpm); })) {
        if (onSoundFileSaved) {
            onSoundFileSaved();
        }
        tellSkipped(score, *path);
    }
}

void SongExports::saveWav(double bpm) {
    const SongScore score = openSongScore(connection_);
    if (!hasGrips(score)) {
        return;
    }
    const auto path = chooseTarget(QStringLiteral("WAV"), QStringLiteral("wav"));
    const auto render = [&] {
        const LoadedSound& sound = supply_.waitUntilReady();
        if (!sound.plugin) {
            throw spreadsheet::cannotSave(*path, sound.failure);
        }
        writeWavFile(*path, score, bpm, *sound.plugin);
    };
    if (path && written([&] { whileBusy(render); })) {
        if (onSoundFileSaved) {
            onSoundFileSaved();
        }
        tellSkipped(score, *path);
    }
}

void SongExports::savePdf(keyboard::InstrumentModel model, keyboard::Numbering numbering) {
    const std::optional<Tablature> printed = tablature(model, numbering);
    PrintPlugin* plugin = printed ? printPlugin() : nullptr;
    if (!plugin) {
        return;
    }
    const auto path = chooseTarget(QStringLiteral("PDF"), QStringLiteral("pdf"));
    if (path) {
        written([&] { writeTablaturePdf(*printed, *path, *plugin); });
    }
}

std::optional<Tablature> SongExports::tablature(keyboard::InstrumentModel model,
                                                keyboard::Numbering numbering) {
    const auto song = openSongSheet(connection_);
    const auto tuning = openSongTuning(connection_, dialogs_);
    if (!tuning) {
        return std::nullopt;
    }
    return buildTablature(openSongName(connection_), song->name(), songs::readSongGrips(*song),
                          tones::TuningTable::fromSheet(*tuning), model, numbering);
}

PrintPlugin* SongExports::printPlugin() {
    if (!printPlugin_) {
        PrintPluginLoading loading = loadPrintPlugin(pluginFolders);
        if (!loading.plugin) {
            dialogs_.message(QStringLiteral("Tisk není k dispozici."),
                             QStringLiteral("Tabulaturu nelze vytisknout ani uložit jako PDF: ") +
                                 loading.failure,
                             services::MessageIcon::Critical);
            return nullptr;
        }
        printPlugin_ = std::move(loading.plugin);
    }
    return printPlugin_.get();
}

// The working folder and the song's name proposed. A file of another kind keeps its name and
// gets the extension added, so that no song or other file is ever written over by mistake.
std::optional<QString> SongExports::chooseTarget(const QString& kind, const QString& extension) {
    if (!chooser_) {
        return std::nullopt;
    }
    const QString suffix = u'.' + extension;
    std::optional<QString> path = chooser_->chooseFileToSave(
        QStringLiteral("Uložit jako ") + kind,
        QDir(connection_.WorkingFolder).filePath(openSongName(connection_) + suffix),
        QStringLiteral("Soubory ") + kind, QStringLiteral("*") + suffix);
    if (!path || path->isEmpty()) {
        return std::nullopt;
    }
    if (QFileInfo(*path).suffix().compare(extension, Qt::CaseInsensitive) != 0) {
        *path += suffix;
    }
    return path;
}

bool SongExports::hasGrips(const SongScore& score) {
    if (!score.beats.empty()) {
        return true;
    }
    dialogs_.message(QStringLiteral("Není co uložit."),
                     songWithoutGripsText(score.name) + QStringLiteral(", není co uložit."),
                     services::MessageIcon::Information);
    return false;
}

bool SongExports::written(const std::function<void()>& write) {
    try {
        write();
        return true;
    } catch (const spreadsheet::SpreadsheetError& error) {
        dialogs_.message(QStringLiteral("Soubor nelze uložit."), error.description(),
                         services::MessageIcon::Critical);
        return false;
    }
}

void SongExports::tellSkipped(const SongScore& score, const QString& path) {
    if (score.skipped.empty()) {
        return;
    }
    QStringList lines;
    for (const SkippedCell& cell : score.skipped) {
        if (lines.size() == ListedSkippedCells) {
            lines << QStringLiteral("Dalších přeskočených buněk: %1.")
                         .arg(score.skipped.size() - ListedSkippedCells);
            break;
        }
        lines << describeSkippedCell(cell);
    }
    dialogs_.message(QStringLiteral("Některé buňky nezní."),
                     QStringLiteral("Soubor %1 je uložen. Tyto buňky písně nejsou názvy tónů ani "
                                    "basů, a proto v něm nezní:\r\n")
                             .arg(QDir::toNativeSeparators(path)) +
                         lines.join(QStringLiteral("\r\n")),
                     services::MessageIcon::Information);
}

}  // namespace music
