#include "WavFile.h"

#include "Tempo.h"
#include "spreadsheet/AtomicFile.h"

#include <QtEndian>

#include <cmath>
#include <limits>
#include <optional>

namespace music {

namespace {

constexpr int BytesPerFrame = 4;  // two channels of 16 bits
constexpr int HeaderSize = 44;

QByteArray littleEndian(quint32 value, int bytes) {
    QByteArray out(bytes, '\0');
    for (int i = 0; i < bytes; ++i) {
        out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return out;
}

bool fitsInWav(qint64 frames) {
    return HeaderSize + frames * BytesPerFrame <= std::numeric_limits<quint32>::max();
}

}  // namespace

RenderJob renderJob(const SongScore& score, double bpm) {
    const double framesPerTick =
        microsecondsPerBeat(bpm) * 1e-6 * SampleRate / static_cast<double>(TicksPerBeat);
    const auto frameOf = [framesPerTick](int tick) {
        return static_cast<qint64>(std::llround(tick * framesPerTick));
    };
    RenderJob job;
    for (const auto& note : noteEvents(score)) {
        job.notes.push_back({frameOf(note.tick), note.part, note.pitch, note.on});
    }
    job.endFrame = frameOf(score.endTick());
    job.maxReleaseFrames = qint64{MaxReleaseSeconds} * SampleRate;
    return job;
}

QByteArray wavHeader(qint64 frames) {
    const auto dataSize = static_cast<quint32>(frames * BytesPerFrame);
    QByteArray header = "RIFF" + littleEndian(HeaderSize - 8 + dataSize, 4) + "WAVEfmt ";
    header += littleEndian(16, 4);  // the size of the format chunk
    header += littleEndian(1, 2);   // PCM
    header += littleEndian(2, 2);   // stereo
    header += littleEndian(SampleRate, 4);
    header += littleEndian(SampleRate * BytesPerFrame, 4);
    header += littleEndian(BytesPerFrame, 2);
    header += littleEndian(16, 2);  // bits per sample
    return header + "data" + littleEndian(dataSize, 4);
}

void writeWavFile(const QString& path, const SongScore& score, double bpm, SoundPlugin& plugin) {
    const RenderJob job = renderJob(score, bpm);
    if (!fitsInWav(job.endFrame + job.maxReleaseFrames)) {
        throw spreadsheet::cannotSave(path, QStringLiteral("píseň je v tomto tempu na soubor WAV "
                                                           "příliš dlouhá."));
    }
    spreadsheet::AtomicFile file(path);
    file.write(wavHeader(0));
    qint64 frames = 0;
    std::optional<spreadsheet::SpreadsheetError> writeError;
    const FrameSink sink = [&](const qint16* samples, int count) {
        try {
            if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
                file.write(reinterpret_cast<const char*>(samples), qint64{count} * BytesPerFrame);
            } else {
                QByteArray bytes(count * BytesPerFrame, '\0');
                qToLittleEndian<qint16>(samples, 2 * count, bytes.data());
                file.write(bytes);
            }
        } catch (const spreadsheet::SpreadsheetError& error) {
            writeError = error;
            return false;
        }
        frames += count;
        return true;
    };
    QString failure;
    if (!plugin.render(job, sink, failure)) {
        if (writeError) {
            throw *writeError;
        }
        throw spreadsheet::cannotSave(
            path, failure.isEmpty() ? QStringLiteral("zvuk se nepodařilo vytvořit.") : failure);
    }
    file.overwriteAt(0, wavHeader(frames));
    file.commit();
}

}  // namespace music
