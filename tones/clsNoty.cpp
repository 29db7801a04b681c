#include "tones/clsNoty.h"

#include "services/CommonMessages.h"

#include "tones/StaffPositionTable.h"

#include <QtGlobal>

#include <array>
#include <cmath>
#include <optional>

namespace tones {

namespace {

const QString MisplacedSharp = QStringLiteral("Křížek na nesprávném místě !");
const QString FlatAdjustment = QStringLiteral("Béčko úprava.");

using services::MessageIcon;

// An accidental picture stands this far above the Top of the note it belongs to.
constexpr int FlatAbove = 140;
constexpr int SharpAbove = 110;
// Where a dropped sign stands on the staff.
constexpr int FlatStaffLeft = 3240;
constexpr int SharpStaffLeft = 3150;

const QString SharpMarker = QStringLiteral("k");
const QString FlatMarker = QStringLiteral("b");
const QString UnknownTone = QStringLiteral("Neznámý tón !");

// A position past the end reads as a character no rule accepts.
QChar charAt(const QString& text, qsizetype i) {
    return i >= 0 && i < text.size() ? text[i] : QChar();
}

std::optional<int> stepOffset(QChar letter) {
    switch (letter.unicode()) {
        case u'c':
            return 0;
        case u'd':
            return 1 * StepTwips;
        case u'e':
            return 2 * StepTwips;
        case u'f':
            return 3 * StepTwips;
        case u'g':
            return 4 * StepTwips;
        case u'a':
            return 5 * StepTwips;
        case u'h':
        case u'b':
            return 6 * StepTwips;
        default:
            return std::nullopt;
    }
}

bool isOctaveDigit(QChar c) {
    return c >= u'1' && c <= u'4';
}

// The place is computed in floating point and kept as a 16-bit integer, as window positions are.
QString withOctave(const QString& marker, QChar digit, int step) {
    const double place = double(digit.unicode() - u'0') * OctaveTwips + step;
    return marker + QString::number(qint16(std::nearbyint(place)));
}

struct Enharmonic {
    const char16_t* stem;
    const char16_t* alternative;
};

// Searched in this order; the first equal stem wins.
constexpr std::array<Enharmonic, 14> Enharmonics{{
    {u"cis", u"des"},
    {u"dis", u"es"},
    {u"fes", u"e"},
    {u"eis", u"f"},
    {u"fis", u"ges"},
    {u"gis", u"as"},
    {u"ais", u"b"},
    {u"des", u"cis"},
    {u"es", u"dis"},
    {u"e", u"fes"},
    {u"f", u"eis"},
    {u"ges", u"fis"},
    {u"as", u"gis"},
    {u"b", u"ais"},
}};

}  // namespace

bool isToneName(const QString& name) {
    const QChar letter = charAt(name, 0);
    if (!stepOffset(letter)) {
        return false;
    }
    qsizetype i = 1;
    if (letter != u'b') {
        const QStringView after = QStringView(name).mid(1);
        const bool shortFlat = letter == u'e' || letter == u'a';
        if (after.startsWith(u"is")) {
            i += 2;
        } else if (shortFlat && after.startsWith(u's')) {
            i += 1;
        } else if (!shortFlat && after.startsWith(u"es")) {
            i += 2;
        }
    }
    if (isOctaveDigit(charAt(name, i))) {
        ++i;
    }
    return charAt(name, i) == u',' && i + 1 == name.size();
}

QString clsNoty::ZobrazNotu(const QString& name) const {
    QString marker;
    int step = 0;

    const QChar letter = charAt(name, 0);
    if (const auto offset = stepOffset(letter)) {
        step = *offset;
        if (letter == u'b') {
            marker = FlatMarker;
        }
    } else {
        dialogs_.message(services::ProgramTitle, UnknownTone, MessageIcon::Critical);
    }

    const QChar second = charAt(name, 1);
    if (second == u',') {
        return marker + QString::number(step);
    }
    if (second == u'i') {
        marker = SharpMarker;
    } else if (second == u'e' || second == u's') {
        marker = FlatMarker;
    } else if (isOctaveDigit(second)) {
        return withOctave(marker, second, step);
    } else {
        dialogs_.message(QStringLiteral("druhý znak tónu"), services::UnexpectedValue,
                         MessageIcon::Critical);
    }

    const QChar third = charAt(name, 2);
    if (third == u',') {
        return marker + QString::number(step);
    }
    if (isOctaveDigit(third)) {
        return withOctave(marker, third, step);
    }
    if (third != u's') {
        dialogs_.message(QStringLiteral("třetí znak tónu"), services::UnexpectedValue,
                         MessageIcon::Critical);
    }

    const QChar fourth = charAt(name, 3);
    if (fourth == u',') {
        return marker + QString::number(step);
    }
    if (isOctaveDigit(fourth)) {
        return withOctave(marker, fourth, step);
    }
    dialogs_.message(QStringLiteral("čtvrtý znak tónu"), services::UnexpectedValue,
                     MessageIcon::Critical);
    return {};
}

QString clsNoty::AlternativeToneName(const QString& name) const {
    return alternativeToneName(name);
}

QString alternativeToneName(const QString& name) {
    const QChar beforeLast = charAt(name, name.size() - 2);
    const qsizetype octaveLength =
        (name.size() >= 2 && beforeLast >= u'0' && beforeLast <= u'9') ? 2 : 1;
    const qsizetype stemLength = qMax<qsizetype>(0, name.size() - octaveLength);
    const QStringView stem = QStringView(name).left(stemLength);
    const QStringView octave = QStringView(name).mid(stemLength);

    for (const Enharmonic& e : Enharmonics) {
        if (stem == QStringView(e.stem)) {
            return QString::fromUtf16(e.alternative) + octave.toString();
        }
    }
    return QStringLiteral("nejde");
}

QString clsNoty::StaffNoteName(int top, const StaffAccidentals& accidentals) const {
    const QString name = staffPositionName(top);
    if (name.isEmpty()) {
        return {};
    }
    const QChar letter = name[0];
    const QString rest = name.mid(1);

    for (int slot = 0; slot < StaffAccidentals::SlotCount; ++slot) {
        // A sign counts only on the staff, not while it rests beside it.
        const PicturePlace flat = accidentals.flat(slot);
        const PicturePlace sharp = accidentals.sharp(slot);
        if (flat.left == FlatStaffLeft && flat.top == top - FlatAbove) {
            return applyFlat(letter, rest);
        }
        if (sharp.left == SharpStaffLeft && sharp.top == top - SharpAbove) {
            return applySharp(letter, rest);
        }
    }
    return name;
}

// Button accordions have no ces, fes, ges, eis or his: such notes are written as the tone the
// player most likely meant, or refused when the meant tone lies in another octave.
QString clsNoty::applyFlat(QChar letter, const QString& rest) const {
    switch (letter.unicode()) {
        case u'c':
            dialogs_.message(QStringLiteral("Béčko na nesprávném místě !"),
                             QStringLiteral("Nota ces se nevyskytuje v žádném ladění u knoflovek."
                                            "\rNota nebude zapsána ! Opravte na h. (poslední tón "
                                            "předcházející oktávy)"),
                             MessageIcon::Critical);
            return {};
        case u'd':
            return QStringLiteral("des") + rest;
        case u'e':
            return QStringLiteral("es") + rest;
        case u'f':
            dialogs_.message(FlatAdjustment,
                             QStringLiteral("Nota fes se nevyskytuje v žádném ladění u knoflovek. "
                                            "Bude zapsáno, jako e."),
                             MessageIcon::Exclamation);
            return QStringLiteral("e") + rest;
        case u'g':
            dialogs_.message(FlatAdjustment,
                             QStringLiteral("Nota ges se nevyskytuje v žádném ladění u knoflovek. "
                                            "Bude zapsáno, jako fis."),
                             MessageIcon::Information);
            return QStringLiteral("fis") + rest;
        case u'a':
            return QStringLiteral("as") + rest;
        case u'h':
            return QStringLiteral("b") + rest;
        default:
            dialogs_.message(services::ProgramTitle, UnknownTone, MessageIcon::Critical);
            return {};
    }
}

QString clsNoty::applySharp(QChar letter, const QString& rest) const {
    switch (letter.unicode()) {
        case u'c':
        case u'd':
        case u'f':
        case u'g':
        case u'a':
            return letter + QStringLiteral("is") + rest;
        case u'e':
            dialogs_.message(MisplacedSharp,
                             QStringLiteral("Nota eis se nevyskytuje v žádném ladění u knoflovek. "
                                            "Bude zapsáno, jako f."),
                             MessageIcon::Exclamation);
            return QStringLiteral("f") + rest;
        case u'h':
            dialogs_.message(MisplacedSharp,
                             QStringLiteral("Nota his se nevyskytuje v žádném ladění u knoflovek."
                                            "\rNota nebude zapsána ! Opravte na c. (začátek vyšší "
                                            "oktávy)"),
                             MessageIcon::Critical);
            return {};
        default:
            dialogs_.message(services::ProgramTitle, UnknownTone, MessageIcon::Critical);
            return {};
    }
}

}  // namespace tones
