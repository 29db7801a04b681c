// mechik-cli: what the program keeps in its workbooks, for players' scripts and for checking.
#include "ConvertCommand.h"
#include "ImportCommand.h"
#include "MidiCommand.h"
#include "PdfCommand.h"
#include "ShowCommand.h"
#include "TuningCommand.h"
#include "WavCommand.h"
#include "WorkbookDump.h"
#include "services/CommandGuard.h"
#include "services/Contact.h"
#include "services/ProgramPaths.h"
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tunings/UserTuningDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

void printTo(std::FILE* stream, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), stream);
}

const QString Usage = QStringLiteral(
    "Použití: mechik-cli dump SOUBOR.xls\n"
    "         mechik-cli show PÍSEŇ.xls ŘÁDEK tlak|tah [--db SOUBOR]\n"
    "         mechik-cli convert PÍSEŇ.xls LADĚNÍ [--db SOUBOR] [--out SLOŽKA] [--force]\n"
    "         mechik-cli midi PÍSEŇ.xls VÝSTUP.mid [--tempo DOBY_ZA_MINUTU]\n"
    "         mechik-cli wav PÍSEŇ.xls VÝSTUP.wav [--tempo DOBY_ZA_MINUTU]\n"
    "         mechik-cli pdf PÍSEŇ.xls VÝSTUP.pdf [--db SOUBOR] [--numbering standard|trizonia]\n"
    "         mechik-cli tuning list [--db SOUBOR]\n"
    "         mechik-cli tuning show LADĚNÍ [--db SOUBOR]\n"
    "         mechik-cli tuning add LADĚNÍ --from ZDROJ [--transpose N] [--db SOUBOR]\n"
    "         mechik-cli tuning set LADĚNÍ treble|bass KNOFLÍK tlak|tah TÓN [--db SOUBOR]\n"
    "         mechik-cli tuning rename LADĚNÍ NOVÝ_NÁZEV [--db SOUBOR]\n"
    "         mechik-cli tuning delete LADĚNÍ [--db SOUBOR]\n"
    "         mechik-cli import MELODIE LADĚNÍ PÍSEŇ.xls [--db SOUBOR] [--transpose N] [--force]\n"
    "         mechik-cli --help | --version\n"
    "Bez --db platí databáze ladění, se kterou pracuje okno programu.\n");

int usage() {
    printTo(stderr, Usage);
    return 2;
}

int report(const tools::CommandResult& result) {
    if (result.status == 2 && result.err.isEmpty()) {
        return usage();
    }
    printTo(stderr, result.err);
    printTo(stdout, result.out);
    return std::fflush(stdout) == 0 ? result.status : 1;
}

// Every path a player types is taken from the folder he types it in.
QString fromHere(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

int dump(const QString& path) {
    try {
        printTo(stdout, tools::dumpWorkbook(spreadsheet::xls::readXlsFile(path)));
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const spreadsheet::SpreadsheetError& error) {
        printTo(stderr, error.description() + u'\n');
        return 1;
    }
}

// The database the window works with: a player's own tunings are found from scripts too.
QString defaultDatabase() {
    return tunings::tuningDatabaseForUser();
}

int show(const QStringList& args) {
    if (args.size() != 4 && !(args.size() == 6 && args[4] == QStringLiteral("--db"))) {
        return usage();
    }
    bool ok = false;
    const int row = args[2].toInt(&ok);
    const QString direction = args[3];
    if (!ok || row < 1 || row > 65536 ||
        (direction != QStringLiteral("tlak") && direction != QStringLiteral("tah"))) {
        return usage();
    }
    const QString database = args.size() == 6 ? fromHere(args[5]) : defaultDatabase();
    QString output;
    QString error;
    const int status = tools::showGrip(fromHere(args[1]), row, direction == QStringLiteral("tlak"),
                                       database, output, error);
    if (status != 0) {
        printTo(stderr, error + u'\n');
        return status;
    }
    printTo(stdout, output);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int tuning(const QStringList& args) {
    QString output;
    QString error;
    const int status = tools::runTuningCommand(args.mid(1), defaultDatabase, output, error);
    if (status == 2) {
        return usage();
    }
    if (status != 0) {
        printTo(stderr, error + u'\n');
        return status;
    }
    printTo(stdout, output);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// Qt's own remarks about the off-screen display are no concern of a script reading stderr.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        printTo(stderr, message + u'\n');
    }
}

int convert(const QStringList& args) {
    if (args.size() < 3) {
        return usage();
    }
    QString database;
    QString out = services::defaultWorkingFolder();
    bool force = false;
    for (int i = 3; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--force")) {
            force = true;
        } else if (args[i] == QStringLiteral("--db") && i + 1 < args.size()) {
            database = fromHere(args[++i]);
        } else if (args[i] == QStringLiteral("--out") && i + 1 < args.size()) {
            out = fromHere(args[++i]);
        } else {
            return usage();
        }
    }
    if (database.isEmpty()) {
        database = defaultDatabase();
    }
    QString output;
    QString error;
    const int status =
        tools::convertSong(fromHere(args[1]), args[2], database, out, force, output, error);
    if (status != 0) {
        printTo(stderr, error + u'\n');
        return status;
    }
    if (!error.isEmpty()) {
        printTo(stderr, error + u'\n');
    }
    printTo(stdout, output + u'\n');
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int importMelody(const QStringList& args) {
    QString output;
    QString error;
    const int status = tools::importCommand(args.mid(1), defaultDatabase(), output, error);
    if (status == 2) {
        return usage();
    }
    if (status != 0) {
        printTo(stderr, error + u'\n');
        return status;
    }
    printTo(stdout, output + u'\n');
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int run() {
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 1 &&
        (args[0] == QStringLiteral("--help") || args[0] == QStringLiteral("-h"))) {
        printTo(stdout, Usage);
        return 0;
    }
    if (args.size() == 1 && args[0] == QStringLiteral("--version")) {
        printTo(stdout, QStringLiteral("mechik-cli " MECHIK_VERSION "\n"));
        return 0;
    }
    if (args.size() == 2 && args[0] == QStringLiteral("dump")) {
        return dump(fromHere(args[1]));
    }
    if (!args.isEmpty() && args[0] == QStringLiteral("midi")) {
        return report(tools::midiCommand(args.mid(1)));
    }
    if (!args.isEmpty() && args[0] == QStringLiteral("wav")) {
        return report(tools::wavCommand(args.mid(1)));
    }
    if (!args.isEmpty() && args[0] == QStringLiteral("tuning")) {
        return tuning(args);
    }
    if (!args.isEmpty() && args[0] == QStringLiteral("import")) {
        return importMelody(args);
    }
    if (!args.isEmpty() && args[0] == QStringLiteral("show")) {
        return show(args);
    }
    if (!args.isEmpty() && args[0] == QStringLiteral("convert")) {
        return convert(args);
    }
    return usage();
}

// Print brings Qt Gui in its plugin, which makes the application object it needs: none is
// made here.
int pdf(int argc, char* argv[]) {
    // The window's name: its data folder holds the player's tuning database.
    QCoreApplication::setApplicationName(QStringLiteral("Mechik"));
    qInstallMessageHandler(quietQtMessages);
    QStringList args;
    for (int i = 2; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    return report(tools::pdfCommand(args, defaultDatabase));
}

// Starts the application object the command needs and runs it.
int start(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "pdf") == 0) {
        return pdf(argc, argv);
    }
    // Showing and converting say only what the commands say: Qt's own warnings stay quiet.
    if (argc > 1 && (std::strcmp(argv[1], "show") == 0 || std::strcmp(argv[1], "convert") == 0)) {
        qInstallMessageHandler(quietQtMessages);
    }
    QCoreApplication application(argc, argv);
    // The window's name: its data folder holds the player's tuning database.
    QCoreApplication::setApplicationName(QStringLiteral("Mechik"));
    return run();
}

}  // namespace

int main(int argc, char* argv[]) {
    // Whatever the commands did not foresee is said as the program says it, never a crash.
    try {
        return start(argc, argv);
    } catch (...) {
        printTo(stderr, QStringLiteral("Neočekávaná chyba ! Volejte firmu ") +
                            services::ContactLine +
                            QStringLiteral(" a sdělte číslo chyby %1\n")
                                .arg(services::errorNumberOf(std::current_exception())));
        return 1;
    }
}
