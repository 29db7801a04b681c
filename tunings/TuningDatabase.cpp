#include "TuningDatabase.h"

#include "ToneEntry.h"
#include "Transposition.h"
#include "spreadsheet/xls/XlsFile.h"

namespace tunings {

namespace {

using spreadsheet::Sheet;
using tones::Bellows;
using tones::KeyboardSide;

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString buttonRangeProblem(KeyboardSide side, int button) {
    if (side == KeyboardSide::Treble && (button < 1 || button > tones::TrebleButtons)) {
        return QStringLiteral("Diskant má knoflíky 1 až %1; knoflík %2 není.")
            .arg(tones::TrebleButtons)
            .arg(button);
    }
    if (side == KeyboardSide::Bass && (button < 1 || button > tones::BassButtons)) {
        return QStringLiteral("Basy mají knoflíky 1 až %1; basový knoflík %2 není.")
            .arg(tones::BassButtons)
            .arg(button);
    }
    return {};
}

QString openSongProblem(const QString& name, const QString& openSongTuning, const QString& what) {
    if (openSongTuning.isEmpty() || !sameName(name, openSongTuning)) {
        return {};
    }
    return QStringLiteral("Ladění „%1“ má otevřená písnička; %2 ho lze, až ji zavřete.")
        .arg(name, what);
}

}  // namespace

QString TuningDatabase::missing(const QString& name) {
    return QStringLiteral("Ladění „%1“ v databázi ladění není.").arg(name);
}

TuningDatabase::TuningDatabase(QString path)
    : path_(std::move(path)), data_(spreadsheet::xls::readXlsFile(path_)) {}

QStringList TuningDatabase::names() const {
    QStringList names;
    for (const auto& sheet : data_.sheets) {
        names << sheet->name();
    }
    return names;
}

std::optional<tones::TuningTable> TuningDatabase::tuning(const QString& name) const {
    const int index = indexOf(name);
    if (index < 0) {
        return std::nullopt;
    }
    return tones::TuningTable::fromSheet(*data_.sheets[static_cast<size_t>(index)]);
}

QString TuningDatabase::add(const QString& name, const QString& source, int semitones) {
    const int from = indexOf(source);
    if (from < 0) {
        return missing(source);
    }
    const QString newName = name.trimmed();
    if (const QString problem = newNameProblem(newName, -1); !problem.isEmpty()) {
        return problem;
    }
    auto copy = std::make_shared<Sheet>(*data_.sheets[static_cast<size_t>(from)]);
    copy->setNameUnchecked(newName);
    copy->setWorkbook(nullptr);
    if (semitones != 0) {
        if (const QString problem = transposeTuning(*copy, semitones); !problem.isEmpty()) {
            return problem;
        }
    }
    spreadsheet::WorkbookData changed = data_;
    changed.sheets.push_back(std::move(copy));
    save(std::move(changed));
    return {};
}

QString TuningDatabase::setTone(const QString& name, KeyboardSide side, int button, Bellows bellows,
                                const QString& typed) {
    const int index = indexOf(name);
    if (index < 0) {
        return missing(name);
    }
    if (const QString problem = buttonRangeProblem(side, button); !problem.isEmpty()) {
        return problem;
    }
    const ToneEntry entry = checkEntry(side, typed);
    if (!entry.problem.isEmpty()) {
        return entry.problem;
    }
    const Sheet& sheet = *data_.sheets[static_cast<size_t>(index)];
    const tones::TuningTable table = tones::TuningTable::fromSheet(sheet);
    const auto row =
        side == KeyboardSide::Treble ? table.trebleRowOf(button) : table.bassRowOf(button);
    if (!row) {
        return QStringLiteral("Ladění „%1“ nemá ve sloupci A řádek knoflíku %2; tón nelze uložit.")
            .arg(sheet.name())
            .arg(button);
    }
    auto edited = std::make_shared<Sheet>(sheet);
    edited->setWorkbook(nullptr);
    edited->setValue({*row, tones::toneColumn(side, bellows)}, spreadsheet::CellValue(entry.text));
    spreadsheet::WorkbookData changed = data_;
    changed.sheets[static_cast<size_t>(index)] = std::move(edited);
    save(std::move(changed));
    return {};
}

QString TuningDatabase::renameProblem(const QString& name, const QString& newName,
                                      const QString& openSongTuning) const {
    const int index = indexOf(name);
    if (index < 0) {
        return missing(name);
    }
    const QString& sheetName = data_.sheets[static_cast<size_t>(index)]->name();
    if (const QString problem =
            openSongProblem(sheetName, openSongTuning, QStringLiteral("přejmenovat"));
        !problem.isEmpty()) {
        return problem;
    }
    return newNameProblem(newName.trimmed(), index);
}

QString TuningDatabase::rename(const QString& name, const QString& newName,
                               const QString& openSongTuning) {
    if (const QString problem = renameProblem(name, newName, openSongTuning); !problem.isEmpty()) {
        return problem;
    }
    const int index = indexOf(name);
    const Sheet& sheet = *data_.sheets[static_cast<size_t>(index)];
    const QString wanted = newName.trimmed();
    if (wanted == sheet.name()) {
        return {};
    }
    auto renamed = std::make_shared<Sheet>(sheet);
    renamed->setWorkbook(nullptr);
    renamed->setNameUnchecked(wanted);
    spreadsheet::WorkbookData changed = data_;
    changed.sheets[static_cast<size_t>(index)] = std::move(renamed);
    save(std::move(changed));
    return {};
}

QString TuningDatabase::removeProblem(const QString& name, const QString& openSongTuning) const {
    const int index = indexOf(name);
    if (index < 0) {
        return missing(name);
    }
    const QString& sheetName = data_.sheets[static_cast<size_t>(index)]->name();
    if (const QString problem =
            openSongProblem(sheetName, openSongTuning, QStringLiteral("smazat"));
        !problem.isEmpty()) {
        return problem;
    }
    if (data_.sheets.size() == 1) {
        return QStringLiteral("Ladění „%1“ je v databázi jediné; smazat ho nelze.").arg(sheetName);
    }
    return {};
}

QString TuningDatabase::remove(const QString& name, const QString& openSongTuning) {
    if (const QString problem = removeProblem(name, openSongTuning); !problem.isEmpty()) {
        return problem;
    }
    const int index = indexOf(name);
    spreadsheet::WorkbookData changed = data_;
    changed.sheets.erase(changed.sheets.begin() + index);
    if (changed.activeSheet == index) {
        changed.activeSheet = 0;
    } else if (changed.activeSheet > index) {
        --changed.activeSheet;
    }
    save(std::move(changed));
    return {};
}

int TuningDatabase::indexOf(const QString& name) const {
    for (size_t i = 0; i < data_.sheets.size(); ++i) {
        if (sameName(data_.sheets[i]->name(), name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// `renamed`: the index of the tuning that is to get the name, which may keep it in other case.
QString TuningDatabase::newNameProblem(const QString& name, int renamed) const {
    if (name.isEmpty()) {
        return QStringLiteral("Ladění musí mít název.");
    }
    if (const QString problem = spreadsheet::sheetNameProblem(name); !problem.isEmpty()) {
        return QStringLiteral("Název „%1“ nelze použít. %2").arg(name, problem);
    }
    const int holder = indexOf(name);
    if (holder >= 0 && holder != renamed) {
        return QStringLiteral("Ladění „%1“ už v seznamu je; zvolte jiný název.")
            .arg(data_.sheets[static_cast<size_t>(holder)]->name());
    }
    return {};
}

void TuningDatabase::save(spreadsheet::WorkbookData changed) {
    spreadsheet::xls::writeXlsFile(path_, changed);
    data_ = std::move(changed);
}

}  // namespace tunings
