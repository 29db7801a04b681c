// Melody files told apart by their contents, compressed scores unpacked with care, and files
// that are no melody refused.
#include "support/ImportRefusal.h"
#include "support/MelodyFiles.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#include "melody/MelodyFile.h"
#include "melody/MxlArchive.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testing_support::importRefusalOf;
using testing_support::zipArchive;

namespace {

const QByteArray Score = testing_support::musicXml(
    "<measure "
    "number=\"1\"><note><pitch><step>A</step><octave>4</octave></pitch><duration>1</duration>"
    "<lyric><text>Hej</text></lyric></note></measure>");

const QByteArray Container =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><container><rootfiles>"
    "<rootfile full-path=\"noty/pisen.musicxml\" "
    "media-type=\"application/vnd.recordare.musicxml+xml\"/>"
    "</rootfiles></container>";

QString refusalOfBytes(const QByteArray& bytes) {
    return importRefusalOf([&] { melody::readMelodyBytes(bytes, QStringLiteral("x.mxl")); });
}

}  // namespace

TEST(MelodyFile, TheKindOfFileIsToldByItsContents) {
    QTemporaryDir dir;
    const QString midi = dir.filePath("tune.xml");  // a misleading name changes nothing
    testing_support::writeBytes(midi, testing_support::midiTune({{69}, {71}}));
    EXPECT_EQ(melody::readMelodyFile(midi).chords.size(), 2u);
    const QString utf16 = dir.filePath("score.musicxml");
    QByteArray text = "\xFF\xFE";
    const QString score =
        QString::fromUtf8(Score).replace(QStringLiteral("UTF-8"), QStringLiteral("UTF-16"));
    text.append(reinterpret_cast<const char*>(score.utf16()), score.size() * 2);
    testing_support::writeBytes(utf16, text);
    EXPECT_EQ(melody::readMelodyFile(utf16).chords[0].syllable, QStringLiteral("Hej"));
}

TEST(MelodyFile, FilesThatAreNoMelodyAreRefused) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("není.mid");
    EXPECT_EQ(importRefusalOf([&] { melody::readMelodyFile(missing); }),
              QStringLiteral("Soubor %1 nelze otevřít.").arg(QDir::toNativeSeparators(missing)));
    EXPECT_EQ(importRefusalOf([&] { melody::readMelodyFile(dir.path()); }),
              QStringLiteral("Soubor %1 nelze otevřít.").arg(QDir::toNativeSeparators(dir.path())));
    EXPECT_EQ(refusalOfBytes("%PDF-1.4"),
              QStringLiteral("Soubor x.mxl není MIDI ani MusicXML (.mid, .musicxml, .xml, .mxl)."));
    EXPECT_EQ(refusalOfBytes(""),
              QStringLiteral("Soubor x.mxl není MIDI ani MusicXML (.mid, .musicxml, .xml, .mxl)."));
    EXPECT_EQ(refusalOfBytes(testing_support::musicXml(
                  "<measure><note><rest/><duration>1</duration></note></measure>")),
              QStringLiteral("Soubor x.mxl neobsahuje žádné noty."));

    const QString big = dir.filePath("velký.mid");
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(melody::MaxMelodyFileBytes + 1));
    }
    EXPECT_EQ(importRefusalOf([&] { melody::readMelodyFile(big); }),
              QStringLiteral("Soubor %1 je na melodii příliš velký (nejvýše 32 MB).")
                  .arg(QDir::toNativeSeparators(big)));
}

TEST(MelodyFile, ACompressedScoreIsTheRootFileItsContainerNames) {
    const QByteArray archive = zipArchive({{"mimetype", "application/vnd.recordare.musicxml"},
                                           {"META-INF/container.xml", Container},
                                           {"jiny.musicxml", testing_support::musicXml("")},
                                           {"noty/pisen.musicxml", Score}});
    const melody::Melody melody = melody::readMelodyBytes(archive, QStringLiteral("x.mxl"));
    ASSERT_EQ(melody.chords.size(), 1u);
    EXPECT_EQ(melody.chords[0].pitches, std::vector<int>{69});
    EXPECT_EQ(melody.chords[0].syllable, QStringLiteral("Hej"));
    // Without a container, the first score outside META-INF.
    EXPECT_EQ(
        melody::mxlScore(zipArchive({{"META-INF/x.xml", "<a/>"}, {"skladba.xml", Score}}), "x.mxl"),
        Score);
}

TEST(MelodyFile, DamagedAndHostileArchivesAreRefused) {
    EXPECT_EQ(refusalOfBytes(QByteArray("PK\x03\x04", 4) + QByteArray(100, 'x')),
              QStringLiteral("Soubor x.mxl není platný komprimovaný MusicXML (.mxl)."));
    const QByteArray good =
        zipArchive({{"META-INF/container.xml", Container}, {"noty/pisen.musicxml", Score}});
    for (qsizetype size = 4; size < good.size(); size += 9) {
        EXPECT_TRUE(
            refusalOfBytes(good.left(size)).startsWith(QStringLiteral("Soubor x.mxl není platný")));
    }
    EXPECT_EQ(refusalOfBytes(zipArchive({{"META-INF/container.xml", Container}})),
              QStringLiteral("Archiv x.mxl neobsahuje partituru, kterou sám uvádí."));
    EXPECT_EQ(refusalOfBytes(zipArchive({{"readme.txt", "nic"}})),
              QStringLiteral("Archiv x.mxl neobsahuje žádnou partituru."));
    EXPECT_EQ(refusalOfBytes(zipArchive({{"META-INF/container.xml",
                                          "<!DOCTYPE c [<!ENTITY a \"b\">]><container><rootfile "
                                          "full-path=\"&a;\"/></container>"},
                                         {"b", Score}})),
              QStringLiteral("Soubor x.mxl deklaruje vlastní entity XML; takový soubor program z "
                             "bezpečnostních důvodů nečte."));

    // A bomb: 8 MB of blanks pack into a few kilobytes.
    const QByteArray bomb = zipArchive({{"noty.xml", QByteArray(8 * 1024 * 1024, ' ')}});
    EXPECT_LT(bomb.size(), 64 * 1024);
    EXPECT_EQ(refusalOfBytes(bomb),
              QStringLiteral("Partitura v archivu x.mxl je podezřele silně zkomprimovaná; "
                             "program ji z bezpečnostních důvodů nerozbalí."));
    // Past the size limit, whatever the ratio.
    QByteArray noise(300 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < noise.size(); ++i) {
        noise[i] = char((i * 7919 + (i >> 5) * 104729) % 251);
    }
    const melody::MxlLimits small{256 * 1024, 200, 1024 * 1024};
    EXPECT_EQ(
        importRefusalOf([&] {
            melody::mxlScore(zipArchive({{"a.xml", noise}}), "x.mxl", small);
        }),
        QStringLiteral("Partitura v archivu x.mxl je po rozbalení příliš velká (nejvýše 256 kB)."));
}
