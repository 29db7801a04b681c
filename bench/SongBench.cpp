// Opening a 500-grip song as the player does (file chosen, song opened, sound files looked
// for, grip texts shown) and ending it (saved and closed).
#include "app/Dialogs.h"
#include "app/Form1.h"
#include "app/ProgramSettings.h"
#include "songs/SongFiles.h"
#include "spreadsheet/FileChooser.h"
#include "spreadsheet/xls/XlsFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class SilentDialogs : public app::Dialogs {
public:
    app::MessageAnswer message(const QString&, const QString&, app::MessageIcon,
                               app::MessageButtons) override {
        return app::MessageAnswer::Yes;
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
};

class FixedChoice : public spreadsheet::FileChooser {
public:
    QString path;
    std::optional<QString> chooseFileToOpen(const QString&, const QString&, const QString&,
                                            const QString&) override {
        return path;
    }
};

QString writeSong(const QString& folder) {
    using spreadsheet::CellValue;
    const QStringList tones{"c1,", "e1,", "g1,", "cis1,", "b1,", "f2,", "a,"};
    spreadsheet::Sheet song(QStringLiteral("G-C-F"));
    for (int row = 1; row <= 500; ++row) {
        song.setValue({row, 1}, CellValue(QStringLiteral("sla-%1").arg(row)));
        for (int c = 0; c < 3; ++c) {
            song.setValue({row, 2 + c}, CellValue(tones[(row + c) % tones.size()]));
        }
        song.setValue({row, 9}, CellValue(row % 3 ? QStringLiteral("Tlak") : QStringLiteral("Tah")));
        song.setValue({row, 13}, CellValue(QStringLiteral("(C)")));
    }
    song.setSelection(spreadsheet::CellRect::single({250, 2}), {250, 2});
    const QString path = QDir(folder).filePath(QStringLiteral("Polka.xls"));
    spreadsheet::xls::writeXlsFile(path, {&song}, 0);
    return path;
}

struct Program {
    QTemporaryDir dir;
    SilentDialogs dialogs;
    FixedChoice chooser;
    app::ProgramSettings settings{dir.filePath(QStringLiteral("mechik.ini"))};
    std::unique_ptr<app::Form1> form;

    Program() {
        QFile::copy(QStringLiteral(MECHIK_VEZAR), dir.filePath(QStringLiteral("Vezar.xls")));
        QDir(dir.path()).mkdir(QStringLiteral("K"));
        chooser.path = writeSong(dir.filePath(QStringLiteral("K")));
        const app::ProgramEnvironment environment{dir.path(), dir.filePath(QStringLiteral("K")),
                                                  dir.filePath(QStringLiteral("host.ini"))};
        form = std::make_unique<app::Form1>(environment, dialogs, settings, &chooser);
        form->Form_Load();
        form->show();
    }
};

void BM_OpenSong500(benchmark::State& state) {
    Program program;
    for (auto _ : state) {
        program.form->songFiles().cmdEdit_Click();
        state.PauseTiming();
        program.form->songFiles().cmdEndEdit_Click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSong500)->Unit(benchmark::kMillisecond);

void BM_EndSong500(benchmark::State& state) {
    Program program;
    for (auto _ : state) {
        state.PauseTiming();
        program.form->songFiles().cmdEdit_Click();
        state.ResumeTiming();
        program.form->songFiles().cmdEndEdit_Click();
    }
}
BENCHMARK(BM_EndSong500)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
