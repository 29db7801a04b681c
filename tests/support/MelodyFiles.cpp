#include "MelodyFiles.h"

#include <zip.h>

#include <stdexcept>

namespace testing_support {

namespace {

QByteArray variableLength(std::uint32_t value) {
    QByteArray bytes(1, char(value & 0x7F));
    while (value >>= 7) {
        bytes.prepend(char(0x80 | (value & 0x7F)));
    }
    return bytes;
}

QByteArray bigEndian(std::uint32_t value, int bytes) {
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i) {
        out += char((value >> (8 * i)) & 0xFF);
    }
    return out;
}

}  // namespace

MidiTrack& MidiTrack::event(std::uint32_t delta, std::initializer_list<std::uint8_t> bytes) {
    bytes_ += variableLength(delta);
    for (const std::uint8_t b : bytes) {
        bytes_ += char(b);
    }
    return *this;
}

MidiTrack& MidiTrack::meta(std::uint32_t delta, std::uint8_t type, const QByteArray& data) {
    event(delta, {0xFF, type});
    bytes_ += variableLength(std::uint32_t(data.size())) + data;
    return *this;
}

QByteArray midiFile(int format, int division, const std::vector<MidiTrack>& tracks,
                    int declaredTracks) {
    QByteArray file =
        "MThd" + bigEndian(6, 4) + bigEndian(std::uint32_t(format), 2) +
        bigEndian(std::uint32_t(declaredTracks < 0 ? int(tracks.size()) : declaredTracks), 2) +
        bigEndian(std::uint32_t(division), 2);
    for (const MidiTrack& track : tracks) {
        file += "MTrk" + bigEndian(std::uint32_t(track.bytes().size()), 4) + track.bytes();
    }
    return file;
}

QByteArray midiTune(const std::vector<std::vector<int>>& chords, int ticks) {
    MidiTrack track;
    for (const auto& chord : chords) {
        for (const int pitch : chord) {
            track.noteOn(0, 0, pitch);
        }
        for (std::size_t i = 0; i < chord.size(); ++i) {
            track.noteOff(i == 0 ? std::uint32_t(ticks) : 0, 0, chord[i]);
        }
    }
    return midiFile(0, 480, {track.end()});
}

QByteArray musicXml(const QString& measures) {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
               "\"http://www.musicxml.org/dtds/partwise.dtd\">\n"
               "<score-partwise version=\"4.0\"><part-list><score-part id=\"P1\">"
               "<part-name>Melodie</part-name></score-part></part-list>"
               "<part id=\"P1\">%1</part></score-partwise>\n")
        .arg(measures)
        .toUtf8();
}

QByteArray zipArchive(const std::vector<std::pair<QString, QByteArray>>& files) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* zip = target ? zip_open_from_source(target, ZIP_TRUNCATE, &error) : nullptr;
    if (!zip) {
        throw std::runtime_error("zip_open_from_source");
    }
    zip_source_keep(target);
    for (const auto& [name, contents] : files) {
        zip_source_t* source =
            zip_source_buffer(zip, contents.constData(), zip_uint64_t(contents.size()), 0);
        const zip_int64_t index =
            zip_file_add(zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            throw std::runtime_error("zip_file_add");
        }
        zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_DEFLATE, 9);
    }
    if (zip_close(zip) != 0) {
        throw std::runtime_error("zip_close");
    }
    zip_source_open(target);
    zip_source_seek(target, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(target);
    zip_source_seek(target, 0, SEEK_SET);
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    zip_source_read(target, bytes.data(), zip_uint64_t(size));
    zip_source_close(target);
    zip_source_free(target);
    zip_error_fini(&error);
    return bytes;
}

}  // namespace testing_support
