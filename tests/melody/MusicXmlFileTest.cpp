// The melody of a MusicXML score: chords across voices, ties, rests, grace notes, transposing
// parts, lyrics, and hostile documents refused.
#include "support/ImportRefusal.h"
#include "support/MelodyFiles.h"
#include "support/QtPrinters.h"

#include "melody/MusicXmlFile.h"

#include <gtest/gtest.h>

using testing_support::musicXml;

namespace {

const QString Chord = QStringLiteral("<chord/>");

// `before` goes ahead of the pitch (<chord/>, <grace/>), `extra` after the duration.
QString note(const char* step, int octave, int duration, const QString& extra = {},
             const QString& before = {}) {
    return QStringLiteral(
               "<note>%1<pitch><step>%2</step><octave>%3</octave></pitch><duration>%4</"
               "duration>%5</note>")
        .arg(before, QLatin1String(step))
        .arg(octave)
        .arg(duration)
        .arg(extra);
}

QString element(const QString& name, const QString& contents) {
    return QStringLiteral("<%1>%2</%1>").arg(name, contents);
}

QString measure(const char* number, const QString& contents) {
    return QStringLiteral("<measure number=\"%1\">%2</measure>")
        .arg(QLatin1String(number), contents);
}

QString attributes(int divisions, int beats, int beatType) {
    return QStringLiteral(
               "<attributes><divisions>%1</divisions><key><fifths>0</fifths></key>"
               "<time><beats>%2</beats><beat-type>%3</beat-type></time></attributes>")
        .arg(divisions)
        .arg(beats)
        .arg(beatType);
}

melody::Melody read(const QByteArray& xml) {
    return melody::readMusicXmlMelody(xml, QStringLiteral("a.musicxml"));
}

QString refusalOf(const QByteArray& xml) {
    return testing_support::importRefusalOf([&] { read(xml); });
}

struct Expected {
    std::vector<int> pitches;
    const char* place;
    const char* syllable = "";
};

void expectChords(const QString& xml, const std::vector<Expected>& expected) {
    const melody::Melody melody = read(xml.toUtf8());
    ASSERT_EQ(melody.chords.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(melody.chords[i].pitches, expected[i].pitches) << i;
        EXPECT_EQ(melody.chords[i].place, QString::fromUtf8(expected[i].place)) << i;
        EXPECT_EQ(melody.chords[i].syllable, QString::fromUtf8(expected[i].syllable)) << i;
    }
}

}  // namespace

TEST(MusicXmlFile, NotesStartingTogetherInAnyVoiceFormOneChord) {
    const QString voices = attributes(2, 3, 4) + note("C", 4, 2) + note("E", 4, 2, {}, Chord) +
                           note("D", 4, 2) + note("E", 4, 2) +
                           QStringLiteral("<backup><duration>6</duration></backup>") +
                           QStringLiteral("<forward><duration>2</duration></forward>") +
                           note("G", 3, 4, QStringLiteral("<voice>2</voice>"));
    expectChords(musicXml(measure("1", voices) + measure("2", note("F", 4, 6))),
                 {{{60, 64}, "takt 1, doba 1"},
                  {{55, 62}, "takt 1, doba 2"},
                  {{64}, "takt 1, doba 3"},
                  {{65}, "takt 2, doba 1"}});
}

TEST(MusicXmlFile, TiedContinuationsRestsGraceAndCueNotesStartNothing) {
    const QString tieStart = QStringLiteral("<tie type=\"start\"/>");
    const QString tieStop = QStringLiteral("<tie type=\"stop\"/>");
    const QString first = attributes(1, 4, 4) + note("C", 4, 4, tieStart);
    const QString second =
        note("C", 4, 1, tieStop) + QStringLiteral("<note><rest/><duration>1</duration></note>") +
        QStringLiteral("<note><grace/><pitch><step>D</step><octave>4</octave></pitch></note>") +
        note("G", 4, 1, {}, QStringLiteral("<cue/>")) +
        QStringLiteral(
            "<note><unpitched><display-step>E</display-step><display-octave>4</display-octave>"
            "</unpitched><duration>1</duration></note>");
    // Some programs mark a continuation only by the drawn tie.
    const QString third =
        note("A", 4, 1, QStringLiteral("<notations><tied type=\"stop\"/></notations>")) +
        note("B", 4, 1) + note("C", 5, 1, tieStop + tieStart) + note("D", 5, 1);
    expectChords(musicXml(measure("1", first) + measure("2", second) + measure("3", third)),
                 {{{60}, "takt 1, doba 1"}, {{71}, "takt 3, doba 2"}, {{74}, "takt 3, doba 4"}});
}

TEST(MusicXmlFile, TransposingPartsSoundAtConcertPitch) {
    const auto altered = [](const char* step, int alter, int octave) {
        return QStringLiteral(
                   "<note><pitch><step>%1</step><alter>%2</alter><octave>%3</octave>"
                   "</pitch><duration>1</duration></note>")
            .arg(QLatin1String(step))
            .arg(alter)
            .arg(octave);
    };
    const QString clarinet = QStringLiteral(
                                 "<attributes><divisions>1</divisions><transpose><diatonic>-1</"
                                 "diatonic><chromatic>-2</chromatic></transpose></attributes>") +
                             note("D", 5, 1) + altered("F", 1, 4);
    const QString guitar = QStringLiteral(
                               "<attributes><transpose><chromatic>0</chromatic>"
                               "<octave-change>-1</octave-change></transpose></attributes>") +
                           note("E", 4, 1) + altered("B", -1, 3);
    expectChords(musicXml(measure("1", clarinet) + measure("2", guitar)),
                 {{{72}, "takt 1, doba 1"},
                  {{64}, "takt 1, doba 2"},
                  {{52}, "takt 2, doba 1"},
                  {{46}, "takt 2, doba 2"}});
}

TEST(MusicXmlFile, TheFirstLyricOfAChordsFirstNoteIsItsSyllable) {
    const auto lyric = [](const char* number, const QString& text) {
        return QStringLiteral("<lyric number=\"%1\"><syllabic>single</syllabic>%2</lyric>")
            .arg(QLatin1String(number), text);
    };
    const QString contents =
        attributes(1, 4, 4) +
        note("C", 4, 1, lyric("1", "<text>Ach</text>") + lyric("2", "<text>Oh</text>")) +
        note("E", 4, 1, lyric("1", "<text>jiná</text>"), Chord) +
        note("D", 4, 1, lyric("1", "<text> ne </text><elision>‿</elision><text>a</text>")) +
        note("E", 4, 2, QStringLiteral("<tie type=\"start\"/>")) +
        QStringLiteral("<backup><duration>1</duration></backup>") +
        note("G", 4, 1, lyric("1", "<text>druhý hlas</text>"));
    const QString next =
        note("E", 4, 1, QStringLiteral("<tie type=\"stop\"/>") + lyric("1", "<text>nic</text>")) +
        note("F", 4, 1);
    expectChords(musicXml(measure("1", contents) + measure("2", next)),
                 {{{60, 64}, "takt 1, doba 1", "Ach"},
                  {{62}, "takt 1, doba 2", "ne a"},
                  {{64}, "takt 1, doba 3"},
                  {{67}, "takt 1, doba 4", "druhý hlas"},
                  {{65}, "takt 2, doba 2"}});
}

// Partwise, the part the part list names first; timewise, the same in each measure, and the
// first part of each measure when the parts have no ids and there is no part list.
TEST(MusicXmlFile, OnlyTheFirstPartOfTheScoreIsTheMelody) {
    const auto part = [](const char* id, const QString& contents) {
        return QStringLiteral("<part%1>%2</part>")
            .arg(*id ? QStringLiteral(" id=\"%1\"").arg(QLatin1String(id)) : QString(), contents);
    };
    const auto partList = [](const char* first, const char* second) {
        return QStringLiteral(
                   "<part-list><score-part id=\"%1\"/><score-part id=\"%2\"/></part-list>")
            .arg(QLatin1String(first), QLatin1String(second));
    };
    expectChords(element("score-partwise", partList("Zpev", "Flet") +
                                               part("Flet", measure("1", note("C", 6, 1))) +
                                               part("Zpev", measure("1", note("G", 4, 1)))),
                 {{{67}, "takt 1, doba 1"}});
    expectChords(
        element(
            "score-timewise",
            partList("P1", "P2") +
                measure("1", part("P1", QStringLiteral(
                                            "<attributes><divisions>2</divisions></attributes>") +
                                            note("C", 4, 4)) +
                                 part("P2", note("C", 6, 1))) +
                measure("2", part("P1", note("D", 4, 1)))),
        {{{60}, "takt 1, doba 1"}, {{62}, "takt 2, doba 1"}});
    expectChords(element("score-timewise",
                         element("measure", part("", note("E", 4, 2)) + part("", note("C", 6, 1))) +
                             element("measure", part("", note("F", 4, 1)))),
                 {{{64}, "takt 1, doba 1"}, {{65}, "takt 2, doba 1"}});
}

TEST(MusicXmlFile, PickupsDivisionChangesAndDecimalDurationsKeepTheTime) {
    // A pickup of one eighth in 6/8, divisions changed from 2 to 3 (triplets), and a duration
    // written as a decimal.
    const QString pickup = attributes(2, 6, 8) + note("G", 4, 1);
    const QString full = QStringLiteral("<attributes><divisions>3</divisions></attributes>") +
                         note("C", 5, 1) + note("D", 5, 1) + note("E", 5, 1) +
                         QStringLiteral("<forward><duration>1.5</duration></forward>") +
                         note("F", 5, 3);
    expectChords(
        musicXml(measure("0", pickup) + measure("12a", full) + measure("", note("G", 5, 1))),
        {{{67}, "takt 0, doba 1"},
         {{72}, "takt 12a, doba 1"},
         {{74}, "takt 12a, doba 1,67"},
         {{76}, "takt 12a, doba 2,33"},
         {{77}, "takt 12a, doba 4"},
         {{79}, "takt 3, doba 1"}});
}

// Billion laughs, an external entity, a parameter entity: refused before any expansion.
TEST(MusicXmlFile, EntityDeclarationsAreRefusedBeforeAnyExpansion) {
    QString laughs = QStringLiteral("<!ENTITY lol \"lol\">");
    for (int level = 1; level <= 9; ++level) {
        laughs += QStringLiteral("<!ENTITY lol%1 \"%2\">")
                      .arg(level)
                      .arg(QStringLiteral("&lol%1;")
                               .arg(level == 1 ? QString() : QString::number(level - 1))
                               .repeated(10));
    }
    const QString words = QStringLiteral(
        "<direction><direction-type><words>&lol9;</words></direction-type></direction>");
    const std::pair<QString, QString> cases[] = {
        {laughs, QStringLiteral("<part-list><score-part id=\"P1\"/></part-list><part id=\"P1\">"
                                "<measure>%1%2</measure></part>")
                     .arg(note("C", 4, 1), words)},
        {QStringLiteral("<!ENTITY x SYSTEM \"file:///etc/passwd\">"),
         element("part",
                 element("measure",
                         note("C", 4, 1, QStringLiteral("<lyric><text>&x;</text></lyric>"))))},
        {QStringLiteral("<!ENTITY % p \"<!ENTITY y 'z'>\"> %p;"), {}}};
    for (const auto& [declarations, contents] : cases) {
        EXPECT_EQ(refusalOf(QStringLiteral("<?xml version=\"1.0\"?><!DOCTYPE score-partwise [%1]>"
                                           "<score-partwise>%2</score-partwise>")
                                .arg(declarations, contents)
                                .toUtf8()),
                  QStringLiteral("Soubor a.musicxml deklaruje vlastní entity XML; takový soubor "
                                 "program z bezpečnostních důvodů nečte."))
            << declarations.toStdString();
    }
}

TEST(MusicXmlFile, MalformedDocumentsAreRefusedWithTheReason) {
    const QString damaged = QStringLiteral("Soubor MusicXML a.musicxml je poškozený: ");
    const QByteArray good =
        musicXml(measure("1", attributes(1, 4, 4) + note("C", 4, 1) + note("D", 4, 1)));
    EXPECT_EQ(read(good).chords.size(), 2u);
    for (qsizetype size = 0; size < good.size() - 2; size += 7) {
        const QString refusal = refusalOf(good.left(size));
        EXPECT_TRUE(refusal.startsWith(damaged + QStringLiteral("chyba XML na řádku")))
            << size << refusal.toStdString();
    }
    EXPECT_EQ(refusalOf("<html><body/></html>"),
              QStringLiteral("Soubor a.musicxml není partitura MusicXML."));
    QString primes;
    for (const char* divisions : {"999999937", "999999929", "999999893", "999999883"}) {
        primes += measure("1", QStringLiteral("<attributes><divisions>%1</divisions></attributes>")
                                       .arg(QLatin1String(divisions)) +
                                   note("C", 4, 1));
    }
    const std::pair<QString, const char*> cases[] = {
        {measure("7", note("C", 4, 1).replace(QStringLiteral(">1<"), QStringLiteral(">-1<"))),
         "takt 7: neplatná délka „-1“."},
        {measure("7", QStringLiteral("<attributes><divisions>0</divisions></attributes>")),
         "takt 7: neplatný počet dílků doby „0“."},
        {measure("1", note("H", 4, 1)), "takt 1: neplatná výška noty."},  // a step outside A to G
        {measure("2", note("C", 12, 1)), "takt 2: neplatná výška noty."},
        {measure("2",
                 QStringLiteral(
                     "<attributes><transpose><chromatic>x</chromatic></transpose></attributes>")),
         "takt 2: neplatná transpozice."},
        {primes, "délky not se nedají sečíst."},
        {measure("1", note("C", 4, 1) + QString::fromLatin1(QByteArray("<x>").repeated(100000))),
         "prvky jsou vnořené příliš hluboko."}};
    for (const auto& [measures, reason] : cases) {
        EXPECT_EQ(refusalOf(musicXml(measures)), damaged + QString::fromUtf8(reason));
    }
    EXPECT_TRUE(
        read(musicXml(measure("1", QStringLiteral("<note><rest/><duration>4</duration></note>"))))
            .chords.empty());
}
