#pragma once

#include "SongScore.h"
#include "SoundPlugin.h"

#include <QByteArray>
#include <QString>

// The song rendered by the sound plugin as a WAV file, a backing track to practise with.
namespace music {

inline constexpr int MaxReleaseSeconds = 2;

// The notes of `score` at `bpm` in sample frames, timed exactly as its MIDI file.
RenderJob renderJob(const SongScore& score, double bpm);

// The 44-byte header of a 16-bit stereo PCM file at SampleRate holding `frames`.
QByteArray wavHeader(qint64 frames);

// 44.1 kHz, 16-bit stereo, the song's beats and at most 2 s of its last notes ringing out.
// Written whole or not at all; throws spreadsheet::SpreadsheetError saying why it failed.
void writeWavFile(const QString& path, const SongScore& score, double bpm, SoundPlugin& plugin);

}  // namespace music
