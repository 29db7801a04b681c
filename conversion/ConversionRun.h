#pragma once

#include <QString>

#include <functional>

namespace app {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace app

// Rewriting a song for another tuning while keeping the fingering: each tone is looked up in the
// source tuning under its row's bellows direction, and the tone the same button gives in the
// target tuning is written into a copy of the song.
namespace conversion {

class ConversionRun {
public:
    ConversionRun(app::SpreadsheetConnection& connection, app::Dialogs& dialogs);

    enum class Outcome { NoTarget, Closed, Cancelled, Failed, Converted };

    // The run of "Provést" from the check of the target to the success message: the song is
    // read in the tuning `source`, a sheet of the tuning database. `songWasOpen` only chooses
    // the wording of the missing-target message. Every outcome but NoTarget means the caller
    // closes the conversion window.
    Outcome cmdGo_Click(const QString& target, const QString& source, bool songWasOpen);
    void ConvertBassRow(const QString& direction, const QString& target);

    // The copy's path: working folder, "<base> <target>.xls".
    QString copyPath(const QString& target) const;

private:
    struct Stop {};
    bool makeCopy(const QString& target);
    void selectSource(const QString& source);
    void convertRows(const QString& target);
    void convertCell(const QString& direction, const QString& target, bool bass);
    void stop(const QString& title, const QString& text);

    app::SpreadsheetConnection& connection_;
    app::Dialogs& dialogs_;
};

}  // namespace conversion
