// The conversion window: what it shows of the session, the way there and back, and the main
// window going on with the copy.
#include "app/WindowChecks.h"
#include "support/SongFixture.h"

#include "auxwin/frmKonverze.h"
#include "grips/Recording.h"
#include "grips/SongFiles.h"
#include "services/Contact.h"
#include "services/Twips.h"
#include "views/Keyboard.h"

#include <QPointer>

using namespace window_checks;

namespace {

class ConversionWindow : public testing_support::SongFixture {
protected:
    void SetUp() override {
        SongFixture::SetUp();
        QDir().mkpath(environment.workingFolder);
        form->show();
    }
    void saveSong(const QString& name) {
        host().activeWorkbook().saveAs(QDir(environment.workingFolder).filePath(name));
        form->connection().SongWorkbookName = host().activeWorkbook().name();
    }
    QPointer<auxwin::frmKonverze> open() {
        return auxwin::mnuKonverze_Click(form->connection(), dialogs, *form, form->guard());
    }
    static void convertTo(auxwin::frmKonverze* window, const QString& target) {
        window->Combo1->setCurrentIndex(window->Combo1->findText(target));
        window->cmdGo_Click();
    }
};

}  // namespace

TEST_F(ConversionWindow, OffersEveryOtherTuningForTheOpenSongAndRunsOnceOneIsChosen) {
    putRow(1, {"c1,"}, "Tlak");
    saveSong(QStringLiteral("Polka.xls"));
    auto window = open();
    ASSERT_TRUE(window);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Konverze ladění."));
    EXPECT_EQ(window->size(), QSize(7470 / 15, 1680 / 15));
    EXPECT_EQ(window->cmdGo->geometry(), services::twipRect(2520, 1200, 2415, 375));
    EXPECT_EQ(window->cmdGo->text(), QStringLiteral("Provést"));
    EXPECT_EQ(window->Combo1->geometry(), services::twipRect(4320, 600, 3015, 315));
    EXPECT_EQ(window->cmdVyberPisen->text(), QStringLiteral("Polka.xls"));
    EXPECT_FALSE(window->cmdVyberPisen->isEnabled());
    EXPECT_EQ(window->lblLadeni->text(), QStringLiteral("G-C-F"));
    EXPECT_EQ(texts(window->Combo1), (QStringList{"A-D-G", "B-Es-As", "C-F-B", "F-B-Es", "C-F",
                                                  "G-C", "Club C-F", "Zkušební"}));
    EXPECT_TRUE(window->session().songWasOpen);
    window->cmdKonec_Click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(host().activeWorkbook().name(), QStringLiteral("Polka.xls"));  // stays open

    // No target chosen keeps it open, a run closes it.
    window = open();
    EXPECT_EQ(window->Combo1->currentText(), QString());  // nothing picked yet
    window->cmdGo_Click();
    ASSERT_TRUE(window);
    EXPECT_EQ(dialogs.messages.back(),
              exclamation("Do čeho budete převádět ?",
                          "Než začnete konverzi, musíte nejprve vybrat cílové ladění."));
    window->session().songWasOpen = false;
    window->cmdGo_Click();
    EXPECT_EQ(dialogs.messages.back().text,
              QStringLiteral("Než začnete konverzi, musíte nejprve vybrat zdrojovou písničku a "
                             "cílové ladění."));
    window->session().songWasOpen = true;
    convertTo(window, QStringLiteral("C-F-B"));
    EXPECT_EQ(dialogs.messages.back().title, QStringLiteral("Hotovo."));
    EXPECT_TRUE(!window || !window->isVisible());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ConversionWindow, WithoutASongItPicksOneAndRefusesANonSong) {
    host().activeWorkbook().close();
    auto window = open();
    EXPECT_FALSE(window->session().songWasOpen);
    EXPECT_TRUE(window->cmdVyberPisen->isEnabled());
    chooser.answers = {std::nullopt};
    window->cmdVyberPisen_Click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(texts(window->Combo1).isEmpty());
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(chooser.asked[0].title,
              QStringLiteral("Vyberte písničku, kterou chcete konvertovat !"));

    // A workbook whose sheet is no tuning: the long message; it is saved and closed.
    host().addWorkbook();
    host().activeSheet().setName(QStringLiteral("Nákupy"));
    host().activeWorkbook().saveAs(QDir(environment.workingFolder).filePath("Nákupy.xls"));
    host().activeWorkbook().close();
    chooser.answers = {QDir(environment.workingFolder).filePath("Nákupy.xls")};
    window->cmdVyberPisen_Click();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().title, QStringLiteral("Předčasné přerušení konverze."));
    EXPECT_TRUE(dialogs.messages.back().text.startsWith(
        QStringLiteral("Nákupy nenalezeno v seznamu podporovaných ladění. Tato chyba může mít "
                       "následující příčiny a řešení: Soubor ze kterého se snažíte konvertovat byl "
                       "vytvořen ve starší verzi Mechíka, která již není touto verzí podporována. "
                       "Obraťte se s žádostí o pomoc na ") +
        services::ContactLine + "\r\nOtevřeli"));
    EXPECT_TRUE(window->cmdVyberPisen->isEnabled());
    EXPECT_THROW(host().workbook(QStringLiteral("Nákupy.xls")), spreadsheet::SpreadsheetError);

    // A song: taken, its tuning shown and the others offered.
    host().addWorkbook();
    host().activeSheet().setName(QStringLiteral("G-C-F"));
    host().activeWorkbook().saveAs(QDir(environment.workingFolder).filePath("Polka.xls"));
    host().activeWorkbook().close();
    chooser.answers = {QDir(environment.workingFolder).filePath("Polka.xls")};
    window->cmdVyberPisen_Click();
    EXPECT_EQ(window->cmdVyberPisen->text(), QStringLiteral("Polka.xls"));
    EXPECT_FALSE(window->cmdVyberPisen->isEnabled());
    EXPECT_EQ(window->lblLadeni->text(), QStringLiteral("G-C-F"));
    EXPECT_EQ(texts(window->Combo1).size(), 8);
    EXPECT_EQ(window->Combo1->currentIndex(), -1);
    window->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_THROW(host().workbook(QStringLiteral("Polka.xls")), spreadsheet::SpreadsheetError);
}

// The tuning database picked as the song to convert: refused as "Otevřít" refuses it, so no
// lookup of the session loses its database and no stray copy of it is left.
TEST_F(ConversionWindow, TheTuningDatabaseIsNoSongToConvert) {
    host().activeWorkbook().close();
    const QByteArray database = testing_support::readBytes(vezarPath());
    auto window = open();
    chooser.answers = {vezarPath()};
    window->cmdVyberPisen->click();
    EXPECT_EQ(
        dialogs.messages.back(),
        exclamation("Písničku nelze otevřít.", "Soubor " + QDir::toNativeSeparators(vezarPath()) +
                                                   " je databáze ladění, ne písnička."));
    EXPECT_TRUE(window->cmdVyberPisen->isEnabled());
    EXPECT_EQ(host().workbookCount(), 1);
    window->close();
    EXPECT_EQ(testing_support::readBytes(vezarPath()), database);
    EXPECT_EQ(QDir(dir.path()).entryList({"*.xls"}, QDir::Files), QStringList{"Vezar.xls"});
    EXPECT_EQ(QDir(environment.workingFolder).entryList(QDir::Files), QStringList());
}

// The main window goes on with the copy where it was: the same grip under the cursor and in
// the counter, so the next grip recorded lands where the player expects, and the copy's own
// sound files. Buttons that lost their tone are named in the numbering the player uses.
TEST_F(ConversionWindow, AfterConvertingTheOpenSongTheMainWindowShowsTheCopy) {
    putRow(1, {"c1,"}, "Tlak");
    putRow(2, {"c4,", "a1,"}, "Tlak");
    putRow(3, {"e1,"}, "Tah");
    saveSong(QStringLiteral("Polka.xls"));
    const QDir working(environment.workingFolder);
    testing_support::writeBytes(working.filePath("Polka.mid"), "MThd");
    testing_support::writeBytes(working.filePath("Polka C-F.mp3"), "ID3");
    app::SongControlsOn(c(), menu());
    form->songFiles().FindSoundFiles();
    EXPECT_FALSE(c().cmdZvuk[1]->isHidden());
    form->setWindowTitle(QStringLiteral("Polka.xls"));
    menu().mnuZnaceni[1]->trigger();
    goToRow(2);
    c().lblTon->setText(QStringLiteral("2"));
    menu().mnuKonverze->trigger();
    auxwin::frmKonverze* window = shownWindow<auxwin::frmKonverze>();
    ASSERT_TRUE(window);
    convertTo(window, QStringLiteral("C-F"));
    EXPECT_TRUE(dialogs.messages.back().text.endsWith(
        QStringLiteral("hmat 2: knoflík 11 ve vnitřní řadě")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Polka C-F.xls"));
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("C-F"));
    EXPECT_EQ(c().Combo1->currentText(), QStringLiteral("C-F"));
    EXPECT_EQ(host().activeWorkbook().name(), QStringLiteral("Polka C-F.xls"));
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$2"));
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("2"));
    EXPECT_TRUE(c().cmdPredchozi->isEnabled());
    EXPECT_FALSE(c().cmdZvuk[0]->isHidden());
    EXPECT_TRUE(c().cmdZvuk[1]->isHidden());
    // Recording goes to the row shown, not over another one: with no button marked it empties
    // that grip.
    form->recording().cmdTah_Click();
    EXPECT_EQ(rowCells(2, 2, 1), QStringList{""});
    EXPECT_EQ(rowCells(1, 2, 1), QStringList{"c1,"});
    EXPECT_EQ(rowCells(3, 2, 1), QStringList{"e1,"});

    // The window closed without converting changes nothing: the grip and its marked buttons.
    form->keyboard().Obr_Click(10);
    menu().mnuKonverze->trigger();
    window = shownWindow<auxwin::frmKonverze>();
    ASSERT_TRUE(window);
    window->cmdKonec->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$2"));
    EXPECT_TRUE(form->keyboard().isMarked(keyboard::Side::Treble, 10));
}
