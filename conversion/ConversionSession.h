#pragma once

#include "ConversionRun.h"
#include "keyboard/ButtonNumbering.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace services {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services

namespace conversion {

// What the conversion window does besides showing it: the source song (the open one, or one
// the player picks), its tuning, the other tunings as targets, the run, and the song saved (and
// closed when it was picked here) when the window closes. The window shows its state; the
// command line drives it without a window.
class ConversionSession {
public:
    ConversionSession(services::SpreadsheetConnection& connection, services::Dialogs& dialogs);

    // The open song, when there is one, is the source.
    void load();
    // The player picks the source song; a file that cannot be one is refused and another may
    // be picked.
    void chooseSource();
    // The run into `target`; every outcome but NoTarget ends the session.
    ConversionRun::Outcome go(const QString& target);
    // The window closes: the source or the copy is saved.
    void unload();

    // The tuning the source song is read in.
    const QString& sourceTuning() const { return sourceTuning_; }
    // The tunings the source can be converted into, in the database's sheet order.
    const QStringList& targets() const { return targets_; }
    // The source song's workbook once one is taken; empty until then.
    const QString& sourceSong() const { return sourceSong_; }
    // The open song's tuning is none of the database's: nothing can be converted.
    bool refused() const { return refused_; }

    bool songWasOpen = false;
    // Set where the source is only read, never edited (the command line): a workbook holding
    // parts Mechík cannot save is converted straight into the target copy, which lacks them,
    // without a working copy beside the source.
    bool sourceOnlyRead = false;
    // The numbering the main window shows, by which the final message names buttons.
    keyboard::Numbering numbering = keyboard::Numbering::Standard;
    // Called with the copy's path after a conversion succeeded.
    std::function<void(const QString&)> onConverted;

private:
    bool fillTargets();

    services::SpreadsheetConnection& connection_;
    services::Dialogs& dialogs_;
    QString sourceTuning_;
    QStringList targets_;
    QString sourceSong_;
    bool refused_ = false;
};

}  // namespace conversion
