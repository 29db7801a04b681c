#include "AboutAndMail.h"

#include "services/Contact.h"
#include "services/Dialogs.h"

namespace auxwin {

void cmdOPrg_Click(services::Dialogs& dialogs) {
    const QStringList lines{
        QStringLiteral("Mechík verze 1.7 je program pro začínající i zkušené hráče na knoflovku."),
        QStringLiteral("Umožňuje zaznamenat libovolnou skladbu i harmonikářům bez znalosti not"),
        QStringLiteral("pouhým opsáním způsobu hry grafickým znázorněním do počítače."),
        QStringLiteral("Při čtení takto vytvořeného záznamu počítač umí ukázat i jiné"),
        QStringLiteral("možnosti, jak lze zahrát tutéž melodii bez nutnosti přetahování měchu."),
        QStringLiteral("Navíc lze hotové písničky převádět do různých ladění. Hráč si tak snadno"),
        QStringLiteral("může přizpůsobit skladby od jiných autorů právě své harmonice."),
        QStringLiteral("Podrobnosti a nápovědu naleznete v souborech Mechík další informace.doc."),
    };
    dialogs.message(QStringLiteral("Program Mechík verze 1.7"), lines.join(QStringLiteral("\r\n")),
                    services::MessageIcon::Information);
}

QString authorMailAddress() {
    return QStringLiteral("mailto:") + services::AuthorMail +
           QStringLiteral(
               "?subject=Z Mechíku verze 1.7&body=Z menu Vložit/Soubor jako příloha "
               "připojuji vybrané písničky a žádám (nežádám) o jejich korekturu v "
               "rámci možností autora. Nepovoluji (Povoluji) poskytnutí těchto "
               "písniček dalším hráčům. & attach = \"");
}

void mnuMailAutorovi_Click(services::Dialogs& dialogs, const QString& workingFolder,
                           const std::function<bool(const QUrl&)>& openUrl) {
#ifdef Q_OS_WIN
    const QString where = QStringLiteral("na disku C v adresáři Dokumenty/Knoflovka.");
    (void)workingFolder;
#else
    const QString where = QStringLiteral("v adresáři ") + workingFolder + u'.';
#endif
    dialogs.message(
        QStringLiteral("Děkuji za Váš příspěvek."),
        QStringLiteral("Bude spuštěn Váš výchozí poštovní klient. Minimalizujte Mechíka "
                       "na lištu a potom můžete přiložit nějaké písničky nebo napsat "
                       "jinou zprávu. Program po stisku tlačítka Odeslat nevyžaduje "
                       "okamžité připojení k internetu. Zpráva se odešle automaticky "
                       "až se připojíte kdykoliv později. Vaše písničky jsou ") +
            where,
        services::MessageIcon::Information);
    // Tolerant parsing keeps the address as written; the desktop encodes it for the mail
    // program.
    if (!openUrl(QUrl(authorMailAddress(), QUrl::TolerantMode))) {
        dialogs.message(QStringLiteral("Poštovní program nenalezen."),
                        QStringLiteral("Na tomto počítači není nastaven poštovní program, který by "
                                       "zprávu otevřel. Napište prosím autorovi ze své pošty na "
                                       "adresu:\r\n\r\n%1\r\n\r\nAdresu můžete v této zprávě "
                                       "označit myší a zkopírovat (Ctrl+C).")
                            .arg(services::AuthorMail),
                        services::MessageIcon::Information);
    }
}

}  // namespace auxwin
