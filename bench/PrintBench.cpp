// A 500-grip song printed to a PDF file in process: the tablature read from the song sheet,
// laid out with the page's fonts, painted and written.
#include "BenchProgram.h"

#include "music/PrintPluginLoader.h"
#include "music/Tablature.h"
#include "music/TablatureLayout.h"
#include "plugins/print/PdfFile.h"
#include "plugins/print/TablaturePainter.h"
#include "songs/SongGrips.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tones/TuningTable.h"

#include <QBuffer>
#include <QPdfWriter>

namespace {

// Push and pull grips of the G-C-F tuning, a syllable and a bass on most of them.
spreadsheet::Sheet song500() {
    using spreadsheet::CellValue;
    const QList<QStringList> push{
        {"c1,", "e1,", "g1,"}, {"d1,", "g1,"}, {"c2,", "e2,"}, {"a1,", "c2,"}};
    const QList<QStringList> pull{{"d1,", "fis1,"}, {"e1,", "g1,"}, {"h1,", "d2,"}, {"a1,"}};
    spreadsheet::Sheet song(QStringLiteral("G-C-F"));
    for (int row = 1; row <= 500; ++row) {
        const bool isPull = row % 3 == 0;
        const QStringList& tones = (isPull ? pull : push)[row % 4];
        song.setValue({row, 1}, CellValue(QStringLiteral("sla-%1").arg(row)));
        for (int i = 0; i < tones.size(); ++i) {
            song.setValue({row, 2 + i}, CellValue(tones[i]));
        }
        song.setValue({row, 9}, CellValue(isPull ? QStringLiteral("Tah") : QStringLiteral("Tlak")));
        song.setValue({row, 13}, CellValue(isPull ? QStringLiteral("D") : QStringLiteral("(C)")));
    }
    return song;
}

tones::TuningTable gcf() {
    const auto data = spreadsheet::xls::readXlsFile(QStringLiteral(MECHIK_VEZAR));
    return tones::TuningTable::fromSheet(*data.sheets.front());
}

// As the program and mechik-cli print: the plugin loaded once, the file written whole.
void BM_SongToPdf500(benchmark::State& state) {
    const spreadsheet::Sheet song = song500();
    const tones::TuningTable tuning = gcf();
    const music::PrintPluginLoading loading = music::loadPrintPlugin({MECHIK_BIN_DIR});
    if (!loading.plugin) {
        state.SkipWithError(loading.failure.toStdString().c_str());
        return;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Polka.pdf"));
    for (auto _ : state) {
        const music::Tablature tablature = music::buildTablature(
            QStringLiteral("Polka"), song.name(), songs::readSongGrips(song), tuning,
            keyboard::InstrumentModel::Full, keyboard::Numbering::Standard);
        music::writeTablaturePdf(tablature, path, *loading.plugin);
    }
}
BENCHMARK(BM_SongToPdf500)->Unit(benchmark::kMillisecond);

// Laid out and painted into memory: the same without the file and its flush to disk.
void BM_PaintPdf500(benchmark::State& state) {
    const music::Tablature tablature = music::buildTablature(
        QStringLiteral("Polka"), QStringLiteral("G-C-F"), songs::readSongGrips(song500()), gcf(),
        keyboard::InstrumentModel::Full, keyboard::Numbering::Standard);
    for (auto _ : state) {
        benchmark::DoNotOptimize(print::tablaturePdf(tablature).size());
    }
}
BENCHMARK(BM_PaintPdf500)->Unit(benchmark::kMillisecond);

// The layout alone, measured with the page's fonts.
void BM_Layout500(benchmark::State& state) {
    const music::Tablature tablature = music::buildTablature(
        QStringLiteral("Polka"), QStringLiteral("G-C-F"), songs::readSongGrips(song500()), gcf(),
        keyboard::InstrumentModel::Full, keyboard::Numbering::Standard);
    QBuffer buffer;
    QPdfWriter writer(&buffer);
    print::setUpPdfWriter(writer, tablature);
    for (auto _ : state) {
        benchmark::DoNotOptimize(print::layOutForDevice(tablature, writer).pages.size());
    }
}
BENCHMARK(BM_Layout500)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks(argc, argv);
}
