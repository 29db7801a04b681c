// Converting a 500-grip song (7 treble and 3 bass tones a row, push and pull rows), the copy
// saved: the run of "Provést".
#include "BenchProgram.h"

#include "conversion/ConversionRun.h"
#include "spreadsheet/xls/XlsFile.h"

namespace {

using spreadsheet::CellValue;

QString writeSong(const QString& folder) {
    const QStringList push{"c1,", "e1,", "g1,", "c2,", "e2,", "g2,", "c3,"};
    const QStringList pull{"d1,", "f1,", "a1,", "h1,", "d2,", "f2,", "a2,"};
    const QStringList pushBass{"(C)", "C", "G"};
    const QStringList pullBass{"(G)", "G", "D"};
    spreadsheet::Sheet song(QStringLiteral("G-C-F"));
    for (int row = 1; row <= 500; ++row) {
        const bool isPush = row % 2;
        for (int i = 0; i < 7; ++i) {
            song.setValue({row, 2 + i}, CellValue((isPush ? push : pull)[i]));
        }
        for (int i = 0; i < 3; ++i) {
            song.setValue({row, 13 + i}, CellValue((isPush ? pushBass : pullBass)[i]));
        }
        song.setValue({row, 9}, CellValue(isPush ? QStringLiteral("Tlak") : QStringLiteral("Tah")));
    }
    const QString path = QDir(folder).filePath(QStringLiteral("Polka.xls"));
    spreadsheet::xls::writeXlsFile(path, {&song}, 0);
    return path;
}

void BM_ConvertSong500(benchmark::State& state) {
    bench::Program program;
    const QString source = writeSong(program.environment.workingFolder);
    program.start();
    auto& connection = program.form->connection();
    auto& host = *connection.SpreadsheetApplication;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(QDir(program.environment.workingFolder).filePath("Polka C-F-B.xls"));
        host.openWorkbook(source);
        connection.SongWorkbookName = host.activeWorkbook().name();
        host.activateWindow(connection.TuningWorkbookName);
        host.sheet(QStringLiteral("G-C-F")).select();
        host.activateWindow(connection.SongWorkbookName);
        state.ResumeTiming();
        conversion::ConversionRun run(connection, program.dialogs);
        run.cmdGo_Click(QStringLiteral("C-F-B"), QStringLiteral("G-C-F"), true);
        host.activeWorkbook().save();
        state.PauseTiming();
        host.activeWorkbook().close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ConvertSong500)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks(argc, argv);
}
