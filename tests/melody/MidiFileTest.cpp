// The melody of a MIDI file, and every damaged or hostile file refused with a clean message.
#include "support/ImportRefusal.h"
#include "support/MelodyFiles.h"
#include "support/QtPrinters.h"

#include "melody/MidiFile.h"

#include <gtest/gtest.h>

using melody::readMidiMelody;
using testing_support::midiFile;
using testing_support::MidiTrack;

namespace {

using Chords = std::vector<std::vector<int>>;

Chords pitchesOf(const melody::Melody& melody) {
    Chords chords;
    for (const auto& chord : melody.chords) {
        chords.push_back(chord.pitches);
    }
    return chords;
}

melody::Melody melodyOf(int format, int division, const std::vector<MidiTrack>& tracks) {
    return readMidiMelody(midiFile(format, division, tracks), QStringLiteral("a.mid"));
}

QString refusalOf(const QByteArray& bytes) {
    return testing_support::importRefusalOf(
        [&] { readMidiMelody(bytes, QStringLiteral("/tmp/píseň.mid")); });
}

const QString Damaged = QStringLiteral("Soubor MIDI /tmp/píseň.mid je poškozený: ");

}  // namespace

TEST(MidiFile, NotesStartingOnOneTickFormAChordAndOnlyOnsetsCount) {
    MidiTrack track;
    track
        .meta(0, 0x58, QByteArray("\x03\x02\x18\x08", 4))  // 3/4
        .noteOn(0, 0, 60)
        .event(0, {64, 90})  // running status: another note-on of the same chord
        .event(0, {67, 80})
        .noteOff(480, 0, 60)
        .event(0, {0x90, 64, 0})  // a note-on of velocity 0 ends a note
        .event(0, {67, 0})
        .noteOn(0, 0, 62)
        .noteOn(0, 0, 62)  // a pitch repeated in one chord counts once
        .noteOff(960, 0, 62)
        .noteOn(0, 0, 64)
        .noteOff(240, 0, 64)
        .end();
    const melody::Melody melody = melodyOf(0, 480, {track});
    EXPECT_EQ(pitchesOf(melody), (Chords{{60, 64, 67}, {62}, {64}}));
    EXPECT_EQ(melody.chords[0].place, QStringLiteral("takt 1, doba 1 (MIDI čas 0)"));
    EXPECT_EQ(melody.chords[1].place, QStringLiteral("takt 1, doba 2 (MIDI čas 480)"));
    EXPECT_EQ(melody.chords[2].place, QStringLiteral("takt 2, doba 1 (MIDI čas 1440)"));
    EXPECT_TRUE(melody.chords[0].syllable.isEmpty());
}

TEST(MidiFile, TheMelodyIsTheHighestPairWithoutDrumsTheEarlierOfEqualOnes) {
    MidiTrack conductor;
    conductor.meta(0, 0x51, QByteArray("\x07\xA1\x20", 3)).end();
    MidiTrack accompaniment;  // channel 1 low, channel 2 the tune
    accompaniment.noteOn(0, 0, 48)
        .noteOn(0, 1, 72)
        .noteOff(480, 0, 48)
        .noteOff(0, 1, 72)
        .noteOn(0, 1, 74)
        .noteOff(240, 1, 74)
        .noteOn(0, 1, 76)
        .end();
    MidiTrack drums;  // channel 10 plays high, but is no melody
    drums.noteOn(0, 9, 81).noteOn(480, 9, 81).end();
    MidiTrack other;  // average 73, below 74
    other.noteOn(0, 0, 73).noteOn(10, 0, 73).end();
    const melody::Melody melody = melodyOf(1, 480, {conductor, accompaniment, drums, other});
    EXPECT_EQ(pitchesOf(melody), (Chords{{72}, {74}, {76}}));
    EXPECT_EQ(melody.chords[2].place, QStringLiteral("takt 1, doba 2,5 (MIDI čas 720)"));

    // Equal averages take the earlier track; chunks of other kinds are skipped.
    MidiTrack first;
    first.noteOn(0, 3, 70).end();
    MidiTrack second;
    second.noteOn(0, 0, 69).noteOn(0, 0, 71).end();
    QByteArray file = midiFile(1, 96, {first, second});
    file.insert(14, QByteArray("XFIH\x00\x00\x00\x02zz", 10));
    EXPECT_EQ(pitchesOf(readMidiMelody(file, QStringLiteral("c.mid"))), Chords{{70}});

    // Without notes other than drums the melody is empty.
    MidiTrack drumsOnly;
    drumsOnly.noteOn(0, 9, 40).event(0, {0xF0, 0x02, 0x01, 0xF7}).end();
    EXPECT_TRUE(melodyOf(1, 480, {drumsOnly}).chords.empty());
}

TEST(MidiFile, TimeSignatureChangesFramesAndHugeDeltaTimesGivePlaces) {
    MidiTrack track;
    track
        .meta(0, 0x58, QByteArray("\x06\x03\x18\x08", 4))  // 6/8: a bar is 3 quarters
        .noteOn(0, 0, 60)
        .meta(1440, 0x58, QByteArray("\x02\x02\x18\x08", 4))  // 2/4 from bar 2
        .noteOn(0, 0, 62)
        .noteOn(960 + 240, 0, 64)
        .end();
    const auto melody = melodyOf(0, 480, {track});
    ASSERT_EQ(melody.chords.size(), 3u);
    EXPECT_EQ(melody.chords[1].place, QStringLiteral("takt 2, doba 1 (MIDI čas 1440)"));
    EXPECT_EQ(melody.chords[2].place, QStringLiteral("takt 3, doba 1,5 (MIDI čas 2640)"));

    MidiTrack frames;
    frames.noteOn(100, 0, 60).end();
    EXPECT_EQ(melodyOf(0, 0xE728, {frames}).chords[0].place, QStringLiteral("MIDI čas 100"));

    // Huge delta times add up without overflow.
    MidiTrack huge;
    for (int i = 0; i < 200; ++i) {
        huge.noteOn(0x0FFFFFFF, 0, 60 + i % 12);
    }
    const auto far = melodyOf(0, 1, {huge.end()});
    ASSERT_EQ(far.chords.size(), 200u);
    EXPECT_EQ(far.chords.back().place,
              QStringLiteral("takt 13421772751, doba 1 (MIDI čas 53687091000)"));
}

TEST(MidiFile, MalformedFilesAreRefusedWithTheReason) {
    MidiTrack track;
    track.noteOn(0, 0, 60).noteOff(480, 0, 60).end();
    const QByteArray good = midiFile(0, 480, {track});
    // A track of one event, ended unless the case is that it runs on.
    const auto oneTrack = [](std::initializer_list<std::uint8_t> bytes, bool ended = true) {
        MidiTrack t;
        t.event(0, bytes);
        return midiFile(0, 480, {ended ? t.end() : t});
    };
    QByteArray fiveByteDelta = oneTrack({0x90, 60, 1}, false);
    fiveByteDelta.append("\x81\x81\x81\x81\x01\x90\x3c\x01", 8);
    fiveByteDelta[21] = char(fiveByteDelta.size() - 22);
    QByteArray hugeChunk = good;
    hugeChunk.replace(18, 4, QByteArray("\xFF\xFF\xFF\xFF", 4));
    const std::pair<QByteArray, QString> cases[] = {
        {"RIFF1234", QStringLiteral("Soubor /tmp/píseň.mid není soubor MIDI.")},
        {good.left(10), Damaged + QStringLiteral("hlavička je zkrácená.")},
        {midiFile(2, 480, {track}),
         QStringLiteral("Soubor MIDI /tmp/píseň.mid má formát 2; program čte jen formáty 0 a 1.")},
        {midiFile(0, 0, {track}), Damaged + QStringLiteral("délka doby je nulová.")},
        {midiFile(1, 480, {track}, 65535), Damaged + QStringLiteral("chybí stopa 2 z 65535.")},
        {oneTrack({60, 100}), Damaged + QStringLiteral("stopa 1 má data bez stavového bajtu.")},
        {fiveByteDelta, Damaged + QStringLiteral("stopa 1 má neplatně zapsaný čas nebo délku.")},
        {oneTrack({0x90, 60, 0x90}),
         Damaged + QStringLiteral("stopa 1 má neúplnou zprávu (bajt 0x90 místo dat).")},
        {oneTrack({0xF4}),
         Damaged + QStringLiteral("stopa 1 obsahuje neplatný stavový bajt 0xf4.")},
        {oneTrack({0xFF, 0x01, 0x8F, 0xFF, 0xFF, 0x7F}, false),
         Damaged + QStringLiteral("stopa 1 je zkrácená.")},
        {hugeChunk, Damaged + QStringLiteral("stopa 1 je zkrácená.")}};
    for (const auto& [bytes, message] : cases) {
        EXPECT_EQ(refusalOf(bytes), message);
    }
}

TEST(MidiFile, EveryTruncationOfAFileIsRefused) {
    MidiTrack first;
    first.meta(0, 0x03, "Melodie")
        .noteOn(0, 0, 60)
        .event(0, {64, 100})
        .noteOff(480, 0, 60)
        .event(0, {0xF0, 0x03, 0x7E, 0x7F, 0xF7})
        .noteOn(0, 0, 62)
        .end();
    MidiTrack second;
    second.noteOn(0, 1, 50).noteOn(960, 1, 52).end(10);
    const QByteArray file = midiFile(1, 480, {first, second});
    EXPECT_EQ(readMidiMelody(file, QStringLiteral("x.mid")).chords.size(), 2u);
    for (qsizetype size = 0; size < file.size(); ++size) {
        const QString refusal = refusalOf(file.left(size));
        EXPECT_TRUE(refusal.startsWith(Damaged) ||
                    refusal.contains(QStringLiteral("není soubor MIDI")))
            << size << ": " << refusal.toStdString();
    }
}
