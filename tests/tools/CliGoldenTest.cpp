// `dump`, `show` and `convert` print exactly what they printed when their output was recorded:
// scripts of players and the conversion of whole folders rely on every byte. The songs are
// built here, the same on every run; the recorded outputs are in tests/data/golden.
// MECHIK_UPDATE_GOLDEN=1 records them again (after a change meant to alter the output).
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>

using spreadsheet::CellValue;

namespace {

constexpr int Columns_Treble_First = 2;  // B..H
constexpr int Column_Direction = 9;      // I
constexpr int Columns_Bass_First = 13;   // M..O

// A small generator of our own: the same sequence on every platform and library version.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed) {}
    int below(int limit) {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(limit));
    }
    const char* pick(const std::vector<const char*>& from) {
        return from[static_cast<std::size_t>(below(static_cast<int>(from.size())))];
    }

private:
    std::uint32_t state_;
};

// The tones a G-C-F keyboard gives, some of both directions, and names a player may mistype or
// spell the other way round.
const std::vector<const char*> PushTones{"c1,", "e1,", "g1,", "c2,",   "e2,", "g2,", "a1,",
                                         "f1,", "h1,", "d2,", "cis1,", "b1,", "g,",  "c3,"};
const std::vector<const char*> PullTones{"d1,", "f1,", "a1,",   "h1,",  "d2,",   "f2,", "e1,",
                                         "g1,", "c2,", "fis1,", "es1,", "gis1,", "b,",  "a2,"};
const std::vector<const char*> OddTones{"d4,", "fes1,", "ges1,", "eis1,", "ais2,", "x1,", "c1"};
const std::vector<const char*> Basses{"C", "(C)",  "G",    "(G)", "F", "(F)",
                                      "D", "(Am)", "(Cm)", "B",   "Es"};

const std::vector<const char*> PushBasses{"(G)", "G", "(C)", "C", "(F)", "F", "D", "(E)", "A"};
const std::vector<const char*> PullBasses{"(D)", "D", "(G)", "G", "(C)", "H", "(Am)", "A", "B"};

enum class Spelling { Careless, Exact };

void writeGrip(spreadsheet::Sheet& song, int row, Dice& dice,
               Spelling spelling = Spelling::Careless) {
    const bool push = dice.below(2) == 0;
    const bool careless = spelling == Spelling::Careless;
    const int trebleCount = dice.below(5);
    for (int i = 0; i < trebleCount; ++i) {
        const char* tone = careless && dice.below(25) == 0
                               ? dice.pick(OddTones)
                               : dice.pick(push ? PushTones : PullTones);
        song.setValue({row, Columns_Treble_First + i}, CellValue(QString::fromUtf8(tone)));
    }
    const int bassCount = dice.below(3);
    for (int i = 0; i < bassCount; ++i) {
        const char* bass = careless ? dice.pick(Basses) : dice.pick(push ? PushBasses : PullBasses);
        song.setValue({row, Columns_Bass_First + i}, CellValue(QString::fromUtf8(bass)));
    }
    song.setValue({row, Column_Direction},
                  CellValue(push ? QStringLiteral("Tlak") : QStringLiteral("Tah")));
}

// 500 rows as players write them: grips (some of basses alone), empty rows between verses,
// a word now and then, a number in the margin.
void writePolka(const QString& path) {
    spreadsheet::Sheet song(QStringLiteral("G-C-F"));
    Dice dice(20261206);
    for (int row = 1; row <= 500; ++row) {
        switch (dice.below(12)) {
            case 0:
                break;
            case 1:
                song.setValue({row, 1}, CellValue(QStringLiteral("Refrén")));
                break;
            case 2:
                song.setValue({row, 11}, CellValue::number(static_cast<double>(row) / 4));
                writeGrip(song, row, dice);
                break;
            default:
                writeGrip(song, row, dice);
        }
    }
    song.setSelection({{120, 2}, {120, 2}}, {120, 2});
    spreadsheet::xls::writeXlsFile(path, {&song}, 0);
}

// 300 grips, every tone on the G-C-F keyboard in its direction: it converts to the end.
void writeWaltz(const QString& path) {
    spreadsheet::Sheet song(QStringLiteral("G-C-F"));
    Dice dice(3);
    song.setValue({1, Columns_Treble_First}, CellValue(QStringLiteral("c1,")));
    song.setValue({1, Column_Direction}, CellValue(QStringLiteral("Tlak")));
    for (int row = 2; row <= 301; ++row) {
        writeGrip(song, row, dice, Spelling::Exact);
    }
    spreadsheet::xls::writeXlsFile(path, {&song}, 0);
}

// A song that reaches the sheet's last rows, its cursor left on the very last one.
void writeSheetEnd(const QString& path) {
    spreadsheet::Sheet song(QStringLiteral("C-F-B"));
    Dice dice(7);
    for (int row = 65530; row <= 65536; ++row) {
        writeGrip(song, row, dice);
    }
    song.setSelection({{65536, 2}, {65536, 2}}, {65536, 2});
    spreadsheet::xls::writeXlsFile(path, {&song}, 0);
}

class Recording {
public:
    explicit Recording(const QString& folder) : folder_(folder) {}

    void run(const QStringList& arguments) {
        const testing_support::CliRun result = testing_support::runMechikCli(arguments, folder_);
        text_ += QStringLiteral("$ mechik-cli ") + arguments.join(u' ') + u'\n' +
                 normalised(result.out) + QStringLiteral("stderr:\n") + normalised(result.err) +
                 QStringLiteral("exit %1\n").arg(result.exitCode);
    }
    const QString& text() const { return text_; }

private:
    QString normalised(const QString& output) const {
        QString text = output;
        text.replace(QDir(folder_).canonicalPath(), QStringLiteral("$DIR"));
        return text.replace(folder_, QStringLiteral("$DIR"));
    }
    QString folder_;
    QString text_;
};

void expectRecorded(const QString& name, const QString& actual) {
    const QString path = QStringLiteral(MECHIK_TEST_DATA "/golden/") + name;
    if (qEnvironmentVariableIsSet("MECHIK_UPDATE_GOLDEN")) {
        testing_support::writeBytes(path, actual.toUtf8());
        return;
    }
    const QStringList expected = QString::fromUtf8(testing_support::readBytes(path)).split(u'\n');
    const QStringList lines = actual.split(u'\n');
    QString command;
    for (qsizetype i = 0; i < std::max(expected.size(), lines.size()); ++i) {
        const QString want = expected.value(i, QStringLiteral("<end>"));
        const QString got = lines.value(i, QStringLiteral("<end>"));
        if (want.startsWith(QStringLiteral("$ "))) {
            command = want;
        }
        ASSERT_EQ(got.toStdString(), want.toStdString())
            << name.toStdString() << ", line " << i + 1 << ", in " << command.toStdString();
    }
}

struct GoldenFolder {
    QTemporaryDir dir;
    GoldenFolder() {
        EXPECT_TRUE(QFile::copy(QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls"),
                                dir.filePath(QStringLiteral("Vezar.xls"))));
        writePolka(dir.filePath(QStringLiteral("Polka.xls")));
        writeSheetEnd(dir.filePath(QStringLiteral("Konec listu.xls")));
        writeWaltz(dir.filePath(QStringLiteral("Valčík.xls")));
        QDir(dir.path()).mkdir(QStringLiteral("out"));
    }
};

}  // namespace

TEST(CliGolden, DumpPrintsWhatItAlwaysPrinted) {
    GoldenFolder folder;
    Recording recording(folder.dir.path());
    recording.run({"dump", "Polka.xls"});
    recording.run({"dump", "Konec listu.xls"});
    for (const char* fixture : {"lo-basic.xls", "lo-drawing.xls", "lo-formatted.xls",
                                "lo-frozen.xls", "lo-long-strings.xls", "lo-biff5.xls"}) {
        recording.run(
            {"dump", QStringLiteral(MECHIK_TEST_DATA "/") + QString::fromLatin1(fixture)});
    }
    QString text = recording.text();
    expectRecorded(QStringLiteral("dump.txt"),
                   text.replace(QStringLiteral(MECHIK_TEST_DATA), QStringLiteral("$DATA")));
}

TEST(CliGolden, ShowAndConvertPrintAndWriteWhatTheyAlwaysDid) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "dozens of whole-window starts take minutes under the sanitizers; the "
                    "ShowCommand and ConvertCommand tests run these paths there";
#endif
    GoldenFolder folder;
    Recording recording(folder.dir.path());
    for (int row = 1; row <= 40; ++row) {
        recording.run({"show", "Polka.xls", QString::number(row), row % 3 ? "tlak" : "tah", "--db",
                       "Vezar.xls"});
    }
    for (const char* row : {"499", "500", "501", "65536"}) {
        recording.run({"show", "Polka.xls", row, "tah", "--db", "Vezar.xls"});
    }
    for (const char* row : {"65534", "65535", "65536"}) {
        recording.run({"show", "Konec listu.xls", row, "tlak", "--db", "Vezar.xls"});
    }
    expectRecorded(QStringLiteral("show.txt"), recording.text());

    Recording converting(folder.dir.path());
    for (const char* target : {"C-F-B", "G-C", "Club C-F"}) {
        converting.run({"convert", "Valčík.xls", target, "--db", "Vezar.xls", "--out", "out"});
        converting.run(
            {"dump", QStringLiteral("out/Valčík %1.xls").arg(QString::fromUtf8(target))});
    }
    converting.run({"convert", "Polka.xls", "C-F-B", "--db", "Vezar.xls", "--out", "out"});
    converting.run({"dump", "out/Polka C-F-B.xls"});
    converting.run({"convert", "Konec listu.xls", "A-D-G", "--db", "Vezar.xls", "--out", "out"});
    converting.run({"dump", "out/Konec listu A-D-G.xls"});
    converting.run({"convert", "Polka.xls", "C-F-B", "--db", "Vezar.xls", "--out", "out"});
    converting.run({"convert", "Polka.xls", "Žádné", "--db", "Vezar.xls", "--out", "out"});
    expectRecorded(QStringLiteral("convert.txt"), converting.text());
}
