#include "ConvertCommand.h"

#include "CliMessages.h"
#include "RecordedDialogs.h"
#include "ScratchHost.h"
#include "conversion/ConversionSession.h"
#include "services/CommandGuard.h"
#include "services/CommonMessages.h"
#include "services/SpreadsheetConnection.h"
#include "songs/SongKeeper.h"
#include "spreadsheet/FileChooser.h"
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/UnkeptParts.h"
#include "spreadsheet/WorkbookRef.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace tools {

namespace {

class GivenSong : public spreadsheet::FileChooser {
public:
    explicit GivenSong(QString path) : path_(std::move(path)) {}
    std::optional<QString> chooseFileToOpen(const QString&, const QString&, const QString&,
                                            const QString&) override {
        return path_;
    }

private:
    QString path_;
};

// The program's end: a song still open is saved, and the host ends.
void shutDown(services::SpreadsheetConnection& connection, songs::SongKeeper& keeper,
              services::Dialogs& dialogs) {
    auto& host = *connection.SpreadsheetApplication;
    try {
        if (connection.ActivateSongWindow() && !keeper.saveBeforeClosing(true)) {
            return;
        }
        host.quit();
    } catch (const spreadsheet::SpreadsheetError& error) {
        if (error.number() != spreadsheet::ObjectGone) {
            services::showUnexpectedError(dialogs, error.number());
        }
    }
}

}  // namespace

int convertSong(const QString& songPath, const QString& target, const QString& tuningDatabase,
                const QString& outFolder, bool force, QString& output, QString& error) {
    RecordedDialogs dialogs;
    dialogs.okAnswer = force;
    GivenSong chooser(QFileInfo(songPath).absoluteFilePath());
    ScratchHost scratch;
    if (!scratch.start(tuningDatabase, outFolder, &chooser, error)) {
        return 1;
    }
    auto& connection = scratch.connection;
    // As the window's buttons run them: a failure nobody foresaw is a message, and the song
    // is locked against a running Mechík while it is converted.
    services::CommandGuard guard(dialogs);
    songs::SongKeeper keeper(connection, dialogs);
    guard.afterCommand = [&keeper] { keeper.afterCommand(); };
    conversion::ConversionSession session(connection, dialogs);
    session.sourceOnlyRead = true;
    if (!connection.ActivateTuningWindow(dialogs)) {
        error = oneLine(dialogs.shown.back().second);
        return 1;
    }
    bool loaded = false;
    guard.run([&session, &loaded] {
        session.load();
        loaded = true;
    });
    // As the window closes.
    auto end = [&guard, &session] { guard.run([&session] { session.unload(); }); };
    if (!loaded) {
        end();
        error = oneLine(dialogs.shown.back().second);
        return 1;
    }
    guard.run([&session] { session.chooseSource(); });
    if (session.sourceSong().isEmpty()) {  // the song was not taken as a source
        error = dialogs.shown.empty() ? QStringLiteral("Písničku nelze převést.")
                                      : oneLine(dialogs.shown.back().second);
        end();
        return 1;
    }
    if (!session.targets().contains(target)) {
        error = QStringLiteral("Ladění %1 není mezi cílovými laděními této písně (%2).")
                    .arg(target, session.targets().join(QStringLiteral(", ")));
        end();
        return 1;
    }
    const QString song = connection.SongWorkbookName;
    const QString copy = conversion::convertedCopyPath(scratch.workingFolder, song, target);
    // The copy is a new workbook: what the source holds that Mechík cannot save is not in it.
    const spreadsheet::UnkeptParts unkept =
        connection.SpreadsheetApplication->workbook(song).unkeptParts();
    const std::size_t before = dialogs.shown.size();
    // A failure nobody foresaw leaves no outcome: the guard has said what it was.
    std::optional<conversion::ConversionRun::Outcome> outcome;
    guard.run([&session, &outcome, &target] {
        outcome = session.go(target);
        session.unload();
    });
    guard.run([&connection, &keeper, &dialogs] { shutDown(connection, keeper, dialogs); });
    const auto& said = dialogs.shown;
    if (outcome == conversion::ConversionRun::Outcome::Converted) {
        output = QDir::toNativeSeparators(copy);
        // Said beside the result: tones the target lacks, parts the copy lacks.
        QStringList notes;
        if (!said.back().second.contains(QStringLiteral("úspěšně"))) {
            notes << oneLine(said.back().second);
        }
        if (unkept.any()) {
            notes << QStringLiteral(
                         "Sešit %1 obsahuje %2, které Mechík neumí uložit; převedená "
                         "kopie je nemá. Původní soubor zůstal beze změny.")
                         .arg(song, spreadsheet::describeInCzech(unkept));
        }
        error = notes.join(u'\n');
        return 0;
    }
    if (outcome == conversion::ConversionRun::Outcome::Cancelled) {
        error = existingFileRefusal(copy);
        return 1;
    }
    error = said.size() > before ? oneLine(said.back().second)
                                 : QStringLiteral("Konverze se nezdařila.");
    return 1;
}

}  // namespace tools
