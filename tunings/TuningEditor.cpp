#include "TuningEditor.h"

#include "OpenTuningDatabase.h"
#include "ToneEntry.h"
#include "TuningDatabase.h"
#include "services/Dialogs.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/TuningTable.h"

#include <array>

namespace tunings {

namespace {

const QString CannotRename = QStringLiteral("Ladění nelze přejmenovat.");
const QString CannotRemove = QStringLiteral("Ladění nelze smazat.");
const QString RenameTitle = QStringLiteral("Přejmenovat ladění");

using tones::Bellows;
using tones::KeyboardSide;

QString storedTone(const tones::TuningTable& table, KeyboardSide side, int button,
                   Bellows bellows) {
    return side == KeyboardSide::Treble ? table.trebleTone(button, bellows)
                                        : table.bassTone(button, bellows);
}

QString toneTitle(Bellows bellows) {
    return bellows == Bellows::Push ? QStringLiteral("Tón pro tlak nelze uložit.")
                                    : QStringLiteral("Tón pro tah nelze uložit.");
}

}  // namespace

QString tuningShownAfter(const QString& shown, const TuningChange& change) {
    const bool same = shown.compare(change.name, Qt::CaseInsensitive) == 0;
    if (same && change.kind == TuningChange::Kind::Renamed) {
        return change.newName;
    }
    if (same && change.kind == TuningChange::Kind::Removed && !change.names.isEmpty()) {
        return change.names.first();
    }
    return shown;
}

TuningEditor::TuningEditor(OpenTuningDatabase& database, services::Dialogs& dialogs)
    : database_(database), dialogs_(dialogs) {}

QStringList TuningEditor::names() const {
    return database_.names();
}

std::optional<tones::TuningTable> TuningEditor::tuning(const QString& name) const {
    return database_.tuning(name);
}

bool TuningEditor::refused(const QString& title, const QString& problem) {
    dialogs_.message(title, problem, services::MessageIcon::Exclamation);
    return false;
}

bool TuningEditor::confirmed(const QString& title, const QString& text) {
    return dialogs_.message(title, text, services::MessageIcon::Exclamation,
                            services::MessageButtons::YesNo) == services::MessageAnswer::Yes;
}

// The change is made on the database as its file holds it; the program's copy is opened again
// afterwards, also after a failed save, which may have written part of a change.
bool TuningEditor::apply(const Change& change) {
    std::optional<TuningChange> made;
    try {
        TuningDatabase database = database_.read();
        made = change(database);
        if (made) {
            made->names = database.names();
        }
    } catch (const spreadsheet::SpreadsheetError& error) {
        dialogs_.message(QStringLiteral("Databázi ladění nelze uložit."),
                         error.description() + QStringLiteral("\r\nZměna se neprovedla."),
                         services::MessageIcon::Critical);
        try {
            database_.reload();
        } catch (const spreadsheet::SpreadsheetError&) {
        }
        return false;
    }
    if (!made) {
        return false;
    }
    database_.reload();
    if (changed) {
        changed(*made);
    }
    return true;
}

bool TuningEditor::add(const QString& name, const QString& source, int semitones) {
    return apply([&](TuningDatabase& database) -> std::optional<TuningChange> {
        if (const QString problem = database.add(name, source, semitones); !problem.isEmpty()) {
            refused(QStringLiteral("Ladění nelze přidat."), problem);
            return std::nullopt;
        }
        return TuningChange{TuningChange::Kind::Added, source, name.trimmed(), {}};
    });
}

bool TuningEditor::setTones(const QString& name, KeyboardSide side, int button, const QString& push,
                            const QString& pull) {
    return apply([&](TuningDatabase& database) -> std::optional<TuningChange> {
        const auto table = database.tuning(name);
        if (!table) {
            refused(toneTitle(Bellows::Push), TuningDatabase::missing(name));
            return std::nullopt;
        }
        struct Entry {
            Bellows bellows;
            QString text;
        };
        std::vector<Entry> entries;
        for (const auto& [bellows, typed] : std::array<std::pair<Bellows, QString>, 2>{
                 {{Bellows::Push, push}, {Bellows::Pull, pull}}}) {
            const QString stored = storedTone(*table, side, button, bellows);
            if (typed == stored) {
                continue;
            }
            const ToneEntry entry = checkEntry(side, typed);
            if (!entry.problem.isEmpty()) {
                refused(toneTitle(bellows), entry.problem);
                return std::nullopt;
            }
            if (entry.text != stored) {
                entries.push_back({bellows, entry.text});
            }
        }
        if (entries.empty()) {
            return std::nullopt;
        }
        for (const Entry& entry : entries) {
            const QString problem = database.setTone(name, side, button, entry.bellows, entry.text);
            if (!problem.isEmpty()) {
                refused(toneTitle(entry.bellows), problem);
                return std::nullopt;
            }
        }
        return TuningChange{TuningChange::Kind::TonesSet, table->name(), table->name(), {}};
    });
}

bool TuningEditor::rename(const QString& name) {
    const auto typed =
        dialogs_.inputText(RenameTitle, QStringLiteral("Nový název ladění „%1“:").arg(name), name);
    if (!typed || typed->trimmed() == name) {
        return false;
    }
    const QString newName = typed->trimmed();
    return apply([&](TuningDatabase& database) -> std::optional<TuningChange> {
        const QString openSong = database_.openSongTuning();
        if (const QString problem = database.renameProblem(name, newName, openSong);
            !problem.isEmpty()) {
            refused(CannotRename, problem);
            return std::nullopt;
        }
        if (!confirmed(RenameTitle,
                       QStringLiteral("Písničky zapsané v ladění „%1“ ho hledají podle názvu. Po "
                                      "přejmenování na „%2“ je Mechík nezobrazí ani nepřevede, "
                                      "dokud jejich list nepřejmenujete také.\r\nPřejmenovat "
                                      "ladění „%1“ na „%2“?")
                           .arg(name, newName))) {
            return std::nullopt;
        }
        if (const QString problem = database.rename(name, newName, openSong); !problem.isEmpty()) {
            refused(CannotRename, problem);
            return std::nullopt;
        }
        return TuningChange{TuningChange::Kind::Renamed, name, newName, {}};
    });
}

bool TuningEditor::remove(const QString& name) {
    return apply([&](TuningDatabase& database) -> std::optional<TuningChange> {
        const QString openSong = database_.openSongTuning();
        if (const QString problem = database.removeProblem(name, openSong); !problem.isEmpty()) {
            refused(CannotRemove, problem);
            return std::nullopt;
        }
        if (!confirmed(QStringLiteral("Smazat ladění"),
                       QStringLiteral("Písničky zapsané v ladění „%1“ pak Mechík nezobrazí ani "
                                      "nepřevede, dokud ladění tohoto názvu znovu nepřidáte.\r\n"
                                      "Smazat ladění „%1“?")
                           .arg(name))) {
            return std::nullopt;
        }
        if (const QString problem = database.remove(name, openSong); !problem.isEmpty()) {
            refused(CannotRemove, problem);
            return std::nullopt;
        }
        return TuningChange{TuningChange::Kind::Removed, name, {}, {}};
    });
}

}  // namespace tunings
