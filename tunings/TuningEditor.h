#pragma once

#include "tones/KeyboardSide.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace services {
class Dialogs;
}
namespace tones {
class TuningTable;
}

// What the tunings window does, without its widgets: each change of a player's tunings checked,
// confirmed where songs depend on it, saved at once; every refusal told in the database's own
// words, and the program's copy of the database following the file.
namespace tunings {

class OpenTuningDatabase;
class TuningDatabase;

// A change that was saved, for the windows that show the tunings.
struct TuningChange {
    enum class Kind { Added, TonesSet, Renamed, Removed };
    Kind kind;
    QString name;       // the tuning changed, under its name before the change
    QString newName;    // a renamed tuning's new name, an added tuning's name
    QStringList names;  // every tuning after the change, in order
};

// The tuning a list shows after `change`: the one it showed, under its new name when that one
// was renamed, the first one when it was deleted.
QString tuningShownAfter(const QString& shown, const TuningChange& change);

class TuningEditor {
public:
    TuningEditor(OpenTuningDatabase& database, services::Dialogs& dialogs);

    QStringList names() const;
    std::optional<tones::TuningTable> tuning(const QString& name) const;

    // Each change returns whether it was saved; otherwise the player has been told why, or
    // answered No, and the database is as it was.

    // A copy of `source` under `name`, moved by `semitones`.
    bool add(const QString& name, const QString& source, int semitones);
    // One button's push and pull tones as typed. Only an entry that differs from the stored
    // one is checked and written: a cell the player did not touch is never refused.
    bool setTones(const QString& name, tones::KeyboardSide side, int button, const QString& push,
                  const QString& pull);
    // Asks for the new name, then whether songs may lose their tuning.
    bool rename(const QString& name);
    // Asks whether the tuning and the songs' view of it may go.
    bool remove(const QString& name);

    // After each saved change.
    std::function<void(const TuningChange&)> changed;

private:
    using Change = std::function<std::optional<TuningChange>(TuningDatabase&)>;
    bool apply(const Change& change);
    bool refused(const QString& title, const QString& problem);
    bool confirmed(const QString& title, const QString& text);

    OpenTuningDatabase& database_;
    services::Dialogs& dialogs_;
};

}  // namespace tunings
