// One step of a player through a song, and one recorded grip: both must stay far below the
// automatic player's fastest pace of 100 ms.
#include "BenchProgram.h"

#include "app/SongControls.h"
#include "grips/Navigation.h"
#include "grips/Recording.h"
#include "spreadsheet/xls/XlsFile.h"
#include "views/Keyboard.h"

#include <QPushButton>

namespace {

using spreadsheet::CellValue;

void openSong(bench::Program& program) {
    program.start();
    auto& host = *program.form->connection().SpreadsheetApplication;
    host.addWorkbook();
    host.activeSheet().setName(QStringLiteral("G-C-F"));
    program.form->connection().SongWorkbookName = host.activeWorkbook().name();
    app::SongControlsOn(program.form->controls(), program.form->menu());
}

// Seven tones and seven basses on every row, all in the tuning.
void fillRows(spreadsheet::Application& host, int rows) {
    const QStringList treble{"c1,", "e1,", "g1,", "c2,", "e2,", "g2,", "c3,"};
    const QStringList basses{"(G)", "G", "(C)", "C", "(F)", "F", "D"};
    for (int row = 1; row <= rows; ++row) {
        for (int i = 0; i < 7; ++i) {
            host.range(spreadsheet::CellAddress{row, 2 + i}.toA1()).setValue(CellValue(treble[i]));
            host.range(spreadsheet::CellAddress{row, 13 + i}.toA1()).setValue(CellValue(basses[i]));
        }
        host.range(QStringLiteral("I%1").arg(row)).setValue(CellValue(QStringLiteral("Tlak")));
    }
}

void BM_DalsiTlakSevenAndSeven(benchmark::State& state) {
    bench::Program program;
    openSong(program);
    auto& host = *program.form->connection().SpreadsheetApplication;
    fillRows(host, 2);
    for (auto _ : state) {
        state.PauseTiming();
        host.range(QStringLiteral("B1")).select();
        state.ResumeTiming();
        program.form->navigation().cmdDalsiTlak_Click();
    }
}
BENCHMARK(BM_DalsiTlakSevenAndSeven)->Unit(benchmark::kMicrosecond);

void BM_RecordGripSevenAndSeven(benchmark::State& state) {
    bench::Program program;
    openSong(program);
    auto& host = *program.form->connection().SpreadsheetApplication;
    auto& keys = program.form->keyboard();
    for (auto _ : state) {
        state.PauseTiming();
        host.range(QStringLiteral("B1")).select();
        for (int n : {10, 19, 20, 21, 31, 32, 33}) {
            keys.mark(keyboard::Side::Treble, n);
        }
        for (int n = 1; n <= 7; ++n) {
            keys.mark(keyboard::Side::Bass, n);
        }
        state.ResumeTiming();
        program.form->recording().cmdTlak_Click();
    }
}
BENCHMARK(BM_RecordGripSevenAndSeven)->Unit(benchmark::kMicrosecond);

// A grip recorded into a saved song of 500 grips, as the player clicks it: written, then the
// song saved at once (temporary file, flushed with its folder, renamed).
void BM_RecordGripAndSaveInto500GripSong(benchmark::State& state) {
    bench::Program program;
    spreadsheet::Sheet song(QStringLiteral("G-C-F"));
    for (int row = 1; row <= 500; ++row) {
        song.setValue({row, 2}, CellValue(QStringLiteral("c1,")));
        song.setValue({row, 3}, CellValue(QStringLiteral("e1,")));
        song.setValue({row, 9}, CellValue(QStringLiteral("Tlak")));
        song.setValue({row, 13}, CellValue(QStringLiteral("(C)")));
    }
    program.chooser.path =
        QDir(program.environment.workingFolder).filePath(QStringLiteral("Polka.xls"));
    spreadsheet::xls::writeXlsFile(program.chooser.path, {&song}, 0);
    program.start();
    const auto& c = program.form->controls();
    c.cmdEdit->click();
    auto& host = *program.form->connection().SpreadsheetApplication;
    auto& keys = program.form->keyboard();
    for (auto _ : state) {
        state.PauseTiming();
        host.range(QStringLiteral("B501")).select();
        keys.release(keyboard::Side::Treble);
        keys.release(keyboard::Side::Bass);
        for (int n : {10, 19, 20}) {
            keys.mark(keyboard::Side::Treble, n);
        }
        keys.mark(keyboard::Side::Bass, 3);
        state.ResumeTiming();
        c.cmdTlak->click();
    }
}
BENCHMARK(BM_RecordGripAndSaveInto500GripSong)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks(argc, argv);
}
