#include "SongFiles.h"

#include "DirectionColour.h"
#include "GripDisplay.h"
#include "SongControls.h"
#include "services/CommonMessages.h"
#include "services/Dialogs.h"
#include "services/SpreadsheetConnection.h"
#include "songs/CopyForUnkeptParts.h"
#include "songs/SongKeeper.h"
#include "songs/SongLayout.h"
#include "songs/SongName.h"
#include "songs/SongOpening.h"
#include "songs/SoundFiles.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/TuningSelection.h"
#include "tones/UnknownTuning.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

namespace grips {

namespace {

const QString NoWorkingFolder = QStringLiteral("Pracovní adresář neexistuje.");
const QString InvalidSongName = QStringLiteral("Neplatný název písně.");

const char* const SoundExtensions[] = {"mp3", "mid", "wav"};

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

SongFiles::SongFiles(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                     SongControls& controls, DirectionColour& direction, GripDisplay& display,
                     songs::SongKeeper& keeper)
    : connection_(connection),
      dialogs_(dialogs),
      controls_(controls),
      direction_(direction),
      display_(display),
      keeper_(keeper) {}

bool SongFiles::FldExist(const QString& folderPath) {
    return !folderPath.isEmpty() && QFileInfo(folderPath).isDir();
}

bool SongFiles::FileExists(const QString& fileName) {
    while (QFileInfo::exists(fileName)) {
        if (dialogs_.message(QStringLiteral("Tato skladba již existuje!"),
                             QStringLiteral("Přejete si vymazat z disku původní písničku a "
                                            "nahradit ji novou ?"),
                             services::MessageIcon::Exclamation,
                             services::MessageButtons::YesNo) == services::MessageAnswer::No ||
            songs::isOpenElsewhere(dialogs_, fileName)) {
            return true;
        }
        QFile file(fileName);
        if (!file.remove()) {
            // Asking again would not help: the player is told why, once.
            dialogs_.message(QStringLiteral("Původní písničku nelze vymazat."),
                             QStringLiteral("Soubor %1 se nepodařilo vymazat (%2). Vymažte ho "
                                            "nebo přesuňte ručně, anebo zvolte jiný název.")
                                 .arg(native(fileName), file.errorString()),
                             services::MessageIcon::Exclamation);
            return true;
        }
    }
    return false;
}

// Two workbooks of one name cannot be open together: a new song must not be named like the
// tuning database or another open workbook.
bool SongFiles::isNameOfOpenWorkbook(const QString& name) {
    const QString windowName = name + QStringLiteral(".xls");
    try {
        connection_.SpreadsheetApplication->workbook(windowName);
    } catch (const spreadsheet::SpreadsheetError&) {
        return false;
    }
    dialogs_.message(InvalidSongName,
                     QStringLiteral("Název „%1“ nelze použít: sešit %2 je v programu otevřen "
                                    "(databáze ladění nebo jiná píseň). Zvolte jiný název.")
                         .arg(name, windowName),
                     services::MessageIcon::Exclamation);
    return true;
}

bool SongFiles::ensureWorkingFolder() {
    const QString folder = connection_.WorkingFolder;
    if (FldExist(folder)) {
        return true;
    }
    dialogs_.message(NoWorkingFolder,
                     QStringLiteral("Cesta do ") + native(folder) +
                         QStringLiteral("  nebyla nalezena.\r\nAby mohl program správně "
                                        "pracovat, bude nyní vytvořena tato složka.\r\nDo ní se "
                                        "budou ukládat Vaše skladby."),
                     services::MessageIcon::Exclamation);
    const QString parent = QFileInfo(folder).path();
    if (!FldExist(parent)) {
        QDir().mkdir(parent);
    }
    QDir().mkdir(folder);
    return true;
}

std::optional<QString> SongFiles::askNewSongPath() {
    ensureWorkingFolder();
    const auto name = dialogs_.inputText(QStringLiteral("Nová skladba."),
                                         QStringLiteral("Zadejte název nové písničky."));
    if (!name || name->isEmpty()) {
        return std::nullopt;
    }
    const QString problem = songs::songNameProblem(*name);
    if (!problem.isEmpty()) {
        dialogs_.message(InvalidSongName, problem, services::MessageIcon::Exclamation);
        return std::nullopt;
    }
    if (isNameOfOpenWorkbook(*name)) {
        return std::nullopt;
    }
    const QString path = QDir(connection_.WorkingFolder).filePath(*name + QStringLiteral(".xls"));
    if (FileExists(path)) {
        dialogs_.message(QStringLiteral("Založení nové skladby přerušeno."),
                         QStringLiteral("Začněte znovu a zadejte jiný název písně."),
                         services::MessageIcon::Information);
        return std::nullopt;
    }
    return path;
}

void SongFiles::cmdNovaSkladba_Click() {
    const auto path = askNewSongPath();
    if (path && createSong(*path)) {
        controls_.switchSongCommands(true);
        FindSoundFiles();
        controls_.showTitle(connection_.SpreadsheetApplication->activeWorkbook().name());
        songFileUsed();
    }
}

bool SongFiles::createSong(const QString& path) {
    auto& host = *connection_.SpreadsheetApplication;
    try {
        const auto song = host.addWorkbook();
        song.saveAs(path, spreadsheet::SaveAsOptions{});
        connection_.SongWorkbookName = host.activeWorkbook().name();
        host.activeSheet().setName(controls_.shownTuning());
        // The file on disk names its tuning from the start, whatever happens before the
        // next save.
        song.save();
        return true;
    } catch (const spreadsheet::SpreadsheetError& error) {
        if (error.number() == spreadsheet::FileOrCellOperation) {
            dialogs_.message(NoWorkingFolder,
                             QStringLiteral("Cesta ") + native(connection_.WorkingFolder) +
                                 QStringLiteral(" nenalezena. Aby mohl program správně pracovat, "
                                                "vytvořte nejprve ručně tento adresář !!!"),
                             services::MessageIcon::Critical);
        } else {
            unexpectedError(error.number());
        }
        return false;
    }
}

void SongFiles::cmdEdit_Click() {
    controls_.showWindow(false);
    // Whatever happens, the window comes back: a program without a window cannot be used.
    const auto showAgain = qScopeGuard([this] { controls_.showWindow(true); });
    const auto chosen = connection_.SpreadsheetApplication->getOpenFilename(
        QStringLiteral("Excel Files,*.xls"),
        QStringLiteral("Vyberte písničku, kterou chcete zkoušet !"));
    if (chosen) {
        openSongFile(*chosen);
    }
}

std::optional<QString> SongFiles::chooseFile(const QString& filter, const QString& title) {
    controls_.showWindow(false);
    const auto showAgain = qScopeGuard([this] { controls_.showWindow(true); });
    return connection_.SpreadsheetApplication->getOpenFilename(filter, title);
}

bool SongFiles::openSongFile(const QString& path) {
    if (!openSong(path)) {
        return false;
    }
    keeper_.songOpened();
    controls_.switchSongCommands(true);
    FindSoundFiles();
    auto& host = *connection_.SpreadsheetApplication;
    songs::SelectGripCell(host);
    controls_.showRow(QString::number(host.activeCell().row()));
    display_.ShowGripText();
    songFileUsed();
    return true;
}

// The song's own path: a copy's when the player chose to work in one.
void SongFiles::songFileUsed() {
    if (onSongFileUsed) {
        onSongFileUsed(connection_.SpreadsheetApplication->activeWorkbook().path());
    }
}

// A file that cannot be a song here is refused with the reason; the program stays without a
// song. A workbook that a save would rob of drawings, charts or macros is worked on in a copy,
// if the player agrees.
bool SongFiles::openSong(const QString& path) {
    auto& host = *connection_.SpreadsheetApplication;
    if (!songs::openAsSong(connection_, dialogs_, path)) {
        return false;
    }
    if (!songs::continueInCopyIfNeeded(host, dialogs_)) {
        return false;
    }
    connection_.SongWorkbookName = host.activeWorkbook().name();
    controls_.showTitle(connection_.SongWorkbookName);
    // Told at once, not at the first grip shown or written.
    const QString tuning = host.activeSheet().name();
    if (tones::databaseLacksTuning(connection_, tuning)) {
        dialogs_.message(tones::unknownTuningTitle(), tones::unknownTuningText(tuning),
                         services::MessageIcon::Critical);
    }
    return true;
}

QString SongFiles::SoundFilePath(int index) const {
    return songs::soundFileOf(connection_.WorkingFolder, connection_.SongWorkbookName,
                              QString::fromLatin1(SoundExtensions[index]));
}

void SongFiles::FindSoundFiles() {
    controls_.enableSongChoice(false);
    controls_.enableTuningChoice(false);
    controls_.showTuning(connection_.SpreadsheetApplication->activeSheet().name());
    ShowSoundButtons();
}

void SongFiles::ShowSoundButtons() {
    for (int i = 0; i < SongControls::SoundButtonCount; ++i) {
        controls_.showSoundButton(i, QFileInfo::exists(SoundFilePath(i)));
    }
}

void SongFiles::cmdEndEdit_Click() {
    try {
        if (!saveAndCloseSong()) {
            return;
        }
    } catch (const spreadsheet::SpreadsheetError& error) {
        if (error.number() != spreadsheet::ObjectGone) {
            unexpectedError(error.number());
            return;
        }
        services::showSaveFailedHostGone(dialogs_);
    }
    backToNoSong();
}

// False when the song could not be written and the player chose to go back to it: nothing
// recorded since the last save is lost.
bool SongFiles::saveAndCloseSong() {
    auto& host = *connection_.SpreadsheetApplication;
    const QString& song = connection_.SongWorkbookName;
    if (host.activeWorkbook().name() != song) {
        if (song.isEmpty()) {
            return true;
        }
        host.activateWindow(song);
    }
    if (!keeper_.saveBeforeClosing(false)) {
        return false;
    }
    host.activeWorkbook().close();
    return true;
}

void SongFiles::backToNoSong() {
    if (onSongEnded) {
        onSongEnded();
    }
    controls_.switchSongCommands(false);
    direction_.showDirection(ShownDirection::Rest);
    controls_.enableTuningChoice(true);
    controls_.showTitle(QStringLiteral("Mechík"));
    controls_.showRow(QStringLiteral("1"));
    display_.ClearGripText();
    controls_.enableSongChoice(true);
    display_.ReleaseTreble();
    display_.ReleaseBass();
}

void SongFiles::unexpectedError(int number) {
    services::showUnexpectedError(dialogs_, number);
}

}  // namespace grips
