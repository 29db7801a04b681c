#include "TuningCommand.h"

#include "WorkbookDump.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tunings/TuningDatabase.h"

#include <optional>

namespace tools {

namespace {

using tones::Bellows;
using tones::KeyboardSide;
using tunings::TuningDatabase;

constexpr int WrongArguments = 2;

std::optional<int> number(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Takes "--db FILE" out of the arguments, wherever it stands.
std::optional<QString> takeDatabaseOption(QStringList& args) {
    const qsizetype at = args.indexOf(QStringLiteral("--db"));
    if (at < 0 || at + 1 >= args.size()) {
        return std::nullopt;
    }
    const QString path = args[at + 1];
    args.remove(at, 2);
    return path;
}

QString listOf(const TuningDatabase& database) {
    QString out;
    const QStringList names = database.names();
    for (qsizetype i = 0; i < names.size(); ++i) {
        out += escapeCellText(names[i]);
        if (i == database.activeIndex()) {
            out += QStringLiteral("\tactive");
        }
        out += u'\n';
    }
    return out;
}

QString linesOf(const tones::TuningTable& table) {
    QString out;
    const auto line = [&out](const char* side, int button, const QString& push,
                             const QString& pull) {
        out += QStringLiteral("%1\t%2\t%3\t%4\n")
                   .arg(QLatin1String(side))
                   .arg(button)
                   .arg(escapeCellText(push), escapeCellText(pull));
    };
    for (int button = 1; button <= tones::TrebleButtons; ++button) {
        line("treble", button, table.trebleTone(button, Bellows::Push),
             table.trebleTone(button, Bellows::Pull));
    }
    for (int button = 1; button <= tones::BassButtons; ++button) {
        line("bass", button, table.bassTone(button, Bellows::Push),
             table.bassTone(button, Bellows::Pull));
    }
    return out;
}

// "add NAME --from SOURCE [--transpose N]", the options in any order.
int add(TuningDatabase& database, const QStringList& args, QString& error) {
    std::optional<QString> source;
    int semitones = 0;
    for (qsizetype i = 2; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            return WrongArguments;
        }
        if (args[i] == QStringLiteral("--from")) {
            source = args[i + 1];
        } else if (const auto n = number(args[i + 1]);
                   args[i] == QStringLiteral("--transpose") && n) {
            semitones = *n;
        } else {
            return WrongArguments;
        }
    }
    if (!source) {
        return WrongArguments;
    }
    error = database.add(args[1], *source, semitones);
    return error.isEmpty() ? 0 : 1;
}

// "set NAME treble|bass BUTTON tlak|tah TONE"
int set(TuningDatabase& database, const QStringList& args, QString& error) {
    const auto button = number(args[3]);
    const bool treble = args[2] == QStringLiteral("treble");
    const bool push = args[4] == QStringLiteral("tlak");
    if (!button || (!treble && args[2] != QStringLiteral("bass")) ||
        (!push && args[4] != QStringLiteral("tah"))) {
        return WrongArguments;
    }
    error = database.setTone(args[1], treble ? KeyboardSide::Treble : KeyboardSide::Bass, *button,
                             push ? Bellows::Push : Bellows::Pull, args[5]);
    return error.isEmpty() ? 0 : 1;
}

bool wellFormed(const QStringList& args) {
    static const QList<std::pair<QString, qsizetype>> counts{
        {QStringLiteral("list"), 1},   {QStringLiteral("show"), 2},   {QStringLiteral("set"), 6},
        {QStringLiteral("rename"), 3}, {QStringLiteral("delete"), 2},
    };
    if (!args.isEmpty() && args[0] == QStringLiteral("add")) {
        return args.size() >= 4;
    }
    for (const auto& [command, count] : counts) {
        if (!args.isEmpty() && args[0] == command) {
            return args.size() == count;
        }
    }
    return false;
}

int run(TuningDatabase& database, const QStringList& args, QString& output, QString& error) {
    const QString& command = args[0];
    if (command == QStringLiteral("list")) {
        output = listOf(database);
        return 0;
    }
    if (command == QStringLiteral("show")) {
        const auto table = database.tuning(args[1]);
        if (!table) {
            error = TuningDatabase::missing(args[1]);
            return 1;
        }
        output = linesOf(*table);
        return 0;
    }
    if (command == QStringLiteral("add")) {
        return add(database, args, error);
    }
    if (command == QStringLiteral("set")) {
        return set(database, args, error);
    }
    error = command == QStringLiteral("rename") ? database.rename(args[1], args[2], QString())
                                                : database.remove(args[1], QString());
    return error.isEmpty() ? 0 : 1;
}

}  // namespace

int runTuningCommand(const QStringList& arguments, const std::function<QString()>& defaultDatabase,
                     QString& output, QString& error) {
    QStringList args = arguments;
    const std::optional<QString> given = takeDatabaseOption(args);
    if (args.contains(QStringLiteral("--db")) || !wellFormed(args)) {
        return WrongArguments;
    }
    try {
        TuningDatabase database(given ? *given : defaultDatabase());
        return run(database, args, output, error);
    } catch (const spreadsheet::SpreadsheetError& failure) {
        error = failure.description();
        return 1;
    }
}

}  // namespace tools
