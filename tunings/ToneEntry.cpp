#include "ToneEntry.h"

#include "music/Pitch.h"
#include "tones/clsNoty.h"

namespace tunings {

namespace {

QChar charAt(QStringView text, qsizetype i) {
    return i < text.size() ? text[i] : QChar();
}

bool isLetterOf(QChar c, QStringView letters) {
    return !c.isNull() && letters.contains(c);
}

// "is" raises; "es", or "s" after e and a, lowers; b takes none. How many characters the
// accidental after `letter` takes, or -1 when what follows is a wrong one (`problem` says why).
int accidentalLength(QChar letter, QStringView rest, QString& problem) {
    const QChar lower = letter.toLower();
    const bool startsLikeOne = isLetterOf(charAt(rest, 0), u"ies");
    if (lower == u'b') {
        if (startsLikeOne) {
            problem = QStringLiteral("po %1 už „is“ ani „es“ nenásleduje (%1 je samo snížené %2).")
                          .arg(QString(letter), QString(letter.isUpper() ? u'H' : u'h'));
            return -1;
        }
        return 0;
    }
    const bool shortFlat = lower == u'e' || lower == u'a';
    if (rest.startsWith(u"is")) {
        return 2;
    }
    if (shortFlat && rest.startsWith(u's')) {
        return 1;
    }
    if (!shortFlat && rest.startsWith(u"es")) {
        return 2;
    }
    if (startsLikeOne) {
        problem = QStringLiteral("po %1 smí následovat jen „is“ nebo „%2“.")
                      .arg(QString(letter), shortFlat ? QStringLiteral("s") : QStringLiteral("es"));
        return -1;
    }
    return 0;
}

// Why `name` (ending with a comma) is no tone name; the general form when nothing more
// particular can be said.
QString toneNameProblem(QStringView name) {
    const QChar letter = charAt(name, 0);
    if (isLetterOf(letter, u"CDEFGAHB")) {
        return QStringLiteral(
            "tóny diskantu se píší malým písmenem (c, d, e, f, g, a, h, b); "
            "velkým se píší basy.");
    }
    if (!isLetterOf(letter, u"cdefgahb")) {
        return QStringLiteral("tón začíná malým písmenem c, d, e, f, g, a, h nebo b.");
    }
    QString problem;
    const int accidental = accidentalLength(letter, name.mid(1), problem);
    if (accidental < 0) {
        return problem;
    }
    qsizetype i = 1 + accidental;
    if (charAt(name, i).isDigit()) {
        if (!isLetterOf(charAt(name, i), u"1234")) {
            return QStringLiteral(
                "oktáva se píše číslicí 1 až 4 (nejnižší oktáva je bez číslice).");
        }
        ++i;
    }
    if (charAt(name, i) == u',' && i + 1 < name.size()) {
        return QStringLiteral("za čárkou už nic být nesmí.");
    }
    return QStringLiteral(
        "tón se píše písmenem, případně „is“ nebo „es“, číslicí oktávy 1 až 4 "
        "a čárkou, např. „cis1,“.");
}

QString bassNameProblem(QStringView name) {
    const bool opens = name.startsWith(u'(');
    const bool closes = name.endsWith(u')');
    const QStringView inner = opens && closes ? name.mid(1, name.size() - 2) : name;
    if (opens != closes || inner.contains(u'(') || inner.contains(u')')) {
        return QStringLiteral("akord se píše celý v závorkách: „(C)“ dur, „(Cm)“ moll.");
    }
    const QChar letter = charAt(inner, 0);
    if (isLetterOf(letter, u"cdefgahb")) {
        return QStringLiteral(
            "basy se píší velkým písmenem (C, D, E, F, G, A, H, B); malým se "
            "píší tóny diskantu.");
    }
    if (!isLetterOf(letter, u"CDEFGAHB")) {
        return QStringLiteral("bas začíná velkým písmenem C, D, E, F, G, A, H nebo B.");
    }
    QString problem;
    const int accidental = accidentalLength(letter, inner.mid(1), problem);
    if (accidental < 0) {
        return problem;
    }
    if (!opens && inner.mid(1 + accidental) == u"m") {
        return QStringLiteral("mollový akord se píše v závorkách, např. „(Am)“.");
    }
    return QStringLiteral(
        "bas je jednotlivý tón („C“, „Fis“, „B“), akord dur („(C)“) nebo moll "
        "(„(Cm)“); jiné akordy program nezná.");
}

}  // namespace

ToneEntry checkTrebleEntry(const QString& typed) {
    const QString shown = typed.trimmed();
    if (shown.isEmpty()) {
        return {};
    }
    const QString name = shown.endsWith(u',') ? shown : shown + u',';
    if (!tones::isToneName(name)) {
        return {{}, QStringLiteral("„%1“ není tón: %2").arg(shown, toneNameProblem(name))};
    }
    if (music::toneNameOfPitch(*music::tonePitch(name)).isEmpty()) {
        return {
            {},
            QStringLiteral("„%1“ nelze zapsat: leží mimo rozsah osnovy (c, až g4,).").arg(shown)};
    }
    return {name, {}};
}

ToneEntry checkBassEntry(const QString& typed) {
    const QString name = typed.trimmed();
    if (name.isEmpty() || music::parseBass(name)) {
        return {name, {}};
    }
    return {{}, QStringLiteral("„%1“ není bas: %2").arg(name, bassNameProblem(name))};
}

ToneEntry checkEntry(tones::KeyboardSide side, const QString& typed) {
    return side == tones::KeyboardSide::Treble ? checkTrebleEntry(typed) : checkBassEntry(typed);
}

}  // namespace tunings
