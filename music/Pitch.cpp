#include "Pitch.h"

#include "tones/clsNoty.h"

namespace music {

namespace {

std::optional<int> letterSemitone(QChar letter, bool upperCase) {
    static const char letters[] = "cdefgahb";
    static const int semitones[] = {0, 2, 4, 5, 7, 9, 11, 10};
    const QChar lower = upperCase ? letter.toLower() : letter;
    if (upperCase ? !letter.isUpper() : !letter.isLower()) {
        return std::nullopt;
    }
    for (int i = 0; i < 8; ++i) {
        if (lower == QLatin1Char(letters[i])) {
            return semitones[i];
        }
    }
    return std::nullopt;
}

// "is" raises; "es", or "s" after e and a, lowers; b takes no suffix. `used` gets the length.
int accidental(QChar letter, QStringView rest, int& used) {
    used = 0;
    const QChar lower = letter.toLower();
    if (lower == u'b') {
        return 0;
    }
    if (rest.startsWith(u"is")) {
        used = 2;
        return 1;
    }
    const bool shortFlat = lower == u'e' || lower == u'a';
    if (shortFlat && rest.startsWith(u's')) {
        used = 1;
        return -1;
    }
    if (!shortFlat && rest.startsWith(u"es")) {
        used = 2;
        return -1;
    }
    return 0;
}

int pitchClass(int pitch) {
    return ((pitch % 12) + 12) % 12;
}

// Spellings of the twelve pitch classes, as the tuning tables write them.
const char* const Spellings[] = {"c", "cis", "d", "es", "e", "f", "fis", "g", "as", "a", "b", "h"};

}  // namespace

std::optional<int> tonePitch(const QString& toneName) {
    if (!tones::isToneName(toneName)) {
        return std::nullopt;
    }
    const QChar letter = toneName[0];
    int used = 0;
    const int shift = accidental(letter, QStringView(toneName).mid(1), used);
    const QChar digit = toneName.at(1 + used);
    const int octave = digit.isDigit() ? digit.digitValue() : 0;
    return LowestStaffPitch + 12 * octave + *letterSemitone(letter, false) + shift;
}

QString toneNameOfPitch(int pitch) {
    if (pitch < LowestStaffPitch || pitch > HighestStaffPitch) {
        return {};
    }
    const int octave = (pitch - LowestStaffPitch) / 12;
    QString name = QString::fromLatin1(Spellings[pitchClass(pitch)]);
    if (octave > 0) {
        name += QString::number(octave);
    }
    return name + u',';
}

std::vector<int> BassSound::pitches() const {
    if (kind == Kind::Single) {
        return {36 + root};
    }
    const int base = 48 + root;
    return {base, base + (kind == Kind::Major ? 4 : 3), base + 7};
}

std::optional<BassSound> parseBass(const QString& bassName) {
    QStringView text(bassName);
    BassSound sound;
    const bool chord = text.startsWith(u'(') && text.endsWith(u')');
    if (chord) {
        text = text.mid(1, text.size() - 2);
        sound.kind = BassSound::Kind::Major;
        if (text.endsWith(u'm')) {
            text.chop(1);
            sound.kind = BassSound::Kind::Minor;
        }
    }
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const auto semitone = letterSemitone(text[0], true);
    if (!semitone) {
        return std::nullopt;
    }
    int used = 0;
    const int shift = accidental(text[0], text.mid(1), used);
    if (1 + used != text.size()) {
        return std::nullopt;
    }
    sound.root = pitchClass(*semitone + shift);
    return sound;
}

QString bassNameOf(int pitchClassValue, BassSound::Kind kind) {
    QString name = QString::fromLatin1(Spellings[pitchClass(pitchClassValue)]);
    name[0] = name[0].toUpper();
    switch (kind) {
        case BassSound::Kind::Single:
            return name;
        case BassSound::Kind::Major:
            return u'(' + name + u')';
        case BassSound::Kind::Minor:
            return u'(' + name + QStringLiteral("m)");
    }
    return name;
}

}  // namespace music
