#include "MidiFile.h"

#include "ChordGathering.h"
#include "ImportError.h"
#include "MidiMeter.h"

#include <QDir>

#include <bitset>
#include <cstdint>
#include <functional>
#include <map>

namespace melody {

namespace {

const QString TruncatedHeader = QStringLiteral("hlavička je zkrácená");

constexpr int DrumChannel = 9;  // channel 10 as players count
constexpr int MaxVlqBytes = 4;
// More time signatures than any real file has only tell places in messages; they are not kept.
constexpr std::size_t MaxTimeSignatures = 65536;

[[noreturn]] void damaged(const QString& fileName, const QString& reason) {
    throw ImportError(QStringLiteral("Soubor MIDI %1 je poškozený: %2.")
                          .arg(QDir::toNativeSeparators(fileName), reason));
}

// Bytes of one chunk, read with every length checked against what is there.
class ByteCursor {
public:
    ByteCursor(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

    bool atEnd() const { return position_ >= size_; }
    std::size_t remaining() const { return size_ - position_; }
    bool has(std::size_t count) const { return count <= remaining(); }
    const unsigned char* here() const { return data_ + position_; }
    // Callers check has() first.
    std::uint8_t peek() const { return data_[position_]; }
    std::uint8_t byte() { return data_[position_++]; }
    void skip(std::size_t count) { position_ += count; }
    std::uint32_t bigEndian(int bytes) {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            value = (value << 8) | byte();
        }
        return value;
    }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

struct Header {
    int format = 0;
    int tracks = 0;
    int division = 0;
    std::size_t firstChunk = 0;
};

Header readHeader(const QByteArray& bytes, const QString& fileName) {
    ByteCursor cursor(reinterpret_cast<const unsigned char*>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size()));
    if (!bytes.startsWith("MThd")) {
        throw ImportError(
            QStringLiteral("Soubor %1 není soubor MIDI.").arg(QDir::toNativeSeparators(fileName)));
    }
    cursor.skip(4);
    if (!cursor.has(4 + 6)) {
        damaged(fileName, TruncatedHeader);
    }
    const std::uint32_t length = cursor.bigEndian(4);
    if (length < 6 || length > cursor.remaining()) {
        damaged(fileName, TruncatedHeader);
    }
    Header header;
    header.format = static_cast<int>(cursor.bigEndian(2));
    header.tracks = static_cast<int>(cursor.bigEndian(2));
    header.division = static_cast<int>(cursor.bigEndian(2));
    header.firstChunk = 8 + length;
    if (header.format > 1) {
        throw ImportError(
            QStringLiteral("Soubor MIDI %1 má formát %2; program čte jen formáty 0 a 1.")
                .arg(QDir::toNativeSeparators(fileName))
                .arg(header.format));
    }
    if (header.division == 0) {
        damaged(fileName, QStringLiteral("délka doby je nulová"));
    }
    return header;
}

// What a pass over the tracks reports: a note starting, a time signature.
struct TrackVisitor {
    std::function<void(int track, int channel, std::int64_t tick, int pitch)> noteOn;
    std::function<void(const MidiTimeSignature&)> timeSignature;
};

class TrackReader {
public:
    TrackReader(ByteCursor cursor, int track, const QString& fileName, const TrackVisitor& visitor)
        : cursor_(cursor), track_(track), fileName_(fileName), visitor_(visitor) {}

    void read() {
        while (!cursor_.atEnd()) {
            tick_ += variableLength();
            if (!event()) {
                return;
            }
        }
    }

private:
    [[noreturn]] void fail(const QString& reason) const {
        damaged(fileName_, QStringLiteral("stopa %1 %2").arg(track_ + 1).arg(reason));
    }

    void need(std::size_t count) const {
        if (!cursor_.has(count)) {
            fail(QStringLiteral("je zkrácená"));
        }
    }

    std::uint32_t variableLength() {
        std::uint32_t value = 0;
        for (int i = 0; i < MaxVlqBytes; ++i) {
            need(1);
            const std::uint8_t b = cursor_.byte();
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80)) {
                return value;
            }
        }
        fail(QStringLiteral("má neplatně zapsaný čas nebo délku"));
    }

    std::uint8_t dataByte() {
        need(1);
        const std::uint8_t b = cursor_.byte();
        if (b & 0x80) {
            fail(QStringLiteral("má neúplnou zprávu (bajt 0x%1 místo dat)")
                     .arg(b, 2, 16, QLatin1Char('0')));
        }
        return b;
    }

    // False at the end of the track.
    bool event() {
        need(1);
        std::uint8_t status = cursor_.peek();
        if (status & 0x80) {
            cursor_.skip(1);
        } else if (runningStatus_ == 0) {
            fail(QStringLiteral("má data bez stavového bajtu"));
        } else {
            status = runningStatus_;
        }
        if (status == 0xFF) {
            return metaEvent();
        }
        if (status == 0xF0 || status == 0xF7) {
            skipData(variableLength());
            return true;
        }
        if (status > 0xF0) {
            fail(QStringLiteral("obsahuje neplatný stavový bajt 0x%1")
                     .arg(status, 2, 16, QLatin1Char('0')));
        }
        runningStatus_ = status;
        channelMessage(status);
        return true;
    }

    // Running status survives meta and system exclusive events here: many writers rely on it,
    // and keeping it never misreads a file that does not.
    bool metaEvent() {
        need(1);
        const std::uint8_t type = cursor_.byte();
        const std::uint32_t length = variableLength();
        need(length);
        if (type == 0x2F) {
            return false;
        }
        if (type == 0x58 && length >= 2) {
            visitor_.timeSignature({tick_, cursor_.here()[0], cursor_.here()[1]});
        }
        cursor_.skip(length);
        return true;
    }

    void skipData(std::uint32_t length) {
        need(length);
        cursor_.skip(length);
    }

    void channelMessage(std::uint8_t status) {
        const int kind = status & 0xF0;
        const int channel = status & 0x0F;
        const std::uint8_t first = dataByte();
        if (kind == 0xC0 || kind == 0xD0) {
            return;
        }
        const std::uint8_t second = dataByte();
        if (kind == 0x90 && second > 0 && channel != DrumChannel) {
            visitor_.noteOn(track_, channel, tick_, first);
        }
    }

    ByteCursor cursor_;
    int track_;
    const QString& fileName_;
    const TrackVisitor& visitor_;
    std::int64_t tick_ = 0;
    std::uint8_t runningStatus_ = 0;
};

void readTracks(const QByteArray& bytes, const Header& header, const QString& fileName,
                const TrackVisitor& visitor) {
    ByteCursor file(reinterpret_cast<const unsigned char*>(bytes.constData()),
                    static_cast<std::size_t>(bytes.size()));
    file.skip(header.firstChunk);
    for (int track = 0; track < header.tracks;) {
        if (!file.has(8)) {
            damaged(fileName,
                    QStringLiteral("chybí stopa %1 z %2").arg(track + 1).arg(header.tracks));
        }
        const bool isTrack = std::equal(file.here(), file.here() + 4, "MTrk");
        file.skip(4);
        const std::uint32_t length = file.bigEndian(4);
        if (!file.has(length)) {
            damaged(fileName, QStringLiteral("stopa %1 je zkrácená").arg(track + 1));
        }
        if (isTrack) {
            TrackReader(ByteCursor(file.here(), length), track, fileName, visitor).read();
            ++track;
        }
        file.skip(length);
    }
}

struct PairStatistics {
    std::int64_t pitchSum = 0;
    std::int64_t notes = 0;
};

// Highest average pitch; the earliest pair (track, then channel) among equals.
int melodyPair(const std::map<int, PairStatistics>& pairs) {
    int best = -1;
    PairStatistics bestStatistics;
    for (const auto& [pair, statistics] : pairs) {
        if (best < 0 || statistics.pitchSum * bestStatistics.notes >
                            bestStatistics.pitchSum * statistics.notes) {
            best = pair;
            bestStatistics = statistics;
        }
    }
    return best;
}

struct TickChord {
    std::int64_t tick;
    std::bitset<128> pitches;
};

}  // namespace

Melody readMidiMelody(const QByteArray& bytes, const QString& fileName) {
    const Header header = readHeader(bytes, fileName);
    std::map<int, PairStatistics> pairs;
    std::vector<MidiTimeSignature> signatures;
    readTracks(bytes, header, fileName,
               {[&pairs](int track, int channel, std::int64_t, int pitch) {
                    PairStatistics& statistics = pairs[track * 16 + channel];
                    statistics.pitchSum += pitch;
                    ++statistics.notes;
                },
                [&signatures](const MidiTimeSignature& signature) {
                    if (signatures.size() < MaxTimeSignatures) {
                        signatures.push_back(signature);
                    }
                }});
    const int chosen = melodyPair(pairs);
    Melody melody;
    if (chosen < 0) {
        return melody;
    }
    std::vector<TickChord> chords;
    readTracks(bytes, header, fileName,
               {[&](int track, int channel, std::int64_t tick, int pitch) {
                    if (track * 16 + channel != chosen) {
                        return;
                    }
                    if (chords.empty() || chords.back().tick != tick) {
                        if (chords.size() >= MaxChords) {
                            throw ImportError(tooLongMessage(fileName));
                        }
                        chords.push_back({tick, {}});
                    }
                    chords.back().pitches.set(static_cast<std::size_t>(pitch));
                },
                [](const MidiTimeSignature&) {}});
    const MidiMeter meter(header.division, std::move(signatures));
    melody.chords.reserve(chords.size());
    for (const TickChord& chord : chords) {
        MelodyChord grip;
        for (int pitch = 0; pitch < 128; ++pitch) {
            if (chord.pitches.test(static_cast<std::size_t>(pitch))) {
                grip.pitches.push_back(pitch);
            }
        }
        grip.place = meter.placeOf(chord.tick);
        melody.chords.push_back(std::move(grip));
    }
    return melody;
}

}  // namespace melody
