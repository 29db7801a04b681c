// Converting a song into another tuning through the conversion session, as the window and the
// command line drive it: the copy and its sheet name, every stop of the run with its message.
#include "grips/Said.h"
#include "support/SongFixture.h"

#include "conversion/ConversionSession.h"

using conversion::ConversionRun;
using services::MessageAnswer;
using services::MessageIcon;
using spreadsheet::CellValue;

namespace {

class Convert : public testing_support::SongFixture {
protected:
    void SetUp() override {
        SongFixture::SetUp();
        QDir().mkpath(environment.workingFolder);
    }
    // A saved song in the working folder, open as the main window's song.
    void saveSong(const QString& name) {
        host().activeWorkbook().saveAs(QDir(environment.workingFolder).filePath(name));
        form->connection().SongWorkbookName = host().activeWorkbook().name();
    }
    // The open song converted as the window converts it, closing it afterwards.
    ConversionRun::Outcome convertTo(const QString& target,
                                     const std::function<void()>& beforeGo = {}) {
        conversion::ConversionSession session(form->connection(), dialogs);
        session.load();
        if (beforeGo) {
            beforeGo();
        }
        const auto outcome = session.go(target);
        session.unload();
        return outcome;
    }
    // The cells of a workbook file, as a player reopening it would see them.
    QString fileCell(const QString& file, const QString& address, QString* sheetName = nullptr) {
        spreadsheet::Application reader{spreadsheet::HostSettings(dir.filePath("r.ini"))};
        reader.openWorkbook(QDir(environment.workingFolder).filePath(file));
        if (sheetName) {
            *sheetName = reader.activeSheet().name();
        }
        return reader.range(address).text();
    }
    QString titleShown() const { return dialogs.messages.back().title; }
};

struct RunCase {
    const char* name;
    QString song;
    QString cells;  // "B1=c1, I1=Tlak M1=(C)": the song's cells before the run
    QString target;
    ConversionRun::Outcome outcome;
    said::Message said;
    QString copySheet;
    QString copyCells;  // as the saved copy holds them
};

// A failing case is named, not dumped.
void PrintTo(const RunCase& run, std::ostream* out) {
    *out << run.name;
}

std::vector<std::pair<QString, QString>> cellsOf(const QString& cells) {
    std::vector<std::pair<QString, QString>> parsed;
    for (const QString& cell : cells.split(u' ', Qt::SkipEmptyParts)) {
        parsed.emplace_back(cell.section(u'=', 0, 0), cell.section(u'=', 1));
    }
    return parsed;
}

said::Message success(const QString& target) {
    return said::information("Hotovo.", "Konverze do ladění " + target + " úspěšně dokončena.");
}

const QString polka =
    "A1=Šla B1=c1, C1=e1, D1=g1, I1=Tlak M1=(C) N1=C B2=d1, C2=f1, D2=a1, E2=h1, F2=d2, G2=f2, "
    "H2=a2, I2=Tah M2=(D) N2=D B3=cis1, C3=b1, I3=Tlak";

const RunCase runCases[] = {
    {"TonesLyricsAndBassesConvert", "Polka.xls", polka, "C-F-B", ConversionRun::Outcome::Converted,
     success("C-F-B"), "C-F-B", "B1=f1, A1=Šla M1=(F) I2=Tah"},
    {"ARowWithoutBassesGetsNone", "Polka.xls", "B1=c1, I1=Tlak", "A-D-G",
     ConversionRun::Outcome::Converted, success("A-D-G"), "A-D-G", "B1=d1, M1="},
    // Accompaniment beats are bass-only grips, and a row may hold only lyrics: the song goes
    // on past both, and a song starting with basses alone is no empty song.
    {"EveryGripIsConvertedBassOnlyOnesToo", "Doprovod.xls",
     "I1=Tlak M1=C N1=(C) B2=c1, C2=e1, I2=Tlak M2=C A3=la I4=Tah M4=G B5=e1, I5=Tah", "C-F-B",
     ConversionRun::Outcome::Converted, success("C-F-B"), "C-F-B",
     "B1= M1=F N1=(F) O1= B2=f1, C2=a1, D2= M2=F A3=la B3= I3= M4=C B5=a1,"},
    // Buttons the target tuning leaves without a tone: their tones are left out, the rest of
    // the grip stays packed, the run goes on and its message says which grips lost what.
    {"ATargetWithoutAButtonsToneLeavesItOutAndSaysWhere", "Polka.xls",
     "B1=c4, C1=c1, D1=a3, I1=Tlak B2=c2, I2=Tlak M2=A N2=C B3=e1, I3=Tah", "C-F",
     ConversionRun::Outcome::Converted,
     said::exclamation("Hotovo.",
                       "Konverze do ladění C-F dokončena. Některé knoflíky nedávají v ladění C-F "
                       "žádný tón, a jejich tóny proto v těchto hmatech chybí:\r\nhmat 1: "
                       "knoflík 12 ve vnitřní řadě, knoflík 11 ve vnitřní řadě\r\nhmat 2: "
                       "basový knoflík 9"),
     "C-F", "B1=c1, C1= D1= B2=c2, M2=F N2= B3=e1,"},
    {"AnEmptySongLeavesAnUnfinishedCopy", "Prázdná.xls", "", "C-F", ConversionRun::Outcome::Failed,
     said::critical("Přerušeno na začátku.",
                    "Program nemá k dispozici očekávaná data. Konverze nebude provedena. Smažte "
                    "soubor Prázdná C-F.xls\r\nEventuelně může být tento soubor použit pro ruční "
                    "zápis v požadovaném ladění."),
     "C-F Nedokončeno", ""},
    // The copy stays the song, its cells half converted.
    {"AToneTheSourceTuningLacksStopsTheRun", "Chyba.xls", "B1=c1, I1=Tlak B2=c1, C2=x9, I2=Tlak",
     "A-D-G", ConversionRun::Outcome::Failed,
     said::critical("Tón nebyl nalezen.",
                    "x9, nenalezeno. Sloupce B až H edituje Mechík. Pokud do nich přesto ručně "
                    "zadáte hodnotu, která není syntakticky správně, nebo obsahuje ve zdrojovém "
                    "ladění neexistující tón, může nastat tato chyba !!!"),
     "A-D-G Nedokončeno", "B1=d1, B2=d1, C2=x9,"},
    // No direction word: the case counts.
    {"ARowWithoutDirectionWordStopsTheRun", "Směr.xls", "B1=c1, I1=Tlak B2=c1, I2=tlak", "G-C",
     ConversionRun::Outcome::Failed,
     said::critical("Chyba v datovém souboru.",
                    "Chybí záznam o směru tahu měchu. Konverze do jiného ladění bude předčasně "
                    "ukončena."),
     "G-C Nedokončeno", "B2=c1,"},
    {"BassesWithoutDirectionWordStopTheRun", "Basy.xls", "B1=c1, I1=Tlak I2= M2=C", "A-D-G",
     ConversionRun::Outcome::Failed,
     said::critical("Neočekávaná chyba.",
                    "Chybí záznam o směru tahu měchu. Konverze basů do jiného ladění bude "
                    "předčasně ukončena."),
     "A-D-G Nedokončeno", "B1=d1, M2=C"},
};

class ConversionRuns : public Convert, public ::testing::WithParamInterface<RunCase> {};

}  // namespace

TEST_P(ConversionRuns, WriteTheCopyAndSayHowItWent) {
    const RunCase& run = GetParam();
    for (const auto& [address, text] : cellsOf(run.cells)) {
        put(address, text);
    }
    saveSong(run.song);
    EXPECT_EQ(convertTo(run.target), run.outcome);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back(), run.said);
    const QString copy = run.song.chopped(4) + u' ' + run.target + ".xls";
    QString sheet;
    fileCell(copy, "A1", &sheet);
    EXPECT_EQ(sheet, run.copySheet);
    for (const auto& [address, text] : cellsOf(run.copyCells)) {
        EXPECT_EQ(fileCell(copy, address), text) << address.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Convert, ConversionRuns, ::testing::ValuesIn(runCases),
                         [](const ::testing::TestParamInfo<RunCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(Convert, ThereAndBackGivesTheOriginalAndLeavesTheSourceAsItWas) {
    for (const auto& [address, text] : cellsOf(polka)) {
        put(address, text);
    }
    saveSong("Polka.xls");
    EXPECT_EQ(convertTo("C-F-B"), ConversionRun::Outcome::Converted);
    EXPECT_EQ(form->connection().SongWorkbookName, "Polka C-F-B.xls");
    EXPECT_EQ(fileCell("Polka.xls", "B1"), "c1,");

    // The copy is now the song, read in its own tuning; its conversion gives the original.
    conversion::ConversionSession again(form->connection(), dialogs);
    again.load();
    EXPECT_EQ(again.sourceTuning(), "C-F-B");
    EXPECT_EQ(again.go("G-C-F"), ConversionRun::Outcome::Converted);
    again.unload();
    for (const char* address : {"B1", "C1", "D1", "M1", "N1", "B2", "H2", "M2", "B3", "C3"}) {
        EXPECT_EQ(fileCell("Polka C-F-B G-C-F.xls", address), fileCell("Polka.xls", address))
            << address;
    }
}

TEST_F(Convert, NoTargetIsNoRunAndAnExistingCopyIsReplacedOnlyWhenTheAnswerIsOk) {
    putRow(1, {"c1,"}, "Tlak");
    saveSong("Polka.xls");
    EXPECT_EQ(convertTo(QString()), ConversionRun::Outcome::NoTarget);
    EXPECT_EQ(titleShown(), "Do čeho budete převádět ?");
    EXPECT_EQ(host().workbookCount(), 2);
    dialogs.messages.clear();

    const QString copy = QDir(environment.workingFolder).filePath("Polka A-D-G.xls");
    testing_support::writeBytes(copy, "older copy");
    dialogs.answers = {MessageAnswer::Cancel};
    EXPECT_EQ(convertTo("A-D-G"), ConversionRun::Outcome::Cancelled);
    EXPECT_EQ(
        dialogs.take(),
        (said::Messages{{"Dotaz", "Soubor již existuje. Přejete si ho vymazat a nahradit novým ?",
                         MessageIcon::None, services::MessageButtons::OkCancel},
                        said::information("Storno převodu.", "Zpracování zrušeno uživatelem.")}));
    EXPECT_EQ(testing_support::readBytes(copy), QByteArray("older copy"));
    dialogs.answers = {MessageAnswer::Ok};
    EXPECT_EQ(convertTo("A-D-G"), ConversionRun::Outcome::Converted);
    EXPECT_EQ(fileCell("Polka A-D-G.xls", "B1"), "d1,");
}

// A long song losing tones in many grips: the message lists the first twenty and counts the
// rest.
TEST_F(Convert, ManyGripsLosingTonesAreCountedBeyondTwenty) {
    for (int row = 1; row <= 23; ++row) {
        putRow(row, {"c4,", "a3,"}, "Tlak");
    }
    saveSong("Dlouhá.xls");
    convertTo("C-F");
    const QStringList lines = dialogs.messages.back().text.split("\r\n");
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines[20], "hmat 20: knoflík 12 ve vnitřní řadě, knoflík 11 ve vnitřní řadě");
    EXPECT_EQ(lines[21], "Dalších hmatů s chybějícím tónem: 3.");
}

// A click on another tuning's tab in the sheet window while the conversion is prepared does
// not change what the song is read in; nor does another program pointing the host's
// remembered folder elsewhere change where the copy goes.
TEST_F(Convert, TheSongIsReadInItsOwnTuningAndCopiedBesideTheSongs) {
    putRow(1, {"c1,", "e1,"}, "Tlak", {"C"});
    saveSong("Polka.xls");
    const QString elsewhere = dir.filePath("Jinde");
    QDir().mkpath(elsewhere);
    EXPECT_EQ(convertTo("C-F-B",
                        [&] {
                            host().activateWindow(form->connection().TuningWorkbookName);
                            host().sheet("A-D-G").select();
                            spreadsheet::HostSettings(environment.hostSettingsFile)
                                .setDefaultFilePath(elsewhere);
                        }),
              ConversionRun::Outcome::Converted);
    EXPECT_EQ(fileCell("Polka C-F-B.xls", "B1"), "f1,");
    EXPECT_EQ(fileCell("Polka C-F-B.xls", "C1"), "a1,");
    EXPECT_EQ(fileCell("Polka C-F-B.xls", "M1"), "F");
    EXPECT_EQ(QDir(elsewhere).entryList(QDir::Files), QStringList());
}

namespace {

// A player's own tuning with a name as long as a sheet allows, whose column holds many names
// that only contain the tone before it.
class OwnTuning : public Convert {
protected:
    void prepareTrialSheet() override {
        trial->setNameUnchecked("Heligonka Es-As-Des Slovenská");  // 29 characters
        for (int row = 2; row <= 38; ++row) {
            trial->setValue({row, 1}, CellValue::number(row - 1));
            trial->setValue({row, 2}, CellValue(row % 2 ? QStringLiteral("des1,") : "ges1,"));
        }
        trial->setValue({30, 2}, CellValue("es1,"));
    }
};

}  // namespace

TEST_F(OwnTuning, ATargetTooLongForTheUnfinishedSheetNameIsRefusedFirst) {
    putRow(1, {"c1,"}, "Tlak");
    saveSong("Polka.xls");
    EXPECT_EQ(convertTo("Heligonka Es-As-Des Slovenská"), ConversionRun::Outcome::Failed);
    EXPECT_EQ(titleShown(), "Konverze nemožná.");
    EXPECT_FALSE(QFileInfo::exists(
        QDir(environment.workingFolder).filePath("Polka Heligonka Es-As-Des Slovenská.xls")));
    EXPECT_EQ(form->connection().SongWorkbookName, "Polka.xls");
}

// Far more partial matches than five searches: the exact tone is still converted.
TEST_F(OwnTuning, TheExactToneIsFoundBehindManyPartialMatches) {
    host().activeSheet().setName("Heligonka Es-As-Des Slovenská");
    putRow(1, {"es1,"}, "Tlak");
    saveSong("Polka.xls");
    convertTo("G-C-F");
    EXPECT_EQ(titleShown(), "Hotovo.");
    EXPECT_EQ(fileCell("Polka G-C-F.xls", "B1"), "d2,");  // G-C-F button 29 push
}

// A song using every row of the sheet converts to its last row, and no further.
TEST_F(Convert, ASongFillingTheWholeSheetConvertsToItsLastRow) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "65536 rows take minutes under the sanitizers; the plain run covers it";
#endif
    auto& song = host();
    for (int row = 1; row <= spreadsheet::MaxRows; ++row) {
        song.range(QStringLiteral("B%1").arg(row)).setValue(CellValue("c1,"));
        song.range(QStringLiteral("I%1").arg(row)).setValue(CellValue("Tlak"));
    }
    saveSong("Dlouhá.xls");
    convertTo("C-F-B");
    EXPECT_EQ(titleShown(), "Hotovo.");
    EXPECT_EQ(fileCell("Dlouhá C-F-B.xls", "B65536"), "f1,");
}
