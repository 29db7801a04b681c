#include "MusicXmlFile.h"

#include "ChordGathering.h"
#include "Fraction.h"
#include "ImportError.h"
#include "ScorePlace.h"
#include "XmlEntities.h"

#include <QDir>
#include <QXmlStreamReader>

#include <cmath>

namespace melody {

namespace {

const QString InvalidPitch = QStringLiteral("neplatná výška noty");

constexpr int MaxLabelLength = 20;
// Scores nest a few levels deep; deeper nesting only makes the XML reader keep a longer stack.
constexpr int MaxSkippedDepth = 256;
constexpr int MaxTransposition = 127;

struct Measure {
    QString label;          // as the score numbers it
    Fraction start;         // in quarter notes from the beginning
    Fraction beatQuarters;  // the time signature's beat
};

std::optional<int> stepSemitone(const QString& step) {
    static const QString steps = QStringLiteral("CDEFGAB");
    static const int semitones[] = {0, 2, 4, 5, 7, 9, 11};
    const qsizetype index = step.size() == 1 ? steps.indexOf(step[0]) : -1;
    return index < 0 ? std::nullopt : std::optional<int>(semitones[index]);
}

std::optional<int> boundedInteger(const QString& text, int limit) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && std::abs(value) <= limit ? std::optional<int>(value) : std::nullopt;
}

class MusicXmlReader {
public:
    MusicXmlReader(const QByteArray& bytes, const QString& fileName)
        : xml_(bytes), fileName_(fileName) {}

    Melody read() {
        try {
            readDocument();
            if (xml_.hasError()) {
                damaged({});
            }
            return gatherChords(
                std::move(notes_),
                [this](const StartedNote<Fraction>& note) { return placeOf(note); }, fileName_);
        } catch (const Fraction::Overflow&) {
            damaged(QStringLiteral("délky not se nedají sečíst"));
        }
    }

private:
    QString placeOf(const StartedNote<Fraction>& note) const {
        const Measure& measure = measures_[static_cast<std::size_t>(note.measure)];
        return barAndBeat(measure.label,
                          1.0 + ((note.onset - measure.start) / measure.beatQuarters).toDouble());
    }

    // Only measures with notes are kept for telling places, so empty ones cost nothing.
    int recordedMeasure() {
        if (recordedOrdinal_ != measuresRead_) {
            measures_.push_back(measure_);
            recordedOrdinal_ = measuresRead_;
        }
        return static_cast<int>(measures_.size()) - 1;
    }

    // An element of no concern, with everything in it.
    void skipElement() {
        int depth = 1;
        while (depth > 0 && !xml_.atEnd()) {
            xml_.readNext();
            if (xml_.isStartElement() && ++depth > MaxSkippedDepth) {
                damaged(QStringLiteral("prvky jsou vnořené příliš hluboko"));
            }
            depth -= xml_.isEndElement() ? 1 : 0;
        }
    }

    QString nativeName() const { return QDir::toNativeSeparators(fileName_); }

    // A document that breaks off or is no well-formed XML is reported as such, whatever
    // element was being read when it ended.
    [[noreturn]] void damaged(const QString& reason) const {
        const QString why = xml_.hasError() ? QStringLiteral("chyba XML na řádku %1, ve sloupci %2")
                                                  .arg(xml_.lineNumber())
                                                  .arg(xml_.columnNumber())
                                            : reason;
        throw ImportError(
            QStringLiteral("Soubor MusicXML %1 je poškozený: %2.").arg(nativeName(), why));
    }

    [[noreturn]] void damagedInMeasure(const QString& reason) const {
        damaged(QStringLiteral("takt %1: %2").arg(measure_.label, reason));
    }

    void readDocument() {
        while (!xml_.atEnd()) {
            xml_.readNext();
            refuseEntityDeclarations(xml_, fileName_);
            if (xml_.isStartElement()) {
                break;
            }
        }
        if (xml_.hasError()) {
            return;
        }
        if (xml_.name() == u"score-partwise") {
            readPartwise();
        } else if (xml_.name() == u"score-timewise") {
            readTimewise();
        } else {
            throw ImportError(
                QStringLiteral("Soubor %1 není partitura MusicXML.").arg(nativeName()));
        }
    }

    // The first part named in the part list; without a list, the first part met.
    bool isMelodyPart() {
        const QString id = xml_.attributes().value(QLatin1StringView("id")).toString();
        if (!melodyPartId_) {
            melodyPartId_ = id;
        }
        return id == *melodyPartId_;
    }

    void readPartList() {
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"score-part" && !melodyPartId_) {
                melodyPartId_ = xml_.attributes().value(QLatin1StringView("id")).toString();
            }
            skipElement();
        }
    }

    void readPartwise() {
        bool partRead = false;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"part-list") {
                readPartList();
            } else if (xml_.name() == u"part" && !partRead && isMelodyPart()) {
                partRead = true;
                while (xml_.readNextStartElement()) {
                    if (xml_.name() == u"measure") {
                        readMeasure(measureLabel());
                    } else {
                        skipElement();
                    }
                }
            } else {
                skipElement();
            }
        }
    }

    void readTimewise() {
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"part-list") {
                readPartList();
            } else if (xml_.name() == u"measure") {
                const QString label = measureLabel();
                bool partRead = false;
                while (xml_.readNextStartElement()) {
                    if (xml_.name() == u"part" && !partRead && isMelodyPart()) {
                        partRead = true;
                        readMeasure(label);
                    } else {
                        skipElement();
                    }
                }
            } else {
                skipElement();
            }
        }
    }

    QString measureLabel() const {
        const QString number = xml_.attributes()
                                   .value(QLatin1StringView("number"))
                                   .toString()
                                   .trimmed()
                                   .left(MaxLabelLength);
        return number.isEmpty() ? QString::number(measuresRead_ + 1) : number;
    }

    // The contents of one measure of the melody part. The measure lasts as far as any voice
    // reaches, so pickups and incomplete bars keep the following notes in place.
    void readMeasure(const QString& label) {
        measure_ = {label, measureStart_, beatQuarters_};
        ++measuresRead_;
        position_ = Fraction();
        end_ = Fraction();
        chordOnset_ = Fraction();
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"note") {
                readNote();
            } else if (xml_.name() == u"backup") {
                moveBy(Fraction() - durationOf());
            } else if (xml_.name() == u"forward") {
                moveBy(durationOf());
            } else if (xml_.name() == u"attributes") {
                readAttributes();
            } else {
                skipElement();
            }
        }
        measureStart_ = measureStart_ + end_;
    }

    void moveBy(Fraction quarters) {
        position_ = position_ + quarters;
        if (position_ < Fraction()) {
            position_ = Fraction();
        }
        if (end_ < position_) {
            end_ = position_;
        }
    }

    // The <duration> child of <backup> or <forward>, in quarter notes.
    Fraction durationOf() {
        Fraction duration;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"duration") {
                duration = quarters(xml_.readElementText());
            } else {
                skipElement();
            }
        }
        return duration;
    }

    Fraction quarters(const QString& durationText) const {
        const auto duration = Fraction::fromDecimal(durationText);
        if (!duration || *duration < Fraction()) {
            damagedInMeasure(
                QStringLiteral("neplatná délka „%1“").arg(durationText.left(MaxLabelLength)));
        }
        return *duration / divisions_;
    }

    void readAttributes() {
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"divisions") {
                const QString text = xml_.readElementText();
                const auto divisions = Fraction::fromDecimal(text);
                if (!divisions || !(Fraction() < *divisions)) {
                    damagedInMeasure(QStringLiteral("neplatný počet dílků doby „%1“")
                                         .arg(text.left(MaxLabelLength)));
                }
                divisions_ = *divisions;
            } else if (xml_.name() == u"transpose") {
                readTranspose();
            } else if (xml_.name() == u"time") {
                readTime();
            } else {
                skipElement();
            }
        }
    }

    void readTranspose() {
        int chromatic = 0;
        int octaves = 0;
        while (xml_.readNextStartElement()) {
            const bool isChromatic = xml_.name() == u"chromatic";
            if (isChromatic || xml_.name() == u"octave-change") {
                const auto value = boundedInteger(xml_.readElementText(), MaxTransposition);
                if (!value) {
                    damagedInMeasure(QStringLiteral("neplatná transpozice"));
                }
                (isChromatic ? chromatic : octaves) = *value;
            } else {
                skipElement();
            }
        }
        transposition_ = chromatic + 12 * octaves;
    }

    // Only the beat matters, for telling places: the first beat type of the signature.
    void readTime() {
        std::optional<int> beatType;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"beat-type" && !beatType) {
                beatType = boundedInteger(xml_.readElementText(), 1024);
            } else {
                skipElement();
            }
        }
        if (beatType && *beatType > 0) {
            beatQuarters_ = Fraction(4, *beatType);
            measure_.beatQuarters = beatQuarters_;
        }
    }

    struct NoteElement {
        bool grace = false;
        bool cue = false;
        bool chord = false;
        bool tieStop = false;
        std::optional<int> pitch;
        Fraction duration;
        std::optional<QString> lyric;
    };

    void readNote() {
        NoteElement note;
        while (xml_.readNextStartElement()) {
            readNoteChild(note);
        }
        if (note.grace) {
            return;
        }
        Fraction onset = chordOnset_;
        if (!note.chord) {
            onset = position_;
            chordOnset_ = position_;
            moveBy(note.duration);
        }
        if (note.cue || note.tieStop || !note.pitch) {
            return;
        }
        notes_.push_back({measureStart_ + onset, *note.pitch + transposition_, recordedMeasure(),
                          note.lyric.value_or(QString())});
    }

    void readNoteChild(NoteElement& note) {
        const auto name = xml_.name();
        if (name == u"grace") {
            note.grace = true;
        } else if (name == u"cue") {
            note.cue = true;
        } else if (name == u"chord") {
            note.chord = true;
        } else if (name == u"tie") {
            note.tieStop =
                note.tieStop || xml_.attributes().value(QLatin1StringView("type")) == u"stop";
        } else if (name == u"pitch") {
            note.pitch = readPitch();
            return;
        } else if (name == u"duration") {
            note.duration = quarters(xml_.readElementText());
            return;
        } else if (name == u"notations") {
            note.tieStop = readNotationsTieStop() || note.tieStop;
            return;
        } else if (name == u"lyric" && !note.lyric) {
            note.lyric = readLyric();
            return;
        }
        skipElement();
    }

    int readPitch() {
        std::optional<int> step;
        std::optional<int> octave;
        int alter = 0;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"step") {
                step = stepSemitone(xml_.readElementText().trimmed());
            } else if (xml_.name() == u"octave") {
                octave = boundedInteger(xml_.readElementText(), 9);
            } else if (xml_.name() == u"alter") {
                const auto value = Fraction::fromDecimal(xml_.readElementText());
                if (!value || std::abs(value->toDouble()) > 12) {
                    damagedInMeasure(InvalidPitch);
                }
                alter = static_cast<int>(std::lround(value->toDouble()));
            } else {
                skipElement();
            }
        }
        if (!step || !octave || *octave < 0) {
            damagedInMeasure(InvalidPitch);
        }
        return 12 * (*octave + 1) + *step + alter;
    }

    // <tied type="stop"/> marks a continuation as much as <tie> does; some programs write
    // only one of them.
    bool readNotationsTieStop() {
        bool stop = false;
        while (xml_.readNextStartElement()) {
            stop = stop || (xml_.name() == u"tied" &&
                            xml_.attributes().value(QLatin1StringView("type")) == u"stop");
            skipElement();
        }
        return stop;
    }

    // A syllable split by an elision is sung as one: its parts joined by a blank.
    QString readLyric() {
        QStringList texts;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"text") {
                texts << xml_.readElementText().trimmed();
            } else {
                skipElement();
            }
        }
        return texts.join(u' ');
    }

    QXmlStreamReader xml_;
    const QString& fileName_;
    std::optional<QString> melodyPartId_;
    std::vector<Measure> measures_;  // those with notes
    Measure measure_;                // the one being read
    qint64 measuresRead_ = 0;
    qint64 recordedOrdinal_ = 0;
    std::vector<StartedNote<Fraction>> notes_;
    Fraction divisions_{1};
    int transposition_ = 0;
    Fraction beatQuarters_{1};
    Fraction measureStart_;
    Fraction position_;
    Fraction end_;
    Fraction chordOnset_;
};

}  // namespace

Melody readMusicXmlMelody(const QByteArray& bytes, const QString& fileName) {
    return MusicXmlReader(bytes, fileName).read();
}

}  // namespace melody
