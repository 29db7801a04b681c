// A song holding what Mechík cannot save (here LibreOffice's drawing and comment,
// tests/data/lo-drawing.xls) is never written over: the player is asked, and works on in a
// copy beside it, or leaves the song untouched.
#include "grips/Said.h"
#include "support/ProgramFixture.h"
#include "support/TestFiles.h"

#include "auxwin/frmKonverze.h"
#include "grips/SongFiles.h"
#include "songs/CopyForUnkeptParts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using services::MessageAnswer;
using services::MessageButtons;
using services::MessageIcon;
using spreadsheet::CellValue;

namespace {

class SongWithDrawings : public testing_support::ShownProgramFixture {
protected:
    void SetUp() override {
        ShownProgramFixture::SetUp();
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(MECHIK_TEST_DATA "/lo-drawing.xls"), songPath("Polka.xls")));
        original = testing_support::readBytes(songPath("Polka.xls"));
    }
    void openSong(MessageAnswer answer) {
        chooser.answers = {songPath("Polka.xls")};
        dialogs.answers = {answer};
        form->songFiles().cmdEdit_Click();
    }
    said::Message question(const QString& copy) const {
        return {"Uložení do kopie",
                QStringLiteral("Sešit Polka.xls obsahuje obrázky nebo kresby a komentáře k buňkám, "
                               "které Mechík neumí uložit.\r\nAby se neztratily, zůstane soubor "
                               "Polka.xls beze změny a píseň se bude ukládat do kopie „%1“ ve "
                               "stejné složce. Kopie tyto části mít nebude.\r\n\r\nOtevřít píseň a "
                               "pracovat v kopii?")
                    .arg(copy),
                MessageIcon::Exclamation, MessageButtons::YesNo};
    }

    QByteArray original;
};

}  // namespace

TEST_F(SongWithDrawings, ThePlayerWhoAgreesWorksOnACopyAndTheOriginalStaysAsItWas) {
    openSong(MessageAnswer::No);
    EXPECT_EQ(dialogs.take(), said::Messages{question("Polka – kopie.xls")});
    EXPECT_FALSE(songOpen());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(host().workbookCount(), 1);  // the tuning database alone
    EXPECT_FALSE(QFile::exists(songPath("Polka – kopie.xls")));

    openSong(MessageAnswer::Yes);
    EXPECT_EQ(dialogs.take(), said::Messages{question("Polka – kopie.xls")});
    ASSERT_TRUE(songOpen());
    EXPECT_EQ(form->windowTitle(), "Polka – kopie.xls");
    EXPECT_EQ(c().lblLadeni->text(), "G-C-F");
    EXPECT_TRUE(QFile::exists(songPath("Polka – kopie.xls")));
    host().range("B3").setValue(CellValue("e1,"));
    form->songFiles().cmdEndEdit_Click();
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(testing_support::readBytes(songPath("Polka.xls")), original);
    spreadsheet::Application reader{spreadsheet::HostSettings(dir.filePath("r.ini"))};
    const auto copy = reader.openWorkbook(songPath("Polka – kopie.xls"));
    EXPECT_EQ(reader.range("A1").text(), "Ško-");
    EXPECT_EQ(reader.range("B3").text(), "e1,");
    EXPECT_FALSE(copy.unkeptParts().any());  // the copy opens like any song

    // An earlier copy is never replaced.
    const QByteArray earlier = testing_support::readBytes(songPath("Polka – kopie.xls"));
    openSong(MessageAnswer::Yes);
    EXPECT_EQ(dialogs.take(), said::Messages{question("Polka – kopie (2).xls")});
    EXPECT_EQ(form->windowTitle(), "Polka – kopie (2).xls");
    EXPECT_EQ(testing_support::readBytes(songPath("Polka – kopie.xls")), earlier);
}

TEST_F(SongWithDrawings, TheConversionWindowConvertsTheCopy) {
    auto window = auxwin::mnuKonverze_Click(form->connection(), dialogs, *form, form->guard());
    ASSERT_TRUE(window);
    chooser.answers = {songPath("Polka.xls")};
    dialogs.answers = {MessageAnswer::Yes};
    window->cmdVyberPisen_Click();
    EXPECT_EQ(dialogs.take(), said::Messages{question("Polka – kopie.xls")});
    EXPECT_EQ(window->cmdVyberPisen->text(), "Polka – kopie.xls");
    window->Combo1->setCurrentIndex(window->Combo1->findText("C-F-B"));
    window->cmdGo_Click();
    EXPECT_TRUE(QFile::exists(songPath("Polka – kopie C-F-B.xls")));
    EXPECT_EQ(testing_support::readBytes(songPath("Polka.xls")), original);
}

TEST_F(SongWithDrawings, AnOriginalIsNeverWrittenOverEvenWhenAskedTo) {
    auto song = host().openWorkbook(songPath("Polka.xls"));
    // A save without a change writes nothing anyway: the guard matters once a cell changed.
    host().range("Z100").setValue(spreadsheet::CellValue("změna"));
    EXPECT_EQ(testing_support::errorNumberOf([&] { song.save(); }), 1004);
    EXPECT_EQ(testing_support::errorTextOf([&] { song.save(); }),
              QStringLiteral("Soubor %1 nelze uložit: obsahuje obrázky nebo kresby a komentáře k "
                             "buňkám, které Mechík neumí uložit, a přepsáním by se ztratily. "
                             "Soubor zůstal beze změny; uložte sešit pod jiným názvem.")
                  .arg(QDir::toNativeSeparators(songPath("Polka.xls"))));
    song.saveAs(songPath("Jinam.xls"));
    EXPECT_THROW(song.saveAs(songPath("Polka.xls")), spreadsheet::SpreadsheetError);
    EXPECT_EQ(testing_support::readBytes(songPath("Polka.xls")), original);
}

TEST(CopyForUnkeptParts, TheCopyIsNamedAfterTheSongNeverReplacesAFileAndSaysWhatItLacks) {
    QTemporaryDir dir;
    EXPECT_EQ(songs::copyPathFor(dir.filePath("Valčík.v2.xls")),
              dir.filePath("Valčík.v2 – kopie.xls"));
    testing_support::writeBytes(dir.filePath("Valčík.v2 – kopie.xls"), "1");
    testing_support::writeBytes(dir.filePath("Valčík.v2 – kopie (2).xls"), "2");
    EXPECT_EQ(songs::copyPathFor(dir.filePath("Valčík.v2.xls")),
              dir.filePath("Valčík.v2 – kopie (3).xls"));
    // The parts it lacks are named as a player would name them.
    spreadsheet::UnkeptParts parts;
    parts.charts = true;
    EXPECT_EQ(spreadsheet::describeInCzech(parts), "grafy");
    parts.macros = true;
    EXPECT_EQ(spreadsheet::describeInCzech(parts), "grafy a makra");
    parts.drawings = parts.embeddedObjects = parts.comments = true;
    EXPECT_EQ(spreadsheet::describeInCzech(parts),
              "obrázky nebo kresby, komentáře k buňkám, grafy, vložené objekty a makra");
}
