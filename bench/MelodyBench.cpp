// Importing a 1000-note tune: reading the file and finding the best fingering of the whole
// tune, from MIDI and from MusicXML, and the fingering alone.
#include "melody/Fingering.h"
#include "melody/ImportError.h"
#include "melody/MelodyFile.h"
#include "melody/MelodyImport.h"
#include "melody/TreblePitches.h"
#include "songs/SongWriting.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tones/TuningTable.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int Notes = 1000;

// A tune that cannot be imported is a fault of the benchmark: say why.
template <typename Import>
auto imported(Import import) {
    try {
        return import();
    } catch (const melody::ImportError& error) {
        qFatal("%s", qPrintable(error.message()));
    }
}

tones::TuningTable benchTuning() {
    const auto data = spreadsheet::xls::readXlsFile(QStringLiteral(MECHIK_VEZAR));
    return tones::TuningTable::fromSheet(*data.sheets.front());
}

// A tune of single notes and, every seventh grip, a two-note chord, on pitches the tuning has.
std::vector<std::vector<int>> tuneFor(const tones::TuningTable& tuning) {
    const melody::TreblePitches pitches(tuning);
    std::vector<int> available;
    for (int pitch = 55; pitch < 90; ++pitch) {
        if (pitches.lowestButton(pitch, tones::Bellows::Push) &&
            pitches.lowestButton(pitch, tones::Bellows::Pull)) {
            available.push_back(pitch);
        }
    }
    std::mt19937 random(1000);
    std::vector<std::vector<int>> tune;
    int notes = 0;
    while (notes < Notes) {
        std::vector<int> chord{available[random() % available.size()]};
        const int third = chord.front() + (random() % 2 ? 3 : 4);
        const bool together = pitches.lowestButton(third, tones::Bellows::Push) ||
                              pitches.lowestButton(third, tones::Bellows::Pull);
        if (tune.size() % 7 == 6 && notes + 1 < Notes && together) {
            chord.push_back(third);
        }
        notes += int(chord.size());
        tune.push_back(chord);
    }
    return tune;
}

QByteArray variableLength(std::uint32_t value) {
    QByteArray bytes(1, char(value & 0x7F));
    while (value >>= 7) {
        bytes.prepend(char(0x80 | (value & 0x7F)));
    }
    return bytes;
}

QByteArray midiOf(const std::vector<std::vector<int>>& tune) {
    QByteArray track;
    for (const auto& chord : tune) {
        for (const int pitch : chord) {
            track += variableLength(0) + char(0x90) + char(pitch) + char(100);
        }
        for (std::size_t i = 0; i < chord.size(); ++i) {
            track += variableLength(i == 0 ? 240 : 0) + char(0x80) + char(chord[i]) + char(64);
        }
    }
    track += QByteArray("\x00\xFF\x2F\x00", 4);
    QByteArray file("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0MTrk", 18);
    for (int shift = 24; shift >= 0; shift -= 8) {
        file += char((track.size() >> shift) & 0xFF);
    }
    return file + track;
}

QByteArray musicXmlOf(const std::vector<std::vector<int>>& tune) {
    static const char* const steps[] = {"C", "C", "D", "D", "E", "F", "F", "G", "G", "A", "A", "B"};
    static const int alters[] = {0, 1, 0, 1, 0, 0, 1, 0, 1, 0, 1, 0};
    QString notes;
    for (const auto& chord : tune) {
        for (std::size_t i = 0; i < chord.size(); ++i) {
            notes +=
                QStringLiteral(
                    "<note>%1<pitch><step>%2</step><alter>%3</alter><octave>%4</octave></pitch>"
                    "<duration>1</duration><voice>1</voice><type>eighth</type>"
                    "<lyric><text>la</text></lyric></note>")
                    .arg(i == 0 ? QString() : QStringLiteral("<chord/>"))
                    .arg(QLatin1String(steps[chord[i] % 12]))
                    .arg(alters[chord[i] % 12])
                    .arg(chord[i] / 12 - 1);
        }
    }
    return QStringLiteral(
               "<?xml version=\"1.0\"?><score-partwise version=\"4.0\"><part-list><score-part "
               "id=\"P1\"/>"
               "</part-list><part id=\"P1\"><measure "
               "number=\"1\"><attributes><divisions>2</divisions>"
               "</attributes>%1</measure></part></score-partwise>")
        .arg(notes)
        .toUtf8();
}

void BM_Fingering1000Notes(benchmark::State& state) {
    const tones::TuningTable tuning = benchTuning();
    const melody::Melody melody = imported(
        [&] { return melody::readMelodyBytes(midiOf(tuneFor(tuning)), QStringLiteral("a.mid")); });
    for (auto _ : state) {
        benchmark::DoNotOptimize(melody::fingerMelody(melody, tuning).reversals);
    }
}
BENCHMARK(BM_Fingering1000Notes)->Unit(benchmark::kMillisecond);

void BM_ImportMidi1000Notes(benchmark::State& state) {
    const tones::TuningTable tuning = benchTuning();
    const QByteArray file = midiOf(tuneFor(tuning));
    imported([&] {
        return melody::fingerMelody(melody::readMelodyBytes(file, QStringLiteral("a.mid")), tuning)
            .shift;
    });
    for (auto _ : state) {
        const melody::Melody melody = melody::readMelodyBytes(file, QStringLiteral("a.mid"));
        benchmark::DoNotOptimize(melody::fingerMelody(melody, tuning).reversals);
    }
}
BENCHMARK(BM_ImportMidi1000Notes)->Unit(benchmark::kMillisecond);

void BM_ImportMusicXml1000Notes(benchmark::State& state) {
    const tones::TuningTable tuning = benchTuning();
    const QByteArray file = musicXmlOf(tuneFor(tuning));
    imported([&] {
        return melody::fingerMelody(melody::readMelodyBytes(file, QStringLiteral("a.musicxml")),
                                    tuning)
            .shift;
    });
    for (auto _ : state) {
        const melody::Melody melody = melody::readMelodyBytes(file, QStringLiteral("a.musicxml"));
        benchmark::DoNotOptimize(melody::fingerMelody(melody, tuning).reversals);
    }
}
BENCHMARK(BM_ImportMusicXml1000Notes)->Unit(benchmark::kMillisecond);

// The whole import as the command runs it: file read, fingered, song written.
void BM_ImportMidiIntoSong1000Notes(benchmark::State& state) {
    const tones::TuningTable tuning = benchTuning();
    QTemporaryDir dir;
    const QString tune = dir.filePath(QStringLiteral("a.mid"));
    QFile file(tune);
    file.open(QIODevice::WriteOnly);
    file.write(midiOf(tuneFor(tuning)));
    file.close();
    const QString song = dir.filePath(QStringLiteral("Píseň.xls"));
    imported([&] { return melody::importMelody(tune, tuning).shift; });
    for (auto _ : state) {
        const melody::ImportedMelody imported = melody::importMelody(tune, tuning);
        songs::writeSongFile(song, tuning.name(), imported.grips);
    }
}
BENCHMARK(BM_ImportMidiIntoSong1000Notes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
