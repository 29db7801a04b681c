#include "ConvertCommand.h"

#include "CliMessages.h"
#include "RecordedDialogs.h"
#include "app/Form1.h"
#include "conversion/ConversionRun.h"
#include "conversion/frmKonverze.h"
#include "services/CommandGuard.h"
#include "services/ProgramSettings.h"
#include "spreadsheet/FileChooser.h"
#include "spreadsheet/UnkeptParts.h"
#include "spreadsheet/WorkbookRef.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>

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

QString oneLine(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

}  // namespace

int convertSong(const QString& songPath, const QString& target, const QString& tuningDatabase,
                const QString& outFolder, bool force, QString& output, QString& error) {
    // Nothing of the player's own settings is used or changed.
    QTemporaryDir scratch;
    RecordedDialogs dialogs;
    dialogs.okAnswer = force;
    GivenSong chooser(QFileInfo(songPath).absoluteFilePath());
    services::ProgramSettings settings(scratch.filePath(QStringLiteral("mechik.ini")));
    const services::ProgramEnvironment environment{
        QFileInfo(tuningDatabase).absolutePath(), QDir(outFolder).absolutePath(),
        scratch.filePath(QStringLiteral("host.ini")), tuningDatabase};
    app::Form1 form(environment, dialogs, settings, &chooser);
    if (!form.Form_Load()) {
        error = dialogs.shown.empty() ? DatabaseNotOpened : oneLine(dialogs.shown.back().second);
        return 1;
    }
    auto* window = conversion::mnuKonverze_Click(form.connection(), dialogs, form, form.guard());
    if (!window) {
        error = oneLine(dialogs.shown.back().second);
        return 1;
    }
    // As the window's buttons run them: a failure nobody foresaw is a message, and the song
    // is locked against a running Mechík while it is converted.
    services::CommandGuard& guard = form.guard();
    window->sourceOnlyRead = true;
    guard.run([window] { window->cmdVyberPisen_Click(); });
    if (window->cmdVyberPisen->isEnabled()) {  // the song was not taken as a source
        error = dialogs.shown.empty() ? QStringLiteral("Písničku nelze převést.")
                                      : oneLine(dialogs.shown.back().second);
        window->close();
        return 1;
    }
    const int index = window->Combo1->findText(target);
    if (index < 0) {
        QStringList targets;
        for (int i = 0; i < window->Combo1->count(); ++i) {
            targets << window->Combo1->itemText(i);
        }
        error = QStringLiteral("Ladění %1 není mezi cílovými laděními této písně (%2).")
                    .arg(target, targets.join(QStringLiteral(", ")));
        window->close();
        return 1;
    }
    window->Combo1->setCurrentIndex(index);
    const QString song = form.connection().SongWorkbookName;
    const QString copy = conversion::convertedCopyPath(environment.workingFolder, song, target);
    // The copy is a new workbook: what the source holds that Mechík cannot save is not in it.
    const spreadsheet::UnkeptParts unkept =
        form.connection().SpreadsheetApplication->workbook(song).unkeptParts();
    const std::size_t before = dialogs.shown.size();
    // A failure nobody foresaw leaves no outcome: the guard has said what it was.
    std::optional<conversion::ConversionRun::Outcome> outcome;
    guard.run([window, &outcome] { outcome = window->cmdGo_Click(); });
    form.close();
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
