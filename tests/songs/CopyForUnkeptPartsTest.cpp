// A song holding what Mechík cannot save (here LibreOffice's drawing and comment,
// tests/data/lo-drawing.xls) is never written over: the player is asked, and works on in a
// copy beside it, or leaves the song untouched.
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
using testing_support::ScriptedDialogs;

namespace {

class SongWithDrawings : public testing_support::ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        QDir().mkpath(environment.workingFolder);
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(MECHIK_TEST_DATA "/lo-drawing.xls"), songPath("Polka.xls")));
        original = testing_support::readBytes(songPath("Polka.xls"));
        ASSERT_TRUE(start());
        form->show();
    }
    void openSong(MessageAnswer answer) {
        chooser.answers = {songPath("Polka.xls")};
        dialogs.answers = {answer};
        form->songFiles().cmdEdit_Click();
    }
    ScriptedDialogs::Message question(const QString& copy) const {
        return {QStringLiteral("Uložení do kopie"),
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
    openSong(MessageAnswer::Yes);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], question(QStringLiteral("Polka – kopie.xls")));
    ASSERT_TRUE(songOpen());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Polka – kopie.xls"));
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("G-C-F"));
    EXPECT_TRUE(QFile::exists(songPath("Polka – kopie.xls")));

    host().range(QStringLiteral("B3")).setValue(CellValue(QStringLiteral("e1,")));
    form->songFiles().cmdEndEdit_Click();
    EXPECT_FALSE(songOpen());
    EXPECT_EQ(testing_support::readBytes(songPath("Polka.xls")), original);

    spreadsheet::Application reader{spreadsheet::HostSettings(dir.filePath("r.ini"))};
    const auto copy = reader.openWorkbook(songPath("Polka – kopie.xls"));
    EXPECT_EQ(reader.range(QStringLiteral("A1")).text(), QStringLiteral("Ško-"));
    EXPECT_EQ(reader.range(QStringLiteral("B3")).text(), QStringLiteral("e1,"));
    EXPECT_FALSE(copy.unkeptParts().any());  // the copy opens like any song
}

TEST_F(SongWithDrawings, ThePlayerWhoDeclinesHasNoSongOpenAndNoCopy) {
    openSong(MessageAnswer::No);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], question(QStringLiteral("Polka – kopie.xls")));
    EXPECT_FALSE(songOpen());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(host().workbookCount(), 1);  // the tuning database alone
    EXPECT_FALSE(QFile::exists(songPath("Polka – kopie.xls")));
    EXPECT_EQ(testing_support::readBytes(songPath("Polka.xls")), original);
}

TEST_F(SongWithDrawings, AnEarlierCopyIsNeverReplaced) {
    testing_support::writeBytes(songPath("Polka – kopie.xls"), "an earlier copy");
    openSong(MessageAnswer::Yes);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], question(QStringLiteral("Polka – kopie (2).xls")));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Polka – kopie (2).xls"));
    EXPECT_EQ(testing_support::readBytes(songPath("Polka – kopie.xls")),
              QByteArray("an earlier copy"));
}

TEST_F(SongWithDrawings, TheConversionWindowConvertsTheCopy) {
    auto window = auxwin::mnuKonverze_Click(form->connection(), dialogs, *form, form->guard());
    ASSERT_TRUE(window);
    chooser.answers = {songPath("Polka.xls")};
    dialogs.answers = {MessageAnswer::Yes};
    window->cmdVyberPisen_Click();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages[0], question(QStringLiteral("Polka – kopie.xls")));
    EXPECT_EQ(window->cmdVyberPisen->text(), QStringLiteral("Polka – kopie.xls"));
    window->Combo1->setCurrentIndex(window->Combo1->findText(QStringLiteral("C-F-B")));
    window->cmdGo_Click();
    EXPECT_TRUE(QFile::exists(songPath("Polka – kopie C-F-B.xls")));
    EXPECT_EQ(testing_support::readBytes(songPath("Polka.xls")), original);
}

TEST_F(SongWithDrawings, AnOriginalIsNeverWrittenOverEvenWhenAskedTo) {
    auto song = host().openWorkbook(songPath("Polka.xls"));
    // A save without a change writes nothing anyway: the guard matters once a cell changed.
    host().range(QStringLiteral("Z100")).setValue(spreadsheet::CellValue(QStringLiteral("změna")));
    try {
        song.save();
        FAIL() << "the original was written over";
    } catch (const spreadsheet::SpreadsheetError& error) {
        EXPECT_EQ(error.number(), 1004);
        EXPECT_EQ(
            error.description(),
            QStringLiteral("Soubor %1 nelze uložit: obsahuje obrázky nebo kresby a komentáře k "
                           "buňkám, které Mechík neumí uložit, a přepsáním by se ztratily. "
                           "Soubor zůstal beze změny; uložte sešit pod jiným názvem.")
                .arg(QDir::toNativeSeparators(songPath("Polka.xls"))));
    }
    song.saveAs(songPath("Jinam.xls"));
    EXPECT_THROW(song.saveAs(songPath("Polka.xls")), spreadsheet::SpreadsheetError);
    EXPECT_EQ(testing_support::readBytes(songPath("Polka.xls")), original);
}

TEST(CopyForUnkeptParts, TheCopyIsNamedAfterTheSongAndNeverReplacesAFile) {
    QTemporaryDir dir;
    EXPECT_EQ(songs::copyPathFor(dir.filePath("Valčík.v2.xls")),
              dir.filePath("Valčík.v2 – kopie.xls"));
    testing_support::writeBytes(dir.filePath("Valčík.v2 – kopie.xls"), "1");
    testing_support::writeBytes(dir.filePath("Valčík.v2 – kopie (2).xls"), "2");
    EXPECT_EQ(songs::copyPathFor(dir.filePath("Valčík.v2.xls")),
              dir.filePath("Valčík.v2 – kopie (3).xls"));
}

TEST(CopyForUnkeptParts, ThePartsAreNamedAsAPlayerWouldNameThem) {
    spreadsheet::UnkeptParts parts;
    parts.charts = true;
    EXPECT_EQ(spreadsheet::describeInCzech(parts), QStringLiteral("grafy"));
    parts.macros = true;
    EXPECT_EQ(spreadsheet::describeInCzech(parts), QStringLiteral("grafy a makra"));
    parts.drawings = parts.embeddedObjects = parts.comments = true;
    EXPECT_EQ(
        spreadsheet::describeInCzech(parts),
        QStringLiteral("obrázky nebo kresby, komentáře k buňkám, grafy, vložené objekty a makra"));
}
