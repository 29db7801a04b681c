// The song's sound: a 500-grip song exported as MIDI and rendered as WAV, and the path from a
// lit grip to FluidSynth's note-ons.
#include "music/GripSounder.h"
#include "music/MidiFile.h"
#include "music/SoundPluginLoader.h"
#include "music/Tempo.h"
#include "music/WavFile.h"
#include "songs/SongGrips.h"
#include "spreadsheet/Sheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

namespace {

// 500 grips of three tones over a bass and a chord, every eighth row a rest.
spreadsheet::Sheet song500() {
    using spreadsheet::CellValue;
    const QStringList tones{"c1,", "e1,", "g1,", "cis1,", "b1,", "f2,", "a,"};
    const QStringList basses{"C", "F", "G", "A"};
    spreadsheet::Sheet song(QStringLiteral("G-C-F"));
    for (int row = 1; row <= 500; ++row) {
        song.setValue({row, 1}, CellValue(QStringLiteral("sla-%1").arg(row)));
        for (int c = 0; c < 3; ++c) {
            song.setValue({row, 2 + c}, CellValue(tones[(row + c) % tones.size()]));
        }
        if (row % 8 != 0 || row == 500) {
            song.setValue({row, 9},
                          CellValue(row % 3 ? QStringLiteral("Tlak") : QStringLiteral("Tah")));
        }
        song.setValue({row, 13}, CellValue(basses[row % basses.size()]));
        song.setValue({row, 14},
                      CellValue(QStringLiteral("(%1)").arg(basses[(row + 1) % basses.size()])));
    }
    return song;
}

music::SoundPlugin& plugin() {
    static const music::SoundPluginLoading loading = music::loadSoundPlugin({MECHIK_BIN_DIR});
    if (!loading.plugin) {
        qFatal("%s", qPrintable(loading.failure));
    }
    return *loading.plugin;
}

void BM_MidiBytes500(benchmark::State& state) {
    const spreadsheet::Sheet sheet = song500();
    for (auto _ : state) {
        const auto score = music::songScore(songs::readSongGrips(sheet), QStringLiteral("Polka"));
        benchmark::DoNotOptimize(music::midiFileBytes(score, music::DefaultTempo));
    }
}
BENCHMARK(BM_MidiBytes500)->Unit(benchmark::kMillisecond);

// The same written to a file, whole or not at all.
void BM_MidiExport500(benchmark::State& state) {
    const spreadsheet::Sheet sheet = song500();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Polka.mid"));
    for (auto _ : state) {
        const auto score = music::songScore(songs::readSongGrips(sheet), QStringLiteral("Polka"));
        music::writeMidiFile(path, score, music::DefaultTempo);
    }
}
BENCHMARK(BM_MidiExport500)->Unit(benchmark::kMillisecond);

// Five minutes of music (500 beats at 100 a minute); "realtime_x" is how many times faster
// than playing it, by the processor time the rendering took (the rendering runs on the calling
// thread).
void BM_WavRender500(benchmark::State& state) {
    const auto score = music::songScore(songs::readSongGrips(song500()), QStringLiteral("Polka"));
    const music::RenderJob job = music::renderJob(score, music::DefaultTempo);
    qint64 frames = 0;
    const music::FrameSink discard = [&frames](const qint16*, int count) {
        frames += count;
        return true;
    };
    QString failure;
    for (auto _ : state) {
        frames = 0;
        if (!plugin().render(job, discard, failure)) {
            state.SkipWithError(qPrintable(failure));
        }
    }
    state.counters["realtime_x"] = benchmark::Counter(
        static_cast<double>(frames) / music::SampleRate * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WavRender500)->Unit(benchmark::kMillisecond);

// The whole export as the window and mechik-cli run it: the file included.
void BM_WavExport500(benchmark::State& state) {
    const auto score = music::songScore(songs::readSongGrips(song500()), QStringLiteral("Polka"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Polka.wav"));
    for (auto _ : state) {
        music::writeWavFile(path, score, music::DefaultTempo, plugin());
    }
    state.counters["realtime_x"] = benchmark::Counter(
        300.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WavExport500)->Unit(benchmark::kMillisecond);

// A grip lit: the previous grip's notes stopped and this grip's sounded in the plugin's
// FluidSynth, whose sound a driver pulls at a device's pace into the null device (this machine
// has no sound device). Grips come every 50 ms, as fast as a player steps through a song, so
// the voices ringing out stay within the synth's polyphony as they would in use.
void BM_GripToNoteOn(benchmark::State& state) {
    auto opening = plugin().openLiveSynth(music::AudioOutput::None);
    if (!opening.synth) {
        state.SkipWithError(qPrintable(opening.failure));
        return;
    }
    music::QtBeatTimer hold(false);
    music::GripSounder sounder(opening.synth.get(), hold);
    const music::GripSound grips[2] = {music::gripSound({"c1,", "e1,", "g1,"}, {"C", "(C)"}),
                                       music::gripSound({"d1,", "f1,", "a1,"}, {"G", "(G)"})};
    int next = 0;
    for (auto _ : state) {
        sounder.sound(grips[next]);
        next ^= 1;
        state.PauseTiming();
        QThread::msleep(50);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GripToNoteOn)->Unit(benchmark::kMicrosecond)->Iterations(40);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);  // the grip sounder's timer needs it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
