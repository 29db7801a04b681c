// A player edits his own tunings: every change checked, saved at once, and a refused one
// leaves the file as it was, byte for byte. Tunings a newer program delivers reach his copy
// once; one he deleted or renamed stays as he left it.
#include "support/TestFiles.h"

#include "music/Pitch.h"
#include "services/ProgramSettings.h"
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tunings/DeliveredTunings.h"
#include "tunings/TuningDatabase.h"
#include "tunings/UserTuningDatabase.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using spreadsheet::CellAddress;
using spreadsheet::CellValue;
using spreadsheet::Sheet;
using testing_support::DeliveredDatabase;
using testing_support::sheetNamed;
using tones::Bellows;
using tones::KeyboardSide;
using tunings::TuningDatabase;

namespace {

// "B4=c3," for every cell; tones (B, C) and basses (F, G) as they would read moved by
// `semitones`, spelled by the one pitch mapping ("B4=" beyond the staff).
QStringList cellsOf(const Sheet& sheet, int semitones = 0) {
    QStringList cells;
    sheet.forEachCell([&](CellAddress cell, const CellValue& value) {
        QString text = value.text();
        const auto pitch = music::tonePitch(text);
        const auto bass = music::parseBass(text);
        if (pitch && (cell.column == 2 || cell.column == 3)) {
            text = music::toneNameOfPitch(*pitch + semitones);
        } else if (bass && (cell.column == 6 || cell.column == 7)) {
            text = music::bassNameOf(bass->root + semitones, bass->kind);
        }
        cells << cell.toA1() + u'=' + text;
    });
    return cells;
}

QStringList namesIn(const QString& path) {
    QStringList names;
    for (const auto& sheet : spreadsheet::xls::readXlsFile(path).sheets) {
        names << sheet->name();
    }
    return names;
}

class TuningDatabaseTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QFile::copy(testing_support::DeliveredDatabase, path)); }

    QByteArray bytes() const { return testing_support::readBytes(path); }
    spreadsheet::WorkbookData saved() const { return spreadsheet::xls::readXlsFile(path); }
    // The change is refused with `message` and the file is as it was.
    void expectRefused(const std::function<QString(TuningDatabase&)>& change,
                       const QString& message) {
        TuningDatabase database(path);
        const QByteArray before = bytes();
        const QStringList names = database.names();
        EXPECT_EQ(change(database), message);
        EXPECT_EQ(bytes(), before);
        EXPECT_EQ(database.names(), names);
    }

    // The copy an earlier version made: without "G-C", with "G-C-F" written in other case,
    // "B-Es-As" current, and a tuning of the player's own.
    void writeAnOlderCopy() {
        spreadsheet::WorkbookData data = saved();
        std::erase_if(data.sheets, [](const auto& sheet) { return sheet->name() == "G-C"; });
        data.sheets[0]->setNameUnchecked("g-c-f");
        data.sheets.push_back(testing_support::sheetWith("Moje", {{"B2", CellValue("c1,")}}));
        data.activeSheet = 2;
        spreadsheet::xls::writeXlsFile(path, data);
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
        const bool fits = cellsOf(*sheet, 2).filter(QRegularExpression("^[BC]\\d+=$")).isEmpty();
        const QString problem = database.add(name + " +2", name, 2);
        if (!fits) {
            EXPECT_TRUE(problem.startsWith("Ladění nelze transponovat o 2 půltóny nahoru: tón "))
                << problem.toStdString();
            continue;
        }
        ASSERT_EQ(problem, QString());
        ASSERT_EQ(database.add(name + " zpět", name + " +2", -2), QString());
        const spreadsheet::WorkbookData now = saved();
        EXPECT_EQ(cellsOf(sheetNamed(now, name + " +2")), cellsOf(*sheet, 2));
        EXPECT_EQ(cellsOf(sheetNamed(now, name + " zpět")), cellsOf(*sheet, 0));
        ++roundTrips;
    }
    EXPECT_EQ(roundTrips, 7);
    // Spelled as the tables spell: G-C's button 24 "cis1," / "es1,", bass 7 "(E)" / "(Am)".
    const spreadsheet::WorkbookData now = saved();
    const Sheet& up = sheetNamed(now, "G-C +2");
    EXPECT_EQ(cellsOf(up).filter(QRegularExpression("^(B25|C25|F8|G8|A25|B1)=")),
              (QStringList{"B1=Tlak", "F8=(Fis)", "G8=(Hm)", "A25=24", "B25=es1,", "C25=f1,"}));
    EXPECT_EQ(now.sheets.size(), original.sheets.size() + 2 * roundTrips);
    EXPECT_EQ(now.activeSheet, original.activeSheet);
}

TEST_F(TuningDatabaseTest, AShiftThatLeavesTheStaffOrACellThatIsNoToneRefusesTheWholeCopy) {
    expectRefused([](TuningDatabase& db) { return db.add("Nižší", "G-C-F", -1); },
                  "Ladění nelze transponovat o 1 půltón dolů: tón c, u knoflíku 24 (tlak) by vyšel "
                  "mimo rozsah osnovy (c, až g4,).");
    expectRefused([](TuningDatabase& db) { return db.add("Vyšší", "G-C-F", 8); },
                  "Ladění nelze transponovat o 8 půltónů nahoru: tón c4, u knoflíku 1 (tlak) by "
                  "vyšel mimo rozsah osnovy (c, až g4,).");
    auto odd = testing_support::sheetWith("Staré", {{"A1", "Knoflík"},
                                                    {"B1", "Tlak"},
                                                    {"A2", CellValue::number(1)},
                                                    {"F2", "(D7)"},
                                                    {"A3", CellValue::number(2)},
                                                    {"C3", "c1"}});
    spreadsheet::xls::writeXlsFile(path, {odd.get()}, 0);
    expectRefused(
        [](TuningDatabase& db) { return db.add("Nové", "Staré", 2); },
        "Ladění nelze transponovat o 2 půltóny nahoru: „c1“ u knoflíku 2 (tah) není tón.");
    odd->setValue({3, 3}, CellValue());
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
    const std::pair<QString, QString> refused[] = {
        {"g-c-f", "Ladění „G-C-F“ už v seznamu je; zvolte jiný název."},
        {"  ", "Ladění musí mít název."},
        {"C/F", "Název „C/F“ nelze použít. Název listu nesmí obsahovat znaky [ ] : * ? / \\."},
        {QString(32, u'x'),
         "Název „" + QString(32, u'x') + "“ nelze použít. Název listu smí mít nejvýše 31 znaků."}};
    for (const auto& [name, message] : refused) {
        expectRefused([&name](TuningDatabase& db) { return db.add(name, "G-C"); }, message);
    }
    expectRefused([](TuningDatabase& db) { return db.add("Moje", "H-E-A"); },
                  "Ladění „H-E-A“ v databázi ladění není.");
    TuningDatabase database(path);
    ASSERT_EQ(database.add(" Moje C-F ", "c-f"), QString());
    EXPECT_EQ(database.names().last(), "Moje C-F");
    EXPECT_EQ(cellsOf(sheetNamed(saved(), "Moje C-F")), cellsOf(sheetNamed(saved(), "C-F")));
}

// Only the new entry is checked: his own sheet keeps a cell the program cannot read.
TEST_F(TuningDatabaseTest, AButtonsToneIsCheckedAndStoredAsTheDatabaseWritesIt) {
    auto own = testing_support::sheetWith("Moje", {{"A2", CellValue::number(1)},
                                                   {"B2", "x9,"},
                                                   {"C2", "c1,"},
                                                   {"F2", "(D7)"},
                                                   {"A4", CellValue::number(3)}});
    spreadsheet::xls::writeXlsFile(path, {own.get()}, 0);
    TuningDatabase database(path);
    ASSERT_EQ(database.setTone("moje", KeyboardSide::Treble, 3, Bellows::Push, "cis1"), QString());
    ASSERT_EQ(database.setTone("Moje", KeyboardSide::Bass, 1, Bellows::Pull, "(Am)"), QString());
    ASSERT_EQ(database.setTone("Moje", KeyboardSide::Treble, 1, Bellows::Pull, " "), QString());
    EXPECT_EQ(cellsOf(sheetNamed(saved(), "Moje")),
              (QStringList{"A2=1", "B2=x9,", "F2=(D7)", "G2=(Am)", "A4=3", "B4=cis1,"}));
    EXPECT_EQ(database.tuning("MOJE")->trebleTone(3, Bellows::Push), "cis1,");

    const auto set = [](KeyboardSide side, int button, const char* typed) {
        return [=](TuningDatabase& db) {
            return db.setTone("Moje", side, button, Bellows::Push, typed);
        };
    };
    expectRefused(set(KeyboardSide::Treble, 3, "c5"),
                  "„c5“ není tón: oktáva se píše číslicí 1 až 4 (nejnižší oktáva je bez číslice).");
    expectRefused(set(KeyboardSide::Bass, 1, "Dm"),
                  "„Dm“ není bas: mollový akord se píše v závorkách, např. „(Am)“.");
    expectRefused(set(KeyboardSide::Treble, 38, "c1,"),
                  "Diskant má knoflíky 1 až 37; knoflík 38 není.");
    expectRefused(set(KeyboardSide::Bass, 0, "C"),
                  "Basy mají knoflíky 1 až 12; basový knoflík 0 není.");
    expectRefused(set(KeyboardSide::Treble, 2, "c1"),
                  "Ladění „Moje“ nemá ve sloupci A řádek knoflíku 2; tón nelze uložit.");
    expectRefused(
        [](TuningDatabase& db) {
            return db.setTone("H-E-A", KeyboardSide::Bass, 1, Bellows::Push, "C");
        },
        "Ladění „H-E-A“ v databázi ladění není.");
}

TEST_F(TuningDatabaseTest, RenamingSparesTheOpenSongsTuningAndNeedsAFreeName) {
    expectRefused([](TuningDatabase& db) { return db.rename("G-C", "c-f", QString()); },
                  "Ladění „C-F“ už v seznamu je; zvolte jiný název.");
    expectRefused([](TuningDatabase& db) { return db.rename("G-C", "G?C", QString()); },
                  "Název „G?C“ nelze použít. Název listu nesmí obsahovat znaky [ ] : * ? / \\.");
    expectRefused([](TuningDatabase& db) { return db.rename("g-c", "Moje", "G-C"); },
                  "Ladění „G-C“ má otevřená písnička; přejmenovat ho lze, až ji zavřete.");
    TuningDatabase database(path);
    ASSERT_EQ(database.rename("G-C", "g-c", "C-F"), QString());  // only the case changes
    ASSERT_EQ(database.rename("G-C", "Moje G-C", QString()), QString());
    EXPECT_EQ(saved().sheets[6]->name(), "Moje G-C");
    EXPECT_EQ(saved().activeSheet, 0);
}

TEST_F(TuningDatabaseTest, DeletingSparesTheLastAndTheOpenSongsTuningAndMovesTheCurrentOne) {
    expectRefused([](TuningDatabase& db) { return db.remove("c-f-b", "C-F-B"); },
                  "Ladění „C-F-B“ má otevřená písnička; smazat ho lze, až ji zavřete.");
    spreadsheet::WorkbookData data = saved();
    data.activeSheet = 3;  // "C-F-B"
    spreadsheet::xls::writeXlsFile(path, data);
    TuningDatabase database(path);
    ASSERT_EQ(database.remove("A-D-G", "G-C"), QString());
    EXPECT_EQ(database.names()[database.activeIndex()], "C-F-B");
    EXPECT_EQ(saved().activeSheet, 2);
    ASSERT_EQ(database.remove("C-F-B", QString()), QString());
    EXPECT_EQ(saved().activeSheet, 0);
    for (const QString& name : QStringList{"G-C-F", "B-Es-As", "F-B-Es", "C-F", "G-C"}) {
        ASSERT_EQ(database.remove(name, QString()), QString());
    }
    EXPECT_EQ(database.remove("Club C-F", QString()),
              "Ladění „Club C-F“ je v databázi jediné; smazat ho nelze.");
    EXPECT_EQ(saved().sheets.size(), 1);
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
    ASSERT_EQ(database.add("Moje", "G-C-F", 2), QString());
    EXPECT_EQ(database.names().size(), 9);
}

TEST_F(TuningDatabaseTest, DeliveredTuningsAreAppendedOnceAndRememberedWithTheOnesAlreadyThere) {
    writeAnOlderCopy();
    QStringList known;
    EXPECT_EQ(tunings::addDeliveredTunings(path, DeliveredDatabase, known), QStringList{"G-C"});
    EXPECT_EQ(namesIn(path), (QStringList{"g-c-f", "A-D-G", "B-Es-As", "C-F-B", "F-B-Es", "C-F",
                                          "Club C-F", "Moje", "G-C"}));
    EXPECT_EQ(saved().activeSheet, 2);
    EXPECT_EQ(saved().sheets.back()->value({4, 2}).text(), "c3,");
    EXPECT_EQ(known, namesIn(DeliveredDatabase));

    const QByteArray before = bytes();
    EXPECT_EQ(tunings::addDeliveredTunings(path, DeliveredDatabase, known), QStringList());
    EXPECT_EQ(bytes(), before);
}

TEST_F(TuningDatabaseTest, ADeliveredTuningThePlayerDeletedOrRenamedStaysAway) {
    writeAnOlderCopy();
    QStringList known{"G-C", "Club C-F"};
    TuningDatabase database(path);
    ASSERT_EQ(database.rename("Club C-F", "Můj Club", QString()), QString());
    const QByteArray before = bytes();
    EXPECT_EQ(tunings::addDeliveredTunings(path, DeliveredDatabase, known), QStringList());
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(known.size(), namesIn(DeliveredDatabase).size());
}

// The start of the installed program: what was added is kept in the settings, so a tuning
// deleted after it was added is not added again at the next start.
TEST_F(TuningDatabaseTest, TheStartRemembersTheDeliveredTuningsInTheSettings) {
    writeAnOlderCopy();
    services::ProgramSettings settings(folder.filePath("settings.ini"));
    tunings::bringUpToDate(path, DeliveredDatabase, settings);
    EXPECT_EQ(namesIn(path).last(), "G-C");
    EXPECT_EQ(settings.list(services::ProgramSettings::DodanaLadeni), namesIn(DeliveredDatabase));

    TuningDatabase database(path);
    ASSERT_EQ(database.remove("G-C", QString()), QString());
    services::ProgramSettings later(folder.filePath("settings.ini"));
    tunings::bringUpToDate(path, DeliveredDatabase, later);
    EXPECT_FALSE(namesIn(path).contains("G-C"));

    // A copy that cannot be read is left for the start to report.
    testing_support::writeBytes(path, "not a workbook");
    tunings::bringUpToDate(path, DeliveredDatabase, later);
    EXPECT_EQ(bytes(), "not a workbook");
}
