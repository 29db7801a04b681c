// Records grips into a song through the main window's own buttons, off screen, one after the
// other until killed, and says on stdout each grip the program has finished ("recorded ROW").
// kill-test.sh kills it at random moments and checks what is left on disk.
//
//   kill_record_driver WORKING_FOLDER SONG_NAME VEZAR.xls
#include "app/Form1.h"
#include "services/Dialogs.h"
#include "services/ProgramSettings.h"
#include "spreadsheet/FileChooser.h"
#include "views/Keyboard.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class Silent : public services::Dialogs {
public:
    QString newSongName;
    services::MessageAnswer message(const QString& title, const QString& text,
                                    services::MessageIcon, services::MessageButtons) override {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
        return services::MessageAnswer::Cancel;
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return newSongName;
    }
};

class Given : public spreadsheet::FileChooser {
public:
    QString path;
    std::optional<QString> chooseFileToOpen(const QString&, const QString&, const QString&,
                                            const QString&) override {
        return path;
    }
};

// Row r: push on odd rows, pull on even ones; a treble button and a bass button that give a
// tone in G-C-F either way.
void markGrip(views::Keyboard& keys, int row) {
    keys.release(keyboard::Side::Treble);
    keys.release(keyboard::Side::Bass);
    keys.overlay(keyboard::Side::Treble, 10 + row % 3)->onClick();
    keys.overlay(keyboard::Side::Bass, 1 + row % 6)->onClick();
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: kill_record_driver WORKING_FOLDER SONG_NAME VEZAR.xls\n");
        return 2;
    }
    const QString folder = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QString vezar = QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath();
    QTemporaryDir scratch;
    Silent dialogs;
    dialogs.newSongName = name;
    Given chooser;
    chooser.path = QDir(folder).filePath(name + QStringLiteral(".xls"));
    services::ProgramSettings settings(scratch.filePath(QStringLiteral("mechik.ini")));
    const services::ProgramEnvironment environment{QFileInfo(vezar).absolutePath(), folder,
                                                   scratch.filePath(QStringLiteral("host.ini")),
                                                   vezar};
    app::Form1 form(environment, dialogs, settings, &chooser);
    if (!form.Form_Load()) {
        return 1;
    }
    const auto& c = form.controls();
    if (QFileInfo::exists(chooser.path)) {
        c.cmdEdit->click();
        c.cmdPosledni->click();
        if (!form.connection().SpreadsheetApplication->activeCell().value().isEmpty()) {
            c.cmdDalsi->click();
        }
    } else {
        c.cmdNovaSkladba->click();
    }
    if (!c.cmdEndEdit->isEnabled()) {
        std::fprintf(stderr, "the song did not open\n");
        return 1;
    }
    for (;;) {
        const int row = c.lblTon->text().toInt();
        markGrip(form.keyboard(), row);
        (row % 2 ? c.cmdTlak : c.cmdTah)->click();
        std::printf("recorded %d\n", row);
        std::fflush(stdout);
    }
}
