#include "SongImport.h"

#include "GripReader.h"
#include "SongFiles.h"
#include "melody/ImportError.h"
#include "melody/MelodyImport.h"
#include "services/Dialogs.h"
#include "songs/SongWriting.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/SemitoneShift.h"
#include "tones/TuningTable.h"
#include "tones/UnknownTuning.h"
#include "tunings/OpenTuningDatabase.h"

#include <QDir>
#include <QFileInfo>

namespace grips {

namespace {

const QString MelodyFilter =
    QStringLiteral("Melodie MIDI a MusicXML,*.mid;*.midi;*.musicxml;*.xml;*.mxl");
const QString CannotImport = QStringLiteral("Melodii nelze importovat.");

// "1 hmat", "3 hmaty", "5 hmatů"
QString counted(int count, const QString& one, const QString& few, const QString& many) {
    const QString& word = count == 1 ? one : (count >= 2 && count <= 4 ? few : many);
    return QStringLiteral("%1 %2").arg(count).arg(word);
}

QString shiftText(int shift) {
    const int size = std::abs(shift);
    if (size != 12 && size != 24) {
        return tones::semitoneShiftText(shift);
    }
    const QString direction = shift > 0 ? QStringLiteral(" nahoru") : QStringLiteral(" dolů");
    return (size == 12 ? QStringLiteral("o oktávu") : QStringLiteral("o dvě oktávy")) + direction;
}

}  // namespace

QString importSummary(const QString& song, const QString& tuning, int gripCount, int reversals,
                      int shift) {
    QString text = QStringLiteral("Píseň %1 v ladění %2 má %3 a %4 měchu.")
                       .arg(song, tuning,
                            counted(gripCount, QStringLiteral("hmat"), QStringLiteral("hmaty"),
                                    QStringLiteral("hmatů")),
                            counted(reversals, QStringLiteral("obrat"), QStringLiteral("obraty"),
                                    QStringLiteral("obratů")));
    if (shift != 0) {
        text += QStringLiteral(
                    "\r\nMelodie je posunutá %1: v původní výšce ji ladění celou "
                    "nezahraje.")
                    .arg(shiftText(shift));
    }
    return text + QStringLiteral("\r\nBasy import nepíše; doplňte je podle potřeby sami.");
}

SongImport::SongImport(SongFiles& files, tunings::OpenTuningDatabase& database, GripReader& reader,
                       services::Dialogs& dialogs)
    : files_(files), database_(database), reader_(reader), dialogs_(dialogs) {}

void SongImport::mnuImportovat_Click(const QString& tuning) {
    const auto melodyFile = files_.chooseFile(
        MelodyFilter, QStringLiteral("Vyberte melodii, kterou chcete importovat !"));
    if (!melodyFile) {
        return;
    }
    const auto table = database_.tuning(tuning);
    if (!table) {
        dialogs_.message(tones::unknownTuningTitle(), tones::unknownTuningText(tuning),
                         services::MessageIcon::Critical);
        return;
    }
    melody::ImportedMelody imported;
    try {
        imported = melody::importMelody(*melodyFile, *table);
    } catch (const melody::ImportError& refusal) {
        dialogs_.message(CannotImport, refusal.message(), services::MessageIcon::Exclamation);
        return;
    }
    const auto song = files_.askNewSongPath();
    if (!song) {
        return;
    }
    try {
        songs::writeSongFile(*song, table->name(), imported.grips);
    } catch (const spreadsheet::SpreadsheetError& error) {
        dialogs_.message(CannotImport, error.description(), services::MessageIcon::Critical);
        return;
    }
    if (!files_.openSongFile(*song)) {
        return;
    }
    reader_.showByItsDirection();
    dialogs_.message(
        QStringLiteral("Melodie importována."),
        importSummary(QFileInfo(*song).fileName(), table->name(),
                      static_cast<int>(imported.grips.size()), imported.reversals, imported.shift),
        services::MessageIcon::Information);
}

}  // namespace grips
