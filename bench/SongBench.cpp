// Opening a 500-grip song as the player does (file chosen, song opened, sound files looked
// for, grip texts shown) and ending it (saved and closed).
#include "BenchProgram.h"

#include "grips/SongFiles.h"
#include "spreadsheet/xls/XlsFile.h"

namespace {

QString writeSong(const QString& folder) {
    using spreadsheet::CellValue;
    const QStringList tones{"c1,", "e1,", "g1,", "cis1,", "b1,", "f2,", "a,"};
    spreadsheet::Sheet song(QStringLiteral("G-C-F"));
    for (int row = 1; row <= 500; ++row) {
        song.setValue({row, 1}, CellValue(QStringLiteral("sla-%1").arg(row)));
        for (int c = 0; c < 3; ++c) {
            song.setValue({row, 2 + c}, CellValue(tones[(row + c) % tones.size()]));
        }
        song.setValue({row, 9},
                      CellValue(row % 3 ? QStringLiteral("Tlak") : QStringLiteral("Tah")));
        song.setValue({row, 13}, CellValue(QStringLiteral("(C)")));
    }
    song.setSelection(spreadsheet::CellRect::single({250, 2}), {250, 2});
    const QString path = QDir(folder).filePath(QStringLiteral("Polka.xls"));
    spreadsheet::xls::writeXlsFile(path, {&song}, 0);
    return path;
}

void BM_OpenSong500(benchmark::State& state) {
    bench::Program program;
    program.chooser.path = writeSong(program.environment.workingFolder);
    program.start();
    for (auto _ : state) {
        program.form->songFiles().cmdEdit_Click();
        state.PauseTiming();
        program.form->songFiles().cmdEndEdit_Click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSong500)->Unit(benchmark::kMillisecond);

void BM_EndSong500(benchmark::State& state) {
    bench::Program program;
    program.chooser.path = writeSong(program.environment.workingFolder);
    program.start();
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
    return bench::runBenchmarks(argc, argv);
}
