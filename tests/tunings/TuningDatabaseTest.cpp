// A player edits his own tunings: every change checked, saved at once, and a refused one
// leaves the file as it was, byte for byte.
#include "support/TestFiles.h"

#include "music/Pitch.h"
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tunings/TuningDatabase.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using spreadsheet::CellAddress;
using spreadsheet::CellValue;
using spreadsheet::Sheet;
using tones::Bellows;
using tones::KeyboardSide;
using tunings::TuningDatabase;

namespace {

const QString delivered = QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls");

const Sheet& sheetNamed(const spreadsheet::WorkbookData& data, const QString& name) {
    for (const auto& sheet : data.sheets) {
        if (sheet->name() == name) {
            return *sheet;
        }
    }
    throw std::runtime_error("no sheet " + name.toStdString());
}

bool isToneColumn(const CellAddress& cell) { return cell.column == 2 || cell.column == 3; }
bool isBassColumn(const CellAddress& cell) { return cell.column == 6 || cell.column == 7; }

// The cell as `original` would read moved by `semitones`: tones and basses respelled, the rest
// as it was.
QString moved(const CellAddress& cell, const QString& original, int semitones) {
    if (cell.row > 1 && isToneColumn(cell)) {
        return music::toneNameOfPitch(*music::tonePitch(original) + semitones);
    }
    if (cell.row > 1 && isBassColumn(cell)) {
        const auto bass = music::parseBass(original);
        return music::bassNameOf(bass->root + semitones, bass->kind);
    }
    return original;
}

QStringList cellsOf(const Sheet& sheet) {
    QStringList cells;
    sheet.forEachCell([&cells](CellAddress cell, const CellValue& value) {
        cells << cell.toA1() + u'=' + value.text();
    });
    return cells;
}

QStringList movedCellsOf(const Sheet& sheet, int semitones) {
    QStringList cells;
    sheet.forEachCell([&](CellAddress cell, const CellValue& value) {
        cells << cell.toA1() + u'=' + moved(cell, value.text(), semitones);
    });
    return cells;
}

int highestPitch(const Sheet& sheet) {
    int highest = 0;
    sheet.forEachCell([&highest](CellAddress cell, const CellValue& value) {
        if (cell.row > 1 && isToneColumn(cell)) {
            highest = std::max(highest, *music::tonePitch(value.text()));
        }
    });
    return highest;
}

class TuningDatabaseTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QFile::copy(delivered, path)); }

    QByteArray bytes() const { return testing_support::readBytes(path); }
    spreadsheet::WorkbookData saved() const { return spreadsheet::xls::readXlsFile(path); }
    // The change is refused with `message` and the file is as it was.
    void expectRefused(const std::function<QString(TuningDatabase&)>& change, const QString& message) {
        TuningDatabase database(path);
        const QByteArray before = bytes();
        const QStringList names = database.names();
        EXPECT_EQ(change(database), message);
        EXPECT_EQ(bytes(), before);
        EXPECT_EQ(database.names(), names);
    }

    QTemporaryDir folder;
    QString path = folder.filePath("Vezar.xls");
};

}  // namespace

TEST_F(TuningDatabaseTest, TransposingUpAndBackRestoresEveryTuningThatStaysOnTheStaff) {
    TuningDatabase database(path);
    const spreadsheet::WorkbookData original = saved();
    int roundTrips = 0;
    for (const auto& sheet : original.sheets) {
        const QString name = sheet->name();
        SCOPED_TRACE(name.toStdString());
        const bool fits = highestPitch(*sheet) + 2 <= music::HighestStaffPitch;
        const QByteArray before = bytes();
        const QString problem = database.add(name + " +2", name, 2);
        if (!fits) {
            EXPECT_TRUE(problem.startsWith("Ladění nelze transponovat o 2 půltóny nahoru: tón ")) << problem.toStdString();
            EXPECT_TRUE(problem.endsWith(" by vyšel mimo rozsah osnovy (c, až g4,).")) << problem.toStdString();
            EXPECT_EQ(bytes(), before);
            continue;
        }
        ASSERT_EQ(problem, QString());
        ASSERT_EQ(database.add(name + " zpět", name + " +2", -2), QString());
        const spreadsheet::WorkbookData now = saved();
        EXPECT_EQ(cellsOf(sheetNamed(now, name + " +2")), movedCellsOf(*sheet, 2));
        EXPECT_EQ(cellsOf(sheetNamed(now, name + " zpět")), movedCellsOf(*sheet, 0));
        ++roundTrips;
    }
    EXPECT_GE(roundTrips, 6);
    // Each copy at the end, the current tuning unchanged.
    const spreadsheet::WorkbookData now = saved();
    EXPECT_EQ(now.sheets.size(), original.sheets.size() + 2 * roundTrips);
    EXPECT_EQ(now.activeSheet, original.activeSheet);
    EXPECT_EQ(database.names().mid(0, 2), (QStringList{"G-C-F", "A-D-G"}));
}

TEST_F(TuningDatabaseTest, TransposingSpellsAsTheTablesAndKeepsTheTitles) {
    TuningDatabase database(path);
    ASSERT_EQ(database.add("Moje", "G-C", 1), QString());
    const spreadsheet::WorkbookData now = saved();
    const Sheet& copy = sheetNamed(now, "Moje");
    // G-C button 24: cis1, / es1, ; bass 1 (G) / (D); bass 7 (E) / (Am).
    EXPECT_EQ(copy.value({25, 2}).text(), "d1,");
    EXPECT_EQ(copy.value({25, 3}).text(), "e1,");
    EXPECT_EQ(copy.value({3, 6}).text(), "As");
    EXPECT_EQ(copy.value({2, 7}).text(), "(Es)");
    EXPECT_EQ(copy.value({8, 7}).text(), "(Bm)");
    EXPECT_EQ(copy.value({1, 2}).text(), "Tlak");
    EXPECT_EQ(copy.value({1, 6}).text(), "Bas tlak");
    EXPECT_EQ(copy.value({25, 1}), CellValue::number(24));
}

TEST_F(TuningDatabaseTest, AShiftThatLeavesTheStaffOrACellThatIsNoToneRefusesTheWholeCopy) {
    expectRefused([](TuningDatabase& db) { return db.add("Nižší", "G-C-F", -1); },
                  "Ladění nelze transponovat o 1 půltón dolů: tón c, u knoflíku 24 (tlak) by vyšel "
                  "mimo rozsah osnovy (c, až g4,).");
    expectRefused([](TuningDatabase& db) { return db.add("Vyšší", "G-C-F", 8); },
                  "Ladění nelze transponovat o 8 půltónů nahoru: tón c4, u knoflíku 1 (tlak) by "
                  "vyšel mimo rozsah osnovy (c, až g4,).");

    auto odd = testing_support::sheetWith(
        "Staré", {{"A1", "Knoflík"}, {"B1", "Tlak"}, {"A2", CellValue::number(1)}, {"B2", "c1,"},
                  {"F2", "(D7)"}, {"A3", CellValue::number(2)}, {"C3", "c1"}});
    spreadsheet::xls::writeXlsFile(path, {odd.get()}, 0);
    expectRefused([](TuningDatabase& db) { return db.add("Nové", "Staré", 2); },
                  "Ladění nelze transponovat o 2 půltóny nahoru: „c1“ u knoflíku 2 (tah) není tón.");
    odd->setValue({3, 3}, CellValue("d1,"));
    spreadsheet::xls::writeXlsFile(path, {odd.get()}, 0);
    expectRefused([](TuningDatabase& db) { return db.add("Nové", "Staré", -2); },
                  "Ladění nelze transponovat o 2 půltóny dolů: „(D7)“ u basového knoflíku 1 (tlak) "
                  "není bas, který program zná.");
    // Without a shift it is a plain copy, whatever it holds.
    TuningDatabase database(path);
    ASSERT_EQ(database.add("Nové", "Staré"), QString());
    EXPECT_EQ(cellsOf(sheetNamed(saved(), "Nové")), cellsOf(*odd));
}

TEST_F(TuningDatabaseTest, ANewTuningNeedsAFreeValidNameAndAnExistingSource) {
    expectRefused([](TuningDatabase& db) { return db.add("g-c-f", "G-C"); },
                  "Ladění „G-C-F“ už v seznamu je; zvolte jiný název.");
    expectRefused([](TuningDatabase& db) { return db.add("  ", "G-C"); }, "Ladění musí mít název.");
    expectRefused([](TuningDatabase& db) { return db.add("C/F", "G-C"); },
                  "Název „C/F“ nelze použít. Název listu nesmí obsahovat znaky [ ] : * ? / \\.");
    expectRefused([](TuningDatabase& db) { return db.add(QString(32, u'x'), "G-C"); },
                  QStringLiteral("Název „%1“ nelze použít. Název listu smí mít nejvýše 31 znaků.")
                      .arg(QString(32, u'x')));
    expectRefused([](TuningDatabase& db) { return db.add("Moje", "H-E-A"); },
                  "Ladění „H-E-A“ v databázi ladění není.");
    TuningDatabase database(path);
    ASSERT_EQ(database.add(" Moje C-F ", "c-f"), QString());
    EXPECT_EQ(database.names().last(), "Moje C-F");
    EXPECT_EQ(cellsOf(sheetNamed(saved(), "Moje C-F")), cellsOf(sheetNamed(saved(), "C-F")));
}

TEST_F(TuningDatabaseTest, AButtonsToneIsStoredAsTheDatabaseWritesIt) {
    TuningDatabase database(path);
    ASSERT_EQ(database.setTone("G-C", KeyboardSide::Treble, 3, Bellows::Push, "cis1"), QString());
    ASSERT_EQ(database.setTone("G-C", KeyboardSide::Treble, 37, Bellows::Pull, "as2,"), QString());
    ASSERT_EQ(database.setTone("G-C", KeyboardSide::Bass, 12, Bellows::Pull, "(Am)"), QString());
    ASSERT_EQ(database.setTone("G-C", KeyboardSide::Treble, 4, Bellows::Pull, ""), QString());
    ASSERT_EQ(database.setTone("G-C", KeyboardSide::Bass, 1, Bellows::Push, " "), QString());

    const spreadsheet::WorkbookData now = saved();
    const Sheet& sheet = sheetNamed(now, "G-C");
    EXPECT_EQ(sheet.value({4, 2}).text(), "cis1,");
    EXPECT_EQ(sheet.value({4, 3}).text(), "a2,");
    EXPECT_EQ(sheet.value({38, 3}).text(), "as2,");
    EXPECT_EQ(sheet.value({13, 7}).text(), "(Am)");
    EXPECT_TRUE(sheet.value({5, 3}).isEmpty());
    EXPECT_TRUE(sheet.value({2, 6}).isEmpty());
    EXPECT_EQ(database.tuning("g-c")->trebleTone(3, Bellows::Push), "cis1,");
}

TEST_F(TuningDatabaseTest, AWrongEntryIsRefusedAndNothingWritten) {
    struct Case {
        const char* tuning;
        KeyboardSide side;
        int button;
        Bellows bellows;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"G-C", KeyboardSide::Treble, 3, Bellows::Push, "Cis1",
         "„Cis1“ není tón: tóny diskantu se píší malým písmenem (c, d, e, f, g, a, h, b); velkým se "
         "píší basy."},
        {"G-C", KeyboardSide::Treble, 3, Bellows::Pull, "c5",
         "„c5“ není tón: oktáva se píše číslicí 1 až 4 (nejnižší oktáva je bez číslice)."},
        {"G-C", KeyboardSide::Treble, 3, Bellows::Pull, "ces,",
         "„ces,“ nelze zapsat: leží mimo rozsah osnovy (c, až g4,)."},
        {"G-C", KeyboardSide::Bass, 3, Bellows::Push, "(D7)",
         "„(D7)“ není bas: bas je jednotlivý tón („C“, „Fis“, „B“), akord dur („(C)“) nebo moll "
         "(„(Cm)“); jiné akordy program nezná."},
        {"G-C", KeyboardSide::Bass, 3, Bellows::Push, "c,",
         "„c,“ není bas: basy se píší velkým písmenem (C, D, E, F, G, A, H, B); malým se píší tóny "
         "diskantu."},
        {"G-C", KeyboardSide::Treble, 38, Bellows::Push, "c1,", "Diskant má knoflíky 1 až 37; knoflík 38 není."},
        {"G-C", KeyboardSide::Treble, 0, Bellows::Push, "c1,", "Diskant má knoflíky 1 až 37; knoflík 0 není."},
        {"G-C", KeyboardSide::Bass, 13, Bellows::Push, "C", "Basy mají knoflíky 1 až 12; basový knoflík 13 není."},
        {"H-E-A", KeyboardSide::Bass, 1, Bellows::Push, "C", "Ladění „H-E-A“ v databázi ladění není."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        expectRefused([&c](TuningDatabase& db) { return db.setTone(c.tuning, c.side, c.button, c.bellows, c.typed); },
                      QString::fromUtf8(c.message));
    }
}

TEST_F(TuningDatabaseTest, OtherCellsAreNeverCheckedAndAButtonWithoutARowIsReported) {
    // His own sheet: a cell the program cannot read and no row for button 2.
    auto own = testing_support::sheetWith(
        "Moje", {{"A2", CellValue::number(1)}, {"B2", "x9,"}, {"F2", "(D7)"}, {"A4", CellValue::number(3)}});
    spreadsheet::xls::writeXlsFile(path, {own.get()}, 0);
    TuningDatabase database(path);
    ASSERT_EQ(database.setTone("Moje", KeyboardSide::Treble, 1, Bellows::Pull, "d1"), QString());
    ASSERT_EQ(database.setTone("Moje", KeyboardSide::Treble, 3, Bellows::Push, "e1"), QString());
    EXPECT_EQ(cellsOf(sheetNamed(saved(), "Moje")),
              (QStringList{"A2=1", "B2=x9,", "C2=d1,", "F2=(D7)", "A4=3", "B4=e1,"}));
    expectRefused([](TuningDatabase& db) { return db.setTone("Moje", KeyboardSide::Treble, 2, Bellows::Push, "c1"); },
                  "Ladění „Moje“ nemá ve sloupci A řádek knoflíku 2; tón nelze uložit.");
}

TEST_F(TuningDatabaseTest, RenamingKeepsTheCurrentTuningAndSparesTheOpenSongs) {
    TuningDatabase database(path);
    ASSERT_EQ(database.add("Moje", "G-C"), QString());
    expectRefused([](TuningDatabase& db) { return db.rename("Moje", "c-f", QString()); },
                  "Ladění „C-F“ už v seznamu je; zvolte jiný název.");
    expectRefused([](TuningDatabase& db) { return db.rename("Moje", "Moje?", QString()); },
                  "Název „Moje?“ nelze použít. Název listu nesmí obsahovat znaky [ ] : * ? / \\.");
    expectRefused([](TuningDatabase& db) { return db.rename("moje", "Tvoje", "MOJE"); },
                  "Ladění „Moje“ má otevřená písnička; přejmenovat ho lze, až ji zavřete.");
    expectRefused([](TuningDatabase& db) { return db.rename("Tvoje", "Moje", QString()); },
                  "Ladění „Tvoje“ v databázi ladění není.");

    TuningDatabase again(path);
    ASSERT_EQ(again.rename("Moje", "MOJE", "G-C"), QString());  // only the case changes
    ASSERT_EQ(again.rename("MOJE", "Tvoje G-C", QString()), QString());
    const spreadsheet::WorkbookData now = saved();
    EXPECT_EQ(now.sheets.back()->name(), "Tvoje G-C");
    EXPECT_EQ(now.activeSheet, 0);
    EXPECT_EQ(cellsOf(*now.sheets.back()), cellsOf(sheetNamed(now, "G-C")));
}

TEST_F(TuningDatabaseTest, DeletingNeverTakesTheLastTuningNorTheOpenSongs) {
    expectRefused([](TuningDatabase& db) { return db.remove("c-f-b", "C-F-B"); },
                  "Ladění „C-F-B“ má otevřená písnička; smazat ho lze, až ji zavřete.");
    auto only = testing_support::sheetWith("Jediné", {{"B2", "c1,"}});
    const QString single = folder.filePath("Jediné.xls");
    spreadsheet::xls::writeXlsFile(single, {only.get()}, 0);
    TuningDatabase lonely(single);
    EXPECT_EQ(lonely.remove("Jediné", QString()), "Ladění „Jediné“ je v databázi jediné; smazat ho nelze.");
    EXPECT_EQ(lonely.names(), QStringList{"Jediné"});
}

TEST_F(TuningDatabaseTest, DeletingTheCurrentTuningMakesTheFirstOneCurrent) {
    // "C-F-B" current: deleting a tuning before it keeps it current; deleting it, the first.
    spreadsheet::WorkbookData data = saved();
    data.activeSheet = 3;
    spreadsheet::xls::writeXlsFile(path, data);
    TuningDatabase database(path);
    ASSERT_EQ(database.remove("A-D-G", "G-C"), QString());
    EXPECT_EQ(database.names()[database.activeIndex()], "C-F-B");
    EXPECT_EQ(saved().activeSheet, 2);
    ASSERT_EQ(database.remove("Club C-F", QString()), QString());
    EXPECT_EQ(database.names()[database.activeIndex()], "C-F-B");
    ASSERT_EQ(database.remove("C-F-B", QString()), QString());
    EXPECT_EQ(database.activeIndex(), 0);
    EXPECT_EQ(saved().activeSheet, 0);
    EXPECT_EQ(database.names(), (QStringList{"G-C-F", "B-Es-As", "F-B-Es", "C-F", "G-C"}));
}

TEST_F(TuningDatabaseTest, AFailedSaveChangesNothing) {
    TuningDatabase database(path);
    const QByteArray before = bytes();
    testing_support::withFullDisk([&] {
        EXPECT_THROW(database.add("Moje", "G-C-F", 2), spreadsheet::SpreadsheetError);
        EXPECT_THROW(database.remove("G-C", QString()), spreadsheet::SpreadsheetError);
    });
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(database.names().size(), 8);
    EXPECT_FALSE(database.tuning("Moje"));
    ASSERT_EQ(database.add("Moje", "G-C-F", 2), QString());
    EXPECT_EQ(database.names().size(), 9);
}
