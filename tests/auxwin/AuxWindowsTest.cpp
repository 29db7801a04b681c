// The default-path window, the help browser, the about box and the message to the author.
#include "app/WindowChecks.h"

#include "auxwin/AboutAndMail.h"
#include "auxwin/frmBrowser.h"
#include "auxwin/frmZmenaCesty.h"
#include "services/Contact.h"

#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTextBrowser>
#include <QToolBar>

using namespace window_checks;

namespace {

class Auxiliary : public testing_support::ShownProgramFixture {
protected:
    QPointer<auxwin::frmZmenaCesty> openPathWindow() {
        return auxwin::mnuNastavCestu_Click(form->connection(), dialogs, *form);
    }
    QString savedPath() const { return form->connection().SavedDefaultFilePath; }
};

}  // namespace

TEST_F(Auxiliary, TheDefaultPathWindowShowsTheFolderShutdownWillRestore) {
    form->connection().SavedDefaultFilePath = QStringLiteral("/home/hrac/Excel");
    auto window = openPathWindow();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Změna implicitní cesty při otvírání souborů v Microsoft Excelu."));
    EXPECT_EQ(window->lblStaraCesta->text(), QStringLiteral("/home/hrac/Excel"));
    EXPECT_TRUE(window->Option1[0]->isChecked());
    EXPECT_TRUE(window->Label2->text().contains(QStringLiteral("možností,  u té poslední")));
    EXPECT_TRUE(window->Label2->text().contains(environment.workingFolder));
    EXPECT_EQ(window->geometry().size(), QSize(6030 / 15, 3480 / 15));
    EXPECT_EQ(window->OKButton->text(), QStringLiteral("OK"));
    EXPECT_EQ(window->CancelButton->text(), QStringLiteral("Storno"));
    window->CancelButton_Click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(savedPath(), QStringLiteral("/home/hrac/Excel"));
    window = openPathWindow();
    window->CancelButton->click();
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Auxiliary, AnotherPathMustBeAnExistingFolderAndAnEmptyOneChangesNothing) {
    const QString before = savedPath();
    auto window = openPathWindow();
    window->Option1[2]->setChecked(true);
    window->txtCesta->clear();
    window->OKButton_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(savedPath(), before);
    EXPECT_TRUE(form->isVisible());

    window = openPathWindow();
    window->Option1[2]->setChecked(true);
    window->txtCesta->setText(dir.filePath(QStringLiteral("neni")));
    window->OKButton_Click();
    EXPECT_EQ(dialogs.take(), std::vector{critical("Neexistující složka",
                                                   "Požadovanou změnu nebylo možno provést.")});
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());

    window->txtCesta->setText(dir.path());
    window->OKButton_Click();
    EXPECT_EQ(dialogs.take(), std::vector{information("Změna konfigurace Excelu z Mechíka.",
                                                      "Jako výchozí pro aplikaci Excel byla "
                                                      "nastavena cesta do " +
                                                          QDir::toNativeSeparators(dir.path()))});
    EXPECT_EQ(savedPath(), dir.path());
    EXPECT_TRUE(form->isVisible());
    // Shown again next time, and written back when the program ends.
    window = openPathWindow();
    EXPECT_EQ(window->lblStaraCesta->text(), QDir::toNativeSeparators(dir.path()));
    window->close();
    form->close();
    EXPECT_EQ(spreadsheet::HostSettings(environment.hostSettingsFile).defaultFilePath(),
              dir.path());
}

TEST_F(Auxiliary, ResettingThePathNeedsNoFolder) {
    auto window = openPathWindow();
    window->Option1[3]->setChecked(true);
    window->OKButton_Click();
    EXPECT_EQ(dialogs.take(), std::vector{information("Reset nastavení",
                                                      "Po ukončení Mechíka můžete zkontrolovat, "
                                                      "zda volba splnila Vaše očekávání.")});
    EXPECT_EQ(savedPath(), QStringLiteral("X:\\Nastavení bylo resetováno !!"));
}

TEST_F(Auxiliary, TheHelpBrowserShowsThePageAndFollowsIt) {
    testing_support::writeBytes(dir.filePath("Mechík.htm"),
                                "<html><head><title>Ovládání Mechíka</title></head><body>"
                                "<a href=\"druha.htm\">dál</a></body></html>");
    testing_support::writeBytes(
        dir.filePath("druha.htm"),
        "<html><head><title>Druhá stránka</title></head><body>x</body></html>");
    QPointer<auxwin::frmBrowser> browser = auxwin::mnuhtm_Click(*form, dir.path());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(browser->windowTitle(), QStringLiteral("Ovládání Mechíka"));
    QStringList keys;
    for (QAction* action : browser->tbToolBar->actions()) {
        keys << action->objectName();
    }
    EXPECT_EQ(keys, (QStringList{"Back", "Forward", "Stop", "Refresh", "Home", "Search"}));
    EXPECT_EQ(texts(browser->tbToolBar->actions()),
              (QStringList{"Zpět", "Vpřed", "Zastavit", "Obnovit", "Domů", "Hledat"}));
    EXPECT_EQ(browser->lblAddress->text(), QStringLiteral("&Adresa:"));
    EXPECT_EQ(browser->cboAddress->x(), 50 / 15);

    browser->cboAddress->setEditText(dir.filePath("druha.htm"));
    QTest::keyClick(browser->cboAddress->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(browser->windowTitle(), QStringLiteral("Druhá stránka"));
    browser->tbToolBar_ButtonClick(QStringLiteral("Back"));
    EXPECT_EQ(browser->LocationName(), QStringLiteral("Ovládání Mechíka"));
    browser->tbToolBar_ButtonClick(QStringLiteral("Search"));
    EXPECT_TRUE(browser->timTimer.isActive());
    browser->timTimer_Timer();
    EXPECT_FALSE(browser->timTimer.isActive());

    const QSize before = browser->brwWebBrowser->size();
    browser->resize(6, 300);  // 90 twips wide: too narrow to lay out
    EXPECT_EQ(browser->brwWebBrowser->size(), before);
    browser->resize(600, 500);
    EXPECT_EQ(browser->brwWebBrowser->width(), (600 * 15 - 100) / 15);
    browser->close();
    EXPECT_TRUE(form->isVisible());

    // A missing help page still opens the window.
    browser = auxwin::mnuhtm_Click(*form, dir.filePath("nic"));
    ASSERT_TRUE(browser);
    EXPECT_TRUE(browser->isVisible());
    browser->close();
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Auxiliary, AboutShowsItsEightLines) {
    c().cmdOPrg->click();
    menu().mnuOProgramu->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0], dialogs.messages[1]);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Program Mechík verze 1.7"));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    const QStringList lines = dialogs.messages[0].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(
        lines[0],
        QStringLiteral("Mechík verze 1.7 je program pro začínající i zkušené hráče na knoflovku."));
    EXPECT_EQ(
        lines[7],
        QStringLiteral("Podrobnosti a nápovědu naleznete v souborech Mechík další informace.doc."));
}

// The message goes to the mail program; a computer without one gives the player the address to
// write to himself.
TEST_F(Auxiliary, TheMessageToTheAuthorGoesToTheMailProgramOrItsAddressIsShown) {
    QList<QUrl> opened;
    bool mailProgram = true;
    form->openUrl = [&](const QUrl& url) {
        opened << url;
        return mailProgram;
    };
    menu().mnuMailAutorovi->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Děkuji za Váš příspěvek."));
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral(
        "Bude spuštěn Váš výchozí poštovní klient. Minimalizujte Mechíka na lištu")));
    EXPECT_TRUE(dialogs.messages[0].text.endsWith(environment.workingFolder + u'.'));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(QUrl::fromPercentEncoding(opened[0].toEncoded()), auxwin::authorMailAddress());
    EXPECT_TRUE(auxwin::authorMailAddress().startsWith(
        QStringLiteral("mailto:") + services::AuthorMail +
        QStringLiteral("?subject=Z Mechíku verze 1.7&body=Z menu")));
    EXPECT_TRUE(auxwin::authorMailAddress().endsWith(QStringLiteral(" & attach = \"")));

    const Message thanks = dialogs.take()[0];
    mailProgram = false;
    menu().mnuMailAutorovi->trigger();
    EXPECT_EQ(opened.size(), 2);
    EXPECT_EQ(dialogs.take(),
              (std::vector{thanks, information("Poštovní program nenalezen.",
                                               "Na tomto počítači není nastaven poštovní program, "
                                               "který by zprávu otevřel. Napište prosím autorovi "
                                               "ze své pošty na adresu:\r\n\r\n" +
                                                   services::AuthorMail +
                                                   "\r\n\r\nAdresu můžete v této zprávě označit "
                                                   "myší a zkopírovat (Ctrl+C).")}));
}

// The delivered help page tells what the program does now: the song's end is its last row with
// a direction word for "Poslední" and the conversion alike, and the newer messages are explained.
TEST_F(Auxiliary, TheDeliveredHelpPageMatchesTheProgram) {
    const QString page = QString::fromUtf8(testing_support::readBytes(
        QStringLiteral(MECHIK_TEST_DATA "/../../resources/help/Mechík.htm")));
    ASSERT_FALSE(page.isEmpty());
    EXPECT_FALSE(page.contains(QStringLiteral("500 hmatů")));
    EXPECT_FALSE(page.contains(QStringLiteral("převod ukončí")));
    EXPECT_FALSE(page.contains(QStringLiteral("zůstane v&nbsp;kopii na jeho místě prázdná")));
    EXPECT_TRUE(page.contains(QStringLiteral("poslední řádek se směrem měchu")));
    EXPECT_TRUE(page.contains(QStringLiteral("<tr><td>Poštovní program nenalezen.</td>")));
    EXPECT_TRUE(page.contains(QStringLiteral("Konverze do ladění … dokončena. Některé knoflíky")));
}
