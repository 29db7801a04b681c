// Converting a song into another tuning through the conversion session, as the window and the
// command line drive it: the copy and its sheet name, every stop of the run with its message.
#include "support/SongFixture.h"

#include "conversion/ConversionSession.h"

using conversion::ConversionRun;
using services::MessageAnswer;
using services::MessageIcon;
using spreadsheet::CellValue;
using testing_support::ScriptedDialogs;

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

struct Grip {
    int row;
    QStringList treble;
    QString direction;
    QStringList basses = {};
};

struct RunCase {
    const char* name;
    QString song;
    std::vector<Grip> grips;
    QString target;
    ConversionRun::Outcome outcome;
    ScriptedDialogs::Message said;
    QString copySheet;
    QString copyCells;  // "B1=f1, M1=(F)": as the saved copy holds them
    QString lyrics = {};
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

ScriptedDialogs::Message success(const QString& target) {
    return {"Hotovo.", "Konverze do ladění " + target + " úspěšně dokončena.",
            MessageIcon::Information, services::MessageButtons::Ok};
}

ScriptedDialogs::Message stop(const QString& title, const QString& text) {
    return {title, text, MessageIcon::Critical, services::MessageButtons::Ok};
}

const RunCase runCases[] = {
    {"TonesLyricsAndBassesConvert",
     "Polka.xls",
     {{1, {"c1,", "e1,", "g1,"}, "Tlak", {"(C)", "C"}},
      {2, {"d1,", "f1,", "a1,", "h1,", "d2,", "f2,", "a2,"}, "Tah", {"(D)", "D"}},
      {3, {"cis1,", "b1,"}, "Tlak"}},
     "C-F-B",
     ConversionRun::Outcome::Converted,
     success("C-F-B"),
     "C-F-B",
     "B1=f1, A1=Šla M1=(F) I2=Tah",
     "A1=Šla"},
    {"ARowWithoutBassesGetsNone",
     "Polka.xls",
     {{1, {"c1,"}, "Tlak"}},
     "A-D-G",
     ConversionRun::Outcome::Converted,
     success("A-D-G"),
     "A-D-G",
     "B1=d1, M1="},
    // Accompaniment beats are bass-only grips, and a row may hold only lyrics: the song goes
    // on past both, and a song starting with basses alone is no empty song.
    {"EveryGripIsConvertedBassOnlyOnesToo",
     "Doprovod.xls",
     {{1, {}, "Tlak", {"C", "(C)"}},
      {2, {"c1,", "e1,"}, "Tlak", {"C"}},
      {4, {}, "Tah", {"G"}},
      {5, {"e1,"}, "Tah"}},
     "C-F-B",
     ConversionRun::Outcome::Converted,
     success("C-F-B"),
     "C-F-B",
     "B1= M1=F N1=(F) O1= B2=f1, C2=a1, D2= M2=F A3=la B3= I3= M4=C B5=a1,",
     "A3=la"},
    // Buttons the target tuning leaves without a tone: their tones are left out, the rest of
    // the grip stays packed, the run goes on and its message says which grips lost what.
    {"ATargetWithoutAButtonsToneLeavesItOutAndSaysWhere",
     "Polka.xls",
     {{1, {"c4,", "c1,", "a3,"}, "Tlak"}, {2, {"c2,"}, "Tlak", {"A", "C"}}, {3, {"e1,"}, "Tah"}},
     "C-F",
     ConversionRun::Outcome::Converted,
     {"Hotovo.",
      "Konverze do ladění C-F dokončena. Některé knoflíky nedávají v ladění C-F žádný tón, a "
      "jejich tóny proto v těchto hmatech chybí:\r\nhmat 1: knoflík 12 ve vnitřní řadě, knoflík "
      "11 ve vnitřní řadě\r\nhmat 2: basový knoflík 9",
      MessageIcon::Exclamation, services::MessageButtons::Ok},
     "C-F",
     "B1=c1, C1= D1= B2=c2, M2=F N2= B3=e1,"},
    {"AnEmptySongLeavesAnUnfinishedCopy",
     "Prázdná.xls",
     {},
     "C-F",
     ConversionRun::Outcome::Failed,
     stop("Přerušeno na začátku.",
          "Program nemá k dispozici očekávaná data. Konverze nebude provedena. Smažte soubor "
          "Prázdná C-F.xls\r\nEventuelně může být tento soubor použit pro ruční zápis v "
          "požadovaném ladění."),
     "C-F Nedokončeno",
     ""},
    // The copy stays the song, its cells half converted.
    {"AToneTheSourceTuningLacksStopsTheRun",
     "Chyba.xls",
     {{1, {"c1,"}, "Tlak"}, {2, {"c1,", "x9,"}, "Tlak"}},
     "A-D-G",
     ConversionRun::Outcome::Failed,
     stop("Tón nebyl nalezen.",
          "x9, nenalezeno. Sloupce B až H edituje Mechík. Pokud do nich přesto ručně zadáte "
          "hodnotu, která není syntakticky správně, nebo obsahuje ve zdrojovém ladění "
          "neexistující tón, může nastat tato chyba !!!"),
     "A-D-G Nedokončeno",
     "B1=d1, B2=d1, C2=x9,"},
    {"ARowWithoutDirectionWordStopsTheRun",
     "Směr.xls",
     {{1, {"c1,"}, "Tlak"}, {2, {"c1,"}, "tlak"}},  // no direction word: the case counts
     "G-C",
     ConversionRun::Outcome::Failed,
     stop("Chyba v datovém souboru.",
          "Chybí záznam o směru tahu měchu. Konverze do jiného ladění bude předčasně ukončena."),
     "G-C Nedokončeno",
     "B2=c1,"},
    {"BassesWithoutDirectionWordStopTheRun",
     "Basy.xls",
     {{1, {"c1,"}, "Tlak"}, {2, {}, "", {"C"}}},
     "A-D-G",
     ConversionRun::Outcome::Failed,
     stop("Neočekávaná chyba.",
          "Chybí záznam o směru tahu měchu. Konverze basů do jiného ladění bude předčasně "
          "ukončena."),
     "A-D-G Nedokončeno",
     "B1=d1, M2=C"},
};

class ConversionRuns : public Convert, public ::testing::WithParamInterface<RunCase> {};

}  // namespace

TEST_P(ConversionRuns, WriteTheCopyAndSayHowItWent) {
    const RunCase& run = GetParam();
    for (const Grip& grip : run.grips) {
        putRow(grip.row, grip.treble, grip.direction, grip.basses);
    }
    for (const auto& [address, text] : cellsOf(run.lyrics)) {
        put(address, text);
    }
    saveSong(run.song);
    EXPECT_EQ(convertTo(run.target), run.outcome);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back(), run.said);
    const QString copy = run.song.chopped(4) + u' ' + run.target + QStringLiteral(".xls");
    QString sheet;
    fileCell(copy, QStringLiteral("A1"), &sheet);
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
    putRow(1, {"c1,", "e1,", "g1,"}, "Tlak", {"(C)", "C"});
    putRow(2, {"d1,", "f1,", "a1,", "h1,", "d2,", "f2,", "a2,"}, "Tah", {"(D)", "D"});
    putRow(3, {"cis1,", "b1,"}, "Tlak");
    saveSong(QStringLiteral("Polka.xls"));
    EXPECT_EQ(convertTo(QStringLiteral("C-F-B")), ConversionRun::Outcome::Converted);
    EXPECT_EQ(form->connection().SongWorkbookName, QStringLiteral("Polka C-F-B.xls"));
    EXPECT_EQ(fileCell("Polka.xls", "B1"), QStringLiteral("c1,"));

    // The copy is now the song, read in its own tuning; its conversion gives the original.
    conversion::ConversionSession again(form->connection(), dialogs);
    again.load();
    EXPECT_EQ(again.sourceTuning(), QStringLiteral("C-F-B"));
    EXPECT_EQ(again.go(QStringLiteral("G-C-F")), ConversionRun::Outcome::Converted);
    again.unload();
    for (const char* address : {"B1", "C1", "D1", "M1", "N1", "B2", "H2", "M2", "B3", "C3"}) {
        EXPECT_EQ(fileCell("Polka C-F-B G-C-F.xls", address), fileCell("Polka.xls", address))
            << address;
    }
}

TEST_F(Convert, NoTargetIsNoRun) {
    saveSong(QStringLiteral("Polka.xls"));
    EXPECT_EQ(convertTo(QString()), ConversionRun::Outcome::NoTarget);
    EXPECT_EQ(titleShown(), QStringLiteral("Do čeho budete převádět ?"));
    EXPECT_EQ(host().workbookCount(), 2);
}

TEST_F(Convert, AnExistingCopyIsReplacedOnlyWhenTheAnswerIsOk) {
    putRow(1, {"c1,"}, "Tlak");
    saveSong(QStringLiteral("Polka.xls"));
    const QString copy = QDir(environment.workingFolder).filePath("Polka A-D-G.xls");
    testing_support::writeBytes(copy, "older copy");
    dialogs.answers = {MessageAnswer::Cancel};
    EXPECT_EQ(convertTo(QStringLiteral("A-D-G")), ConversionRun::Outcome::Cancelled);
    const auto shown = dialogs.take();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0],
              (ScriptedDialogs::Message{"Dotaz",
                                        "Soubor již existuje. Přejete si ho vymazat a "
                                        "nahradit novým ?",
                                        MessageIcon::None, services::MessageButtons::OkCancel}));
    EXPECT_EQ(shown[1],
              (ScriptedDialogs::Message{"Storno převodu.", "Zpracování zrušeno uživatelem.",
                                        MessageIcon::Information, services::MessageButtons::Ok}));
    EXPECT_EQ(testing_support::readBytes(copy), QByteArray("older copy"));
    dialogs.answers = {MessageAnswer::Ok};
    EXPECT_EQ(convertTo(QStringLiteral("A-D-G")), ConversionRun::Outcome::Converted);
    EXPECT_EQ(fileCell("Polka A-D-G.xls", "B1"), QStringLiteral("d1,"));
}

// A long song losing tones in many grips: the message lists the first twenty and counts the
// rest.
TEST_F(Convert, ManyGripsLosingTonesAreCountedBeyondTwenty) {
    for (int row = 1; row <= 23; ++row) {
        putRow(row, {"c4,", "a3,"}, "Tlak");
    }
    saveSong(QStringLiteral("Dlouhá.xls"));
    convertTo(QStringLiteral("C-F"));
    const QStringList lines = dialogs.messages.back().text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines[20],
              QStringLiteral("hmat 20: knoflík 12 ve vnitřní řadě, knoflík 11 ve vnitřní řadě"));
    EXPECT_EQ(lines[21], QStringLiteral("Dalších hmatů s chybějícím tónem: 3."));
}

// A click on another tuning's tab in the sheet window while the conversion is prepared does
// not change what the song is read in; nor does another program pointing the host's
// remembered folder elsewhere change where the copy goes.
TEST_F(Convert, TheSongIsReadInItsOwnTuningAndCopiedBesideTheSongs) {
    putRow(1, {"c1,", "e1,"}, "Tlak", {"C"});
    saveSong(QStringLiteral("Polka.xls"));
    const QString elsewhere = dir.filePath(QStringLiteral("Jinde"));
    QDir().mkpath(elsewhere);
    EXPECT_EQ(convertTo(QStringLiteral("C-F-B"),
                        [&] {
                            host().activateWindow(form->connection().TuningWorkbookName);
                            host().sheet(QStringLiteral("A-D-G")).select();
                            spreadsheet::HostSettings(environment.hostSettingsFile)
                                .setDefaultFilePath(elsewhere);
                        }),
              ConversionRun::Outcome::Converted);
    EXPECT_EQ(fileCell("Polka C-F-B.xls", "B1"), QStringLiteral("f1,"));
    EXPECT_EQ(fileCell("Polka C-F-B.xls", "C1"), QStringLiteral("a1,"));
    EXPECT_EQ(fileCell("Polka C-F-B.xls", "M1"), QStringLiteral("F"));
    EXPECT_EQ(QDir(elsewhere).entryList(QDir::Files), QStringList());
}

namespace {

class LongTuningName : public Convert {
protected:
    void prepareTrialSheet() override {
        trial->setNameUnchecked(QStringLiteral("Heligonka Es-As-Des Slovenská"));  // 29 characters
        trial->setValue({2, 1}, CellValue::number(1));
    }
};

}  // namespace

TEST_F(LongTuningName, ATargetTooLongForTheUnfinishedSheetNameIsRefusedFirst) {
    putRow(1, {"c1,"}, "Tlak");
    saveSong(QStringLiteral("Polka.xls"));
    EXPECT_EQ(convertTo(QStringLiteral("Heligonka Es-As-Des Slovenská")),
              ConversionRun::Outcome::Failed);
    EXPECT_EQ(titleShown(), QStringLiteral("Konverze nemožná."));
    EXPECT_FALSE(QFileInfo::exists(
        QDir(environment.workingFolder).filePath("Polka Heligonka Es-As-Des Slovenská.xls")));
    EXPECT_EQ(form->connection().SongWorkbookName, QStringLiteral("Polka.xls"));
}

namespace {

// A source tuning whose column holds many names that only contain the tone before it.
class CrowdedColumn : public Convert {
protected:
    void prepareTrialSheet() override {
        for (int row = 2; row <= 38; ++row) {
            trial->setValue({row, 1}, CellValue::number(row - 1));
            trial->setValue({row, 2},
                            CellValue(row % 2 ? QStringLiteral("des1,") : QStringLiteral("ges1,")));
        }
        trial->setValue({30, 2}, CellValue(QStringLiteral("es1,")));
    }
};

}  // namespace

// Far more partial matches than five searches: the exact tone is still converted.
TEST_F(CrowdedColumn, TheExactToneIsFoundBehindManyPartialMatches) {
    host().activeSheet().setName(QStringLiteral("Zkušební"));
    putRow(1, {"es1,"}, "Tlak");
    saveSong(QStringLiteral("Polka.xls"));
    convertTo(QStringLiteral("G-C-F"));
    EXPECT_EQ(titleShown(), QStringLiteral("Hotovo."));
    EXPECT_EQ(fileCell("Polka G-C-F.xls", "B1"), QStringLiteral("d2,"));  // G-C-F button 29 push
}

// A song using every row of the sheet converts to its last row, and no further.
TEST_F(Convert, ASongFillingTheWholeSheetConvertsToItsLastRow) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "65536 rows take minutes under the sanitizers; the plain run covers it";
#endif
    auto& song = host();
    for (int row = 1; row <= spreadsheet::MaxRows; ++row) {
        song.range(QStringLiteral("B%1").arg(row)).setValue(CellValue(QStringLiteral("c1,")));
        song.range(QStringLiteral("I%1").arg(row)).setValue(CellValue(QStringLiteral("Tlak")));
    }
    saveSong(QStringLiteral("Dlouhá.xls"));
    convertTo(QStringLiteral("C-F-B"));
    EXPECT_EQ(titleShown(), QStringLiteral("Hotovo."));
    EXPECT_EQ(fileCell("Dlouhá C-F-B.xls", "B65536"), QStringLiteral("f1,"));
}
