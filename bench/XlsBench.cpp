// Opening and saving a 500-grip song, and the search the program runs for every tone shown.
#include "spreadsheet/Application.h"
#include "spreadsheet/xls/XlsFile.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using spreadsheet::CellValue;

namespace {

const QStringList tones{"c1,", "e1,", "g1,", "cis1,", "b1,", "f2,", "a,"};

// A song as players write them: syllable, three tones, direction, two basses per grip.
QString writeSong(const QTemporaryDir& dir, int grips) {
    spreadsheet::Sheet song(QStringLiteral("G-C-F"));
    for (int row = 1; row <= grips; ++row) {
        song.setValue({row, 1}, CellValue(QStringLiteral("sla-%1").arg(row)));
        for (int c = 0; c < 3; ++c) {
            song.setValue({row, 2 + c}, CellValue(tones[(row + c) % tones.size()]));
        }
        song.setValue({row, 9},
                      CellValue(row % 3 ? QStringLiteral("Tlak") : QStringLiteral("Tah")));
        song.setValue({row, 13}, CellValue(QStringLiteral("(C)")));
        song.setValue({row, 14}, CellValue(QStringLiteral("C")));
    }
    song.setSelection(spreadsheet::CellRect::single({250, 2}), {250, 2});
    const QString path = dir.filePath(QStringLiteral("Píseň 500.xls"));
    spreadsheet::xls::writeXlsFile(path, {&song}, 0);
    return path;
}

struct Host {
    QTemporaryDir dir;
    spreadsheet::Application app{spreadsheet::HostSettings(dir.filePath(QStringLiteral("h.ini")))};
};

void BM_OpenSong500(benchmark::State& state) {
    Host host;
    const QString path = writeSong(host.dir, 500);
    for (auto _ : state) {
        auto book = host.app.openWorkbook(path);
        benchmark::DoNotOptimize(host.app.activeCell().row());
        state.PauseTiming();
        book.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSong500)->Unit(benchmark::kMillisecond);

void BM_SaveSong500(benchmark::State& state) {
    Host host;
    const auto book = host.app.openWorkbook(writeSong(host.dir, 500));
    for (auto _ : state) {
        book.save();
    }
}
BENCHMARK(BM_SaveSong500)->Unit(benchmark::kMillisecond);

// Recording looks up button 37 in A1:A43; showing a grip looks up a tone in B1:B43. A tone
// that the column lacks makes the search examine every row.
void findIn(benchmark::State& state, const char* area, const CellValue& what) {
    Host host;
    host.app.openWorkbook(QStringLiteral(MECHIK_VEZAR));
    host.app.range(QString::fromLatin1(area)).select();
    const auto selection = host.app.selection();
    const auto after = host.app.activeCell();
    for (auto _ : state) {
        benchmark::DoNotOptimize(selection.find(what, after));
    }
}

void BM_FindButton37(benchmark::State& state) {
    findIn(state, "A1:A43", CellValue::number(37));
}
BENCHMARK(BM_FindButton37);

void BM_FindToneMissing(benchmark::State& state) {
    findIn(state, "B1:B43", CellValue(QStringLiteral("gis4,")));
}
BENCHMARK(BM_FindToneMissing);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
