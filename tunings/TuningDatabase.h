#pragma once

#include "spreadsheet/WorkbookData.h"
#include "tones/Bellows.h"
#include "tones/KeyboardSide.h"
#include "tones/TuningTable.h"

#include <QStringList>

#include <optional>

namespace tunings {

// The tuning database as a player edits his own tunings: one sheet per tuning, in the order
// the tunings are offered. Every change is checked first and then saved to the file at once
// (atomically); a refused change leaves the file and this object as they were.
class TuningDatabase {
public:
    // Throws SpreadsheetError 1004 when the file cannot be read.
    explicit TuningDatabase(QString path);

    // The refusal of a change to a tuning the database has no sheet for.
    static QString missing(const QString& name);

    const QString& path() const { return path_; }
    QStringList names() const;
    int activeIndex() const { return data_.activeSheet; }  // the current tuning
    // The tuning of that name, whose case does not count, as in every lookup of a sheet.
    std::optional<tones::TuningTable> tuning(const QString& name) const;

    // Each change returns the reason it was refused, in Czech, or the empty text when it was
    // made and saved. A save that fails throws SpreadsheetError 1004 and changes nothing.

    // A copy of `source` added at the end under `name`, moved by `semitones` up (or down).
    QString add(const QString& name, const QString& source, int semitones = 0);
    // One button's tone: treble 1..37 or bass 1..12 (the control numbers), checked as a new
    // entry (ToneEntry); an empty entry means the instrument has no such button.
    QString setTone(const QString& name, tones::KeyboardSide side, int button,
                    tones::Bellows bellows, const QString& typed);
    // `openSongTuning` is the tuning of the song that is open, empty when none: a song finds
    // its tuning by name, so that one is neither renamed nor deleted under it.
    QString rename(const QString& name, const QString& newName, const QString& openSongTuning);
    // The first tuning becomes the current one when the current one is deleted.
    QString remove(const QString& name, const QString& openSongTuning);

    // Why rename or remove would be refused, without changing anything: a window asks the
    // player to confirm only a change that can be made.
    QString renameProblem(const QString& name, const QString& newName,
                          const QString& openSongTuning) const;
    QString removeProblem(const QString& name, const QString& openSongTuning) const;

private:
    int indexOf(const QString& name) const;  // -1 when there is none
    QString newNameProblem(const QString& name, int renamed) const;
    void save(spreadsheet::WorkbookData changed);

    QString path_;
    spreadsheet::WorkbookData data_;
};

}  // namespace tunings
