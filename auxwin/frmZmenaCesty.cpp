#include "frmZmenaCesty.h"

#include "services/Dialogs.h"
#include "services/SpreadsheetConnection.h"
#include "services/Twips.h"
#include "views/WidgetPlacement.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace auxwin {

namespace {

bool FolderExists(const QString& path) {
    return QFileInfo(path).isDir();
}

const QString ResetMarker = QStringLiteral("X:\\Nastavení bylo resetováno !!");

}  // namespace

QString frmZmenaCesty::presetPath(int index) {
#ifdef Q_OS_WIN
    return index == 0 ? QStringLiteral("C:\\Dokumenty") : QStringLiteral("D:\\Dokumenty");
#else
    return index == 0 ? QDir::home().filePath(QStringLiteral("Dokumenty")) : QDir::homePath();
#endif
}

frmZmenaCesty::frmZmenaCesty(services::SpreadsheetConnection& connection,
                             services::Dialogs& dialogs, QWidget& mainWindow)
    : connection_(connection), dialogs_(dialogs), mainWindow_(mainWindow) {
    setWindowTitle(
        QStringLiteral("Změna implicitní cesty při otvírání souborů v Microsoft Excelu."));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(services::twipsToPixels(6030), services::twipsToPixels(3480));
    views::useDesignFont(this);
    Label1 = views::placeControl(
        new QLabel(QStringLiteral("Aktuální nastavení netýkající se Mechíka ale přímo "
                                  "Microsoft Excelu je do složky"),
                   this),
        "Label1", 240, 120, 5775, 255);
    lblStaraCesta = views::placeControl(new QLabel(this), "lblStaraCesta", 240, 360, 5775, 255);
    Label2 = views::placeControl(
        new QLabel(QStringLiteral("Jestliže si přejete toto nastavení změnit vyberte "
                                  "jednu z předvolených možností,  u té poslední "
                                  "vyplňte existující cestu podle Vašeho specifického "
                                  "požadavku. Špatně nastavená cesta může zapříčinit "
                                  "pracnější postup při otvírání a také ukládání Vašich "
                                  "dokumentů v aplikaci Excel. To neplatí pro písničky "
                                  "Mechíka, které jsou vždy ukládány do %1 bez ohledu "
                                  "na toto nastavení.")
                       .arg(QDir::toNativeSeparators(connection.WorkingFolder)),
                   this),
        "Label2", 240, 720, 5775, 1215);
    Label2->setWordWrap(true);
    Option1[0] =
        views::placeControl(new QRadioButton(QDir::toNativeSeparators(presetPath(0)), this),
                            "Option1(0)", 240, 2040, 2775, 255);
    Option1[1] =
        views::placeControl(new QRadioButton(QDir::toNativeSeparators(presetPath(1)), this),
                            "Option1(1)", 240, 2400, 2775, 255);
    Option1[2] = views::placeControl(new QRadioButton(QStringLiteral("Jiná cesta"), this),
                                     "Option1(2)", 240, 2760, 1095, 255);
    txtCesta = views::placeControl(new QLineEdit(QDir::toNativeSeparators(QDir::rootPath()), this),
                                   "txtCesta", 1440, 2760, 3135, 285);
    Option1[3] =
        views::placeControl(new QRadioButton(QStringLiteral("Cesta z doby, kdy byl Excel na PC "
                                                            "nainstalován s ohledem na profil "
                                                            "uživatele."),
                                             this),
                            "Option1(3)", 240, 3120, 5775, 255);
    Option1[0]->setChecked(true);
    OKButton = views::placeControl(new QPushButton(QStringLiteral("OK"), this), "OKButton", 4680,
                                   2040, 1215, 375);
    CancelButton = views::placeControl(new QPushButton(QStringLiteral("Storno"), this),
                                       "CancelButton", 4680, 2520, 1215, 375);
    views::shrinkFontToFit(Label1, Label1->text());
    for (QRadioButton* option : Option1) {
        views::shrinkFontToFit(option, option->text(), 22);
    }
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

void frmZmenaCesty::Form_Load() {
    lblStaraCesta->setText(QDir::toNativeSeparators(connection_.SavedDefaultFilePath));
}

void frmZmenaCesty::OKButton_Click() {
    QString path;
    if (Option1[0]->isChecked() || Option1[1]->isChecked()) {
        path = presetPath(Option1[0]->isChecked() ? 0 : 1);
    } else if (Option1[2]->isChecked()) {
        path = txtCesta->text();
    } else if (Option1[3]->isChecked()) {
        connection_.SavedDefaultFilePath = ResetMarker;
        dialogs_.message(
            QStringLiteral("Reset nastavení"),
            QStringLiteral("Po ukončení Mechíka můžete zkontrolovat, zda volba splnila "
                           "Vaše očekávání."),
            services::MessageIcon::Information);
        close();
        return;
    } else {
        dialogs_.message(QStringLiteral("Chyba, nic nezadáno."),
                         QStringLiteral("Cesta nenastavena, nesprávné zadání."),
                         services::MessageIcon::Critical);
        return;
    }
    if (path.isEmpty()) {
        close();
        return;
    }
    if (!FolderExists(path)) {
        dialogs_.message(QStringLiteral("Neexistující složka"),
                         QStringLiteral("Požadovanou změnu nebylo možno provést."),
                         services::MessageIcon::Critical);
        return;
    }
    connection_.SavedDefaultFilePath = path;
    dialogs_.message(QStringLiteral("Změna konfigurace Excelu z Mechíka."),
                     QStringLiteral("Jako výchozí pro aplikaci Excel byla nastavena cesta do ") +
                         QDir::toNativeSeparators(path),
                     services::MessageIcon::Information);
    close();
}

void frmZmenaCesty::closeEvent(QCloseEvent* event) {
    mainWindow_.show();
    event->accept();
}

frmZmenaCesty* mnuNastavCestu_Click(services::SpreadsheetConnection& connection,
                                    services::Dialogs& dialogs, QWidget& mainWindow) {
    mainWindow.hide();
    auto* window = new frmZmenaCesty(connection, dialogs, mainWindow);
    window->Form_Load();
    window->show();
    return window;
}

}  // namespace auxwin
