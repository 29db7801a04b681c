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

struct Wav {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<qint16> samples;  // interleaved

    double seconds() const { return samples.size() / 2.0 / rate; }
    // The left channel from `from` for `count` frames.
    std::vector<double> left(double from, double count) const {
        std::vector<double> out;
        const auto first = static_cast<size_t>(from * rate);
        for (size_t i = 0; i < count && 2 * (first + i) < samples.size(); ++i) {
            out.push_back(samples[2 * (first + i)]);
        }
        return out;
    }
};

Wav readWav(const QString& path) {
    const QByteArray file = testing_support::readBytes(path);
    Wav wav;
    EXPECT_TRUE(file.startsWith("RIFF"));
    EXPECT_EQ(file.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(qFromLittleEndian<quint32>(file.constData() + 4), quint32(file.size() - 8));
    EXPECT_EQ(qFromLittleEndian<quint16>(file.constData() + 20), 1);  // PCM
    wav.channels = qFromLittleEndian<quint16>(file.constData() + 22);
    wav.rate = static_cast<int>(qFromLittleEndian<quint32>(file.constData() + 24));
    wav.bits = qFromLittleEndian<quint16>(file.constData() + 34);
    EXPECT_EQ(file.mid(36, 4), QByteArray("data"));
    const quint32 dataSize = qFromLittleEndian<quint32>(file.constData() + 40);
    EXPECT_EQ(dataSize, quint32(file.size() - 44));
    wav.samples.resize(dataSize / 2);
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

QString systemLibrary(const QString& name) {
    const QDir usrLib(QStringLiteral("/usr/lib"));
    const QStringList folders = usrLib.entryList(QDir::Dirs | QDir::NoDotAndDotDot) << QString();
    for (const QString& folder : folders) {
        if (const QString path = QDir(usrLib.filePath(folder)).filePath(name);
            QFile::exists(path)) {
            return path;
        }
    }
    return {};
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
    EXPECT_EQ(wav.channels, 2);
    EXPECT_EQ(wav.rate, 44100);
    EXPECT_EQ(wav.bits, 16);
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
    EXPECT_EQ(music::wavHeader(10).toHex(), QByteArray("52494646"
                                                       "4c000000"
                                                       "57415645"
                                                       "666d7420"
                                                       "10000000"
                                                       "0100"
                                                       "0200"
                                                       "44ac0000"
                                                       "10b10200"
                                                       "0400"
                                                       "1000"
                                                       "64617461"
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

TEST(LiveSynth, WithoutASoundDeviceItSaysSoAtOnce) {
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

TEST(LiveSynth, TheSynthAloneTakesNotes) {
    const auto opening = plugin().openLiveSynth(music::AudioOutput::None);
    ASSERT_TRUE(opening.synth) << opening.failure.toStdString();
    opening.synth->noteOn(music::Part::Treble, 60);
    opening.synth->noteOn(music::Part::Bass, 36);
    opening.synth->noteOff(music::Part::Treble, 60);
    opening.synth->noteOff(music::Part::Bass, 36);
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

    // A library, but not ours.
    QFile::remove(fake);
    const QString zlib = systemLibrary(QStringLiteral("libz.so.1"));
    if (zlib.isEmpty()) {
        GTEST_SKIP() << "no libz.so.1 to stand in for a foreign library";
    }
    ASSERT_TRUE(QFile::copy(zlib, fake));
    const auto foreign = music::loadSoundPlugin({dir.path()});
    EXPECT_FALSE(foreign.plugin);
    EXPECT_EQ(foreign.failure, QStringLiteral("zvukový modul %1 nepatří k této verzi programu.")
                                   .arg(QDir::toNativeSeparators(fake)));
}
