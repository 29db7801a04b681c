#pragma once

#include "keyboard/ButtonNumbering.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace services {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services

// Rewriting a song for another tuning while keeping the fingering: each tone is looked up in the
// source tuning under its row's bellows direction, and the tone the same button gives in the
// target tuning is written into a copy of the song.
namespace conversion {

// Where a conversion writes its copy: the working folder, "<song without .xls> <target>.xls".
QString convertedCopyPath(const QString& workingFolder, const QString& songWorkbook,
                          const QString& target);

class ConversionRun {
public:
    // `numbering` is the one the player reads the keyboard by: buttons that lose their tone
    // are named by it.
    ConversionRun(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                  keyboard::Numbering numbering = keyboard::Numbering::Standard);

    // Cancelled: the player kept the existing copy. Failed: a message has said why.
    enum class Outcome { NoTarget, Closed, Cancelled, Failed, Converted };

    // The run of "Provést" from the check of the target to the success message: the song is
    // read in the tuning `source`, a sheet of the tuning database. `songWasOpen` only chooses
    // the wording of the missing-target message. Every outcome but NoTarget means the caller
    // closes the conversion window.
    Outcome cmdGo_Click(const QString& target, const QString& source, bool songWasOpen);

    QString copyPath(const QString& target) const;

private:
    struct Stop {};
    bool makeCopy(const QString& target);
    void selectSource(const QString& source);
    // A grip whose button gives no tone in the target tuning: reported at the end.
    struct LostTone {
        int row;
        QString button;
    };
    void convertRows(const QString& target);
    void convertRow(int row, const QString& target);
    void convertCells(int row, const QString& direction, const QString& target, bool bass);
    std::optional<QString> targetTone(const QString& tone, const QString& direction,
                                      const QString& target, bool bass, int row);
    QString successText(const QString& target) const;
    void stop(const QString& title, const QString& text);

    services::SpreadsheetConnection& connection_;
    services::Dialogs& dialogs_;
    keyboard::Numbering numbering_;
    std::vector<LostTone> lost_;
};

}  // namespace conversion
