// The sound plugin as the core loads it: rendering a song into a WAV file, the live synth
// without a sound device, and the messages when the plugin cannot be had.
#include "support/TestFiles.h"

#include "music/SoundPluginLoader.h"
#include "music/WavFile.h"
#include "spreadsheet/SpreadsheetError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>

namespace {

music::SoundPlugin& plugin() {
    static const music::SoundPluginLoading loading = music::loadSoundPlugin({MECHIK_BIN_DIR});
    EXPECT_TRUE(loading.plugin) << loading.failure.toStdString();
    return *loading.plugin;
}

// A rendered file: its header is the one spelled out below, its samples interleaved stereo.
struct Wav {
    std::vector<qint16> samples;

    double seconds() const { return samples.size() / 2.0 / 44100; }
    // The left channel from `from` seconds for `count` frames.
    std::vector<double> left(double from, double count) const {
        std::vector<double> out;
        const auto first = static_cast<size_t>(from * 44100);
        for (size_t i = 0; i < count && 2 * (first + i) < samples.size(); ++i) {
            out.push_back(samples[2 * (first + i)]);
        }
        return out;
    }
};

Wav readWav(const QString& path) {
    const QByteArray file = testing_support::readBytes(path);
    const qint64 frames = (file.size() - 44) / 4;
    EXPECT_EQ(file.size(), 44 + 4 * frames);
    EXPECT_EQ(file.left(44).toHex(), music::wavHeader(frames).toHex());
    Wav wav;
    wav.samples.resize(static_cast<size_t>(2 * frames));
    qFromLittleEndian<qint16>(file.constData() + 44, wav.samples.size(), wav.samples.data());
    return wav;
}

double rms(const std::vector<double>& samples) {
    double sum = 0;
    for (double s : samples) {
        sum += s * s;
    }
    return samples.empty() ? 0 : std::sqrt(sum / samples.size());
}

// The period, in samples, that the signal repeats with most closely.
int strongestPeriod(const std::vector<double>& samples, int shortest, int longest) {
    int best = 0;
    double bestScore = -1e300;
    for (int lag = shortest; lag <= longest; ++lag) {
        double score = 0;
        for (size_t i = 0; i + lag < samples.size(); ++i) {
            score += samples[i] * samples[i + lag];
        }
        if (score > bestScore) {
            bestScore = score;
            best = lag;
        }
    }
    return best;
}

}  // namespace

TEST(WavFile, ASongRendersAsLongAsItsBeatsAtTheWrittenPitch) {
    // Two beats of a1, (440 Hz) at 120 beats a minute, a silent beat, then the bass A.
    music::SongScore score;
    score.beats = {
        {1, false, {{69}, {}}}, {2, false, {{69}, {}}}, {3, true, {}}, {4, false, {{}, {45}}}};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("píseň.wav"));
    music::writeWavFile(path, score, 120, plugin());

    const Wav wav = readWav(path);
    EXPECT_GE(wav.seconds(), 2.0);
    EXPECT_LE(wav.seconds(), 4.0);
    const auto tone = wav.left(0.2, 0.5 * 44100);
    EXPECT_GT(rms(tone), 500);
    // 44100 / 440 = 100 samples, the tremolo voice 10 cents above it barely moves that.
    EXPECT_NEAR(strongestPeriod(tone, 80, 125), 100, 1);
    // The silent beat is quieter than the tone by far, the bass sounds again.
    EXPECT_LT(rms(wav.left(1.3, 0.2 * 44100)), rms(tone) / 10);
    EXPECT_GT(rms(wav.left(1.6, 0.3 * 44100)), 200);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("píseň.wav")});
}

TEST(WavFile, TheHeaderAndTheFramesOfTheJob) {
    // "RIFF" and the size, "WAVE"; "fmt " 16 long: PCM, 2 channels, 44100 Hz, bytes a second,
    // 4-byte frames of 16 bits; "data" and its size.
    EXPECT_EQ(music::wavHeader(10).toHex(), QByteArray("524946464c00000057415645"
                                                       "666d7420100000000100020044ac0000"
                                                       "10b102000400100064617461"
                                                       "28000000"));
    music::SongScore score;
    score.beats = {{1, false, {{60}, {}}}, {2, false, {{62}, {}}}};
    const music::RenderJob job = music::renderJob(score, 100);  // 0.6 s a beat
    ASSERT_EQ(job.notes.size(), 4u);
    EXPECT_EQ(job.notes[1].frame, 26460);
    EXPECT_FALSE(job.notes[1].on);
    EXPECT_EQ(job.endFrame, 52920);
    EXPECT_EQ(job.maxReleaseFrames, 88200);
}

TEST(WavFile, AFailedRenderingLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("píseň.wav"));
    testing_support::writeBytes(path, "old");
    music::SongScore score;
    score.beats.assign(8, {1, false, {{60, 64}, {36}}});
    testing_support::withFullDisk([&] {
        try {
            music::writeWavFile(path, score, 100, plugin());
            ADD_FAILURE() << "a full disk took the whole song";
        } catch (const spreadsheet::SpreadsheetError& error) {
            EXPECT_TRUE(error.description().contains(QStringLiteral("plný disk")));
        }
    });
    EXPECT_EQ(testing_support::readBytes(path), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("píseň.wav")});

    // Ten beats a minute for the longest sheet would not fit the format's 4 GB.
    score.beats.assign(65536, {1, false, {{60}, {}}});
    EXPECT_THROW(music::writeWavFile(path, score, 10, plugin()), spreadsheet::SpreadsheetError);
    EXPECT_EQ(testing_support::readBytes(path), QByteArray("old"));
}

// Without a device the synth alone takes notes; asked for the device it says so at once.
TEST(LiveSynth, WithoutASoundDeviceItSaysSoAtOnce) {
    {
        const auto alone = plugin().openLiveSynth(music::AudioOutput::None);
        ASSERT_TRUE(alone.synth) << alone.failure.toStdString();
        alone.synth->noteOn(music::Part::Treble, 60);
        alone.synth->noteOn(music::Part::Bass, 36);
        alone.synth->noteOff(music::Part::Treble, 60);
        alone.synth->noteOff(music::Part::Bass, 36);
    }

    qputenv("MECHIK_AUDIO_DRIVER", "no-such-driver");
    const auto chosen = plugin().openLiveSynth(music::AudioOutput::Device);
    qunsetenv("MECHIK_AUDIO_DRIVER");
    EXPECT_FALSE(chosen.synth);
    EXPECT_EQ(chosen.failure, QStringLiteral("počítač nemá dostupné zvukové zařízení."));
    EXPECT_EQ(music::soundUnavailableMessage(chosen.failure),
              QStringLiteral("Zvuk nelze přehrát: počítač nemá dostupné zvukové zařízení.\n"
                             "Program pokračuje bez zvuku."));

    const auto opening = plugin().openLiveSynth(music::AudioOutput::Device);
    if (opening.synth) {
        GTEST_SKIP() << "this computer has a sound device";
    }
    EXPECT_EQ(opening.failure, chosen.failure);
}

TEST(SoundPluginLoader, SaysWhyThereIsNoPlugin) {
    QTemporaryDir dir;
    const auto missing = music::loadSoundPlugin({dir.path()});
    EXPECT_FALSE(missing.plugin);
    EXPECT_EQ(missing.failure, QStringLiteral("zvukový modul mechik_sound nebyl nalezen (hledán ve "
                                              "složkách %1).")
                                   .arg(QDir::toNativeSeparators(dir.path())));

    const QString fake = dir.filePath(QStringLiteral("libmechik_sound.so"));
    testing_support::writeBytes(fake, "not a library");
    const auto broken = music::loadSoundPlugin({dir.path()});
    EXPECT_FALSE(broken.plugin);
    EXPECT_TRUE(broken.failure.startsWith(
        QStringLiteral("zvukový modul %1 nelze načíst: ").arg(QDir::toNativeSeparators(fake))))
        << broken.failure.toStdString();

    // A library, but no sound plugin: the print plugin under the sound plugin's name.
    QFile::remove(fake);
    ASSERT_TRUE(QFile::copy(QStringLiteral(MECHIK_BIN_DIR "/libmechik_print.so"), fake));
    const auto foreign = music::loadSoundPlugin({dir.path()});
    EXPECT_FALSE(foreign.plugin);
    EXPECT_EQ(foreign.failure, QStringLiteral("zvukový modul %1 nepatří k této verzi programu.")
                                   .arg(QDir::toNativeSeparators(fake)));
}
